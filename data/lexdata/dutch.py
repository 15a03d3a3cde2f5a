"""Dutch: the verb stems of Hunspell nl take their infinitive.

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
"""

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
    found = {}

    def infinitive(stem):
        if stem not in found:
            found[stem] = next((c for c in infinitive_candidates(stem) if c in infinitives),
                               stem)
        return found[stem]

    return [(form, infinitive(lemma), morph)
            if VERB_FORMS.intersection(morph.split()) else (form, lemma, morph)
            for form, lemma, morph in rows]
