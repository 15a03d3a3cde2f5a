"""Lemma conventions: the citation form chosen for closed-class paradigms.

Sources disagree on the lemma of a personal pronoun's object or reflexive
form ("se", "lo", "il"), of a possessive determiner ("su" or "suyo") and of
apocopated quantifiers ("muy", "primer"); the text our users compare with
follows the annotation conventions of their language's treebanks. A
convention table data/conventions/<code>.tsv names, per form and tag
family, the lemma those conventions give; the build rewrites the matching
readings of the merged lexicon and drops the repeats this creates.

Table lines: form<TAB>tag prefix<TAB>lemma (an empty prefix matches every
tag); "#" starts a comment. A rule applies to the form as written and
with its first letter upper-cased, and to every reading whose tag starts
with the prefix.
"""
import os

from .common import DATA_DIR, table_rows
from .script import serbian_to_cyrillic


def table_path(code):
    return os.path.join(DATA_DIR, "conventions", code + ".tsv")


def read_table(path):
    """{form: [(tag prefix, lemma)]} of a convention table."""
    rules = {}
    for form, prefix, lemma in table_rows(
            path, lambda fields: len(fields) == 3 and fields[0] and fields[2],
            "form, tag prefix, lemma"):
        rules.setdefault(form, []).append((prefix, lemma))
    return rules


def apply(lex, rules):
    """Rewrite the lemmas of lex ({form: [(lemma, tag)]}) in place.

    Returns the number of readings whose lemma changed.
    """
    changed = 0
    for form, form_rules in rules.items():
        for variant in {form, form[:1].upper() + form[1:]}:
            readings = lex.get(variant)
            if not readings:
                continue
            out = []
            for lemma, tag in readings:
                for prefix, new in form_rules:
                    if tag.startswith(prefix):
                        if lemma != new:
                            changed += 1
                        lemma = new
                        break
                if (lemma, tag) not in out:
                    out.append((lemma, tag))
            lex[variant] = out
    return changed


# Codes that apply another code's table in their own script: Serbian in
# Cyrillic (sk) follows the Latin table of sl.
_IN_ANOTHER_SCRIPT = {"sk": ("sl", serbian_to_cyrillic)}


def table_of(code):
    """The code whose table a code applies: its own, or the one it writes
    in another script."""
    return _IN_ANOTHER_SCRIPT.get(code, (code, None))[0]


def apply_for(code, lex):
    """Apply the table of a code when it has one; the number changed."""
    source, convert = _IN_ANOTHER_SCRIPT.get(code, (code, None))
    path = table_path(source)
    if not os.path.exists(path):
        return 0
    rules = read_table(path)
    if convert is not None:
        rules = {convert(form): [(prefix, convert(lemma)) for prefix, lemma in pairs]
                 for form, pairs in rules.items()}
    return apply(lex, rules)
