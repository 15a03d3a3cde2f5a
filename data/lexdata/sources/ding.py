"""The Ding German-English word list: the German headwords that do not
inflect (prepositions, conjunctions, adverbs, some pronouns), each its own
lemma.

Where from: the Debian package trans-de-en (/usr/share/trans/de-en).
Version: the Debian package version.  Licence: the package's Debian
copyright file (GPL-2+).
"""

import re

from .shared import deb_source, ensure_apt

APT = ["trans-de-en"]
LIST = "/usr/share/trans/de-en"

# Parts of speech of the Ding word lists whose headwords do not inflect.
UNINFLECTED = ("prp", "conj", "adv", "pron", "ppron", "art", "num")
_NOTE = re.compile(r"\([^)]*\)|\[[^\]]*\]|<[^>]*>")
_WORD = re.compile(r"^[a-zäöüß]+$")
# Pronouns and articles decline; the list gives declined forms ("keine",
# "meiner") as headwords of their own, which are not lemmas: those with a
# case ending are left out.
DECLINED = ("pron", "ppron", "art")
_CASE_ENDING = re.compile(r"(e|er|en|em|es)$")


def _alternatives(entry):
    """The "; "-separated alternatives of an entry, marks kept whole."""
    depth, start = 0, 0
    for i, c in enumerate(entry):
        if c in "{([":
            depth += 1
        elif c in "})]":
            depth = max(0, depth - 1)
        elif c == ";" and depth == 0:
            yield entry[start:i]
            start = i + 1
    yield entry[start:]


def _is_lemma(word, pos):
    """Whether a one-word headword with that mark is a lemma we keep."""
    return (word is not None and pos in UNINFLECTED and _WORD.match(word)
            and not (pos in DECLINED and _CASE_ENDING.search(word)))


def headwords(lines):
    """(word, word, [part of speech]) of the one-word uninflected headwords.

    A Ding line is ``german :: english``; the German side holds entries
    separated by " | ", each a list of alternatives separated by "; " with
    marks in braces ({prp; +Dat.}, {conj}). An alternative without a mark
    takes the mark of the next one that has it ("aber; doch {conj}").
    Placeholders (jdm., etw.), notes in brackets and upper-case words
    (nouns, the polite "Sie") are left out.
    """
    seen = set()
    for line in lines:
        german = line.split(" :: ", 1)[0]
        for entry in german.split(" | "):
            pending = []
            for alternative in _alternatives(entry):
                text = _NOTE.sub(" ", alternative)
                marks = re.findall(r"\{([^}]*)\}", text)
                text = re.sub(r"\{[^}]*\}", " ", text)
                words = [w for w in text.split() if "." not in w and "/" not in w
                         and w != "…"]
                pending.append(words[0] if len(words) == 1 else None)
                if not marks:
                    continue
                pos = marks[0].replace(";", " ").split()
                pos = pos[0] if pos else ""
                for word in pending:
                    if _is_lemma(word, pos) and (word, pos) not in seen:
                        seen.add((word, pos))
                        yield word, word, [pos]
                pending = []


def readings():
    ensure_apt(APT)
    with open(LIST, encoding="utf-8", errors="replace") as f:
        rows = list(headwords(f))
    return rows, [deb_source(APT[0])]
