"""Russian: the case, number and gender of every OpenCorpora reading.

The lexicon keeps one reading a form, lemma and library tag ("NOMCms"),
so the case of a noun form (стола: genitive singular) is lost there.  This
module keeps it beside the lexicon: for every form and library tag, the
names of the extended tags its OpenCorpora parses stand for, written to
``ru-cases.tsv`` (form in lower case, ё as е; tag; names).  The
dictionary compiler learns the Russian extension rows from that file
(lemm-build --cases, tools/compiler/russian_cases.h).

An extended tag name is the case (N nominative, G genitive, D dative,
A accusative, I instrumental, P prepositional), the number (S, P) and, in
the singular, the gender (M, F, N); a plural carries its noun's gender or,
without one (adjectives, participles), I: "GSM", "NPF", "API".  Second
genitive, second accusative and locative count as genitive, accusative and
prepositional; readings without case or number (short adjectives, verbs)
have no name.
"""

import re

CASES = {"nomn": "N", "gent": "G", "gen2": "G", "datv": "D", "accs": "A", "acc2": "A",
         "ablt": "I", "loct": "P", "loc2": "P"}
NUMBERS = {"sing": "S", "plur": "P"}
GENDERS = {"masc": "M", "femn": "F", "neut": "N"}


def extended_name(tokens):
    """The extended tag name of an OpenCorpora reading's grammemes, or None."""
    case = next((CASES[t] for t in tokens if t in CASES), None)
    number = next((NUMBERS[t] for t in tokens if t in NUMBERS), None)
    if case is None or number is None:
        return None
    gender = next((GENDERS[t] for t in tokens if t in GENDERS), None)
    if number == "S":
        return None if gender is None else case + "S" + gender
    return case + "P" + (gender or "I")


def case_names(rows, tag_of):
    """{(form, tag): set of names} for (form, tokens) rows; tag_of(tokens)
    gives the library tag, or a false value for readings the lexicon drops."""
    out = {}
    memo = {}
    for form, tokens in rows:
        key = tuple(tokens)
        if key not in memo:
            tag = tag_of(tokens)
            memo[key] = (tag, extended_name(tokens)) if tag else (None, None)
        tag, name = memo[key]
        if tag and name:
            out.setdefault((form.lower().replace("ё", "е"), tag), set()).add(name)
    return out


def write_cases(path, names):
    """Writes form<TAB>tag<TAB>names lines, sorted; returns the line count."""
    import os
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        for (form, tag), ns in sorted(names.items()):
            if " " in form or "\t" in form:
                continue
            f.write(f"{form}\t{tag}\t{' '.join(sorted(ns))}\n")
    os.replace(tmp, path)
    return len(names)


def read_cases(path):
    """{(form, tag): set of names} of a ru-cases.tsv file."""
    out = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            p = line.rstrip("\n").split("\t")
            if len(p) == 3:
                out[(p[0], p[1])] = set(p[2].split())
    return out


_CASE_NAME = re.compile(r"[NGDAIP][SP][MFNI]")


def is_case_name(name):
    """Whether a tag name is one of the case, number and gender names."""
    return _CASE_NAME.fullmatch(name) is not None


def case_number(name):
    """"GSM" -> "GS": the case and number of an extended tag name."""
    return name[:2]


def coverage(tokens, cases):
    """How often a word's extended tags cover its case and number readings.

    tokens: (form, dictionary tags, extended tag names) of the words the
    dictionary knows; cases: {(form, tag): names} of the source paradigms,
    the reference.  Returns (words with a reference, words whose extended
    tags include every case and number of the reference, words whose
    extended tags include at least one).
    """
    n = every = some = 0
    for form, tags, names in tokens:
        key = form.lower().replace("ё", "е")
        ref = set()
        for tag in tags:
            ref |= {case_number(x) for x in cases.get((key, tag), ())}
        if not ref:
            continue
        got = {case_number(x) for x in names}
        n += 1
        every += ref <= got
        some += bool(ref & got)
    return n, every, some
