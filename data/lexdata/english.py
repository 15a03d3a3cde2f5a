"""English: the order of a form's readings by Lingua::EN::Tagger's lexicon,
which counts how often tagged English text gives the form each word class
(meeting: a noun 230 times, a verb 27; making: a verb 264 times, a noun 17).
"""

from . import text_order
from .sources import lingua_tagger

APT = lingua_tagger.APT
source = lingua_tagger.source

# The word class of the lexicon's counts that a library tag belongs to.
# Comparisons are left as they are: text tags "later" an adverb, and the
# texts our users compare with give it the lemma "late".
word_class = text_order.class_of(
    (("ADJEc", None), ("ADJEs", None), ("NOMC", "N"), ("NOMP", "NP"), ("ADJE", "J"),
     ("ADVB", "R"), ("VRB", "V"), ("INF", "V"), ("PAP", "V"), ("PRP", "V"), ("GER", "V"),
     ("IMP", "V")))


def by_tagged_text(readings, form, counts=None):
    """The readings of form in the order of the lexicon's counts of its word
    classes (text_order.by_counts)."""
    if counts is None:
        counts = lingua_tagger.tag_counts()
    return text_order.by_counts(readings, form, counts, word_class)


def prefixed_lemmas(rows):
    """Hunspell (form, lemma, morph) rows with a prefix kept in the lemma.

    The expansion gives a prefixed form the lemma of its stem
    ("unsubscribe" -> subscribe, "profiled" -> file); English prefixes
    make new words, so the lemma keeps the form's prefix (unsubscribe,
    profile).  A prefix is told by the form's start: two or three letters
    before the stem's first three, where the form does not begin as the
    stem does (suffixes leave the start of an English word as it is).
    """
    out = []
    for form, lemma, *rest in rows:
        if len(lemma) >= 3 and form[:2].lower() != lemma[:2].lower():
            for k in (2, 3):
                if form[k:k + 3].lower() == lemma[:3].lower():
                    lemma = form[:k] + lemma
                    break
        out.append((form, lemma, *rest))
    return out
