import unittest

from lexdata.sources.cspell import word


class CspellLines(unittest.TestCase):
    def test_variants_forbidden_words_and_compound_parts_are_no_words(self):
        self.assertEqual("talo", word("talo"))
        self.assertEqual("A-lista", word("A-lista"))
        self.assertIsNone(word("~talo"))        # case-folded twin
        self.assertIsNone(word("!Btw-nummer"))  # forbidden
        self.assertIsNone(word("+-3D"))         # compound parts
        self.assertIsNone(word("kinder+"))
        self.assertIsNone(word(""))


if __name__ == "__main__":
    unittest.main()
