"""Grammar tables: the forms of irregular verbs and closed word classes,
written from a grammar's paradigm tables (data/paradigms/<code>-*.tsv).

Where from: this repository; each table's comment names the grammar it was
written from.  Licence: the project's own.

A line is ``forms<TAB>lemma<TAB>tag``: the forms separated by blanks, the
lemma '-' making each form its own lemma; '#' starts a comment.
"""

import os

from ..common import DATA_DIR, table_rows


def path(name):
    return os.path.join(DATA_DIR, "paradigms", name)


def read(table):
    """(form, lemma, tag) of a table's lines (table: a path)."""
    rows = []
    for forms, lemma, tag in table_rows(
            table, lambda fields: len(fields) == 3 and all(fields), "form, lemma, tag"):
        rows.extend((form, form if lemma == "-" else lemma, tag) for form in forms.split())
    return rows


def readings(names, score=1000):
    """(form, lemma, tag, score) of the named tables, in order: a table's
    readings come ahead of what the sources after it give."""
    return [(f, l, t, score) for name in names for f, l, t in read(path(name))]
