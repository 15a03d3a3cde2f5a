"""Build the lexicons, the missing ending tables and the report."""

import argparse
import json
import multiprocessing
import os
import shutil
import threading
import time

from . import conventions, endings, recipes, report
from .common import REPO_DIR, log
from .languages import ALL_CODES, SECOND_EDITIONS, codepage, first_edition
from .merge import merge, read_lexicon, write_lexicon
from .progress import Progress
from .sources.shared import cache_dir, ensure_apt, ensure_npm

import reading_order  # noqa: E402  (data/, beside the package)


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


def folding(code):
    """A function that writes a word with fold_table(code): translating only
    the words that hold a letter to fold is what makes it fast."""
    table = fold_table(code)
    letters = [chr(c) for c in table]

    def fold(word):
        for letter in letters:
            if letter in word:
                return word.translate(table)
        return word
    return fold


def reading_order_of(code):
    """The reading order of a code as a function of (readings, form): the
    learnt order, then the recipe's own where it has one (a source that
    knows a form's readings better); None when its first edition has no
    table (data/reading-order/)."""
    path = reading_order.table_path(first_edition(code))
    if not os.path.exists(path):
        return None
    scores = reading_order.read_scores(path)
    reorder = recipes.reorder_of(first_edition(code))
    if reorder is None:
        return lambda readings, form: reading_order.order(readings, scores, form)
    return lambda readings, form: reorder(reading_order.order(readings, scores, form), form)


def build_code(code, pool, ordered=True):
    """Builds and writes the lexicon of a code, its readings in the learnt
    order unless `ordered` is false (the order data/order-readings --learn
    learns from is the sources' own)."""
    t0 = time.time()
    stats = recipes.Stats()
    layers, sources, notes = recipes.build(code, stats, pool)
    fold = folding(code)
    for layer in layers:
        layer.readings = [(fold(f), fold(l), t, s) for f, l, t, s in layer.readings]
    lex, added = merge(layers)
    rewritten = conventions.apply_for(code, lex)
    path = os.path.join(out_dir(), code + ".tsv")
    order = reading_order_of(code) if ordered else None
    n, forms, lemmas, dropped = write_lexicon(path, lex, codepage(code), order)
    info = {
        "code": code, "readings": n, "forms": forms, "lemmas": lemmas,
        "dropped": dropped, "layers": added, "conventions": rewritten, "notes": notes,
        "sources": [{"name": s.name, "version": s.version, "licence": s.licence}
                    for s in sources],
        "unmapped": sorted(((f"{k[0]}: {k[1]}", v) for k, v in stats.unmapped.items()),
                           key=lambda x: -x[1])[:8],
        "seconds": round(time.time() - t0, 1),
    }
    return info


def _save(name, data):
    with open(os.path.join(out_dir(), "stats", name + ".json"), "w") as f:
        json.dump(data, f, ensure_ascii=False, indent=1)


# The work of the pool's workers: each returns its item with its result.

def _expand(task):
    _, function, args = task
    function(*args)
    return task, None


# Whether the lexicons are written in the learnt reading order: set before
# the pool's workers start, which inherit it.
_ordered = True


def _build_and_save(code):
    info = build_code(code, None, _ordered)
    _save(code, info)
    return code, info


def _table_and_save(args):
    code, first, regenerate = args
    t = table_step(code, first, regenerate)
    _save(f"table-{code}", t)
    return args, t


def _dev_and_save(code):
    figures = report.dev_figures(code, os.path.join(out_dir(), code + ".tsv"))
    _save(f"dev-{code}", figures)
    return code, figures


def table_step(code, lexicon_code, regenerate):
    path = os.path.join(out_dir(), lexicon_code + ".tsv")
    readings = [(f, l) for f, l, _ in read_lexicon(path)]
    if regenerate or not os.path.exists(endings.table_path(code)):
        log(f"{code}: generating the ending table")
        endings.write_table(code, endings.generate(code, readings))
    table = endings.read_table(code)
    ok, total = endings.coverage(code, readings, table)
    return {"entries": len(table), "rebuilt": ok, "pairs": total}


