"""data/REPORT.md: what each lexicon holds, how well it covers the dev sets."""

import json
import os

from . import conventions
from .common import DATA_DIR, REPO_DIR, key_bytes
from .languages import ALL_CODES, LANGUAGES, SECOND_EDITIONS, codepage, first_edition
from .endings import MEMBERS
from .merge import read_lexicon

SKIP_UPOS = {"PUNCT", "SYM", "NUM"}


def dev_path(code):
    return os.path.join(os.path.dirname(REPO_DIR), "shared", "ud-dev", code + ".tsv")


def _clean(lemma, code):
    if code == "du":
        lemma = lemma.replace("_", "")
    if code == "fi":
        lemma = lemma.replace("#", "")
    return lemma


def dev_figures(code, lexicon_path, rows=None):
    """Share of dev tokens whose form is known, and whose gold lemma is first.

    Forms are looked up by the library's key (its case folding); lemmas are
    compared without case.  Parts of multi-word tokens, punctuation,
    symbols and numbers are left out.
    """
    path = dev_path(code)
    if rows is None and not os.path.exists(path):
        return None
    cp = codepage(code)
    exact, by_key = {}, {}
    for form, lemma, _ in read_lexicon(lexicon_path):
        exact.setdefault(form, lemma)
        try:
            by_key.setdefault(key_bytes(code, form.encode(cp)), lemma)
        except UnicodeEncodeError:
            continue
    if rows is None:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")[1:]
        rows = [line.split("\t") for line in lines if line.count("\t") >= 4]
    n = known = right = 0
    for form, lemma, upos, _, mwt in rows[:]:
        if upos in SKIP_UPOS or mwt != "_":
            continue
        n += 1
        # the form in lower case (a capital is mostly the sentence's), as
        # written, then any form of its key
        got = exact.get(form.lower()) or exact.get(form)
        if got is None:
            try:
                got = by_key.get(key_bytes(code, form.encode(cp)))
            except UnicodeEncodeError:
                pass
        if got is None:
            continue
        known += 1
        if _clean(got, code).lower() == _clean(lemma, code).lower():
            right += 1
    return {"tokens": n, "known": known, "first_right": right}


def _pct(a, b):
    return f"{100.0 * a / b:.1f} %" if b else "–"


