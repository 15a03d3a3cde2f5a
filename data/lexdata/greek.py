"""Greek: forms paired with dictionary headwords by inflection class.

No open source pairs Greek forms with lemmas.  The word lists (aspell-el,
hunspell-el, the Tesseract Greek word list) say which forms exist; the
WikDict dictionaries (dict-freedict-ell-*) give headwords with their part
of speech.  For each headword the inflection classes of Modern Greek that
its ending and part of speech allow are generated (noun declensions by
ending and gender, the adjective declensions, the active and
medio-passive conjugations with their aorist, passive aorist and
participle stems); a class is kept for a headword when the word lists
attest more of its forms than any other class's, and a form is paired
with every headword whose kept classes produce it, the best attested
pairing first.

Forms are compared without accents (the stress moves: άνθρωπος,
ανθρώπου; the past tenses put it on the third syllable from the end), but
a noun or adjective form never has its stress further left than its
headword.  A stem that the rules do not reach (suppletive aorists: είπα,
ήρθα) comes from the table data/paradigms/gr-verbs.tsv, and the closed
classes (articles, pronouns) from data/paradigms/gr-closed.tsv, both
written from a grammar's tables.
"""

import functools
import gzip
import subprocess
import unicodedata

from .common import figures_note
from .sources import freedict, grammar_tables, hunspell, tesseract
from .sources.shared import deb_source, ensure_apt

# ---------------------------------------------------------------- spelling


def plain(s):
    """Lower case without accents or diaeresis, final sigma as σ."""
    return "".join(c for c in unicodedata.normalize("NFD", s.lower())
                   if unicodedata.category(c) != "Mn").replace("ς", "σ")


def stress(s):
    """Index (in the plain spelling) of the first stressed letter, or None."""
    i = -1
    for c in unicodedata.normalize("NFD", s.lower()):
        if unicodedata.category(c) == "Mn":
            if c == "\u0301" and i >= 0:
                return i
            continue
        i += 1
    return None


# ---------------------------------------------------------------- nominals

# (class, lemma ending, part of speech, [(ending, tag)]), plain spelling.
# The lemma's own slot comes first.  Within a part of speech the classes
# sharing a lemma ending compete; on equal support the earlier one wins.
def _noun(gender, sg, pl):
    return [(e, f"NOMC{gender}s") for e in sg] + [(e, f"NOMC{gender}p") for e in pl]


NOUN_CLASSES = [
    ("m-os", "οσ", _noun("m", ["οσ", "ου", "ο", "ε"], ["οι", "ων", "ουσ"])),
    ("n-os", "οσ", _noun("u", ["οσ", "ουσ"], ["η", "ων"])),
    ("m-as", "ασ", _noun("m", ["ασ", "α"], ["εσ", "ων"])),
    ("m-as-ades", "ασ", _noun("m", ["ασ", "α"], ["αδεσ", "αδων"])),
    ("n-as", "ασ", _noun("u", ["ασ", "ατοσ"], ["ατα", "ατων"])),
    ("m-eas", "εασ", _noun("m", ["εασ", "εα"], ["εισ", "εων"])),
    ("m-is", "ησ", _noun("m", ["ησ", "η"], ["εσ", "ων"])),
    ("m-is-ides", "ησ", _noun("m", ["ησ", "η"], ["ηδεσ", "ηδων"])),
    ("m-es", "εσ", _noun("m", ["εσ", "ε"], ["εδεσ", "εδων"])),
    ("m-ous", "ουσ", _noun("m", ["ουσ", "ου"], ["ουδεσ", "ουδων"])),
    ("m-efs", "ευσ", _noun("m", ["ευσ", "εωσ", "εα"], ["εισ", "εων"])),
    ("f-a", "α", _noun("f", ["α", "ασ"], ["εσ", "ων"])),
    ("f-a-ades", "α", _noun("f", ["α", "ασ"], ["αδεσ", "αδων"])),
    ("n-ma", "μα", _noun("u", ["μα", "ματοσ"], ["ματα", "ματων"])),
    ("f-i", "η", _noun("f", ["η", "ησ"], ["εσ", "ων"])),
    ("f-i-eis", "η", _noun("f", ["η", "ησ", "εωσ"], ["εισ", "εων"])),
    ("f-ou", "ου", _noun("f", ["ου", "ουσ"], ["ουδεσ", "ουδων"])),
    ("n-o", "ο", _noun("u", ["ο", "ου"], ["α", "ων"])),
    ("n-i", "ι", _noun("u", ["ι", "ιου"], ["ια", "ιων"])),
    ("n-imo", "ιμο", _noun("u", ["ιμο", "ιματοσ"], ["ιματα", "ιματων"])),
    ("n-on", "ον", _noun("u", ["ον", "οντοσ"], ["οντα", "οντων"])),
    ("n-os-otos", "ωσ", _noun("u", ["ωσ", "ωτοσ"], ["ωτα", "ωτων"])),
    ("n-y", "υ", _noun("u", ["υ"], ["υα", "υων"])),
]

