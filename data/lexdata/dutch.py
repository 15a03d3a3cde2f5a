"""Dutch: what Hunspell nl's entries say beyond their forms, and the
order of a form's readings by frog's tagger lexicon.

Hunspell nl lists a regular verb twice: as its stem (``blesseer/V3Vp``),
whose affixes give the present and past forms (blesseert, blesseerde,
blesseerden, tagged ``ts:VB3``, ``ts:VBh1``, ``ts:VBh``), and as its
infinitive (``blesseren/Vi``), whose affixes give the participles
(blesserend, ``ts:PPn``).  The expansion gives the stem's forms the stem
as lemma; a Dutch verb's lemma is its infinitive.

The infinitive is looked up among the dictionary's own infinitives (the
lemmas of its present participles), spelled from the stem by the rules
that join a stem and -en: the stem as it is (haper-en, crash-en), its
final consonant doubled after a short vowel (gok-ken), a long vowel
written single before a single consonant (blesseer -> blesser-en), and
f and s voiced to v and z (handhaaf -> handhaven, kies -> kiezen).  A stem
for which none of these is in the dictionary keeps its lemma.

A root whose affixes give a plural is a noun; those roots that annotated
text also shows as nouns are read as a layer of their own (noun_layer).

frog's tagger lexicon counts, per form, how often annotated Dutch text
tags it as each word class; the readings of a form are put in the order
of those counts (by_tagged_text, after text_order).
"""

import functools

from . import text_order
from .sources import frog, hunspell

HUNSPELL = ("hunspell-nl", "nl")

VERB_FORMS = frozenset(("ts:VB3", "ts:VBh1", "ts:VBh"))
PARTICIPLE = "ts:PPn"
LONG_VOWELS = ("aa", "ee", "oo", "uu")
VOICED = {"f": "v", "s": "z"}
VOWELS = set("aeiouy")


def infinitive_candidates(stem):
    """The spellings stem + -en can take, the likeliest first."""
    last = stem[-1:]
    if not last or last in VOWELS:
        return [stem + "n", stem + "en"]
    voiced = stem[:-1] + VOICED.get(last, last)
    if stem[-3:-1] in LONG_VOWELS:             # blesseer, handhaaf
        single = stem[:-3] + stem[-2]
        return [single + VOICED.get(last, last) + "en", single + last + "en", stem + "en"]
    if len(stem) >= 3 and stem[-2] in VOWELS and stem[-3] not in VOWELS:
        return [stem + last + "en", stem + "en", voiced + "en"]      # leg, haper
    return [stem + "en", voiced + "en"]        # crash, kies, werf


def verb_lemmas(rows):
    """Hunspell (form, lemma, morph) rows with the stems' present and past
    forms given their infinitive, where the dictionary has it."""
    infinitives = {lemma for _, lemma, morph in rows if PARTICIPLE in morph.split()}

    @functools.lru_cache(maxsize=None)   # a stem has several forms
    def infinitive(stem):
        return next((c for c in infinitive_candidates(stem) if c in infinitives), stem)

    return [(form, infinitive(lemma), morph)
            if VERB_FORMS.intersection(morph.split()) else (form, lemma, morph)
            for form, lemma, morph in rows]


def noun_roots(rows):
    """(root, root, 'NOMCus', 0) for each root of the Hunspell (form, lemma,
    morph) rows that its affixes give a plural (``ts:NN2``): a noun, listed
    as itself."""
    plural = {lemma for _, lemma, morph in rows if "ts:NN2" in morph.split()}
    return sorted({(form, form, "NOMCus", 0) for form, lemma, morph in rows
                   if form == lemma and form in plural and "ts:" not in morph})


def noun_layer():
    """The noun roots of Hunspell nl that text tags as nouns, read as a
    layer of their own: the Hunspell layer only fills forms the analysers
    leave unknown, and a Dutch noun that is also a verb stem or an
    adjective's inflected form (vertrek, start, finale) would otherwise go
    without its noun.  Entries such as ging/Zb, which no text shows as a
    noun, are left out."""
    rows, sources = hunspell.readings(*HUNSPELL)
    counts = frog.tag_counts()
    return [r for r in noun_roots(rows) if counts.get(r[0], {}).get("N")], sources


# The word class of frog's tags that a library tag belongs to; readings of
# other tags (closed classes, untagged) leave a form's order as it is.
word_class = text_order.class_of(
    (("NOMC", "N"), ("NOMP", "N"), ("ADJE", "ADJ"), ("ADVB", "BW"), ("VRB", "WW"),
     ("INF", "WW"), ("PAP", "WW"), ("PRP", "WW"), ("GER", "WW"), ("IMP", "WW")))


def by_tagged_text(readings, form, counts=None):
    """The readings of form in the order of frog's counts of its word
    classes (text_order.by_counts)."""
    if counts is None:
        counts = frog.tag_counts()
    return text_order.by_counts(readings, form, counts, word_class)


def proper_adjectives(layers):
    """An adjective of a name keeps its capital in its lemma (Libanese ->
    Libanees, Amsterdamse -> Amsterdams), where the sources give it in
    lower case: the readings, in every layer, of a capitalised form that
    no layer has in lower case and whose adjective lemma is in lower case."""
    forms = {f for layer in layers for f, _, _, _ in layer.readings}

    def proper(form, lemma, tag):
        return (tag.startswith("ADJE") and lemma[:1].islower() and form[:1].isupper()
                and not form.isupper() and form.lower() not in forms)

    for layer in layers:
        layer.readings = [(f, l[0].upper() + l[1:] if proper(f, l, t) else l, t, n)
                          for f, l, t, n in layer.readings]
