"""Finnish: voikko's analyses of the forms of large word lists.

voikko (voikko-fi, GPL-2) analyses but does not generate, so the forms come
from word lists: the cspell Finnish dictionary (npm @cspell/dict-fi-fi,
LGPL-3.0, built from a GPL-2 Hunspell source: 2.7 M full forms), the
Tesseract word list of Finnish web text (tesseract-ocr-fin, Apache-2.0) and
the headwords of the WikDict Finnish dictionaries (dict-freedict-fin-*,
CC-BY-SA-3.0).  Only forms voikko accepts are kept, with voikko's lemma,
except:

- a participle (ollut, tehty, seuraava) also reads as a form of its verb
  (olla, tehdä, seurata), which voikko names in its WORDBASES; the
  participle's own base form stays as an adjective reading;
- a manner adverb in -sti (nopeasti) is its own lemma: voikko gives the
  adjective it is formed from;
- the WikDict headwords marked adverb, postposition, preposition,
  conjunction, pronoun or interjection are their own lemma, with the class
  of that part of speech, unless voikko reads them as a case of another
  pronoun (tässä: tämä).

The analyses of all forms are cached (keyed by the word lists and the
analysis script), and so is nothing else: the rules above are cheap.
"""

import hashlib
import os

from . import src_freedict, src_wordlists
from .common import DATA_DIR, ensure_apt, file_stamp, log, read_cached_rows, write_cached_rows

CSPELL = ("@cspell/dict-fi-fi", "1.1.3", "dict/fi-fi.trie*")
CSPELL_LICENCE = "LGPL-3.0 (built from a GPL-2 Hunspell source)"
FREEDICT_PAIRS = ["bul", "deu", "ell", "eng", "fra", "ind", "ita", "jpn", "lat", "lit",
                  "nld", "nor", "pol", "por", "swe"]
ANALYSER = ["voikko-fi", "python3-libvoikko"]
# what the recipe installs: (apt, npm)
APT = ANALYSER + [src_wordlists.TESSERACT_TOOLS, src_wordlists.tesseract_package("fin")] + \
    [src_freedict.package("fin", o) for o in FREEDICT_PAIRS]
NPM = {CSPELL[0]: CSPELL[1], **src_wordlists.CSPELL_TRIE}
SCRIPT = os.path.join(DATA_DIR, "lexdata", "voikko_analyse.py")

# WikDict part of speech -> voikko class, for the headwords that are their
# own lemma
OWN_LEMMA_CLASS = {"adv": "seikkasana", "postposition": "suhdesana",
                   "preposition": "suhdesana", "conjunction": "sidesana",
                   "pronoun": "asemosana", "interjection": "huudahdussana"}

NOTE = ("voikko's analyses of the forms of the cspell Finnish dictionary, the "
        "Tesseract Finnish word list and the WikDict headwords; participles "
        "also read as forms of their verb (WORDBASES), -sti adverbs are their "
        "own lemma, and WikDict's adverbs, adpositions, conjunctions, pronouns "
        "and interjections are their own lemma.")


def analyse(words):
    """voikko's (form, lemma, features) rows for the words, cached."""
    ensure_apt(ANALYSER)
    digest = hashlib.sha1("\n".join(words).encode("utf-8")).hexdigest()[:16]
    name = f"voikko-words-{digest}-{file_stamp(SCRIPT)}"
    rows = read_cached_rows(name)
    if rows is None:
        from .sources import voikko_readings
        log(f"  analysing {len(words):,} Finnish forms with voikko")
        rows, _ = voikko_readings(words)
        write_cached_rows(name, rows)
    return rows


def with_conventions(rows):
    """(form, lemma, tokens) for voikko's rows, with the participle and -sti
    rules applied (see the module's comment)."""
    for form, lemma, feats in rows:
        toks = feats.split()
        verb = next((t[5:] for t in toks if t.startswith("VERB=")), None)
        if "SIJAMUOTO=kerrontosti" in toks:
            yield form, form, ["seikkasana"]
            continue
        if verb:
            yield form, verb, toks
            # the participle's own base form, as an adjective
            yield form, lemma, [toks[0]] + [t for t in toks[1:]
                                            if not t.startswith(("PARTICIPLE=", "VERB="))]
            continue
        yield form, lemma, toks


def own_lemma_headwords(heads, pronoun_forms=frozenset()):
    """(word, word, [voikko class]) for the one-word headwords of the parts of
    speech that are their own lemma; not for the forms voikko reads as a case
    of a pronoun (tässä, mitä: tämä, mikä), which the dictionaries list as
    adverbs too."""
    for head in sorted(heads):
        if " " in head or not head.isalpha() or head in pronoun_forms:
            continue
        for pos in sorted(heads[head]):
            cls = OWN_LEMMA_CLASS.get(pos)
            if cls:
                yield head, head, [cls]


def word_types(cspell, tesseract, heads):
    """The forms to analyse: every word list's, without repeats, sorted."""
    words = set(cspell) | set(tesseract)
    words.update(h for h in heads if " " not in h)
    return sorted(w for w in words if w and "\t" not in w)


def readings():
    """((form, lemma, tokens) of voikko, (form, lemma, tokens) of the own-lemma
    headwords, sources, figures)."""
    from .sources import Source, deb_source, npm_source
    cspell = src_wordlists.cspell_words(*CSPELL)
    tesseract = src_wordlists.tesseract_words("fin")
    heads, pkgs = src_freedict.headwords("fin", FREEDICT_PAIRS)
    words = word_types(cspell, tesseract, heads)
    rows = analyse(words)
    analysed = list(with_conventions(rows))
    known = {r[0] for r in rows}
    pronoun_forms = {f for f, l, feats in rows if feats.startswith("asemosana") and f != l}
    figures = {"cspell forms": len(cspell), "tesseract forms": len(tesseract),
               "wikdict headwords": len(heads), "forms analysed": len(words),
               "forms voikko knows": len(known)}
    sources = [deb_source("voikko-fi"),
               npm_source(CSPELL[0], CSPELL_LICENCE),
               deb_source(src_wordlists.tesseract_package("fin")),
               Source(f"dict-freedict-fin-* ({len(pkgs)} WikDict pairs)",
                      deb_source("dict-freedict-fin-eng").version, "CC-BY-SA-3.0")]
    return analysed, list(own_lemma_headwords(heads, pronoun_forms)), sources, figures
