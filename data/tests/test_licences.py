import json
import os
import tempfile
import unittest

from lexdata import licences

SOURCES = [
    {"name": "az (npm)", "version": "0.2.3",
     "licence": "MIT (package); OpenCorpora data: CC-BY-SA"},
    {"name": "apertium-bel-rus", "version": "0.2.1-2", "licence": "GPL-3+"},
    {"name": "apertium-rus-ukr", "version": "0.2.1-4", "licence": "GPL-2+, GPL-3+"},
]


class Texts(unittest.TestCase):
    def test_licence_names_every_source_and_where_its_terms_are(self):
        text = licences.licence_text("r4", SOURCES, ["r4-cwd.hsq", "r4.swd"])
        self.assertTrue(text.startswith("Dictionaries of Russian (code r4): r4-cwd.hsq, r4.swd.\n"))
        # a second edition is compiled from its first edition's lexicon
        self.assertIn("the lexicon ru.tsv", text)
        self.assertIn("- az (npm) 0.2.3: MIT (package); OpenCorpora data: CC-BY-SA\n"
                      "  terms: npm package az@0.2.3", text)
        self.assertIn("- apertium-rus-ukr 0.2.1-4: GPL-2+, GPL-3+\n"
                      "  terms: Debian package apertium-rus-ukr: "
                      "/usr/share/doc/apertium-rus-ukr/copyright", text)

    def test_a_family_of_packages_points_to_each_copyright_file(self):
        wikdict = {"name": "dict-freedict-fin-* (15 WikDict pairs)", "version": "2022.12.07-2",
                   "licence": "CC-BY-SA-3.0"}
        self.assertEqual("Debian packages dict-freedict-fin-*: "
                         "/usr/share/doc/dict-freedict-fin-*/copyright", licences.origin(wikdict))

    def test_summary_row_groups_apertium_and_lists_each_licence_once(self):
        table = licences.summary([("ru", SOURCES)])
        self.assertEqual("| ru | Russian | az (npm), Apertium bel-rus rus-ukr | "
                         "MIT (package); OpenCorpora data: CC-BY-SA; GPL-3+; GPL-2+ |",
                         table.split("\n")[2])
        # commas inside brackets do not split a copyright file's licences
        nl = [{"name": "hunspell-nl", "version": "1", "licence": "BSD or CC-BY (list, choice), X"}]
        self.assertEqual(["BSD or CC-BY (list, choice)", "X"], licences.distinct_licences(nl))
        # one row per first edition, naming its second editions
        rows = licences.summary([("ru", SOURCES), ("en", SOURCES[1:]), ("r4", SOURCES)],
                                editions=True).split("\n")[2:-1]
        self.assertEqual([["| ru, r4", "Russian"], ["| en", "English"]],
                         [r.split(" | ")[:2] for r in rows])


class Writing(unittest.TestCase):
    def test_files_only_for_built_dictionaries_with_recorded_sources(self):
        with tempfile.TemporaryDirectory() as d:
            lexicons, dicts = os.path.join(d, "lexicons"), os.path.join(d, "lemm")
            os.makedirs(os.path.join(lexicons, "stats"))
            os.makedirs(dicts)
            with open(os.path.join(lexicons, "stats", "ru.json"), "w") as f:
                json.dump({"sources": SOURCES}, f)
            for name in ("ru-cwd.hsq", "ru.swd", "ru1.pwd", "r4-cwd.hsq", "de-cwd.hsq",
                         "rus-notes.txt"):
                open(os.path.join(dicts, name), "w").close()
            written = licences.write(lexicons, dicts, ["ru", "r4", "de", "en"])
            # de has dictionaries but no recorded sources, en neither
            self.assertEqual(["ru", "r4"], written)
            with open(os.path.join(dicts, "ru.LICENSE")) as f:
                first = f.readline()
            self.assertIn("ru-cwd.hsq, ru.swd, ru1.pwd.", first)
            self.assertEqual(["ru-cwd.hsq", "ru.swd", "ru1.pwd"],
                             licences.dictionary_files(dicts, "ru"))
            with open(os.path.join(dicts, "LICENSES.md")) as f:
                rows = [line for line in f if line.startswith("| r")]
            self.assertEqual(["| ru |", "| r4 |"], [r[:6] for r in rows])


if __name__ == "__main__":
    unittest.main()
