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
- of a form's lemmas, the one more of whose forms running text (the
  Tesseract list) attests comes first (vuotta: vuosi before vuo);
- a form of an action noun in -minen (muuttamisesta) reads first as that
  noun (muuttaminen): voikko analyses it as the verb's MINEN infinitive
  and gives the verb (muuttaa), which stays as a second reading;
- the WikDict headwords marked adverb, postposition, preposition,
  conjunction, pronoun or interjection are their own lemma, with the class
  of that part of speech, unless voikko reads them as a case of another
  pronoun (tässä: tämä); this reading comes ahead of voikko's, which reads
  a lexicalised word as the form of its parts (jopa: jo; ainakin: aina).

The analyses of all forms are cached (keyed by the word lists and the
analysis script), and so is nothing else: the rules above are cheap.
"""

import functools
import os
import re

from .common import figures_note, log
from .sources import cspell, freedict, tesseract, voikko
from .sources.shared import (cached_rows_path, deb_source, ensure_apt, file_stamp,
                             npm_source, read_cached_rows, write_cached_rows)

CSPELL = ("@cspell/dict-fi-fi", "1.1.3", "dict/fi-fi.trie*")
CSPELL_LICENCE = "LGPL-3.0 (built from a GPL-2 Hunspell source)"
FREEDICT_PAIRS = ["bul", "deu", "ell", "eng", "fra", "ind", "ita", "jpn", "lat", "lit",
                  "nld", "nor", "pol", "por", "swe"]
# what the recipe installs
APT = voikko.APT + tesseract.apt("fin") + freedict.wikdict_packages("fin", FREEDICT_PAIRS)
NPM = {CSPELL[0]: CSPELL[1], **cspell.READER}
# bump when the choice of the forms to analyse changes: the analyses are
# cached under it and the stamps of the word lists and the analysis script
WORDS_VERSION = 1

# WikDict part of speech -> voikko class, for the headwords that are their
# own lemma
OWN_LEMMA_CLASS = {"adv": "seikkasana", "postposition": "suhdesana",
                   "preposition": "suhdesana", "conjunction": "sidesana",
                   "pronoun": "asemosana", "interjection": "huudahdussana"}

NOTE = ("voikko's analyses of the forms of the cspell Finnish dictionary, the "
        "Tesseract Finnish word list and the WikDict headwords; participles "
        "also read as forms of their verb (WORDBASES), -sti adverbs are their "
        "own lemma, and WikDict's adverbs, adpositions, conjunctions, pronouns "
        "and interjections are their own lemma, ahead of voikko's readings; "
        "-minen action nouns read first as the noun; of a form's lemmas, the one "
        "with more forms in the Tesseract list comes first.")


def _inputs():
    """The files the analysed forms come from, or None before installation."""
    paths = [cspell.trie_path(CSPELL[0], CSPELL[2])]
    try:
        paths.append(tesseract.traineddata("fin"))
    except SystemExit:
        return None
    paths += [freedict.index_path(f"fin-{o}") for o in FREEDICT_PAIRS]
    if not all(p and os.path.exists(p) for p in paths):
        return None
    return paths + [voikko.SCRIPT]


def _cache_name():
    paths = _inputs()
    return paths and f"voikko-words-w{WORDS_VERSION}-{file_stamp(*paths)}"


def is_cached():
    name = _cache_name()
    return bool(name) and os.path.exists(cached_rows_path(name))


def cache():
    """Analyse the forms into the cache (for a worker: returns nothing)."""
    if not is_cached():
        _readings()


def analyse(words):
    """voikko's (form, lemma, features) rows for the words, cached."""
    ensure_apt(voikko.APT)
    name = _cache_name()
    rows = read_cached_rows(name)
    if rows is None:
        log(f"  analysing {len(words):,} Finnish forms with voikko")
        rows, _ = voikko.readings(words)
        write_cached_rows(name, rows)
    return rows


