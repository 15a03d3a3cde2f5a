import unittest

from lexdata.sources.wordnet import exception_rows, index_words


class Exceptions(unittest.TestCase):
    def test_every_base_form_of_a_line(self):
        lines = ["mice mouse\n", "axes ax axis\n", "brothers-in-law brother-in-law\n",
                 "fathers_in_law father_in_law\n", "lonely\n", "\n"]
        self.assertEqual([("mice", "mouse", ["noun"]), ("axes", "ax", ["noun"]),
                          ("axes", "axis", ["noun"]),
                          ("brothers-in-law", "brother-in-law", ["noun"]),
                          ("fathers in law", "father in law", ["noun"])],
                         exception_rows(lines, "noun"))


class IndexWords(unittest.TestCase):
    def test_one_word_lower_case_headwords_without_the_licence(self):
        lines = ["  1 This software and database is being provided to you, the LICENSEE\n",
                 "sharing n 2 3 @ ~ + 2 1 01080366 01082290  \n",
                 "sharing_out n 1 2 @ ~ 1 0 01082290  \n", "ACTH n 1 2 @ ~ 1 0 05407890  \n",
                 "timing n 2 3 @ ~ + 2 1 07132415 05059132  \n", "t-bar n 1 1 @ 1 0 1  \n"]
        self.assertEqual(["sharing", "timing"], index_words(lines))


if __name__ == "__main__":
    unittest.main()
