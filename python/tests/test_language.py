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

    def test_readings_known_flag_and_batch(self):
        self.assertEqual([("Haus", "NOMCup", 94, True)], self.de.lemmas("Häuser"))
        self.assertEqual([("groß", "ADJEs", 24, True)], self.de.lemmas("größten".encode()))
        guesses = self.de.lemmas("Straßenbahn")
        self.assertTrue(guesses and not any(r.known for r in guesses))
        # A capital: the proper-noun guess first, unless at a sentence start.
        self.assertEqual(["Went", "go"], [r.lemma for r in self.en.lemmas("Went")])
        self.assertEqual("go", self.en.lemmas("Went", sentence_start=True)[0].lemma)
        self.assertEqual((False, []), (self.en.lemmas("Ω").writable, self.en.lemmas("Ω")))
        words = ["mice", "went", "mice", "Ω"]
        many = self.en.lemmas_many(words)
        self.assertEqual([self.en.lemmas(w) for w in words], many)
        self.assertIs(many[0], many[2])
        self.assertEqual([True, False], [many[0].writable, many[3].writable])

    def test_tokens_offsets_kinds_and_sentences(self):
        text = "Größe — 3.14 in www.example.org, mail a@b.org ✓ Gärten. Kinder"
        tokens = self.de.lemmatize(text)
        self.assertEqual([("Größe", "word"), ("—", "punctuation"), ("3.14", "number"),
                          ("in", "word"), ("www.example.org", "url"), (",", "punctuation"),
                          ("mail", "word"), ("a@b.org", "email"), ("✓", "symbol"),
                          ("Gärten", "word"), (".", "punctuation"), ("Kinder", "word")],
                         [(t.text, t.kind) for t in tokens])
        self.assertTrue(all(t.text == text[t.start:t.end] for t in tokens))
        self.assertEqual((48, 54, "Garten"), (*tokens[9][1:3], tokens[9].readings[0].lemma))
        self.assertIsNone(tokens[2].readings)
        self.assertEqual(["Größe", "Kinder"], [t.text for t in tokens if t.sentence_start])
        self.assertFalse(self.de.lemmatize(text, continues_sentence=True)[0].sentence_start)
        data = text.encode()  # bytes in, byte offsets out
        self.assertEqual((data.index("Gärten".encode()), data.index(b". K")),
                         self.de.lemmatize(data)[9][1:3])

    def test_invalid_utf8_gives_the_library_message(self):
        for call in (self.de.lemmas, self.de.lemmatize):
            with self.assertRaisesRegex(LemmatizerError, "^invalid UTF-8 at byte 2$"):
                call(b"Ha\xc3u")
        with self.assertRaisesRegex(LemmatizerError, "^invalid UTF-8 at byte 1$"):
            self.de.lemmatize("a\udc80")  # a lone surrogate


class Opening(unittest.TestCase):
    def test_bad_code_missing_dictionary_and_closed(self):
        with self.assertRaisesRegex(LemmatizerError, '^unknown language code "xx"$'):
            Language("xx", dictionaries.directory())
        here = os.path.dirname(os.path.abspath(__file__))
        with self.assertRaisesRegex(LemmatizerError, f"^no dictionary for \"fr\" in {here}/ "
                                                     r"\(fr-cwd.hsq is missing"):
            Language("fr", here)
        with Language("de", dictionaries.directory()) as de:
            self.assertTrue(de.lemmas("Kinder"))
        with self.assertRaisesRegex(LemmatizerError, "^the language de is closed$"):
            de.lemmas("Kinder")

    def test_dictionaries_from_the_environment(self):
        with mock.patch.dict(os.environ, {"LEMM_DICTIONARIES": dictionaries.directory()}):
            with Language("de") as de:
                self.assertEqual(dictionaries.directory(), de.dictionaries)
                self.assertEqual("Kind", de.lemmas("Kinder")[0].lemma)

    def test_package_and_library_versions_agree(self):
        version = os.environ.get("LEMMATIZER_VERSION")  # the project's, from CMake
        if not version:
            self.skipTest("LEMMATIZER_VERSION is not set (ctest sets it)")
        self.assertEqual(version, lemmatizer.library_version())
        with open(os.path.join(os.path.dirname(__file__), "..", "pyproject.toml")) as f:
            self.assertIn(f'\nversion = "{version}"\n', f.read())


if __name__ == "__main__":
    unittest.main()
