import unittest

from lexdata.sources.lefff import mlex_rows, tokens


class Mlex(unittest.TestCase):
    def test_lines_features_and_clitics(self):
        lines = ["chantaient\tv\tchanter\tI3p\n",
                 "yeux\tnc\toeil\tmp\n",
                 "il\tcln\tcln\t3ms\n",        # a clitic: its category as lemma
                 "et\tcoo\tet\n",             # no features
                 "cela\tcaimp\tçaimp\t3ms\n",  # impersonal: the category, accented
                 "_-ci\tadj\t_-ci\tms\n",     # placeholders are not words
                 "123\tdet\t_NUMBER\n",
                 "broken line\n"]
        self.assertEqual([("chantaient", "chanter", ["v", "I", "3", "p"]),
                          ("yeux", "oeil", ["nc", "m", "p"]),
                          ("il", "il", ["cln", "3", "m", "s"]),
                          ("et", "et", ["coo"]),
                          ("cela", "cela", ["caimp", "3", "m", "s"])], mlex_rows(lines))
        self.assertEqual(["v", "K", "f", "s"], tokens("v", "Kfs"))


if __name__ == "__main__":
    unittest.main()
