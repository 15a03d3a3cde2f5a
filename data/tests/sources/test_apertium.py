import unittest

from lexdata.sources.apertium import (keep, may_be_in_plain_word, plain_word, rows_of_dump,
                                     strip_homograph_number)

# An lt-print dump (AT&T text) with a number pattern, a word with two
# analyses, a repeated path and an analysis with two clitics.
DUMP = "\n".join([
    "0\t1\t1\t1\t0.000000\t",
    "1\t2\tε\t<num>\t0.000000\t",
    "2\t0.000000",
    "--",
    # casas -> casa<n><f><pl> and casar<vblex><pri><p2><sg>
    "0\t1\tc\tc\t0.000000\t",
    "1\t2\ta\ta\t0.000000\t",
    "2\t3\ts\ts\t0.000000\t",
    "3\t4\ta\ta\t0.000000\t",
    "4\t5\ts\tε\t0.000000\t",
    "5\t6\tε\t<n>\t0.000000\t",
    "6\t7\tε\t<f>\t0.000000\t",
    "7\t8\tε\t<pl>\t0.000000\t",
    "8\t0.000000",
    "4\t9\ts\tr\t0.000000\t",
    "9\t10\tε\t<vblex>\t0.000000\t",
    "10\t11\tε\t<pri>\t0.000000\t",
    "11\t12\tε\t<p2>\t0.000000\t",
    "12\t13\tε\t<sg>\t0.000000\t",
    "13\t0.000000",
    # the same analysis of casas once more, by another path
    "0\t20\tc\tc\t0.000000\t",
    "20\t21\ta\ta\t0.000000\t",
    "21\t22\ts\ts\t0.000000\t",
    "22\t23\ta\ta\t0.000000\t",
    "23\t24\ts\t<n>\t0.000000\t",
    "24\t25\tε\t<f>\t0.000000\t",
    "25\t26\tε\t<pl>\t0.000000\t",
    "26\t0.000000",
    "",
])


class Filter(unittest.TestCase):
    def test_filter(self):
        self.assertEqual(("dar", ["vblex", "imp", "p2", "sg"]),
                         keep("dame", "dar<vblex><imp><p2><sg>+me<prn><enc>"))
        # two clitics, numbers, prefixes and compound-only parts are left out
        self.assertIsNone(keep(
            "dámelo", "dar<vblex><imp><p2><sg>+me<prn><enc>+lo<prn><enc>"))
        self.assertIsNone(keep("10th", "10th<adj><ord>"))
        self.assertIsNone(keep("a.im@y", "a.im@y<num>"))
        self.assertIsNone(keep("etc.", "etc.<abbr>"))
        self.assertIsNone(keep("ÆZå-olycka", "ÆZå-olycka<n><ut><sg><ind>"))
        self.assertEqual(("NATO-ledd", ["adj"]),
                         keep("NATO-ledd", "NATO-ledd<adj>"))
        self.assertEqual(("col·lecció", ["n", "f", "sg"]),
                         keep("col·lecció", "col·lecció<n><f><sg>"))
        self.assertIsNone(keep("най", "най<pref><sup>"))
        self.assertIsNone(keep("hus", "hus<n><nt><sg><cmp>"))

    def test_homograph_numbers_leave_the_lemma(self):
        self.assertEqual("tur", strip_homograph_number("tur", "tur¹"))
        self.assertEqual("mången", strip_homograph_number("fler", "mången¹"))
        self.assertEqual("vara", strip_homograph_number("är", "vara²³"))
        self.assertEqual("lie", strip_homograph_number("lied", "lie:1"))
        self.assertEqual("medij", strip_homograph_number("medija", "medij:12"))
        # A time or a ratio is not a homograph.
        self.assertEqual("10:30", strip_homograph_number("10:30", "10:30"))
        self.assertEqual("a:1", strip_homograph_number("a:1", "a:1"))
        # The digits of a unit stay: the form has them too; and a lemma
        # of digits only is left as it is.
        self.assertEqual("m²", strip_homograph_number("m²", "m²"))
        self.assertEqual("²", strip_homograph_number("2", "²"))

    def test_symbols_no_plain_word_contains(self):
        for symbol in ("a", "ß", "·", "’", "'", "-", " ", "", "ŀ"):
            self.assertTrue(may_be_in_plain_word(symbol), symbol)
        for symbol in ("1", ".", "_", "@", "<ANY_CHAR>", "a1"):
            self.assertFalse(may_be_in_plain_word(symbol), symbol)
            # a word with it is no plain word wherever it stands
            self.assertFalse(plain_word("ab" + symbol + "c"), symbol)

    def test_rows_of_a_dump(self):
        # numbers left out, each (form, lemma, tags) once, in path order
        self.assertEqual([("casas", "casa", "n f pl"), ("casas", "casar", "vblex pri p2 sg")],
                         rows_of_dump(DUMP))


if __name__ == "__main__":
    unittest.main()
