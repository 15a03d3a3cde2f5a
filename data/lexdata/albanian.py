"""Albanian: the Hunspell expansion weighed by running text, and grammar tables.

The Hunspell dictionary (myspell-sq) expands regular inflection right but
knows no irregular verb and lists some inflected forms as headwords of
their own.  Two additions:

- the forms of the irregular verbs and of the pronouns, from a grammar's
  tables (data/paradigms/al-*.tsv), come first;
- the Tesseract Albanian word list (tesseract-ocr-sqi, words of web text)
  weighs the expansion: of the lemmas a form has, the one with more of its
  paradigm's forms attested in running text comes first (a form that is a
  headword of its own counts as attested once more), and a lemma none of
  whose forms any text shows is dropped where the form has an attested one.
"""

import collections

import functools

from .common import figures_note
from .hunspell import keep_prefixes
from .sources import grammar_tables, hunspell, tesseract

TABLES = ["al-verbs.tsv", "al-closed.tsv"]
HUNSPELL = ("myspell-sq", "sq_AL")
APT = [HUNSPELL[0]] + tesseract.apt("sqi")

NOTE = ("The irregular verbs (jam, kam, them, bëj, vij, dal, di, shoh, marr, jap, "
        "vete and others) and the pronouns from a grammar's tables "
        "(data/paradigms/al-*.tsv) first; then the Hunspell sq_AL expansion, "
        "untagged, a prefixed form's lemma keeping its prefix (përcaktuar -> "
        "përcaktoj, not caktoj), its lemmas weighed by the Tesseract Albanian word list: the "
        "lemma with more of its forms attested in running text first, lemmas "
        "no text attests dropped beside attested ones.")


def weighed(rows, text_words):
    """(form, lemma, 'ANYC', score) for Hunspell (form, lemma, ...) rows: the
    score of a lemma is the number of its forms the text attests (plus one
    where the form is the lemma itself); unattested lemmas of a form with an
    attested one are left out."""
    attested = {w.lower() for w in text_words}
    paradigm = collections.defaultdict(set)
    for form, lemma, *_ in rows:
        paradigm[lemma].add(form)
    score = {lemma: sum(1 for f in forms if f.lower() in attested)
             for lemma, forms in paradigm.items()}
    by_form = collections.defaultdict(dict)
    for form, lemma, *_ in rows:
        by_form[form][lemma] = score[lemma] + (1 if form == lemma else 0)
    out = []
    for form, lemmas in by_form.items():
        seen = any(score[lemma] > 0 for lemma in lemmas)
        for lemma, s in lemmas.items():
            if seen and score[lemma] == 0:
                continue
            out.append((form, lemma, "ANYC", s))
    return out


@functools.lru_cache(maxsize=None)
def _text_words():
    return tesseract.words("sqi")


def tables():
    """The grammar tables' readings, the forms the word list attests noted."""
    rows = grammar_tables.readings(TABLES)
    attested = {w.lower() for w in _text_words()}
    forms = {f for f, _, _, _ in rows}
    figures = {"tesseract-ocr-sqi forms": len(_text_words()), "table forms": len(forms),
               "table forms the word list attests": sum(1 for f in forms if f in attested)}
    return rows, [], [figures_note(figures)]


def weighed_expansion():
    """The Hunspell expansion, weighed by the word list, a prefixed form's
    lemma keeping its prefix (përcaktuar -> përcaktoj, not caktoj)."""
    rows, sources = hunspell.readings(*HUNSPELL)
    return (weighed(keep_prefixes(rows), _text_words()),
            sources + [tesseract.source("sqi")])
