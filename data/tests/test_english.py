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


if __name__ == "__main__":
    unittest.main()