_OS = ["οσ", "ου", "ο", "ε", "οι", "ων", "ουσ"]
ADJ_CLASSES = [
    ("a-os-i", "οσ", _OS + ["η", "ησ", "εσ", "α"]),
    ("a-os-a", "οσ", _OS + ["α", "ασ", "εσ"]),
    ("a-os-ia", "οσ", _OS + ["ια", "ιασ", "ιεσ"]),
    ("a-is-es", "ησ", ["ησ", "ουσ", "η", "εισ", "ων", "εσ"]),
    ("a-ys", "υσ", ["υσ", "υ", "ιου", "ιοι", "ιουσ", "ια", "ιασ", "ιεσ", "ιων"]),
    ("a-on", "ων", ["ων", "οντοσ", "οντα", "οντεσ", "οντων", "ουσα", "ουσασ", "ουσεσ",
                    "ουσων", "ον"]),
]
# comparative and superlative of the -ος adjectives, on the stem
DEGREES = [("οτερ", "ADJEc"), ("οτατ", "ADJEs")]
_DEGREE_ENDINGS = _OS + ["η", "ησ", "εσ", "α"]

# ---------------------------------------------------------------- verbs

_PERSONS = ["VRBFs1", "VRBFs2", "VRBFs3", "VRBFp1", "VRBFp2", "VRBFp3"]


def _slots(endings, tags=_PERSONS):
    out = []
    for e, t in zip(endings, tags):
        for alt in e.split("|"):
            out.append((alt, t))
    return out


PAST = _slots(["α", "εσ", "ε", "αμε", "ατε", "αν|ανε"])
DEPENDENT = _slots(["ω", "εισ", "ει", "ουμε", "ετε", "ουν|ουνε"]) + \
    [("ε", "IMPFs2"), ("τε", "IMPFp2")]
DEPENDENT_CONTRACTED = _slots(["ω", "εισ", "ει", "ουμε", "ειτε", "ουν|ουνε"])
PASSIVE_AORIST = _slots(["ηκα", "ηκεσ", "ηκε", "ηκαμε", "ηκατε", "ηκαν|ηκανε"]) + \
    DEPENDENT_CONTRACTED
# the learned passive aorist (υπεγράφη, ελήφθησαν), with the augment
PASSIVE_AORIST_LEARNED = [("η", "VRBFs3"), ("ησαν", "VRBFp3")]
PARTICIPLE = [(e, "PAPF") for e in ["ενοσ", "ενη", "ενο", "ενου", "ενησ", "ενοι",
                                    "ενεσ", "ενα", "ενων", "ενουσ"]]
PASSIVE_PRESENT = _slots(["ομαι", "εσαι", "εται", "ομαστε", "εστε|οσαστε", "ονται"]) + \
    _slots(["ομουν|ομουνα", "οσουν|οσουνα", "οταν|οτανε", "ομασταν|ομαστε", "οσασταν",
            "ονταν|οντουσαν"])

