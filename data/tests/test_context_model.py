import unittest

from lexdata import context_model
from lexdata.sources import lingua_tagger

TAGS = ['--- #YAML:1.0',
        'det: { nn: 0.47, jj: 0.2 }',
        'pp: { det: 0.3, "nn": 0.1 }']
WORDS = ['--- #YAML:1.0',
         '"\'s": { vbz: 1489, pos: 10023 }',
         'meeting: { nn: 230, vbg: 27 }',
         'odd: { nn: x, zz: 4 }']
UNKNOWN = ['"-cap-": { nnp: 900, nn: 48 }']


class ContextModelLines(unittest.TestCase):
    def test_model_lines(self):
        lines = context_model.model_lines(
            lingua_tagger.parse_rows(TAGS), lingua_tagger.parse_rows(WORDS),
            lingua_tagger.parse_rows(UNKNOWN), readings={"nn": "NOMC NABB", "det": "DET"},
            shapes=(("capitalised", "-cap-"),), endings=(("ing", "-ing-"),))
        body = [line for line in lines if not line.startswith("#")]
        # every tag once, in the order the transitions name them, with the
        # readings it fits
        self.assertEqual(["tag\tdet\tDET", "tag\tnn\tNOMC\tNABB", "tag\tjj", "tag\tpp"],
                         [line for line in body if line.startswith("tag")])
        self.assertIn("start\tpp", body)
        self.assertIn("next\tdet\tnn\t0.47", body)
        self.assertIn("next\tpp\tnn\t0.1", body)
        # counts of tags the model does not name, and counts that are not
        # numbers, are left out; so is a word left with none. The classes of
        # unknown words follow the words.
        words = [line for line in body if line.startswith("word")]
        self.assertEqual(["word\tmeeting\tnn\t230", "word\t-cap-\tnn\t48"], words)
        self.assertEqual(["shape\tcapitalised\t-cap-", "ending\ting\t-ing-"], body[-2:])

    def test_quotes_take_the_counts_of_the_tagged_text_spellings(self):
        rows = [("``", [("ppl", "8735")]), ("''", [("ppr", "8506")]), ('"', [("sym", "3")])]
        out = dict(context_model.with_spellings(
            rows, (("\u201c", ("``",)), ('"', ("``", "''")), ("\u2019\u2019", ("none",)))))
        self.assertEqual([("ppl", "8735")], out["\u201c"])
        # a form that has counts of its own keeps them; one whose keys have
        # none gets no row
        self.assertEqual([("sym", "3")], out['"'])
        self.assertNotIn("\u2019\u2019", out)


if __name__ == "__main__":
    unittest.main()
