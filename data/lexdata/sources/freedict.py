"""FreeDict bilingual dictionaries: their headwords are lemmas (Finnish
and Greek take them from the union of their WikDict pairs).

Where from: the Debian packages dict-freedict-<pair> (the dictd index
/usr/share/dictd/freedict-<pair>.index and the dictzip-compressed text
beside it).  Version: the Debian package version.  Licence: the package's
Debian copyright file (GPL-3+, or CC-BY-SA-3.0 for the pairs built from
Wiktionary by WikDict).

An index line is ``headword<TAB>offset<TAB>length`` (offsets in dictd's
base-64 digits); an entry's text starts with ``headword /pronunciation/
<part of speech>``.  One headword may have several entries (καλός as
adjective and as noun), and the union over a language's pairs is larger
than any one pair.
"""

import gzip
import re

from .shared import Source, deb_source, ensure_apt

WIKDICT_LICENCE = "CC-BY-SA-3.0"
_DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
_FIRST_LINE = re.compile(r"^(.*?)\s*(?:/[^/]*/)?\s*(?:<([^<>]*)>)?\s*$")


def package(pair):
    return "dict-freedict-" + pair


def index_path(pair):
    return f"/usr/share/dictd/freedict-{pair}.index"


def headwords(lines):
    """The headwords of a dictd index (``headword<TAB>offset<TAB>length``
    lines), without the dictionary's own 00database entries."""
    for line in lines:
        w = line.split("\t", 1)[0]
        if w and not w.startswith("00database"):
            yield w


def read_headwords(pair):
    """(headwords in index order, [source]) of an installed pair."""
    ensure_apt([package(pair)])
    with open(index_path(pair), encoding="utf-8") as f:
        words = list(headwords(f))
    return words, [deb_source(package(pair))]


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


def wikdict_packages(lang, others):
    return [package(f"{lang}-{o}") for o in others]


def wikdict_headwords(lang, others):
    """{headword: set of parts of speech} over the WikDict pairs lang-other,
    and the source they make together."""
    pkgs = wikdict_packages(lang, others)
    ensure_apt(pkgs)
    out = {}
    for o in others:
        pair = f"{lang}-{o}"
        with gzip.open(index_path(pair)[:-len(".index")] + ".dict.dz") as f:
            data = f.read()
        with open(index_path(pair), encoding="utf-8") as f:
            for head, pos in read_pair(f, data):
                out.setdefault(head, set()).add(pos)
    first = deb_source(pkgs[0])
    return out, Source(f"dict-freedict-{lang}-* ({len(pkgs)} WikDict pairs)",
                       first.version, WIKDICT_LICENCE)
