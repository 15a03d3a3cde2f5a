"""Ending tables of the table-driven lemcode handlers.

A dictionary result rebuilds a lemma as: key = the normalised form; stem =
key minus `cut` trailing bytes (for sk and sl a leading superlative prefix
is then removed when the stem is longer than it and starts with it); lemma
= stem + entry `lemcode` of the table (lemcode 0: nothing appended).  All in
the code page's bytes.  The generator picks the entries that rebuild the
most readings of the language's lexicon, keeps the rows that earlier
dictionaries already rely on at their indices, and orders the table by
bytes (with the rows that follow the sorted run kept after it).
"""

import heapq
import os

from .common import key_bytes, REPO_DIR
from .languages import LANGUAGES, codepage

# The table-driven languages whose table came with the library's rules and
# is not generated here.
FIXED_TABLES = ("al", "i4")

# Rows that dictionaries built before rely on at their indices, per code:
# ({index: entry}, number of those rows that follow the sorted run).
PINNED_ROWS = {
    "ca": ({1: "1", 2: "a", 3: "aber"}, 0),
    "da": ({1: "a", 2: "ad", 3: "ade"}, 0),
    "en": ({1: "-in-chief", 2: "-in-law", 3: "-melting", 66: "\u201a", 67: "os"}, 2),
    "it": ({1: "a", 2: "acee", 3: "adonna", 116: "\u00e0", 117: "rre", 118: "urre"}, 2),
    "po": ({1: "-aberta", 2: "-amarela"}, 0),
    "sl": ({1: "a", 2: "ac", 3: "ajati"}, 0),
}


def _member(language):
    fixed, n_after = PINNED_ROWS.get(language.code, ({}, 0))
    return (language.endings, language.prefix.encode(language.codec), fixed, n_after)


# code -> (N entries, prefix removed from the stem, {index: entry} pinned
#          rows, number of pinned rows that follow the sorted run), for every
# language whose ending table is generated
MEMBERS = {code: _member(language) for code, language in LANGUAGES.items()
           if language.rules == "table" and code not in FIXED_TABLES}
MAX_ENTRY = 63
EXTRA_CUTS = 3  # also offer endings that cut up to this many more bytes


def table_path(code):
    return os.path.join(REPO_DIR, "rules", "endings", code + ".txt")


def stem_of(key, cut, prefix):
    stem = key[:len(key) - cut] if cut else key
    if prefix and len(stem) > len(prefix) and stem.startswith(prefix):
        stem = stem[len(prefix):]
    return stem


def candidate_endings(key, lemma, prefix=b""):
    """Endings that rebuild lemma from key, shortest first; b'' = lemcode 0."""
    out = []
    for cut in range(len(key) + 1):
        stem = stem_of(key, cut, prefix)
        if lemma.startswith(stem):
            e = lemma[len(stem):]
            if len(e) <= MAX_ENTRY:
                out.append(e)
            if len(out) > EXTRA_CUTS:
                break
    return out


def encode_pairs(readings, code):
    """{(key, lemma bytes): weight} of (form, lemma) pairs writable in the code page."""
    cp = codepage(code)
    pairs = {}
    for form, lemma in readings:
        if " " in form or " " in lemma:
            continue     # multi-word expressions are for the SWD dictionary
        try:
            k = key_bytes(code, form.encode(cp))
            l = lemma.encode(cp)
        except UnicodeEncodeError:
            continue
        pairs[(k, l)] = pairs.get((k, l), 0) + 1
    return pairs


def _usable(e):
    return e and e != b"0" and not any(b in e for b in b"\n\r\x00")


def generate(code, readings):
    """The N entries (as code-page bytes) for a language's readings."""
    n, prefix, fixed, n_after = MEMBERS[code]
    cp = codepage(code)
    fixed_b = {i: e.encode(cp) for i, e in fixed.items()}
    after = [fixed_b[i] for i in sorted(fixed_b)[len(fixed_b) - n_after:]] if n_after else []
    # Italian: the fixed 0xE0 row closes the sorted run, every run entry
    # sorts below it
    upper = fixed_b[116] if code == "it" else None
    in_run = {i: e for i, e in fixed_b.items() if e not in after and e != upper}
    run_len = n - 1 - len(after)
    # the fixed rows of a run are its first rows (1, 2, 3): every other
    # entry must sort after the last of them to leave them at their indices
    assert sorted(in_run) == list(range(1, len(in_run) + 1))
    lower_ok = max(in_run.values()) if in_run else b""
    taken = set(fixed_b.values())

    def allowed(e):
        if not _usable(e) or e in taken:
            return False
        if in_run and e <= lower_ok:
            return False
        if upper is not None and e >= upper:
            return False
        return True

    pairs = encode_pairs(readings, code)
    members = []         # per pair: (weight, [endings])
    by_end = {}
    for (k, l), w in pairs.items():
        cands = candidate_endings(k, l, prefix)
        if not cands or b"" in cands or any(c in taken for c in cands):
            continue     # rebuilt already (lemcode 0 or a fixed row) or never
        cands = [c for c in cands if allowed(c)]
        if not cands:
            continue
        idx = len(members)
        members.append((w, cands))
        for c in cands:
            by_end.setdefault(c, []).append(idx)
    gain = {e: sum(members[i][0] for i in ids) for e, ids in by_end.items()}
    total = dict(gain)
    # most readings first; at equal gain the shorter (more general) ending
    heap = [(-g, len(e), e) for e, g in gain.items()]
    heapq.heapify(heap)
    covered = [False] * len(members)
    free = run_len - len(in_run)
    if upper is not None:
        free -= 1
    chosen = []
    while heap and len(chosen) < free:
        g, _, e = heapq.heappop(heap)
        if -g != gain[e]:
            heapq.heappush(heap, (-gain[e], len(e), e))
            continue
        if gain[e] <= 0:
            break
        chosen.append(e)
        for i in by_end[e]:
            if not covered[i]:
                covered[i] = True
                w = members[i][0]
                for c in members[i][1]:
                    gain[c] -= w
        gain[e] = 0
    if len(chosen) < free:
        # nothing more to gain: fill with the most used remaining endings
        rest = sorted((e for e in total if e not in set(chosen)),
                      key=lambda e: (-total[e], e))
        chosen += rest[:free - len(chosen)]
    if len(chosen) < free:
        raise SystemExit(f"{code}: only {len(chosen)} endings for {free} free rows")
    run = sorted(set(chosen) | set(in_run.values()))
    if upper is not None:
        run.append(upper)
    table = [b"0"] + run + after
    for i, e in fixed_b.items():
        if table[i] != e:
            raise SystemExit(f"{code}: fixed row {i} moved")
    assert len(table) == n and len(set(table)) == n
    return table


def write_table(code, table):
    cp = codepage(code)
    with open(table_path(code), "w", encoding="utf-8", newline="\n") as f:
        for e in table:
            f.write(e.decode(cp) + "\n")


def read_table(code):
    cp = codepage(code)
    with open(table_path(code), encoding="utf-8", newline="\n") as f:
        text = f.read()
    return [line.encode(cp) for line in text.split("\n")[:-1]]


def coverage(code, readings, table):
    """(readings rebuilt, readings) of (form, lemma) readings by a table."""
    _, prefix, _, _ = MEMBERS[code]
    entries = set(table[1:]) | {b""}
    pairs = encode_pairs(readings, code)
    ok = total = 0
    for (k, l), w in pairs.items():
        total += w
        for cut in range(len(k) + 1):
            stem = stem_of(k, cut, prefix)
            if l.startswith(stem) and l[len(stem):] in entries:
                ok += w
                break
    return ok, total
