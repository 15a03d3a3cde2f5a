import os
import unittest

from lexdata import endings
from lexdata.common import key_bytes
from lexdata.languages import codepage


class Normalisation(unittest.TestCase):
    def test_default_folding(self):
        self.assertEqual(bytes([0xE4, 0xF6, 0xFC, 0xDF]),
                         key_bytes("de", bytes([0xC4, 0xD6, 0xDC, 0xDF])))
        self.assertEqual(bytes([0xDE, 0x78]), key_bytes("en", bytes([0xDE, 0x58])))
        # Windows-1251: Ч (0xD7), Ю (0xDE) and Я (0xDF) stay capitals
        self.assertEqual("чюя".encode("cp1251")[0:0] + "аЧЮЯ".encode("cp1251"),
                         key_bytes("mk", "АЧЮЯ".encode("cp1251")))

    def test_greek_folding(self):
        self.assertEqual("άνθρωπος".encode("cp1253"),
                         key_bytes("gr", "Άνθρωπος".encode("cp1253")))
        self.assertEqual("ΐ".encode("cp1253"), key_bytes("gr", "ΐ".encode("cp1253")))
        self.assertEqual("ώσ".encode("cp1253"), key_bytes("gr", "ΏΣ".encode("cp1253")))


class Rebuilding(unittest.TestCase):
    def test_candidates_and_prefix(self):
        self.assertEqual([b"", b"k", b"lk", b"alk"],
                         endings.candidate_endings(b"walks", b"walk"))
        self.assertEqual([b"go"], endings.candidate_endings(b"went", b"go"))
        # the superlative prefix is removed from a stem longer than it
        self.assertEqual(b"bolj", endings.stem_of(b"najbolji", 1, b"naj"))
        self.assertEqual(b"naj", endings.stem_of(b"naj", 0, b"naj"))
        self.assertIn(b"", endings.candidate_endings(b"najbolji", b"bolj", b"naj"))

    def test_generated_table_shape_and_pinned_rows(self):
        words = ["talk", "walk", "play", "stay", "cook", "look", "jump", "want"]
        readings = []
        for w in words:
            readings += [(w + "s", w), (w + "ed", w), (w + "ing", w)]
        readings += [("mice", "mouse"), ("lice", "louse"), ("geese", "goose"),
                     ("feet", "foot"), ("teeth", "tooth"), ("Went", "go")]
        # enough distinct endings to fill every table: stem + one of many
        letters = "bcdfgklmnprstv"
        for i, (a, b) in enumerate((a, b) for a in letters for b in letters):
            readings.append((f"q{i}w", f"q{i}{a}{b}o"))
        for code in ("en", "it", "sl", "ca"):
            with self.subTest(code=code):
                n, _, fixed, n_after = endings.MEMBERS[code]
                table = endings.generate(code, readings)
                self.assertEqual(n, len(table))
                self.assertEqual(n, len(set(table)))
                self.assertEqual(b"0", table[0])
                cp = codepage(code)
                for i, e in fixed.items():
                    self.assertEqual(e.encode(cp), table[i])
                run = table[1:n - n_after]
                self.assertEqual(sorted(run), run)
                self.assertTrue(all(0 < len(e) <= 63 for e in table))
        table = endings.generate("en", readings)
        self.assertEqual(b"\x82", table[66])
        regular = readings[:3 * len(words)]
        # -s/-ed/-ing need no entry
        self.assertEqual((len(regular), len(regular)),
                         endings.coverage("en", regular, table))
        # the ending shared by two readings is chosen before those of one
        self.assertIn(b"ouse", table)
        self.assertEqual((2, 2), endings.coverage(
            "en", [("mice", "mouse"), ("lice", "louse")], table))

    def test_coverage_counts_unbuildable(self):
        table = [b"0", b"e"]
        ok, total = endings.coverage("sv", [("bilar", "bil"), ("gick", "gå"),
                                            ("Bil", "Bil")], table)
        # "Bil" keys to "bil": a capital lemma cannot be rebuilt
        self.assertEqual((1, 3), (ok, total))


class CommittedTables(unittest.TestCase):
    """The tables in rules/endings are in the format the library compiles."""

    def test_every_generated_member(self):
        for code, (n, _, fixed, _) in endings.MEMBERS.items():
            path = endings.table_path(code)
            if not os.path.exists(path):
                continue
            with self.subTest(code=code):
                with open(path, "rb") as f:
                    raw = f.read()
                self.assertTrue(raw.endswith(b"\n"))
                lines = raw.decode("utf-8").split("\n")[:-1]
                self.assertEqual(n, len(lines))
                self.assertEqual("0", lines[0])
                self.assertEqual(n, len(set(lines)))
                cp = codepage(code)
                for i, e in fixed.items():
                    self.assertEqual(e, lines[i])
                for e in lines:
                    self.assertNotIn("\r", e)
                    self.assertTrue(0 < len(e.encode(cp)) <= 63, e)


if __name__ == "__main__":
    unittest.main()
