"""Analyse words read from stdin with voikko; print form, lemma, features.

Runs under Debian's own python3, where python3-libvoikko is installed.
Features: CLASS, then NUMBER, SIJAMUOTO (case), PERSON, MOOD, TENSE,
COMPARISON and PARTICIPLE when present, space separated.
"""
import sys

FIELDS = ("NUMBER", "SIJAMUOTO", "PERSON", "MOOD", "TENSE", "COMPARISON",
          "PARTICIPLE", "NEGATIVE")


def rows(word, analyses):
    """The distinct output lines of a word's analyses (dicts of voikko's
    fields); analyses without a BASEFORM are left out."""
    out = []
    for a in analyses:
        lemma = a.get("BASEFORM")
        if not lemma:
            continue
        feats = [a.get("CLASS", "?")] + [f"{k}={a[k]}" for k in FIELDS if k in a]
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
