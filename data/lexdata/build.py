"""Build the lexicons, the missing ending tables and the report."""

import argparse
import json
import multiprocessing
import os
import shutil
import time

from . import conventions, endings, recipes, report
from .common import REPO_DIR, log
from .languages import ALL_CODES, SECOND_EDITIONS, codepage, first_edition
from .merge import merge, read_lexicon, write_lexicon
from .sources import apertium
from .sources.shared import ensure_apt, ensure_npm


def out_dir():
    return os.environ.get("LEXICON_OUT") or os.path.join(REPO_DIR, "build", "lexicons")


def fold_table(code):
    """Letters written in the code page's usual way before merging."""
    folds = {"\u02bc": "'"}           # modifier-letter apostrophe (aujourdʼhui)
    if code == "du":
        folds.update({"\u0133": "ij", "\u0132": "IJ"})   # the ij ligature
    if code == "ca":
        folds.update({"\u0140": "l\u00b7", "\u013f": "L\u00b7"})  # ŀl is l·l
    return str.maketrans(folds)


def build_code(code, pool):
    t0 = time.time()
    stats = recipes.Stats()
    layers, sources, notes = recipes.build(code, stats, pool)
    table = fold_table(code)
    for layer in layers:
        layer.readings = [(f.translate(table), l.translate(table), t, s)
                          for f, l, t, s in layer.readings]
    lex, added = merge(layers)
    rewritten = conventions.apply_for(code, lex)
    path = os.path.join(out_dir(), code + ".tsv")
    n, forms, lemmas, dropped = write_lexicon(path, lex, codepage(code))
    info = {
        "code": code, "readings": n, "forms": forms, "lemmas": lemmas,
        "dropped": dropped, "layers": added, "conventions": rewritten, "notes": notes,
        "sources": [{"name": s.name, "version": s.version, "licence": s.licence}
                    for s in sources],
        "unmapped": sorted(((f"{k[0]}: {k[1]}", v) for k, v in stats.unmapped.items()),
                           key=lambda x: -x[1])[:8],
        "seconds": round(time.time() - t0, 1),
    }
    log(f"{code}: {n} readings, {forms} forms, {lemmas} lemmas, {dropped} dropped "
        f"({info['seconds']} s)")
    return info


BIG = ["it", "sk", "sl", "ru", "po", "es", "ca", "da", "fr", "sv", "de", "fi",
       "du", "al", "en", "gr", "mk"]


def _save(name, data):
    with open(os.path.join(out_dir(), "stats", name + ".json"), "w") as f:
        json.dump(data, f, ensure_ascii=False, indent=1)


def _build_and_save(code):
    info = build_code(code, None)
    _save(code, info)
    return info


def _table_and_save(args):
    code, first, regenerate = args
    t = table_step(code, first, regenerate)
    _save(f"table-{code}", t)
    return code, t


def _dev_and_save(code):
    _save(f"dev-{code}", report.dev_figures(code, os.path.join(out_dir(), code + ".tsv")))


def table_step(code, lexicon_code, regenerate):
    path = os.path.join(out_dir(), lexicon_code + ".tsv")
    readings = [(f, l) for f, l, _ in read_lexicon(path)]
    if regenerate or not os.path.exists(endings.table_path(code)):
        log(f"{code}: generating the ending table")
        endings.write_table(code, endings.generate(code, readings))
    table = endings.read_table(code)
    ok, total = endings.coverage(code, readings, table)
    return {"entries": len(table), "rebuilt": ok, "pairs": total}


def main(argv=None):
    ap = argparse.ArgumentParser(prog="build-lexicons", description=__doc__)
    ap.add_argument("codes", nargs="*", help="language codes (default: all 23)")
    ap.add_argument("--regenerate-endings", action="store_true",
                    help="rewrite the ending tables of the built lexicons even "
                         "when present (changes the lemcodes of dictionaries "
                         "built before)")
    ap.add_argument("-j", "--jobs", type=int, default=min(2, os.cpu_count() or 1))
    args = ap.parse_args(argv)
    codes = args.codes or ALL_CODES
    for c in codes:
        if c not in ALL_CODES:
            ap.error(f"unknown code {c}")
    firsts = []
    for c in codes:
        f = first_edition(c)
        if f not in firsts:
            firsts.append(f)
    os.makedirs(os.path.join(out_dir(), "stats"), exist_ok=True)
    t0 = time.time()
    # install everything first: the languages are then built side by side
    apt, npm = [], {}
    for code in firsts:
        a, n = recipes.packages_for(code)
        apt += [p for p in a if p not in apt]
        npm.update(n)
    ensure_apt(apt)
    if npm:
        ensure_npm(npm)
    paths = [p for p in (apertium.find_analyser(a) for c in firsts
                         for a in recipes.analysers_for(c)) if p]
    pool = multiprocessing.Pool(args.jobs) if args.jobs > 1 else None
    run = pool.imap_unordered if pool else map
    try:
        for _ in run(apertium.cache_analyser, sorted(set(paths))):
            pass
        # the biggest lexicons first, so that the two workers end together
        order = sorted(firsts, key=lambda c: BIG.index(c) if c in BIG else len(BIG))
        for _ in run(_build_and_save, order):
            pass
        # the tables of every member whose lexicon was built
        tables = [(code, first_edition(code), args.regenerate_endings)
                  for code in endings.MEMBERS
                  if first_edition(code) in firsts]
        for _ in run(_table_and_save, tables):
            pass
        for _ in run(_dev_and_save, firsts):
            pass
    finally:
        if pool:
            pool.close()
    for second, first in SECOND_EDITIONS.items():
        if first in firsts and (second in codes or not args.codes):
            shutil.copyfile(os.path.join(out_dir(), first + ".tsv"),
                            os.path.join(out_dir(), second + ".tsv"))
    report.write(out_dir(), time.time() - t0, firsts)
    log(f"done in {time.time() - t0:.0f} s")
