"""Reading order: pair scores learnt from gold lemmas, and lexicon reordering."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import reading_order  # noqa: E402


class ReadingOrderTest(unittest.TestCase):
    def test_lemmas_move_by_their_chances_and_keep_their_own_order(self):
        readings = [("comer", "VRBFs1"), ("comer", "VRBFs3"), ("como", "CONJ")]
        # "como" is the form itself: its kind is CONJ=.
        scores = {("CONJ=", "VRBFs1"): 0.8, ("VRBFs1", "CONJ="): 0.2}
        self.assertEqual(reading_order.order(readings, scores, "como"),
                         [("como", "CONJ"), ("comer", "VRBFs1"), ("comer", "VRBFs3")])
        # The same tags as another form's lemma are another pair: nothing moves.
        self.assertEqual(reading_order.order(readings, scores, "comes"), readings)
        # One lemma, or no scores: nothing moves.
        self.assertEqual(reading_order.order(readings[:2], scores, "como"), readings[:2])
        self.assertEqual(reading_order.order(readings, {}, "como"), readings)

    def test_three_lemmas_rank_by_the_sum_of_their_chances(self):
        readings = [("a", "X"), ("b", "Y"), ("c", "Z")]
        scores = {("X", "Y"): 0.3, ("Y", "X"): 0.7, ("X", "Z"): 0.6, ("Z", "X"): 0.4,
                  ("Y", "Z"): 0.1, ("Z", "Y"): 0.9}
        # sums: a 0.9, b 0.8, c 1.3
        self.assertEqual([lemma for lemma, _ in reading_order.order(readings, scores, "w")],
                         ["c", "a", "b"])

    def test_scores_count_only_ambiguous_forms_with_a_known_gold_lemma(self):
        lexicon = {"como": [("comer", "VRBFs1"), ("como", "CONJ")],
                   "casa": [("casa", "NOMCfs")],
                   "nada": [("nadar", "VRBFs3"), ("nada", "PNDA")]}
        rows = [("como", "como", "s1"), ("Como", "como", "s1"), ("casa", "casa", "s2"),
                ("nada", "nadar", "s3"), ("como", "cómo", "s4")]
        scores = reading_order.learn_scores(lexicon, rows)
        self.assertAlmostEqual(scores[("CONJ=", "VRBFs1")], (2 + 1) / (2 + 2))
        self.assertAlmostEqual(scores[("VRBFs1", "CONJ=")], (0 + 1) / (2 + 2))
        self.assertAlmostEqual(scores[("VRBFs3", "PNDA=")], (1 + 1) / (1 + 2))
        self.assertEqual(4, len(scores))  # unambiguous forms teach nothing

    def test_learning_reports_held_out_accuracy(self):
        lexicon = {"como": [("comer", "VRBFs1"), ("como", "CONJ")]}
        rows = [("como", "como", "s%d" % i) for i in range(10)]
        scores, before, after = reading_order.learn(lexicon, rows)
        self.assertEqual((0.0, 100.0), (before, after))
        self.assertGreater(scores[("CONJ=", "VRBFs1")], 0.5)

    def test_lemmas_of_one_kind_are_told_apart_by_their_endings(self):
        lexicon = {"centralnom": [("centralni", "ADJEp"), ("centralan", "ADJEp")],
                   "posebnim": [("posebni", "ADJEp"), ("poseban", "ADJEp")],
                   "kuće": [("kuća", "NOMCfs"), ("kuće", "NOMCfp")]}
        rows = [("centralnom", "centralan", "s%d" % i) for i in range(4)]
        rows += [("posebnim", "poseban", "t%d" % i) for i in range(4)]
        scores, before, after = reading_order.learn(lexicon, rows)
        self.assertEqual((0.0, 100.0), (before, after))
        self.assertGreater(scores[("ADJEp:an", "ADJEp:ni")], 0.5)
        # The finer kinds only break ties: a pair of kinds still decides.
        readings = [("centralan", "ADJEp"), ("kuća", "NOMCfs")]
        mixed = {("NOMCfs", "ADJEp"): 0.6, ("ADJEp:an", "NOMCfs:ća"): 0.99}
        self.assertEqual(reading_order.order(readings, mixed, "x")[0], ("kuća", "NOMCfs"))
        self.assertEqual(reading_order.order(lexicon["centralnom"], scores, "centralnom")[0],
                         ("centralan", "ADJEp"))
        # Where the finer kinds gain nothing, the table has none of them.
        rows = [("centralnom", "centralni", "s%d" % i) for i in range(4)]
        scores, before, after = reading_order.learn(lexicon, rows)
        self.assertEqual((100.0, 100.0), (before, after))
        self.assertFalse([pair for pair in scores if reading_order.is_fine(pair)])

    def test_reordering_a_lexicon_file_is_stable(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "es.tsv")
            with open(path, "w", encoding="utf-8") as f:
                f.write("como\tcomer\tVRBFs1\ncomo\tcomo\tCONJ\ncasa\tcasa\tNOMCfs\n")
            scores = {("CONJ=", "VRBFs1"): 0.9, ("VRBFs1", "CONJ="): 0.1}
            self.assertEqual(reading_order.reorder_lexicon(path, scores), 1)
            with open(path, encoding="utf-8") as f:
                once = f.read()
            self.assertEqual(once, "como\tcomo\tCONJ\ncomo\tcomer\tVRBFs1\ncasa\tcasa\tNOMCfs\n")
            self.assertEqual(reading_order.reorder_lexicon(path, scores), 0)
            table = os.path.join(tmp, "scores.tsv")
            reading_order.write_scores(table, scores, "test")
            self.assertEqual(reading_order.read_scores(table), scores)


if __name__ == "__main__":
    unittest.main()
