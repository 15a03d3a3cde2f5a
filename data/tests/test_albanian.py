import unittest

from lexdata import albanian


class AlbanianWeighing(unittest.TestCase):
    def test_attested_paradigm_first_and_unattested_lemma_dropped(self):
        rows = [("mendjen", "mendje", ""), ("mendja", "mendje", ""), ("mendje", "mendje", ""),
                ("mendjen", "mendjen", ""), ("mendjenë", "mendjen", ""),
                ("edhe", "edhe", ""), ("edhe", "edh", ""), ("edhi", "edh", ""),
                ("rrallës", "rrallë", ""), ("rrallë", "rrallë", ""),
                ("rrallës", "rrall", ""), ("rralli", "rrall", "")]
        text = ["mendja", "mendjen", "mendje", "edhe", "edhi", "rrallë"]
        got = {(f, l): s for f, l, _, s in albanian.weighed(rows, text)}
        self.assertGreater(got[("mendjen", "mendje")], got[("mendjen", "mendjen")])
        # a headword of its own counts once more: edhe against edh, 1 + 1 to 2
        self.assertEqual(got[("edhe", "edhe")], got[("edhe", "edh")])
        # rrallës is in no text; of its lemmas rrall has no attested form,
        # rrallë has: rrall is left out
        self.assertNotIn(("rrallës", "rrall"), got)
        self.assertIn(("rrallës", "rrallë"), got)


if __name__ == "__main__":
    unittest.main()
