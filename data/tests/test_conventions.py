import glob
import os
import tempfile
import unittest

from lexdata import conventions


class Conventions(unittest.TestCase):
    def write(self, text):
        fd, path = tempfile.mkstemp(suffix=".tsv")
        with os.fdopen(fd, "w", encoding="utf-8") as f:
            f.write(text)
        self.addCleanup(os.remove, path)
        return path

    def test_rewrites_matching_tags_and_drops_repeats(self):
        rules = conventions.read_table(self.write(
            "# a comment\nsu\tDET\tsu\nse\tPN\tél  # trailing comment\nprimer\t\tprimero\n"))
        lex = {
            "su": [("suyo", "DETRus"), ("su", "DETRus"), ("su", "NOMCms")],
            "se": [("se", "PNNPuu"), ("saber", "VRBFs1")],
            "Se": [("se", "PNNPuu")],
            "primer": [("primer", "ADJEp"), ("primer", "ORDLms")],
            "sus": [("suyo", "DETRup")],
        }
        changed = conventions.apply(lex, rules)
        self.assertEqual([("su", "DETRus"), ("su", "NOMCms")], lex["su"])
        # other tag families keep their lemma; the capitalised form follows
        self.assertEqual([("él", "PNNPuu"), ("saber", "VRBFs1")], lex["se"])
        self.assertEqual([("él", "PNNPuu")], lex["Se"])
        # an empty prefix matches every tag
        self.assertEqual([("primero", "ADJEp"), ("primero", "ORDLms")], lex["primer"])
        # forms the table does not name are left alone
        self.assertEqual([("suyo", "DETRup")], lex["sus"])
        self.assertEqual(5, changed)

    def test_first_matching_rule_wins(self):
        rules = conventions.read_table(self.write("la\tPNNPf\tella\nla\tPN\tél\n"))
        lex = {"la": [("lo", "PNNPfs"), ("lo", "PNNPms")]}
        conventions.apply(lex, rules)
        self.assertEqual([("ella", "PNNPfs"), ("él", "PNNPms")], lex["la"])

    def test_malformed_lines_name_the_line(self):
        for text in ("se\tPN\n", "\tPN\tél\n", "se\tPN\t\n", "se\tPN\tél\textra\n"):
            with self.assertRaisesRegex(ValueError, r":1: expected"):
                conventions.read_table(self.write(text))

    def test_serbian_cyrillic_applies_the_latin_table_in_its_script(self):
        lex = {"није": [("не", "PTCL"), ("нисам", "ANYC")], "с": [("с", "PREP"), ("са", "PREP")]}
        self.assertEqual(3, conventions.apply_for("sk", lex))
        self.assertEqual([("бити", "PTCL"), ("бити", "ANYC")], lex["није"])
        self.assertEqual([("са", "PREP")], lex["с"])
        self.assertEqual("sl", conventions.table_of("sk"))
        self.assertEqual("sl", conventions.table_of("sl"))

    def test_shipped_tables_parse(self):
        paths = glob.glob(os.path.join(os.path.dirname(conventions.table_path("es")), "*.tsv"))
        self.assertTrue(paths)
        for path in paths:
            rules = conventions.read_table(path)
            self.assertTrue(rules, path)
            for form, pairs in rules.items():
                self.assertEqual(form, form.strip(), path)
                for prefix, lemma in pairs:
                    self.assertTrue(prefix == "" or prefix.isupper(), (path, form))


if __name__ == "__main__":
    unittest.main()
