import unittest

from lexdata.sources.german_determiners import rows_of_output


class Output(unittest.TestCase):
    def test_rows_with_their_tokens(self):
        text = ("dem\tder\tDET DEFINITE M S\n"
                "meinen\tmein\tDET POSSESSIVE M P\n"
                "\n")
        self.assertEqual([("dem", "der", ["DET", "DEFINITE", "M", "S"]),
                          ("meinen", "mein", ["DET", "POSSESSIVE", "M", "P"])],
                         rows_of_output(text))


if __name__ == "__main__":
    unittest.main()