# present systems: (class, lemma ending, present endings, past endings on the
# present stem, passive present endings)
VERB_CLASSES = [
    ("v-o", "ω",
     _slots(["ω", "εισ", "ει", "ουμε|ομε", "ετε", "ουν|ουνε"]) +
     [("οντασ", "GERF"), ("ε", "IMPFs2"), ("ετε", "IMPFp2")],
     PAST, PASSIVE_PRESENT),
    ("v-ao", "ω",
     _slots(["ω|αω", "ασ", "α|αει", "αμε|ουμε", "ατε", "ουν|ανε|ουνε"]) +
     [("ωντασ", "GERF"), ("α", "IMPFs2")],
     _slots(["ουσα|αγα", "ουσεσ|αγεσ", "ουσε|αγε", "ουσαμε|αγαμε", "ουσατε|αγατε",
             "ουσαν|αγαν|ουσανε"]),
     _slots(["ιεμαι", "ιεσαι", "ιεται", "ιομαστε", "ιεστε", "ιουνται"]) +
     _slots(["ιομουν", "ιοσουν", "ιοταν", "ιομασταν", "ιοσασταν", "ιονταν"])),
    ("v-eo", "ω",
     _slots(["ω", "εισ", "ει", "ουμε", "ειτε", "ουν|ουνε"]) + [("ωντασ", "GERF")],
     _slots(["ουσα", "ουσεσ", "ουσε", "ουσαμε", "ουσατε", "ουσαν|ουσανε"]),
     _slots(["ουμαι", "εισαι", "ειται", "ουμαστε", "ειστε", "ουνται"]) +
     _slots(["ουμουν", "ουσουν", "ειτο|ουνταν", "ουμασταν", "ουσασταν", "ουνταν"])),
    # medio-passive lemmas (deponents): the passive system is the present
    ("v-omai", "ομαι", [], [], PASSIVE_PRESENT),
    ("v-oumai", "ουμαι", [], [],
     _slots(["ουμαι", "εισαι", "ειται", "ουμαστε", "ειστε", "ουνται"]) +
     _slots(["ουμουν", "ουσουν", "ειτο|ουνταν", "ουμασταν", "ουσασταν", "ουνταν"])),
    ("v-amai", "αμαι", [], [],
     _slots(["αμαι", "ασαι", "αται", "ομαστε|ομαστε", "αστε", "ουνται"]) +
     _slots(["ομουν", "οσουν", "οταν", "ομασταν", "οσασταν", "ονταν"])),
]

# present stem ending -> aorist stems (barytone verbs); tried longest first
_AORIST_BARYTONE = [
    ("πτ", ["ψ"]), ("φτ", ["ψ"]), ("φ", ["ψ"]), ("π", ["ψ"]), ("β", ["ψ"]),
    ("ευ", ["εψ", "ευσ"]), ("αυ", ["αψ"]), ("αι", ["αψ", "αιξ"]),
    ("χν", ["ξ"]), ("σκ", ["ξ"]), ("σσ", ["ξ"]), ("ττ", ["ξ"]), ("κ", ["ξ"]),
    ("γ", ["ξ"]), ("χ", ["ξ"]), ("ζ", ["σ", "ξ"]), ("θ", ["σ"]),
    ("ων", ["ωσ"]), ("αιν", ["αν", "ην", "ησ"]), ("ειν", ["εισ", "ειν"]),
    ("υν", ["υν", "υσ"]), ("ιν", ["ισ", "ιν"]), ("ν", ["σ", "ν"]), ("λλ", ["λ"]),
    ("ρν", ["ρ"]), ("ου", ["ουσ"]), ("ε", ["εσ"]), ("υ", ["υσ"]), ("ι", ["ισ"]),
]
# contracted verbs (-ώ, -άω): the vowel of the aorist
_AORIST_CONTRACTED = ["ησ", "εσ", "ασ", "αξ", "ηξ"]

# aorist stem ending -> passive aorist stems, participle stems (before -ένος)
_PASSIVE_OF_AORIST = [
    ("ψ", ["φτ", "φθ"], ["μμ", "μ"]),
    ("ξ", ["χτ", "χθ", "γ"], ["γμ"]),
    ("ησ", ["ηθ"], ["ημ"]), ("εσ", ["εθ", "εστ"], ["εμ", "εσμ"]),
    ("ωσ", ["ωθ"], ["ωμ"]), ("ασ", ["αστ", "αθ"], ["ασμ"]), ("ισ", ["ιστ", "ισθ"], ["ισμ"]),
    ("υσ", ["υθ"], ["υμ"]), ("εισ", ["ειστ"], ["εισμ"]), ("ουσ", ["ουστ"], ["ουσμ"]),
    ("σ", ["στ", "θ"], ["σμ", "μ"]),
    ("αν", ["αθ"], ["αμ"]), ("ην", ["ηθ"], ["ημ"]), ("υν", ["υνθ"], ["υμ"]),
    ("ιν", ["ιθ"], ["ιμ"]), ("ειν", ["ειθ"], ["ειμ"]), ("ν", ["θ"], ["μ"]),
    ("λ", ["λθ", "λτ"], ["λμ"]), ("ρ", ["ρθ", "ρτ"], ["ρμ"]),
]
# aorist stem ending -> stems of the learned passive aorist without θ/τ
_LEARNED_PASSIVE = [("ψ", ["φ", "π", "β"]), ("ξ", ["χ", "γ", "κ"])]
# deponents: present stem ending -> passive aorist stems
_DEPONENT_AORIST = [
    ("ζ", ["στ"]), ("φτ", ["φτ"]), ("πτ", ["φτ"]), ("χν", ["χτ"]), ("χ", ["χτ"]),
    ("κ", ["χτ"]), ("γ", ["χτ"]), ("ν", ["θ"]), ("θ", ["στ"]), ("", ["θ", "στ", "ηθ"]),
]

