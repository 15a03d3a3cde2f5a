import unittest

from lexdata import english


class EnglishOrderByTaggedText(unittest.TestCase):
    def test_the_class_text_shows_most_comes_first(self):
        counts = {"meeting": {"N": 230, "V": 27}, "later": {"R": 220, "J": 23}}
        order = lambda readings, form: english.by_tagged_text(readings, form, counts)  # noqa: E731
        meeting = [("meet", "VRBFo"), ("meet", "GERF"), ("meeting", "NOMCus")]
        self.assertEqual([("meeting", "NOMCus"), ("meet", "VRBFo"), ("meet", "GERF")],
                         order(meeting, "meeting"))
        # a comparison keeps its order: "later" takes "late" in the texts
        later = [("late", "ADJEc"), ("later", "ADVB")]
        self.assertEqual(later, order(later, "later"))


class EnglishOwnSpellingFirst(unittest.TestCase):
    def test_the_lemma_the_form_spells_out_comes_first(self):
        realized = [("realise", "VRBFp"), ("realise", "PAPF"), ("realize", "VRBFp"),
                    ("realize", "PAPF")]
        self.assertEqual([("realize", "VRBFp"), ("realize", "PAPF"), ("realise", "VRBFp"),
                          ("realise", "PAPF")], english.own_spelling_first(realized, "realized"))
        favors = [("favour", "NOMCup"), ("favor", "NOMCup")]
        self.assertEqual(favors[::-1], english.own_spelling_first(favors, "favors"))
        # both spelt out, or other words: the order stands
        masses = [("mass", "NOMCup"), ("masse", "NOMCup")]
        self.assertEqual(masses, english.own_spelling_first(masses, "masses"))
        lay = [("lie", "VRBFp"), ("lay", "VRBFo")]
        self.assertEqual(lay, english.own_spelling_first(lay, "lay"))
        leaves = [("leaf", "NOMCup"), ("leave", "NOMCup")]
        self.assertEqual(leaves, english.own_spelling_first(leaves, "leaves"))


if __name__ == "__main__":
    unittest.main()
