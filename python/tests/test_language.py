"""Language: readings, tokens, errors, and where it finds its files."""
import os
import unittest
from unittest import mock

import lemmatizer
from lemmatizer import Language, LemmatizerError

from tests import dictionaries


class Lookups(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.de = Language("de", dictionaries=dictionaries.directory())
        cls.en = Language("EN", dictionaries.directory())

    @classmethod
    def tearDownClass(cls):
        cls.de.close()
        cls.en.close()

    def test_readings_and_known_flag(self):
        self.assertEqual([("Haus", "NOMCup", 94, True)], self.de.lemmas("Häuser"))
        self.assertEqual([("groß", "ADJEs", 24, True)], self.de.lemmas("größten".encode()))
        guesses = self.de.lemmas("Straßenbahn")
        self.assertTrue(guesses)
        self.assertFalse(any(r.known for r in guesses))
        # Title case: the proper-noun guess first, the dictionary's reading
        # after it; at a sentence start the other way round.
        self.assertEqual(["Went", "go"], [r.lemma for r in self.en.lemmas("Went")])
        self.assertEqual("go", self.en.lemmas("Went", sentence_start=True)[0].lemma)
        self.assertEqual(("en", 1252), (self.en.code, self.en.code_page))

    def test_unwritable_word_has_no_readings(self):
        self.assertEqual((False, []), (self.en.lemmas("Ω").writable, self.en.lemmas("Ω")))
        self.assertTrue(self.en.lemmas("mice").writable)

    def test_batch_answers_each_word_in_order(self):
        words = ["mice", "went", "mice", "stories"]
        many = self.en.lemmas_many(words)
        self.assertEqual([self.en.lemmas(w) for w in words], many)
        self.assertIs(many[0], many[2])

    def test_tokens_offsets_and_kinds(self):
        text = "Größe — 3.14 in www.example.org, mail a@b.org ✓ Gärten."
        tokens = self.de.lemmatize(text)
        for token in tokens:
            self.assertEqual(token.text, text[token.start:token.end])
        self.assertEqual([("Größe", "word"), ("—", "punctuation"), ("3.14", "number"),
                          ("in", "word"), ("www.example.org", "url"), (",", "punctuation"),
                          ("mail", "word"), ("a@b.org", "email"), ("✓", "symbol"),
                          ("Gärten", "word"), (".", "punctuation")],
                         [(t.text, t.kind) for t in tokens])
        self.assertEqual((48, 54), tokens[9][1:3])
        self.assertEqual("Garten", tokens[9].readings[0].lemma)
        self.assertIsNone(tokens[2].readings)
        # Bytes in, byte offsets out.
        data = text.encode()
        self.assertEqual([(data.index("Gärten".encode()), len(data) - 1)],
                         [(t.start, t.end) for t in self.de.lemmatize(data) if t.text == "Gärten"])

    def test_sentence_starts(self):
        starts = [t.text for t in self.en.lemmatize("The mice ran. Children went") if t.sentence_start]
        self.assertEqual(["The", "Children"], starts)
        self.assertFalse(self.en.lemmatize("The mice", continues_sentence=True)[0].sentence_start)

    def test_invalid_utf8_gives_the_library_message(self):
        for call in (self.de.lemmas, self.de.lemmatize):
            with self.assertRaisesRegex(LemmatizerError, "^invalid UTF-8 at byte 2$"):
                call(b"Ha\xc3u")
        with self.assertRaisesRegex(LemmatizerError, "invalid UTF-8 at byte 1"):
            self.de.lemmatize("a\udc80")  # a lone surrogate


class Opening(unittest.TestCase):
    def test_bad_code_and_missing_dictionary(self):
        with self.assertRaisesRegex(LemmatizerError, '^unknown language code "xx"$'):
            Language("xx", dictionaries.directory())
        empty = os.path.dirname(os.path.abspath(__file__))
        with self.assertRaises(LemmatizerError) as raised:
            Language("fr", empty)
        self.assertIn("fr-cwd.hsq is missing", str(raised.exception))
        self.assertIn(empty, str(raised.exception))

    def test_closed_language_refuses_calls(self):
        with Language("de", dictionaries.directory()) as de:
            self.assertTrue(de.lemmas("Kinder"))
        self.assertTrue(de.closed)
        with self.assertRaisesRegex(LemmatizerError, "closed"):
            de.lemmas("Kinder")
        de.close()

    def test_dictionaries_from_the_environment(self):
        with mock.patch.dict(os.environ, {"LEMM_DICTIONARIES": dictionaries.directory()}):
            with Language("de") as de:
                self.assertEqual(dictionaries.directory(), de.dictionaries)
                self.assertEqual("Kind", de.lemmas("Kinder")[0].lemma)

    def test_package_and_library_versions_agree(self):
        expected = os.environ.get("LEMMATIZER_VERSION")
        if not expected:
            self.skipTest("LEMMATIZER_VERSION is not set (ctest sets it)")
        self.assertEqual(expected, lemmatizer.library_version())
        pyproject = os.path.join(os.path.dirname(__file__), "..", "pyproject.toml")
        with open(pyproject, encoding="utf-8") as f:
            self.assertIn(f'\nversion = "{expected}"\n', f.read())


if __name__ == "__main__":
    unittest.main()
