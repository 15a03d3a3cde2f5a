import json
import unittest

from lexdata.sources import paradigms


class Paradigms(unittest.TestCase):
    def test_german_verb_and_noun_tables(self):
        verbs = json.loads('{"abarbeiten": {"hasPrefix": true, "INF": "abarbeiten",'
                           ' "PA2": ["abgearbeitet"], "EIZ": "abzuarbeiten",'
                           ' "PRÄ": {"S": {"1": ["arbeite", "ab"]}}}}')
        rows = list(paradigms.readings(verbs, "VERB"))
        self.assertIn(("abarbeite", "abarbeiten", ["VERB", "PRÄ", "S", "1"]), rows)
        self.assertIn(("abgearbeitet", "abarbeiten", ["VERB", "PA2"]), rows)
        self.assertIn(("abzuarbeiten", "abarbeiten", ["VERB", "EIZ"]), rows)
        self.assertEqual(4, len(rows))
        nouns = json.loads('{"Haus": {"DAT": {"SIN": "Hause", "PLU": "Häusern"}, "G": "N"}}')
        self.assertEqual([("Hause", "Haus", ["NOUN", "GN", "DAT", "SIN"]),
                          ("Häusern", "Haus", ["NOUN", "GN", "DAT", "PLU"])],
                         list(paradigms.readings(nouns, "NOUN")))

    def test_alternatives_in_lists(self):
        self.assertEqual([("a", ("X",)), ("b", ("X",)), ("c", ("X",))],
                         list(paradigms.flatten({"X": ["a", "b", "c"]})))


if __name__ == "__main__":
    unittest.main()