# verbal prefixes that take the augment inside (ανέφερε, υπέγραψε)
_PREFIXES = ["αντι", "ανα", "απο", "δια", "επι", "κατα", "μετα", "παρα", "περι", "υπερ",
             "υπο", "προσ", "προ", "συν", "συμ", "συλ", "συ", "εκ", "εξ", "εν", "εμ"]


def _replace_end(stem, table):
    for end, reps in table:
        if stem.endswith(end):
            return [stem[:len(stem) - len(end)] + r for r in reps]
    return []


def augmented(stem):
    """The stem with the augment: in front (έγραψα) and, after a learned
    prefix, inside (ανέφερα, υπέγραψα)."""
    out = []
    if stem and stem[0] not in "αεηιουω":
        out.append("ε" + stem)
    for p in _PREFIXES:
        if stem.startswith(p) and len(stem) > len(p) + 1:
            rest = stem[len(p):]
            head = {"εκ": "εξ", "εξ": "εξ", "συμ": "συν", "συλ": "συν", "εμ": "εν",
                    "συ": "συν"}.get(p, p)
            if head[-1] in "αοι":
                head = head[:-1]
            out.append(head + "ε" + rest)
            break
    return out


def aorist_stems(stem, contracted):
    if contracted:
        return [stem + v for v in _AORIST_CONTRACTED]
    return _replace_end(stem, _AORIST_BARYTONE)


def passive_stems(aorist):
    for end, passive, participle in _PASSIVE_OF_AORIST:
        if aorist.endswith(end):
            base = aorist[:len(aorist) - len(end)]
            return [base + p for p in passive], [base + p for p in participle]
    return [], []


# ---------------------------------------------------------------- pairing

class FormIndex:
    """The word lists' forms by plain spelling."""

    def __init__(self, forms):
        self.by_plain = {}
        for f in forms:
            self.by_plain.setdefault(plain(f), set()).add(f)

    def get(self, p):
        return self.by_plain.get(p, ())


_VOWELS = "αεηιουω"
_DIPHTHONGS = ("αι", "ει", "οι", "ου", "αυ", "ευ", "υι")


def syllables_after(p, i):
    """Vowel groups of a plain spelling after index i."""
    n, j = 0, i + 1
    while j < len(p):
        if p[j] in _VOWELS:
            n += 1
            j += 2 if p[j:j + 2] in _DIPHTHONGS else 1
        else:
            j += 1
    return n


# classes whose stress moves right in the oblique forms (όνομα, ονόματος;
# σπίτι, σπιτιού)
_MOVING = {"n-ma", "n-imo", "n-on", "n-as", "n-os-otos", "n-i", "f-i-eis", "a-on"}


def stress_fits(form, ending, lemma, stem_len, cls):
    """Whether a nominal form's stress agrees with its headword's.

    An end-stressed headword keeps the stress on the ending; otherwise the
    stress stays where it is, or moves right: always in the genitive plural
    and in the classes that move it, and for a headword stressed on the
    third syllable from the end (law of the three syllables).
    """
    sf, sl = stress(form), stress(lemma)
    if sf is None or sl is None:
        return True
    if sl >= stem_len:
        return sf >= stem_len
    if sf == sl:
        return True
    if sf < sl:
        return False
    pl = plain(lemma)
    return (ending.endswith("ων") or cls in _MOVING
            or syllables_after(pl, sl) >= 2)


def attested(index, stem, slots, lemma=None, cls=None, check=None):
    """{(form, tag)} of the slots that the word lists have, for a stem.

    check: "nominal" or "present" compares the stress with the headword's
    (a present form of a verb keeps it where the headword has it, on the
    stem or on the ending); capitalised forms only pair with capitalised
    headwords.
    """
    capital = bool(lemma) and lemma[:1].isupper()
    out = set()
    for ending, tag in slots:
        for form in index.get(stem + ending):
            if capital != form[:1].isupper():
                continue
            if check == "nominal" and not stress_fits(form, ending, lemma, len(stem), cls):
                continue
            if check == "present" and not _present_fits(form, lemma, len(stem)):
                continue
            out.add((form, tag))
    return out


