import unittest

from lexdata.sources.german_pos_dict import rows_of_tables


class Tables(unittest.TestCase):
    def test_nouns_verbs_adjectives_with_verb_kinds(self):
        words = {"Kind": {"G": "N", "NOM": {"SIN": "Kind", "PLU": "Kinder"}}}
        verbs = {"haben": {"PRÄ": {"S": {"3": "hat"}}},
                 "können": {"PRT": {"P": {"1": "konnten"}}},
                 "spielen": {"PA2": ["gespielt"]}}
        adjectives = {"klein": {"AGR": {"POS": {"NOM": {"SIN": {"MAS": "kleiner"}}}}}}
        self.assertEqual([
            ("Kind", "Kind", ["NOUN", "GN", "NOM", "SIN"]),
            ("Kinder", "Kind", ["NOUN", "GN", "NOM", "PLU"]),
            ("hat", "haben", ["VERB", "aux", "PRÄ", "S", "3"]),
            ("konnten", "können", ["VERB", "modal", "PRT", "P", "1"]),
            ("gespielt", "spielen", ["VERB", "PA2"]),
            ("kleiner", "klein", ["ADJ", "AGR", "POS", "NOM", "SIN", "MAS"]),
        ], rows_of_tables(words, verbs, adjectives))


if __name__ == "__main__":
    unittest.main()
