"""WordNet's exception lists: the irregular forms of English nouns, verbs,
adjectives and adverbs with their base forms (mice -> mouse, went -> go).

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