def _present_fits(form, lemma, stem_len):
    sf, sl = stress(form), stress(lemma)
    if sf is None or sl is None:
        return True
    return sf >= stem_len if sl >= stem_len else sf == sl


def support(found):
    """How many distinct forms attest a paradigm."""
    return len({f for f, _ in found})


def best(candidates):
    """The candidates (name, found) with the most support, in their order."""
    top = max((support(f) for _, f in candidates), default=0)
    return [(n, f) for n, f in candidates if support(f) == top and top > 0]


def nominal_readings(lemma, kinds, index):
    """(support, {(form, tag)}) of the best attested class of a headword
    among the noun ("n"), proper noun ("pn") or adjective ("adj") classes."""
    p = plain(lemma)
    cands = []
    for kind in kinds:
        if kind in ("n", "pn"):
            for name, end, slots in NOUN_CLASSES:
                if p.endswith(end) and len(p) > len(end):
                    stem = p[:len(p) - len(end)]
                    if kind == "pn":
                        slots = [(e, "NOMP") for e, _ in slots]
                    cands.append((name, attested(index, stem, slots, lemma, name, "nominal")))
        elif kind == "adj":
            for name, end, endings in ADJ_CLASSES:
                if p.endswith(end) and len(p) > len(end):
                    stem = p[:len(p) - len(end)]
                    found = attested(index, stem, [(e, "ADJEp") for e in endings], lemma,
                                     name, "nominal")
                    if end == "οσ":
                        for infix, tag in DEGREES:
                            found |= attested(index, stem + infix,
                                              [(e, tag) for e in _DEGREE_ENDINGS])
                    cands.append((name, found))
    chosen = best(cands)
    if not chosen:
        return 0, set()
    return support(chosen[0][1]), chosen[0][1]


def verb_readings(lemma, index):
    """(support, {(form, tag)}) of a verb headword: the best attested present
    system, and every aorist, passive aorist and participle stem that the
    word lists attest, the best attested of each kind."""
    p = plain(lemma)
    systems = []
    final_stress = stress(lemma) == len(p) - 1
    for name, end, present, past, passive in VERB_CLASSES:
        if not p.endswith(end) or len(p) <= len(end):
            continue
        # -ώ / -άω verbs are contracted, -ω verbs stressed on the stem are not
        if end == "ω" and (name == "v-o") == (final_stress and not p.endswith("αω")):
            continue
        stem = p[:len(p) - len(end)]
        found = attested(index, stem, present, lemma, check="present")
        found |= attested(index, stem, passive)
        for s in [stem] + augmented(stem):
            found |= attested(index, s, past)
        systems.append((name, stem, found))
    chosen = best([(n, f) for n, _, f in systems])
    if not chosen:
        return 0, set()
    name = chosen[0][0]
    stem = next(s for n, s, _ in systems if n == name)
    found = set(chosen[0][1])
    if name in ("v-o", "v-ao", "v-eo"):
        aorists = []
        for a in aorist_stems(stem, name != "v-o"):
            got = attested(index, a, DEPENDENT)
            for s in augmented(a) + [a]:
                got |= attested(index, s, PAST)
            aorists.append((a, got))
        for a, got in best(aorists):
            found |= got
            passives, participles = passive_stems(a)
            found |= _best_union(index, passives, PASSIVE_AORIST, learned=True)
            found |= _best_union(index, participles, PARTICIPLE)
            # the learned passive aorist of labial and velar stems has no
            # θ/τ: (υπ)εγράφη, εξελέγη
            for learned in _replace_end(a, _LEARNED_PASSIVE):
                for s in augmented(learned):
                    found |= attested(index, s, PASSIVE_AORIST_LEARNED)
    else:
        passives = _replace_end(stem, _DEPONENT_AORIST)
        if name != "v-omai":
            passives = [stem + "ηθ", stem + "εθ"]
        found |= _best_union(index, passives, PASSIVE_AORIST, learned=True)
        found |= _best_union(index, [stem + "μ"], PARTICIPLE)
    return support(found), found


def _best_union(index, stems, slots, learned=False):
    cands = []
    for s in stems:
        got = attested(index, s, slots)
        if learned:
            for a in augmented(s) + [s]:
                got |= attested(index, a, PASSIVE_AORIST_LEARNED)
        cands.append((s, got))
    out = set()
    for _, got in best(cands):
        out |= got
    return out


