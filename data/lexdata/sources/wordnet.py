"""WordNet's exception lists: the irregular forms of English nouns, verbs,
adjectives and adverbs with their base forms (mice -> mouse, went -> go);
and its nouns in -ing (sharing, timing, booking), which the analysers know
only as forms of their verbs.

Where from: the Debian package wordnet-base (/usr/share/wordnet/<pos>.exc).
Version: the Debian package version.  Licence: the package's Debian
copyright file (the WordNet licence, permissive).
"""

from .shared import deb_source, ensure_apt

APT = ["wordnet-base"]
PARTS_OF_SPEECH = ("noun", "verb", "adj", "adv")


def exception_rows(lines, pos):
    """(form, lemma, [pos]) of an exception list: ``form lemma [lemma...]``
    a line, blanks inside multi-word entries written as underscores."""
    out = []
    for line in lines:
        parts = line.split()
        if len(parts) < 2:
            continue
        form = parts[0].replace("_", " ")
        for lemma in parts[1:]:
            out.append((form, lemma.replace("_", " "), [pos]))
    return out


def readings():
    ensure_apt(APT)
    out = []
    for pos in PARTS_OF_SPEECH:
        with open(f"/usr/share/wordnet/{pos}.exc", encoding="utf-8") as f:
            out += exception_rows(f, pos)
    return out, [deb_source(APT[0])]


def index_words(lines):
    """The one-word, lower-case headwords of an index file (index.noun):
    the first field of each line that does not begin with a blank (the
    licence text does)."""
    out = []
    for line in lines:
        if line.startswith(" "):
            continue
        word = line.split(" ", 1)[0]
        if word.isalpha() and word.islower():
            out.append(word)
    return out


def ing_nouns():
    """(noun, noun, ["ing-noun"]) of the nouns in -ing: "sharing" is a noun
    as well as a form of "share"."""
    ensure_apt(APT)
    with open("/usr/share/wordnet/index.noun", encoding="utf-8") as f:
        words = index_words(f)
    return [(w, w, ["ing-noun"]) for w in words if w.endswith("ing")], [deb_source(APT[0])]
