import glob
import os
import tempfile
import unittest

from lexdata.common import DATA_DIR
from lexdata.sources import grammar_tables


class GrammarTables(unittest.TestCase):
    def tables(self):
        return sorted(glob.glob(os.path.join(DATA_DIR, "paradigms", "*.tsv")))

    def test_tables_read_and_state_their_source(self):
        self.assertTrue(self.tables())
        for path in self.tables():
            with self.subTest(table=os.path.basename(path)):
                rows = grammar_tables.read(path)
                self.assertTrue(rows)
                with open(path, encoding="utf-8") as f:
                    head = f.read(600)
                # every table names the grammar it was written from
                self.assertRegex(head, r"(?s)Written from .*\(.*\d{4}\)")
                self.assertTrue(all(" " not in f and f for f, _, _ in rows))

    def test_own_lemma_and_blank_separated_forms(self):
        with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False,
                                         encoding="utf-8") as f:
            f.write("# comment\nείπα\tλέω\tVRBFs1\nπαρά με\t-\tPREP\n")
        try:
            self.assertEqual([("είπα", "λέω", "VRBFs1"), ("παρά", "παρά", "PREP"),
                              ("με", "με", "PREP")], grammar_tables.read(f.name))
        finally:
            os.unlink(f.name)
        with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False,
                                         encoding="utf-8") as f:
            f.write("είπα\tλέω\n")
        try:
            with self.assertRaises(ValueError):
                grammar_tables.read(f.name)
        finally:
            os.unlink(f.name)


if __name__ == "__main__":
    unittest.main()