OWN_TAG = {"adv": "ADVB", "pn": "NOMP", "n": "NOMC", "adj": "ADJEp", "v": "VRBF"}


def pair(forms, heads):
    """(form, lemma, tag, score) for the word lists' forms and the headwords
    {headword: set of parts of speech}; score is the support of the
    pairing's paradigm."""
    index = FormIndex(forms)
    out = []
    for lemma in sorted(heads):
        if " " in lemma or "-" in lemma:
            continue
        poss = heads[lemma]
        paired = False
        for pos in sorted(poss):
            if pos in ("n", "pn", "adj"):
                n, found = nominal_readings(lemma, [pos], index)
            elif pos == "v":
                n, found = verb_readings(lemma, index)
            elif pos == "" and not lemma[:1].isupper():
                # no part of speech: the best attested of the nominal classes
                n, found = nominal_readings(lemma, ["adj", "n"], index)
            else:
                continue
            for form, tag in sorted(found):
                out.append((form, lemma, tag, n))
                paired = True
        # a headword is a form of its own: adverbs, particles, words whose
        # class the rules do not know
        if not paired or (poss - {"n", "pn", "adj", "v", ""}):
            pos = next((p for p in sorted(poss) if p in OWN_TAG), None)
            if lemma in index.get(plain(lemma)):
                out.append((lemma, lemma, OWN_TAG.get(pos, "ANYC"), 0))
    return out


# ---------------------------------------------------------------- recipe

FREEDICT_PAIRS = ["bul", "eng", "fin", "fra", "ind", "ita", "jpn", "lat", "lit", "nld",
                  "nor", "pol", "por", "rus", "spa", "swe"]
ASPELL = "/usr/share/aspell/el.cwl.gz"
HUNSPELL = "/usr/share/hunspell/el_GR.dic"
TABLES = ["gr-closed.tsv", "gr-verbs.tsv"]
APT = ["aspell", "aspell-el", "hunspell-el"] + tesseract.apt("ell") + \
    freedict.wikdict_packages("ell", FREEDICT_PAIRS)

NOTE = ("The grammar tables (articles, pronouns, prepositions, conjunctions, "
        "particles, είμαι, irregular verbs and comparatives: "
        "data/paradigms/gr-*.tsv) first; then the forms of aspell-el, "
        "hunspell-el and the Tesseract Greek word list paired with the "
        "headwords of the 16 WikDict Greek dictionaries by inflection class "
        "(noun declensions, adjectives with their comparison, the active and "
        "medio-passive conjugations with aorist, passive aorist and "
        "participle stems), the class best attested by the word lists kept, "
        "the better attested pairing first. Nouns carry the gender of their "
        "class (-ος nouns read as masculine).")


def aspell_words(path=ASPELL):
    """The words of aspell's compressed word list (ISO-8859-7)."""
    with gzip.open(path) as f:
        packed = f.read()
    r = subprocess.run(["prezip-bin", "-d"], input=packed, capture_output=True, check=True)
    return [w for w in r.stdout.decode("iso8859-7", "replace").split("\n") if w.strip()]


def tables():
    """The grammar tables' readings, ahead of the pairing."""
    return grammar_tables.readings(TABLES), []


@functools.lru_cache(maxsize=None)
def _paired():
    ensure_apt(APT)
    with open(HUNSPELL, "rb") as f:
        hunspell_words = hunspell.dic_words(f.read().decode("iso8859-7", errors="replace"))
    lists = {"aspell-el": aspell_words(), "hunspell-el": hunspell_words,
             "tesseract-ocr-ell": tesseract.words("ell")}
    forms = set()
    for words in lists.values():
        forms.update(w for w in words if w and not w[0].isdigit() and " " not in w)
    heads, wikdict = freedict.wikdict_headwords("ell", FREEDICT_PAIRS)
    figures = {k + " forms": len(v) for k, v in lists.items()}
    figures.update({"forms": len(forms), "headwords": len(heads)})
    sources = [deb_source("aspell-el"), hunspell.source("hunspell-el"),
               tesseract.source("ell"), wikdict]
    # in a fixed order: the order of a form's readings follows it
    return pair(sorted(forms), heads), sources, figures


def paired():
    """(readings of the forms paired with headwords, sources, notes)."""
    rows, sources, figures = _paired()
    return rows, sources, [figures_note(figures)]
