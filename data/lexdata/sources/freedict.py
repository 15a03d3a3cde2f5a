"""FreeDict bilingual dictionaries: their headwords are lemmas (Finnish
and Greek take them from the fin-eng and ell-eng dictionaries).

Where from: the Debian packages dict-freedict-<pair> (the dictd index
/usr/share/dictd/freedict-<pair>.index).  Version: the Debian package
version.  Licence: the package's Debian copyright file (GPL-3+ or
CC-BY-SA-3.0 for the wikdict pairs).
"""

from .shared import deb_source, ensure_apt


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
