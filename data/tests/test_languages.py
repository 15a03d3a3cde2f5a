import os
import tempfile
import unittest

from lexdata import endings, languages

TABLE = """\
# comment lines and blank lines are skipped

code\tname\tcodepage\tendings\tprefix\tedition
xx\tSome Language (Latin)\t1250\t12\tnaj\t-
x4\tSome Language (Latin)\t1250\t-\t-\txx
"""


class Parsing(unittest.TestCase):
    def test_fields_by_column_name_kept_as_written(self):
        rows = languages.parse(TABLE)
        self.assertEqual(["xx", "x4"], [r["code"] for r in rows])
        # blanks inside a field stay; "-" is none
        self.assertEqual("Some Language (Latin)", rows[0]["name"])
        self.assertIsNone(rows[0]["edition"])
        self.assertEqual("xx", rows[1]["edition"])

    def test_columns_found_by_name_in_any_order(self):
        text = "code\tedition\tcodepage\tname\tendings\tprefix\nyy\t-\t1253\tOther\t5\t-\n"
        language = languages.Language(languages.parse(text)[0])
        self.assertEqual(("yy", "cp1253", "yy", 5, ""),
                         (language.code, language.codec, language.edition,
                          language.endings, language.prefix))

    def test_rows_with_a_missing_field_name_their_line(self):
        with self.assertRaisesRegex(ValueError, r":6: 5 fields, the header names 6"):
            languages.parse(TABLE + "zz\tZ\t1252\t1\t-\n")
        with self.assertRaisesRegex(ValueError, "no header"):
            languages.parse("# only comments\n")

    def test_load_and_second_editions(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "languages.tsv")
            with open(path, "w", encoding="utf-8") as f:
                f.write(TABLE)
            loaded = languages.load(path)
        self.assertEqual(["xx", "x4"], list(loaded))
        self.assertEqual(("xx", None), (loaded["x4"].edition, loaded["x4"].endings))
        self.assertEqual(b"naj", loaded["xx"].prefix.encode(loaded["xx"].codec))


class TheRegistry(unittest.TestCase):
    """What the data scripts rely on in registry/languages.tsv."""

    def test_codes_editions_and_code_pages(self):
        self.assertEqual(23, len(languages.ALL_CODES))
        for second, first in languages.SECOND_EDITIONS.items():
            self.assertTrue(second.endswith("4"), second)
            self.assertNotIn(first, languages.SECOND_EDITIONS)
            self.assertEqual(languages.codepage(first), languages.codepage(second))
        for code in languages.ALL_CODES:
            "lemma".encode(languages.codepage(code))   # a codec Python knows

    def test_generated_ending_tables_match_their_sizes(self):
        # every member's committed table has the size the registry gives
        for code, (n, _, _, _) in endings.MEMBERS.items():
            self.assertEqual(languages.LANGUAGES[code].endings, n)
            path = endings.table_path(code)
            if os.path.exists(path):
                with open(path, encoding="utf-8") as f:
                    self.assertEqual(n, len(f.read().split("\n")) - 1, code)


if __name__ == "__main__":
    unittest.main()
