import unittest

from lexdata.sources.opencorpora import tokens


class Tags(unittest.TestCase):
    def test_grammemes_of_stem_and_form_in_one_list(self):
        self.assertEqual(["NOUN", "anim", "masc", "plur", "gent"],
                         tokens("NOUN,anim,masc plur,gent"))
        self.assertEqual(["ADJF", "Abbr", "Anum", "masc", "sing", "nomn"],
                         tokens("ADJF,Abbr,Anum masc,sing,nomn"))
        self.assertEqual(["CONJ"], tokens("CONJ"))


if __name__ == "__main__":
    unittest.main()
