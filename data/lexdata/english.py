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
