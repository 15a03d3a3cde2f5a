import unittest

from lexdata.sources.wordnet import exception_rows


class Exceptions(unittest.TestCase):
    def test_every_base_form_of_a_line(self):
        lines = ["mice mouse\n", "axes ax axis\n", "brothers-in-law brother-in-law\n",
                 "fathers_in_law father_in_law\n", "lonely\n", "\n"]
        self.assertEqual([("mice", "mouse", ["noun"]), ("axes", "ax", ["noun"]),
                          ("axes", "axis", ["noun"]),
                          ("brothers-in-law", "brother-in-law", ["noun"]),
                          ("fathers in law", "father in law", ["noun"])],
                         exception_rows(lines, "noun"))


if __name__ == "__main__":
    unittest.main()