def install(progress, firsts):
    """The Debian and the npm packages of the codes' recipes, side by side."""
    apt, npm = [], {}
    for code in firsts:
        a, n = recipes.packages_for(code)
        apt += [p for p in a if p not in apt]
        npm.update(n)
    # npm itself comes from Debian when it is missing: then one after the other
    side_by_side = not npm or shutil.which("npm") is not None
    if not side_by_side:
        apt.append("npm")
    with progress.stage(f"packages ({len(apt)} Debian, {len(npm)} npm)"):
        failed = []

        def run(function, packages):
            try:
                function(packages)
            except BaseException as e:   # SystemExit of a missing tool included
                failed.append(e)
        steps = [threading.Thread(target=run, args=(ensure_apt, apt))]
        if npm:
            steps.append(threading.Thread(target=run, args=(ensure_npm, npm)))
        for t in steps:
            t.start()
            if not side_by_side:
                t.join()
        for t in steps:
            t.join()
        if failed:
            raise failed[0]


def _describe_lexicon(code, info, seconds):
    return (f"{code}: {info['readings']:,} readings, {info['forms']:,} forms, "
            f"{info['lemmas']:,} lemmas, {info['dropped']:,} dropped ({seconds:.0f} s)")


def _describe_table(args, t, seconds):
    return f"{args[0]}: {t['rebuilt']:,} of {t['pairs']:,} pairs rebuilt by {t['entries']} entries"


def _describe_dev(code, figures, seconds):
    if figures is None:
        return f"{code}: no dev set"
    return (f"{code}: {figures['known']:,} of {figures['tokens']:,} dev tokens known, "
            f"{figures['first_right']:,} with the right first lemma")


def main(argv=None):
    ap = argparse.ArgumentParser(prog="build-lexicons", description=__doc__)
    ap.add_argument("codes", nargs="*", help="language codes (default: all 23)")
    ap.add_argument("--regenerate-endings", action="store_true",
                    help="rewrite the ending tables of the built lexicons even "
                         "when present (changes the lemcodes of dictionaries "
                         "built before)")
    ap.add_argument("--unordered", action="store_true",
                    help="write each form's readings in the sources' order, "
                         "not the learnt one (what data/order-readings "
                         "--learn learns from)")
    ap.add_argument("--no-report", action="store_true",
                    help="leave data/REPORT.md as it is and measure none of "
                         "its figures (the ending tables' coverage, the dev "
                         "sets); ending tables that are missing are still "
                         "written")
    ap.add_argument("-j", "--jobs", type=int, default=min(2, os.cpu_count() or 1))
    args = ap.parse_args(argv)
    global _ordered
    _ordered = not args.unordered
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
    with Progress() as progress:
        # install everything first: the languages are then built side by side
        install(progress, firsts)
        pool = multiprocessing.Pool(args.jobs) if args.jobs > 1 else None
        run = pool.imap_unordered if pool else map
        try:
            # the expansions of the sources into the cache, then the lexicons
            # from them, the longest first so that the workers end together
            tasks = recipes.expansions_for(firsts)
            progress.items("expanding sources (cached in " + cache_dir() + ")",
                           run(_expand, tasks), tasks,
                           lambda task, _, seconds: f"{task[0]} ({seconds:.0f} s)",
                           args.jobs, label=lambda task: task[0])
            order = recipes.longest_first(firsts)
            progress.items("lexicons", run(_build_and_save, order), order,
                           _describe_lexicon, args.jobs)
            # the tables of every member whose lexicon was built: measured
            # for the report, written where missing or to regenerate
            def table_wanted(code):
                return (not args.no_report or args.regenerate_endings
                        or not os.path.exists(endings.table_path(code)))
            tables = [(code, first_edition(code), args.regenerate_endings)
                      for code in endings.MEMBERS
                      if first_edition(code) in firsts and table_wanted(code)]
            if tables:
                stage = "ending tables" if args.no_report else "ending-table coverage"
                progress.items(stage, run(_table_and_save, tables), tables,
                               _describe_table, args.jobs, label=lambda t: t[0])
            if not args.no_report:
                progress.items("dev-set figures", run(_dev_and_save, firsts), firsts,
                               _describe_dev, args.jobs)
        finally:
            if pool:
                pool.close()
        for second, first in SECOND_EDITIONS.items():
            if first in firsts and (second in codes or not args.codes):
                shutil.copyfile(os.path.join(out_dir(), first + ".tsv"),
                                os.path.join(out_dir(), second + ".tsv"))
        if not args.no_report:
            report.write(out_dir(), time.time() - t0, firsts)
        progress.say(f"lexicons of {', '.join(codes)} in {out_dir()}"
                     f"{'' if args.no_report else ', data/REPORT.md written'}; "
                     f"{time.time() - t0:.0f} s")
