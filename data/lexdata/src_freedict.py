"""Headwords with their part of speech from FreeDict dictionaries.

The FreeDict pairs built from Wiktionary (WikDict, CC-BY-SA-3.0) come as
dictd files: an index of ``headword<TAB>offset<TAB>length`` (offsets in
dictd's base-64 digits) and the dictzip-compressed text, whose entries start
with ``headword /pronunciation/ <part of speech>``.  One headword may have
several entries (καλός as adjective and as noun).  The union over a
language's pairs is larger than any one pair.
"""

import gzip
import re

from .common import ensure_apt

_DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
_FIRST_LINE = re.compile(r"^(.*?)\s*(?:/[^/]*/)?\s*(?:<([^<>]*)>)?\s*$")


def package(lang, other):
    return f"dict-freedict-{lang}-{other}"


def base64_number(text):
    n = 0
    for c in text:
        n = n * 64 + _DIGITS.index(c)
    return n


def entry_head(entry):
    """(headword, part of speech or '') of an entry's first line."""
    m = _FIRST_LINE.match(entry.split("\n", 1)[0])
    return m.group(1).strip(), (m.group(2) or "").strip()


def read_pair(index_lines, data):
    """(headword, part of speech) of every entry of one dictionary."""
    for line in index_lines:
        f = line.rstrip("\n").split("\t")
        if len(f) < 3 or f[0].startswith("00database"):
            continue
        start, length = base64_number(f[1]), base64_number(f[2])
        head, pos = entry_head(data[start:start + length].decode("utf-8", "replace"))
        if head:
            yield head, pos


def headwords(lang, others):
    """{headword: set of parts of speech} over the pairs lang-other."""
    pkgs = [package(lang, o) for o in others]
    ensure_apt(pkgs)
    out = {}
    for o in others:
        base = f"/usr/share/dictd/freedict-{lang}-{o}"
        with gzip.open(base + ".dict.dz") as f:
            data = f.read()
        with open(base + ".index", encoding="utf-8") as f:
            for head, pos in read_pair(f, data):
                out.setdefault(head, set()).add(pos)
    return out, pkgs
