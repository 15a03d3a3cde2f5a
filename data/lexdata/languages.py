"""The languages of the library, as registry/languages.tsv lists them.

That table is the one place where the set of language codes and their
traits (name, code page, first edition, size of the ending table, ...) are
written down; the data scripts read them here.  Its format: one tab between
fields, lines starting with "#" are comments, the first other line names
the columns, "-" means none.  Fields are read by column name and kept as
written (a field may hold blanks: "Serbian (Latin)").
"""

import os

TABLE = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))), "registry", "languages.tsv")


def parse(text, source="languages.tsv"):
    """[{column: field or None}] of a table's rows, in table order."""
    header, rows = None, []
    for number, line in enumerate(text.split("\n"), 1):
        line = line.rstrip("\r")
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        if header is None:
            header = fields
            continue
        if len(fields) != len(header):
            raise ValueError(f"{source}:{number}: {len(fields)} fields, "
                             f"the header names {len(header)}")
        rows.append({name: None if value == "-" else value
                     for name, value in zip(header, fields)})
    if header is None or "code" not in header:
        raise ValueError(f"{source}: no header row with a 'code' column")
    return rows


class Language:
    """One row of the table, its fields by column name."""

    def __init__(self, fields):
        self.fields = fields
        self.code = fields["code"]
        self.name = fields.get("name")
        # the Windows code page as Python names it ("cp1252")
        self.codec = "cp" + fields["codepage"]
        self.edition = fields.get("edition") or self.code
        self.rules = fields.get("rules")
        self.prefix = fields.get("prefix") or ""
        endings = fields.get("endings")
        self.endings = int(endings) if endings is not None else None

    def __getitem__(self, column):
        return self.fields[column]


def load(path=TABLE):
    """{code: Language} in table order."""
    with open(path, encoding="utf-8") as f:
        rows = parse(f.read(), path)
    return {row["code"]: Language(row) for row in rows}


LANGUAGES = load()
ALL_CODES = list(LANGUAGES)
# second edition -> the first edition whose lexicon it shares
SECOND_EDITIONS = {code: lang.edition for code, lang in LANGUAGES.items()
                   if lang.edition != code}


def first_edition(code):
    return SECOND_EDITIONS.get(code, code)


def codepage(code):
    """The Python codec of a code's code page ("cp1251")."""
    return LANGUAGES[code].codec


def name(code):
    return LANGUAGES[code].name
