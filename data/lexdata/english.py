"""English: the order of a form's readings by Lingua::EN::Tagger's lexicon,
which counts how often tagged English text gives the form each word class
(meeting: a noun 230 times, a verb 27; making: a verb 264 times, a noun 17).
"""

import os

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
    classes (text_order.by_counts), the lemma spelt as the form first
    (own_spelling_first)."""
    if counts is None:
        counts = lingua_tagger.tag_counts()
    return own_spelling_first(text_order.by_counts(readings, form, counts, word_class), form)


def _edits(a, b):
    """The edit distance of two words."""
    row = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        prev, row[0] = row[0], i
        for j, cb in enumerate(b, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (ca != cb))
    return row[-1]


def _spelt_as(form, lemma):
    """Whether form begins with lemma, but for its last letter."""
    return len(os.path.commonprefix([form.lower(), lemma.lower()])) >= len(lemma) - 1


def own_spelling_first(readings, form):
    """The (lemma, tag) readings with a lemma that the form spells out before
    its spelling variants: the analysers give British lemmas to American
    forms ("realized" -> realise, realize; "favors" -> favour, favor), and
    the form's own spelling is the lemma its text means.  Variants share a
    tag and differ by two letters at most; the order is otherwise kept."""
    lemmas = list(dict.fromkeys(lemma for lemma, _ in readings))
    tags = {lemma: {t for l, t in readings if l == lemma} for lemma in lemmas}
    moved = True
    while moved:
        moved = False
        for i, j in ((i, j) for i in range(len(lemmas)) for j in range(i + 1, len(lemmas))):
            a, b = lemmas[i], lemmas[j]
            if (tags[a] & tags[b] and _spelt_as(form, b) and not _spelt_as(form, a)
                    and _edits(a, b) <= 2):
                lemmas.insert(i, lemmas.pop(j))
                moved = True
                break
    return [r for lemma in lemmas for r in readings if r[0] == lemma]

