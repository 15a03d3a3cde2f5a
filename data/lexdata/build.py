"""Build the lexicons, the missing ending tables and the report."""

import argparse
import json
import multiprocessing
import os
import shutil
import time

from . import endings, report
from .common import ALL_CODES, REPO_DIR, SECOND_EDITIONS, codepage, log
from .merge import merge, read_lexicon, write_lexicon
from .recipes import RECIPES, Stats


def out_dir():
    return os.environ.get("LEXICON_OUT") or os.path.join(REPO_DIR, "build", "lexicons")


def build_code(code, pool):
    t0 = time.time()
    stats = Stats()
    layers, sources, notes = RECIPES[code](stats, pool)
    lex, added = merge(layers)
    path = os.path.join(out_dir(), code + ".tsv")
    n, forms, lemmas, dropped = write_lexicon(path, lex, codepage(code))
    info = {
        "code": code, "readings": n, "forms": forms, "lemmas": lemmas,
        "dropped": dropped, "layers": added, "notes": notes,
        "sources": [{"name": s.name, "version": s.version, "licence": s.licence}
                    for s in sources],
        "unmapped": sorted(((f"{k[0]}: {k[1]}", v) for k, v in stats.unmapped.items()),
                           key=lambda x: -x[1])[:8],
        "seconds": round(time.time() - t0, 1),
    }
    log(f"{code}: {n} readings, {forms} forms, {lemmas} lemmas, {dropped} dropped "
        f"({info['seconds']} s)")
    return info


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
                    help="rewrite rules/endings/<code>.txt even when present "
                         "(changes lemcodes of dictionaries built before)")
    ap.add_argument("-j", "--jobs", type=int, default=min(2, os.cpu_count() or 1))
    args = ap.parse_args(argv)
    codes = args.codes or ALL_CODES
    for c in codes:
        if c not in ALL_CODES:
            ap.error(f"unknown code {c}")
    firsts = []
    for c in codes:
        f = SECOND_EDITIONS.get(c, c)
        if f not in firsts:
            firsts.append(f)
    os.makedirs(os.path.join(out_dir(), "stats"), exist_ok=True)
    t0 = time.time()
    pool = multiprocessing.Pool(args.jobs) if args.jobs > 1 else None
    try:
        for code in firsts:
            info = build_code(code, pool)
            with open(os.path.join(out_dir(), "stats", code + ".json"), "w") as f:
                json.dump(info, f, ensure_ascii=False, indent=1)
    finally:
        if pool:
            pool.close()
    for second, first in SECOND_EDITIONS.items():
        if first in firsts and (second in codes or not args.codes):
            shutil.copyfile(os.path.join(out_dir(), first + ".tsv"),
                            os.path.join(out_dir(), second + ".tsv"))
    for code in endings.MEMBERS:
        first = SECOND_EDITIONS.get(code, code)
        if first in firsts and (code in codes or first in codes):
            t = table_step(code, first, args.regenerate_endings)
            with open(os.path.join(out_dir(), "stats", f"table-{code}.json"), "w") as f:
                json.dump(t, f)
    for code in firsts:
        dev = report.dev_figures(code, os.path.join(out_dir(), code + ".tsv"))
        with open(os.path.join(out_dir(), "stats", f"dev-{code}.json"), "w") as f:
            json.dump(dev, f)
    report.write(out_dir(), time.time() - t0, firsts)
    log(f"done in {time.time() - t0:.0f} s")
