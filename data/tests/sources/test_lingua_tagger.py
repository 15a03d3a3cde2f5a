import unittest

from lexdata import recipes
from lexdata.sources import lingua_tagger


class LinguaTagger(unittest.TestCase):
    def test_counts_by_word_class(self):
        lines = ['--- #YAML:1.0\n',
                 '"\'s": { vbz: 1489, nnp: 11, pos: 10023 }\n',
                 'meeting: { nn: 230, vbg: 27 }\n',
                 'earlier: { rbr: 420, jjr: 109, rb: 131, jj: 1, nn: 1 }\n']
        got = lingua_tagger.parse_counts(lines)
        self.assertEqual({"N": 230, "V": 27}, got["meeting"])
        self.assertEqual({"V": 1489, "NP": 11, "pos": 10023}, got["'s"])   # quoted key
        self.assertEqual({"R": 551, "J": 110, "N": 1}, got["earlier"])

    def test_english_order(self):
        counts = {"meeting": {"N": 230, "V": 27}, "later": {"R": 220, "J": 23}}
        order = lambda readings, form: recipes.text_order.by_counts(  # noqa: E731
            readings, form, counts, recipes._english_class)
        meeting = [("meet", "VRBFo"), ("meet", "GERF"), ("meeting", "NOMCus")]
        self.assertEqual([("meeting", "NOMCus"), ("meet", "VRBFo"), ("meet", "GERF")],
                         order(meeting, "meeting"))
        # a comparison keeps its order: "later" takes "late" in the texts
        later = [("late", "ADJEc"), ("later", "ADVB")]
        self.assertEqual(later, order(later, "later"))


if __name__ == "__main__":
    unittest.main()
