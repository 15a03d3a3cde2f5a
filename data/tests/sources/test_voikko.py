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


    def test_verb_of_the_word_bases(self):
        self.assertEqual("olla", voikko_analyse.participle_verb("+ol(olla)+l+ut(+ut)"))
        self.assertEqual("tehdä", voikko_analyse.participle_verb("+teke(tehdä)+mä(+ä)+tön(+tön)"))
        self.assertEqual("allekirjoittaa",
                         voikko_analyse.participle_verb("+allekirjoite(alle=kirjoittaa)+t+tu(+tu)"))
        # compound parts before the verb are kept as written
        self.assertEqual("maahantuoda",
                         voikko_analyse.participle_verb("+maahan(maa)+tuo(tuoda)+tu(+tu)"))
        self.assertIsNone(voikko_analyse.participle_verb("+talo(talo)"))
        self.assertIsNone(voikko_analyse.participle_verb(""))


if __name__ == "__main__":
    unittest.main()