# an action noun's form: the stem, "mi", then "nen" (the nominative) or "s"
# and the rest of its ending (muuttami|sesta, muuttami|set, muuttami|sensa)
_ACTION_NOUN = re.compile(r"(.*mi)(?:nen|s[^\W\d_]*)")


def action_noun(form):
    """The nominative singular of the action noun in -minen that a form
    belongs to (muuttamisesta -> muuttaminen), or None."""
    m = _ACTION_NOUN.fullmatch(form.lower())
    return m.group(1) + "nen" if m else None


@functools.lru_cache(maxsize=None)   # feature strings repeat
def _parsed(feats):
    """What with_conventions reads of voikko's features: the tokens, the
    verb a participle names, whether the form is a -sti adverb, the tokens of
    an action noun and those of a participle read as an adjective."""
    toks = feats.split()
    verb = next((t[5:] for t in toks if t.startswith("VERB=")), None)
    noun = (["nimisana"] + [t for t in toks[1:] if t.startswith(("NUMBER=", "SIJAMUOTO="))]
            if "MOOD=MINEN-infinitive" in toks else None)
    adjective = [toks[0]] + [t for t in toks[1:]
                             if not t.startswith(("PARTICIPLE=", "VERB="))] if verb else None
    return toks, verb, "SIJAMUOTO=kerrontosti" in toks, noun, adjective


def with_conventions(rows):
    """(form, lemma, tokens) for voikko's rows, with the participle, -sti and
    -minen rules applied (see the module's comment)."""
    for form, lemma, feats in rows:
        toks, verb, adverb, noun_toks, adjective_toks = _parsed(feats)
        if adverb:
            yield form, form, ["seikkasana"]
            continue
        noun = action_noun(form) if noun_toks is not None else None
        if noun:
            yield form, noun, noun_toks
        if verb:
            yield form, verb, toks
            # the participle's own base form, as an adjective
            yield form, lemma, adjective_toks
            continue
        yield form, lemma, toks


def weighed(rows, text_words):
    """(form, lemma, tokens, score) for (form, lemma, tokens) rows: the score
    of a lemma is the number of its forms that running text attests (the
    Tesseract word list), so that of a form's lemmas the more frequent word
    comes first (vuotta: vuosi, whose forms text shows often, before vuo)."""
    rows = list(rows)
    attested = {w.lower() for w in text_words}
    forms = {}
    for form, lemma, _ in rows:
        forms.setdefault(lemma, set()).add(form.lower())
    score = {lemma: len(fs & attested) for lemma, fs in forms.items()}
    return [(form, lemma, toks, score[lemma]) for form, lemma, toks in rows]


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


@functools.lru_cache(maxsize=None)
def _readings():
    words_of_cspell = cspell.words(*CSPELL)
    words_of_tesseract = tesseract.words("fin")
    heads, wikdict = freedict.wikdict_headwords("fin", FREEDICT_PAIRS)
    words = word_types(words_of_cspell, words_of_tesseract, heads)
    rows = analyse(words)
    analysed = weighed(with_conventions(rows), words_of_tesseract)
    known = {r[0] for r in rows}
    pronoun_forms = {f for f, l, feats in rows if feats.startswith("asemosana") and f != l}
    figures = {"cspell forms": len(words_of_cspell), "tesseract forms": len(words_of_tesseract),
               "wikdict headwords": len(heads), "forms analysed": len(words),
               "forms voikko knows": len(known)}
    sources = [deb_source("voikko-fi"), npm_source(CSPELL[0], CSPELL_LICENCE),
               tesseract.source("fin"), wikdict]
    return analysed, list(own_lemma_headwords(heads, pronoun_forms)), sources, figures


def analysed():
    """voikko's readings of the forms (with the rules above), sources, notes."""
    rows, _, sources, figures = _readings()
    return rows, sources, [figures_note(figures)]


def own_lemmas():
    """The WikDict headwords that are their own lemma."""
    return _readings()[1], []
