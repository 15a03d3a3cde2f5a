"""Italian nouns, verbs and adjectives with their paradigms, from the
morph-it data as the npm packages italian-words-dict, italian-verbs-dict
and italian-adjectives-dict ship it (dist/*.json).

Where from: those npm packages, pinned (NPM).  Version: the pinned npm
versions.  Licence: the data is CC-BY-SA 2.0 per the packages' READMEs;
their package.json states Apache-2.0 (for the code).
"""

from . import paradigms
from .shared import ensure_npm, load_npm_json, npm_source

NPM = {"italian-words-dict": "3.4.0", "italian-verbs-dict": "3.4.0",
            "italian-adjectives-dict": "3.4.0"}
LICENCE = "CC-BY-SA 2.0 (morph-it data, per the README; package.json: Apache-2.0)"


def rows_of_tables(words, verbs, adjectives):
    """(form, lemma, tokens) of the three tables.

    Nouns: {lemma: {"G": gender, "P": plural}}; verbs and adjectives:
    {lemma: paradigm}, the lemma itself being the infinitive or the
    masculine singular.
    """
    rows = []
    for lemma, par in words.items():
        g = "G" + par.get("G", "")
        rows.append((lemma, lemma, ["NOUN", g, "S"]))
        if par.get("P"):
            rows.append((par["P"], lemma, ["NOUN", g, "P"]))
    for lemma, par in verbs.items():
        rows.append((lemma, lemma, ["VERB", "inf"]))
        for form, path in paradigms.flatten(par):
            # one form a slot: the infinitive and gerund slots hold clitic
            # forms (parlarvi, parlandosi); the lemma is the infinitive
            if path[0] == "inf" or (path[0] == "ger" and not form.endswith("ndo")):
                continue
            rows.append((form, lemma, ["VERB"] + list(path)))
    for lemma, par in adjectives.items():
        rows.append((lemma, lemma, ["ADJ", "MS"]))
        for form, path in paradigms.flatten(par):
            rows.append((form, lemma, ["ADJ"] + list(path)))
    return rows


def readings():
    ensure_npm(NPM)
    rows = rows_of_tables(load_npm_json("italian-words-dict", "dist/words.json"),
                          load_npm_json("italian-verbs-dict", "dist/verbs.json"),
                          load_npm_json("italian-adjectives-dict", "dist/adjectives.json"))
    return rows, [npm_source(p, LICENCE) for p in NPM]
