"""Analyse words read from stdin with voikko; print form, lemma, features.

Runs under Debian's own python3, where python3-libvoikko is installed.
Features: CLASS, then NUMBER, SIJAMUOTO (case), PERSON, MOOD, TENSE,
COMPARISON and PARTICIPLE when present, space separated; a participle also
names the verb it is formed from (VERB=olla for ollut), read from the
analysis's WORDBASES.
"""
import re
import sys

FIELDS = ("NUMBER", "SIJAMUOTO", "PERSON", "MOOD", "TENSE", "COMPARISON",
          "PARTICIPLE", "NEGATIVE")
_BASE = re.compile(r"\+([^+()]*)(?:\(([^()]*)\))?")


def participle_verb(wordbases):
    """The verb of a participle's WORDBASES, with the compound parts before it.

    '+ol(olla)+l+ut(+ut)' -> 'olla'; '+allekirjoite(alle=kirjoittaa)+t+tu(+tu)'
    -> 'allekirjoittaa'; the parts after the verb are the participle's own
    suffixes (their bases start with '+').
    """
    parts = _BASE.findall(wordbases or "")
    verb = None
    for i, (_, base) in enumerate(parts):
        if base and not base.startswith("+"):
            verb = i
    if verb is None:
        return None
    base = parts[verb][1].replace("=", "")
    if not base.endswith(("a", "\u00e4")):
        return None
    return "".join(surface for surface, _ in parts[:verb]) + base


def rows(word, analyses):
    """The distinct output lines of a word's analyses (dicts of voikko's
    fields); analyses without a BASEFORM are left out."""
    out = []
    for a in analyses:
        lemma = a.get("BASEFORM")
        if not lemma:
            continue
        feats = [a.get("CLASS", "?")] + [f"{k}={a[k]}" for k in FIELDS if k in a]
        if "PARTICIPLE" in a:
            verb = participle_verb(a.get("WORDBASES"))
            if verb:
                feats.append("VERB=" + verb)
        row = f"{word}\t{lemma}\t{' '.join(feats)}\n"
        if row not in out:
            out.append(row)
    return out


def main():
    import libvoikko
    v = libvoikko.Voikko("fi")
    out = sys.stdout
    for line in sys.stdin:
        word = line.strip()
        if not word:
            continue
        out.writelines(rows(word, v.analyze(word)))


if __name__ == "__main__":
    main()