def write(out_dir, seconds, built):
    stats_dir = os.path.join(out_dir, "stats")

    def load(name):
        p = os.path.join(stats_dir, name + ".json")
        if not os.path.exists(p):
            return None
        with open(p, encoding="utf-8") as f:
            return json.load(f)

    L = ["# Lexicons: sources, sizes, coverage",
         "",
         "Written by `data/build-lexicons` (do not edit by hand). The lexicons "
         "themselves are in `build/lexicons/<code>.tsv` (form, lemma, tag; "
         "UTF-8); second editions use the lexicon of their first edition. "
         f"Last build: {', '.join(built)} in {seconds:.0f} s.",
         "",
         "Columns: *readings* (form, lemma, tag lines), *forms* and *lemmas* "
         "(distinct), *dropped* (readings the code page cannot write, or "
         "forms of 100 bytes and more), *table* (share of (key, lemma) pairs "
         "that a stem plus one ending-table entry rebuilds; the rest go to the "
         "SWD dictionary), *dev known* (share of dev-set tokens whose form "
         "the lexicon has) and *dev first* (share whose gold lemma is the "
         "lexicon's first lemma for the form; content words: punctuation, "
         "symbols, numbers and parts of multi-word tokens left out; Dutch "
         "'_' and Finnish '#' compound marks removed).",
         "",
         "| code | language | cp | readings | forms | lemmas | dropped | table | to SWD | dev known | dev first |",
         "|---|---|---|---:|---:|---:|---:|---:|---:|---:|---:|"]
    for code in ALL_CODES:
        first = first_edition(code)
        info = load(first)
        lang, cp = LANGUAGES[code]["name"], LANGUAGES[code]["codepage"]
        if info is None:
            L.append(f"| {code} | {lang} | {cp} | not built | | | | | | | |")
            continue
        t = load(f"table-{code}")
        if t:
            table = _pct(t["rebuilt"], t["pairs"])
            swd = f"{t['pairs'] - t['rebuilt']:,}"
        elif code in MEMBERS:
            table, swd = "no table", ""
        else:
            table, swd = "rules", ""
        dev = load(f"dev-{first}")
        if dev:
            dk, df = _pct(dev["known"], dev["tokens"]), _pct(dev["first_right"], dev["tokens"])
        else:
            dk = df = "no dev set"
        L.append(f"| {code} | {lang} | {cp} | {info['readings']:,} | {info['forms']:,} | "
                 f"{info['lemmas']:,} | {info['dropped']:,} | {table} | {swd} | {dk} | {df} |")
    own = [c for c in ALL_CODES if LANGUAGES[c].rules not in ("table", "french")]
    fixed = [c for c in ALL_CODES if c not in own and c not in MEMBERS]
    L += ["", "*table* 'rules': the language's handler rebuilds lemmas by rules of "
          f"its own ({', '.join(own)}) or has a fixed table ({', '.join(fixed)}), not "
          "generated here.", "", "## Sources and licences per code", ""]
    for code in ALL_CODES:
        if code in SECOND_EDITIONS:
            continue
        info = load(code)
        if info is None:
            continue
        L.append(f"### {code} ({LANGUAGES[code].name})" +
                 (f", also used by {', '.join(s for s, f in SECOND_EDITIONS.items() if f == code)}"
                  if code in SECOND_EDITIONS.values() else ""))
        L.append("")
        for s in info["sources"]:
            L.append(f"- {s['name']} {s['version']}: {s['licence']}")
        L.append("")
        for n in info["notes"]:
            L.append(n)
        layers = ", ".join(f"{k} {v:,}" for k, v in info["layers"].items())
        L.append("")
        L.append(f"Readings added per source, in precedence order: {layers}. "
                 f"Build time {info['seconds']} s.")
        if info.get("conventions"):
            table = conventions.table_of(info["code"])
            script = "" if table == info["code"] else ", in the code's script"
            L.append(f"Lemma conventions (data/conventions/{table}.tsv{script}) "
                     f"rewrote {info['conventions']:,} readings.")
        if info.get("unmapped"):
            L.append("Source tags left unmapped (readings dropped): " +
                     "; ".join(f"{k} ({v})" for k, v in info["unmapped"]) + ".")
        L.append("")
    L += ["## Where the data is thin", "",
          "- **gr**: no open source pairs Greek forms with lemmas; the lexicon "
          "pairs the word lists' forms with the WikDict headwords by inflection "
          "class, so words missing from the headwords, irregular stems beyond "
          "the grammar table and the gender of -ος nouns (read as masculine) "
          "are not covered.",
          "- **mk**: only the Apertium dictionaries (about 8 k lemmas, trimmed to "
          "their bilingual dictionaries) with their generators and their "
          "analyses of running text; frequent words are there, the long tail "
          "is not.",
          "- **al**: an affix expansion without tags beside the grammar tables: "
          "inflected noun forms that the dictionary lists as headwords of "
          "their own (dorën, gjendjes) keep themselves as lemma, derived verbs "
          "keep the base verb's lemma.",
          "- **fi**: voikko knows the forms of the word lists only; compounds "
          "and case forms that no list holds are missing.",
          "- **du**: frog sees only the most frequent forms the Apertium "
          "analyser lacks; rarer weak past forms keep Hunspell's stem as lemma.",
          "- **sv**: no second source; compounds only where the analysers "
          "list them.", ""]
    with open(os.path.join(DATA_DIR, "REPORT.md"), "w", encoding="utf-8") as f:
        f.write("\n".join(L))
