import unittest

from lexdata.sources import voikko_analyse


class Analyses(unittest.TestCase):
    def test_features_in_a_fixed_order_each_line_once(self):
        analyses = [
            {"BASEFORM": "talo", "CLASS": "nimisana", "SIJAMUOTO": "sisaolento",
             "NUMBER": "singular", "STRUCTURE": "=pppp"},
            {"BASEFORM": "talo", "CLASS": "nimisana", "NUMBER": "singular",
             "SIJAMUOTO": "sisaolento"},           # the same line again
            {"CLASS": "nimisana"},                 # no base form
            {"BASEFORM": "talota"},                # no class
        ]
        self.assertEqual(["talossa\ttalo\tnimisana NUMBER=singular SIJAMUOTO=sisaolento\n",
                          "talossa\ttalota\t?\n"],
                         voikko_analyse.rows("talossa", analyses))


if __name__ == "__main__":
    unittest.main()
