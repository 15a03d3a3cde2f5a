"""Greek: a full-form list paired with a lemma list by inflection classes.

No open Greek source pairs forms with lemmas.  The Hunspell list (el_GR, one
flat list of full forms) says which forms exist, the headwords of the
Greek-English dictionary say which words are lemmas.  A form is paired with
a lemma when one of the regular inflection classes below turns the form's
ending into the lemma's ending and that lemma is a headword; the stress may
move (άνθρωπος, ανθρώπου), so endings and lemmas are compared without
accents.  Every headword that the form list has is also its own reading.
"""

import unicodedata

from .sources import freedict, hunspell
from .sources.shared import ensure_apt

NOTE = ("Pairs hunspell-el full forms with freedict ell-eng headwords by "
        "regular inflection classes (nouns in -ος/-ας/-ης/-α/-η/-ο/-ι/-μα, "
        "adjectives in -ος, verbs in -ω/-ώ/-ομαι, present and past). "
        "Irregular and suppletive forms, stem changes of the aorist and "
        "lemmas missing from the dictionary's headwords are not covered; "
        "nominal readings carry no gender, and noun and adjective readings "
        "are not told apart.")

DICTIONARY = "ell-eng"
DIC = "/usr/share/hunspell/el_GR.dic"
APT = ["hunspell-el", freedict.package(DICTIONARY)]

# (form ending, lemma ending, tag), written without accents
CLASSES = [
    # masculine and adjective -ος
    ("ου", "ος", "NOMCs"), ("ο", "ος", "NOMCs"), ("ε", "ος", "NOMCs"),
    ("οι", "ος", "NOMCp"), ("ων", "ος", "NOMCp"), ("ους", "ος", "NOMCp"),
    # adjective feminine and neuter of -ος
    ("η", "ος", "ADJEp"), ("ης", "ος", "ADJEp"), ("ες", "ος", "ADJEp"),
    ("α", "ος", "ADJEp"), ("ες", "ος", "ADJEp"),
    # masculine -ας, -ης
    ("α", "ας", "NOMCms"), ("ες", "ας", "NOMCmp"), ("ων", "ας", "NOMCmp"),
    ("η", "ης", "NOMCms"), ("ες", "ης", "NOMCmp"), ("ων", "ης", "NOMCmp"),
    # feminine -α, -η
    ("ας", "α", "NOMCfs"), ("ες", "α", "NOMCfp"), ("ων", "α", "NOMCfp"),
    ("ης", "η", "NOMCfs"), ("ες", "η", "NOMCfp"), ("εις", "η", "NOMCfp"),
    ("ων", "η", "NOMCfp"), ("εως", "η", "NOMCfs"),
    # neuter -ο, -ι, -μα, -ος
    ("ου", "ο", "NOMCus"), ("α", "ο", "NOMCup"), ("ων", "ο", "NOMCup"),
    ("ιου", "ι", "NOMCus"), ("ια", "ι", "NOMCup"), ("ιων", "ι", "NOMCup"),
    ("ματος", "μα", "NOMCus"), ("ματα", "μα", "NOMCup"), ("ματων", "μα", "NOMCup"),
    ("ους", "ος", "NOMCus"), ("η", "ος", "NOMCup"),
    # verbs in -ω: present, imperfect/past endings on the same stem
    ("εις", "ω", "VRBFs2"), ("ει", "ω", "VRBFs3"), ("ουμε", "ω", "VRBFp1"),
    ("ετε", "ω", "VRBFp2"), ("ουν", "ω", "VRBFp3"), ("ουνε", "ω", "VRBFp3"),
    ("οντας", "ω", "GERF"), ("α", "ω", "VRBFs1"), ("ες", "ω", "VRBFs2"),
    ("ε", "ω", "VRBFs3"), ("αμε", "ω", "VRBFp1"), ("ατε", "ω", "VRBFp2"),
    ("αν", "ω", "VRBFp3"), ("ανε", "ω", "VRBFp3"),
    # contracted verbs in -ώ
    ("ας", "ω", "VRBFs2"), ("αει", "ω", "VRBFs3"), ("αμε", "ω", "VRBFp1"),
    ("ουσα", "ω", "VRBFs1"), ("ουσε", "ω", "VRBFs3"), ("ουσαν", "ω", "VRBFp3"),
    ("ειτε", "ω", "VRBFp2"), ("ωντας", "ω", "GERF"),
    # middle voice -ομαι
    ("εσαι", "ομαι", "VRBFs2"), ("εται", "ομαι", "VRBFs3"),
    ("ομαστε", "ομαι", "VRBFp1"), ("εστε", "ομαι", "VRBFp2"),
    ("ονται", "ομαι", "VRBFp3"), ("ομουν", "ομαι", "VRBFs1"),
    ("οταν", "ομαι", "VRBFs3"), ("ονταν", "ομαι", "VRBFp3"),
    ("μενος", "ομαι", "PAPF"), ("μενη", "ομαι", "PAPF"), ("μενο", "ομαι", "PAPF"),
]


def plain(s):
    """Lower case without accents or diaeresis."""
    return "".join(c for c in unicodedata.normalize("NFD", s.lower())
                   if unicodedata.category(c) != "Mn").replace("ς", "σ")


def pair(forms, lemmas):
    """(form, lemma, tag, 0) readings for a form list and a lemma list."""
    by_plain = {}
    for l in lemmas:
        by_plain.setdefault(plain(l), []).append(l)
    rules = [(plain(fe), plain(le), tag) for fe, le, tag in CLASSES]
    out = []
    lemma_set = set(lemmas)
    for form in forms:
        seen = set()
        if form in lemma_set:
            out.append((form, form, "ANYC", 1))
            seen.add(form)
        p = plain(form)
        for fe, le, tag in rules:
            if len(p) > len(fe) + 1 and p.endswith(fe):
                for lemma in by_plain.get(p[:-len(fe)] + le, ()):
                    if (lemma, tag) not in seen and lemma != form:
                        seen.add((lemma, tag))
                        out.append((form, lemma, tag, 0))
    return out


def readings():
    ensure_apt(APT)
    headwords, dsrc = freedict.read_headwords(DICTIONARY)
    lemmas = [w for w in headwords if " " not in w]
    with open(DIC, "rb") as f:
        forms = hunspell.dic_words(f.read().decode("iso8859-7", errors="replace"))
    # in a fixed order: the order of a form's readings follows it
    lemmas = sorted(set(lemmas))
    return pair(forms, lemmas), [hunspell.source("hunspell-el")] + dsrc
