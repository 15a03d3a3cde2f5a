"""Reading order: tag scores learnt from gold lemmas, and lexicon reordering."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import reading_order  # noqa: E402


class ReadingOrderTest(unittest.TestCase):
    def test_lemmas_move_by_their_best_tag_and_keep_their_own_order(self):
        readings = [("comer", "VRBFs1"), ("comer", "VRBFs3"), ("como", "CONJ")]
        scores = {"CONJ": 0.9, "VRBFs1": 0.2, "VRBFs3": 0.4}
        self.assertEqual(reading_order.order(readings, scores),
                         [("como", "CONJ"), ("comer", "VRBFs1"), ("comer", "VRBFs3")])
        # One lemma, or equal scores: nothing moves.
        self.assertEqual(reading_order.order(readings[:2], scores), readings[:2])
        self.assertEqual(reading_order.order(readings, {}), readings)

    def test_scores_count_only_ambiguous_forms_with_a_known_gold_lemma(self):
        lexicon = {"como": [("comer", "VRBFs1"), ("como", "CONJ")],
                   "casa": [("casa", "NOMCfs")],
                   "nada": [("nadar", "VRBFs3"), ("nada", "PNDA")]}
        rows = [("como", "como", "s1"), ("Como", "como", "s1"), ("casa", "casa", "s2"),
                ("nada", "nadar", "s3"), ("como", "cómo", "s4")]
        scores = reading_order.learn_scores(lexicon, rows)
        self.assertAlmostEqual(scores["CONJ"], (2 + 1) / (2 + 2))
        self.assertAlmostEqual(scores["VRBFs1"], (0 + 1) / (2 + 2))
        self.assertAlmostEqual(scores["VRBFs3"], (1 + 1) / (1 + 2))
        self.assertNotIn("NOMCfs", scores)  # unambiguous forms teach nothing

    def test_reordering_a_lexicon_file_is_stable(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "es.tsv")
            with open(path, "w", encoding="utf-8") as f:
                f.write("como\tcomer\tVRBFs1\ncomo\tcomo\tCONJ\ncasa\tcasa\tNOMCfs\n")
            scores = {"CONJ": 0.9, "VRBFs1": 0.1}
            self.assertEqual(reading_order.reorder_lexicon(path, scores), 1)
            with open(path, encoding="utf-8") as f:
                once = f.read()
            self.assertEqual(once, "como\tcomo\tCONJ\ncomo\tcomer\tVRBFs1\ncasa\tcasa\tNOMCfs\n")
            self.assertEqual(reading_order.reorder_lexicon(path, scores), 0)
            table = os.path.join(tmp, "scores.tsv")
            reading_order.write_scores(table, scores, "test")
            self.assertEqual(reading_order.read_scores(table), {"CONJ": 0.9, "VRBFs1": 0.1})


if __name__ == "__main__":
    unittest.main()
