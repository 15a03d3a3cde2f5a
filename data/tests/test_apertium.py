import unittest

from lexdata import apertium

# A dump in lt-print's layout: a punctuation section with a loop, the
# lexicon section, and a section of the regular-expression kind.
DUMP = "\n".join([
    "0\t1\t.\t.\t0.000000\t",
    "1\t1\t.\t.\t0.000000\t",          # a loop: cut
    "1\t2\tε\t<sent>\t0.000000\t",
    "2\t0.000000",
    "--",
    # went -> go<vblex><past>
    "0\t1\tw\tg\t0.000000\t",
    "1\t2\te\to\t0.000000\t",
    "2\t3\tn\tε\t0.000000\t",
    "3\t4\tt\t<vblex>\t0.000000\t",
    "4\t5\tε\t<past>\t0.000000\t",
    "5\t0.000000",
    # took care -> take<vblex><past># care
    "0\t6\tt\tt\t0.000000\t",
    "6\t7\to\ta\t0.000000\t",
    "7\t8\to\tk\t0.000000\t",
    "8\t9\tk\te\t0.000000\t",
    "9\t10\tε\t<vblex>\t0.000000\t",
    "10\t11\tε\t<past>\t0.000000\t",
    "11\t12\t \t#\t0.000000\t",
    "12\t13\tc\t \t0.000000\t",
    "13\t14\ta\tc\t0.000000\t",
    "14\t15\tr\ta\t0.000000\t",
    "15\t16\te\tr\t0.000000\t",
    "16\t17\tε\te\t0.000000\t",
    "17\t0.000000",
    "--",
    "0\t1\t1\t1\t0.000000\t",
    "1\t0\tε\tε\t0.000000\t",
    "1\t2\tε\t<num>\t0.000000\t",
    "2\t0.000000",
    "",
])


class Expansion(unittest.TestCase):
    def test_paths_of_every_section_with_loops_cut(self):
        pairs = sorted(apertium.expand_att(DUMP))
        self.assertIn(("went", "go<vblex><past>"), pairs)
        self.assertIn(("took care", "take<vblex><past># care"), pairs)
        self.assertIn((".", ".<sent>"), pairs)
        self.assertIn(("1", "1<num>"), pairs)
        # no path runs through a loop twice
        self.assertNotIn(("..", "..<sent>"), pairs)
        self.assertNotIn(("11", "11<num>"), pairs)
        self.assertEqual(4, len(pairs))

    def test_oversized_section_is_skipped(self):
        old = apertium.MAX_PATHS
        apertium.MAX_PATHS = 1
        try:
            pairs = list(apertium.expand_att(DUMP))
        finally:
            apertium.MAX_PATHS = old
        self.assertNotIn(("went", "go<vblex><past>"), pairs)

    def test_paths_through_unwanted_input_are_not_walked(self):
        no_digits = lambda symbol: not symbol.isdigit()
        pairs = sorted(apertium.expand_att(DUMP, keep_input=no_digits))
        self.assertNotIn(("1", "1<num>"), pairs)
        self.assertEqual(3, len(pairs))
        # sections are skipped by their path count before any is left out
        old = apertium.MAX_PATHS
        apertium.MAX_PATHS = 1
        try:
            pairs = list(apertium.expand_att(DUMP, keep_input=lambda symbol: symbol != "w"))
        finally:
            apertium.MAX_PATHS = old
        self.assertNotIn(("took care", "take<vblex><past># care"), pairs)

    def test_paths_with_two_joins_are_not_walked(self):
        dump = "\n".join([
            "0\t1\td\td\t0.000000\t",
            "1\t2\ta\te\t0.000000\t",
            "2\t3\tl\t<pr>\t0.000000\t",
            "3\t4\tε\t+\t0.000000\t",
            "4\t5\tε\tel\t0.000000\t",
            "5\t6\tε\t<det>\t0.000000\t",
            "6\t0.000000",
            "6\t7\to\t+\t0.000000\t",
            "7\t8\tε\tlo\t0.000000\t",
            "8\t0.000000", ""])
        self.assertEqual([("dal", "de<pr>+el<det>"), ("dalo", "de<pr>+el<det>+lo")],
                         list(apertium.expand_att(dump)))
        self.assertEqual([("dal", "de<pr>+el<det>")],
                         list(apertium.expand_att(dump, max_joins=1)))

    def test_analysis_split(self):
        self.assertEqual(("take care", ["vblex", "past"]),
                         apertium.split_analysis("take<vblex><past># care"))
        self.assertEqual(("de", ["pr"]),
                         apertium.split_analysis("de<pr>+el<det><def><m><sg>"))
        self.assertEqual(("+", ["sym"]), apertium.split_analysis("+<sym>"))
        self.assertIsNone(apertium.split_analysis("<sent>"))


if __name__ == "__main__":
    unittest.main()
