"""Apertium analysers: the compiled morphological analysers of Apertium's
language pairs.

Where from: the Debian packages apertium-<pair> (one analyser per
direction, /usr/share/apertium/*/<name>.automorf.bin), dumped with lt-print
from lttoolbox-dev.  Version: each pair's Debian package version; an
expansion is cached under the stamp of its analyser file and FILTER_VERSION,
so a new package version or a new filter is expanded anew.  Licence: the
pair's Debian copyright file (GPL-2, GPL-2+, GPL-3 or GPL-3+).

The readings of an analyser are its accepting paths (lexdata/apertium.py)
without the paths that are not dictionary words: numbers and other
regular-expression patterns, punctuation, prefixes, compound-only parts and
analyses with two clitics.
"""

import functools
import glob
import os
import re

from ..apertium import dump, expand_att, split_analysis
from .shared import (cached_rows_path, deb_source, ensure_apt, file_stamp,
                     read_cached_rows, write_cached_rows)

TOOLS = ["lttoolbox-dev"]

# bump when the filter below changes: cached expansions are keyed by it
FILTER_VERSION = 3


def find_analyser(name):
    hits = glob.glob(f"/usr/share/apertium/*/{name}.automorf.bin")
    return hits[0] if hits else None


_PLAIN = re.compile(r"(?:[^\W\d_]|['-])(?:[^\W\d_]|[ \-'\u2019\u00b7])*")
# every character plain_word allows anywhere
_PLAIN_CHARACTER = re.compile(r"(?:[^\W\d_]|[ \-'\u2019\u00b7])*")


def plain_word(text):
    """Letters with inner hyphens, apostrophes, blanks or a middle dot only.

    Leaves out the regular-expression parts of the analysers (numbers,
    addresses, e-mail patterns) and abbreviations with full stops.
    """
    return _PLAIN.fullmatch(text) is not None


def may_be_in_plain_word(symbol):
    """False for an analyser's input symbol that no plain word contains:
    the paths through it are not walked (the number and punctuation
    patterns are most of some analysers' paths)."""
    return _PLAIN_CHARACTER.fullmatch(symbol) is not None


def odd_case(text):
    """A capital inside a part of the word that is not all capitals.

    Cutting the loops of an analyser's acronym patterns leaves paths such as
    'ÆZå-olycka'; real words are 'Olycka', 'NATO-ledd' or 'olycka'.
    """
    rest = text[1:]
    if rest == rest.lower():
        return False
    for part in re.split(r"[- ]", text):
        if any(c.isupper() for c in part[1:]) and not part.isupper():
            return True
    return False


def keep(form, analysis):
    """(lemma, tags) of an analysis that is a dictionary word, else None."""
    if not plain_word(form) or odd_case(form) or analysis.count("+") > 1:
        return None
    r = split_analysis(analysis)
    if r is None:
        return None
    lemma, tags = r
    if not tags or tags[0] in ("pref", "sent", "cm", "lpar", "rpar", "lquest",
                               "guio", "apos", "quot", "percent", "lpunt"):
        return None
    if {"cmp", "cmp-split", "compound-only-L"} & set(tags):
        return None
    if not lemma or "<" in lemma:
        return None
    return lemma, tags


_SUPERSCRIPT_DIGITS = "⁰¹²³⁴⁵⁶⁷⁸⁹"


# A homograph number written after a colon ('lie:1', 'medij:1').
_COLON_NUMBER = re.compile(r"(?<=[^\W\d_]):[0-9]+$")


def strip_homograph_number(form, lemma):
    """The lemma without the number some analysers put after a homograph:
    superscript ('tur¹', 'tur²'), unless the form has such digits itself
    ('m²' of 'm²'), or after a colon ('lie:1' of 'lied'), unless the form
    ends the same way."""
    if ":" not in lemma and (not lemma or lemma[-1] not in _SUPERSCRIPT_DIGITS):
        return lemma   # no number to strip: most lemmas, answered at once
    if _COLON_NUMBER.search(lemma) and not _COLON_NUMBER.search(form):
        return _COLON_NUMBER.sub("", lemma)
    stripped = lemma.rstrip(_SUPERSCRIPT_DIGITS)
    if (stripped == lemma or not stripped
            or any(c in _SUPERSCRIPT_DIGITS for c in form)):
        return lemma
    return stripped


def kept_rows(pairs, keep_analysis=keep):
    """Distinct (form, lemma, 'tag tag ...') rows of the (surface, analysis)
    pairs that keep_analysis(form, analysis) keeps, in their order."""
    rows, seen = [], set()
    for form, analysis in pairs:
        r = keep_analysis(form, analysis)
        if r is None:
            continue
        row = (form, r[0], " ".join(r[1]))
        if row not in seen:
            seen.add(row)
            rows.append(row)
    return rows


def rows_of_dump(att_text):
    """Distinct (form, lemma, 'tag tag ...') rows of an lt-print dump."""
    return kept_rows(expand_att(att_text, max_joins=1, keep_input=may_be_in_plain_word))


def _cache_name(path):
    return "apertium-" + os.path.basename(path).replace(".automorf.bin", "") \
        + f"-f{FILTER_VERSION}-" + file_stamp(path)


def expand_analyser(path):
    """Cached rows (form, lemma, 'tag tag ...') of one analyser."""
    name = _cache_name(path)
    rows = read_cached_rows(name)
    if rows is not None:
        return rows
    rows = rows_of_dump(dump(path))
    write_cached_rows(name, rows)
    return rows


def is_cached(path):
    return os.path.exists(cached_rows_path(_cache_name(path)))


def cache_analyser(path):
    """Expand an analyser into the cache (for a worker: returns nothing)."""
    if not is_cached(path):
        expand_analyser(path)


def _expand_one(path):
    return path, expand_analyser(path)


def readings(packages, analysers, pool=None):
    """Union of the analysers: (form, lemma, tokens, count of analysers).

    The count (in how many analysers a reading occurs) ranks readings:
    frequent words are in every pair's dictionary, rare ones in few.
    """
    ensure_apt(TOOLS + packages)
    paths = [p for p in (find_analyser(a) for a in analysers) if p]
    counts, order = {}, []
    results = pool.imap(_expand_one, paths) if pool else map(_expand_one, paths)
    for path, rows in results:
        for form, lemma, tags in rows:
            # (applied to the cached rows, which keep the analyser's lemmas)
            key = (form, strip_homograph_number(form, lemma), tags)
            if key in counts:
                counts[key] += 1
            else:
                counts[key] = 1
                order.append(key)
    sources = [deb_source(p) for p in packages]
    split = functools.lru_cache(maxsize=None)(str.split)   # tag strings repeat
    return [(f, l, split(t), counts[(f, l, t)]) for f, l, t in order], sources
