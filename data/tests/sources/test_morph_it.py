import unittest

from lexdata.sources.morph_it import rows_of_tables


class Tables(unittest.TestCase):
    def test_lemmas_plurals_and_one_form_a_slot(self):
        words = {"casa": {"G": "F", "P": "case"}, "re": {"G": "M"}}
        verbs = {"parlare": {"inf": "parlarvi",
                             "ger": ["parlando", "parlandosi"],
                             "ind": {"pres": {"S": {"1": "parlo"}}}}}
        adjectives = {"bello": {"FP": "belle"}}
        self.assertEqual([
            ("casa", "casa", ["NOUN", "GF", "S"]),
            ("case", "casa", ["NOUN", "GF", "P"]),
            ("re", "re", ["NOUN", "GM", "S"]),          # no plural given
            ("parlare", "parlare", ["VERB", "inf"]),
            # the infinitive slot and clitic gerunds are left out
            ("parlando", "parlare", ["VERB", "ger"]),
            ("parlo", "parlare", ["VERB", "ind", "pres", "S", "1"]),
            ("bello", "bello", ["ADJ", "MS"]),
            ("belle", "bello", ["ADJ", "FP"]),
        ], rows_of_tables(words, verbs, adjectives))


if __name__ == "__main__":
    unittest.main()
