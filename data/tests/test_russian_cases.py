import os
import tempfile
import unittest

from lexdata import russian_cases


class RussianCases(unittest.TestCase):
    def test_names_of_opencorpora_grammemes(self):
        name = russian_cases.extended_name
        self.assertEqual("GSM", name(["NOUN", "inan", "masc", "sing", "gent"]))
        self.assertEqual("NPF", name(["NOUN", "anim", "femn", "plur", "nomn"]))
        self.assertEqual("API", name(["ADJF", "Qual", "plur", "accs"]))
        self.assertEqual("PSN", name(["NOUN", "inan", "neut", "sing", "loc2"]))
        self.assertIsNone(name(["ADJS", "masc", "sing"]))          # no case
        self.assertIsNone(name(["NOUN", "Fixd", "sing", "nomn"]))  # no gender
        self.assertIsNone(name(["VERB", "perf", "tran", "past", "sing"]))

    def test_names_per_form_and_library_tag(self):
        rows = [("Стола", ["NOUN", "masc", "sing", "gent"]),
                ("столы", ["NOUN", "masc", "plur", "nomn"]),
                ("столы", ["NOUN", "masc", "plur", "accs"]),
                ("ёлки", ["NOUN", "femn", "sing", "gent"]),
                ("ёлки", ["NOUN", "femn", "plur", "nomn"]),
                ("быстро", ["ADVB"])]
        tags = {("NOUN", "masc", "sing"): "NOMCms", ("NOUN", "masc", "plur"): "NOMCmp",
                ("NOUN", "femn", "sing"): "NOMCfs", ("NOUN", "femn", "plur"): "NOMCfp"}
        got = russian_cases.case_names(rows, lambda t: tags.get(tuple(t[:3])))
        self.assertEqual({("стола", "NOMCms"): {"GSM"}, ("столы", "NOMCmp"): {"NPM", "APM"},
                          ("елки", "NOMCfs"): {"GSF"}, ("елки", "NOMCfp"): {"NPF"}}, got)
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "ru-cases.tsv")
            self.assertEqual(4, russian_cases.write_cases(path, got))
            with open(path, encoding="utf-8") as f:
                self.assertIn("столы\tNOMCmp\tAPM NPM\n", f.read())
            self.assertEqual(got, russian_cases.read_cases(path))

    def test_coverage_of_the_reference_readings(self):
        cases = {("стола", "NOMCms"): {"GSM"}, ("столы", "NOMCmp"): {"NPM", "APM"},
                 ("новой", "ADJEp"): {"GSF", "DSF"}}
        tokens = [("стола", ["NOMCms"], ["GSM", "ASM"]),   # every reading
                  ("Столы", ["NOMCmp"], ["NPM"]),          # one of two
                  ("новой", ["ADJEp"], []),                # none
                  ("быстро", ["ADVB"], [])]                # no reference: not counted
        self.assertEqual((3, 1, 2), russian_cases.coverage(tokens, cases))
        self.assertTrue(russian_cases.is_case_name("GSM"))
        self.assertTrue(russian_cases.is_case_name("API"))
        self.assertFalse(russian_cases.is_case_name("ADJ"))
        self.assertFalse(russian_cases.is_case_name("NOMCms"))


if __name__ == "__main__":
    unittest.main()
