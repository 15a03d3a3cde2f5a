"""Apertium beyond the analysers' own paths: generators and running text.

Walking an analyser lists the forms of its lexicon, but some forms exist
only at run time or only in the other direction of a language pair:

- a pair's generator (``xxx-mkd.autogen.bin``) holds every form of the
  paradigms of the target language's dictionary, among them the comparison
  of adjectives (нај-, по-) that the analysers build when they analyse;
  walked like an analyser with its two sides swapped;
- the analysers run over a word list of running text (``lt-proc``) give
  the analyses of the words the walk left out.

Where from, version and licence: as the analysers (sources/apertium.py);
both are cached like the analyser expansions, keyed by the stamps of the
files read and the analysers' FILTER_VERSION.
"""

import hashlib
import os
import re
import subprocess

from ..apertium import dump, expand_att
from ..common import log
from ..script import is_cyrillic_word
from . import apertium, tesseract
from .shared import file_stamp, read_cached_rows, write_cached_rows


_DEGREE_PREFIX = re.compile(r"^adj<pref><(comp|sup)>\+([^<+]+)<adj>")


def _keep(form, analysis):
    """(lemma, tags) of an analysis the lexicon keeps, or None.

    The Macedonian dictionaries write the comparison prefix (по-, нај-) as an
    analysis of its own joined to the adjective's
    (``adj<pref><sup>+ситен<adj><m>...``): read as the adjective's analysis
    with the degree (``ситен<adj><sup><m>...``).
    """
    m = _DEGREE_PREFIX.match(analysis)
    if m:
        analysis = f"{m.group(2)}<adj><{m.group(1)}>" + analysis[m.end():]
    return apertium.keep(form, analysis)


def generator_rows(path, version):
    """Cached (form, lemma, 'tag tag ...') of every path of a generator."""
    name = "apertium-gen-" + os.path.basename(path).replace(".autogen.bin", "") + \
        f"-f{version}-" + file_stamp(path)
    rows = read_cached_rows(name)
    if rows is not None:
        return rows
    rows = kept_rows((form, analysis)
                     for analysis, form in expand_att(dump(path)))
    write_cached_rows(name, rows)
    return rows


def kept_rows(pairs):
    """(form, lemma, 'tag tag ...') of the (surface, analysis) pairs the
    lexicon keeps, without repeats, in their order."""
    return apertium.kept_rows(pairs, _keep)


def parse_lt_proc(text):
    """(surface, analysis) pairs of lt-proc's ``^form/an1/an2$`` units; unknown
    words (``/*form``) give none."""
    for unit in text.split("^")[1:]:
        body = unit.split("$", 1)[0]
        parts = body.split("/")
        if len(parts) < 2 or parts[1].startswith("*"):
            continue
        for analysis in parts[1:]:
            yield parts[0], analysis


# what lt-proc reads as one plain word (its stream format escapes ^$/<>...)
_WORD = re.compile(r"[^\W\d_]+(?:[-'][^\W\d_]+)*")


def analyse_words(paths, words, version):
    """Cached (form, lemma, 'tag tag ...') of the analysers' analyses of the
    words (those made of letters, with inner hyphens or apostrophes)."""
    words = [w for w in words if _WORD.fullmatch(w)]
    digest = hashlib.sha1("\n".join(words).encode("utf-8")).hexdigest()[:16]
    name = f"apertium-words-{digest}-f{version}-{file_stamp(*paths)}"
    rows = read_cached_rows(name)
    if rows is not None:
        return rows
    log(f"  analysing {len(words):,} words with {len(paths)} analysers")
    # a full stop after each word keeps lt-proc from joining words
    text = "".join(w + " .\n" for w in words)
    outputs = (subprocess.run(["lt-proc", path], input=text, capture_output=True, text=True,
                              encoding="utf-8", check=True).stdout for path in paths)
    rows = kept_rows(pair for out in outputs for pair in parse_lt_proc(out))
    write_cached_rows(name, rows)
    return rows


# ---------------------------------------------------------------- Macedonian

# generators of the pairs whose target is Macedonian: (package, file)
MK_GENERATORS = [("apertium-mkd-bul", "bul-mkd"), ("apertium-hbs-mkd", "hbs-mkd")]
MK_NOTE = ("The generators of bul-mkd and hbs-mkd add every form of their "
           "paradigms (the comparison of adjectives among them), and the three "
           "analysers' analyses of the Tesseract Macedonian word list add the "
           "forms their walk leaves out; both only fill forms the walk lacks.")


def macedonian_rows(analysers, filter_version=apertium.FILTER_VERSION):
    """(form, lemma, tokens) of the Macedonian generators and of the analysers
    (names) run over the Tesseract word list; the word list's Cyrillic types."""
    rows = []
    for pkg, name in MK_GENERATORS:
        path = f"/usr/share/apertium/{pkg}/{name}.autogen.bin"
        if os.path.exists(path):
            rows += generator_rows(path, filter_version)
    words = sorted({w for w in tesseract.words("mkd") if is_cyrillic_word(w)})
    paths = [p for p in (apertium.find_analyser(a) for a in analysers) if p]
    rows += analyse_words(paths, words, filter_version)
    return [(f, l, t.split()) for f, l, t in rows], words
