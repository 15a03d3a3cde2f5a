import unittest

from lexdata.sources import apertium_words


class ApertiumWords(unittest.TestCase):
    def test_lt_proc_units(self):
        text = ("^куќа/куќа<n><f><sg><nom><ind>$ ^./.<sent>$\n"
                "^Расправи/Расправа<n><f><pl><nom><ind>/Расправи<vblex><perf><pres><p3><sg>$"
                " ^xyz/*xyz$\n")
        got = list(apertium_words.parse_lt_proc(text))
        self.assertEqual([("куќа", "куќа<n><f><sg><nom><ind>"), (".", ".<sent>"),
                          ("Расправи", "Расправа<n><f><pl><nom><ind>"),
                          ("Расправи", "Расправи<vblex><perf><pres><p3><sg>")], got)

    def test_comparison_prefix_read_as_degree(self):
        self.assertEqual(("ситен", ["adj", "sup", "m", "sg", "nom", "def"]),
                         apertium_words._keep(
                             "најситниот", "adj<pref><sup>+ситен<adj><m><sg><nom><def>"))
        self.assertEqual(("куќа", ["n", "f", "sg", "nom", "ind"]),
                         apertium_words._keep("куќа", "куќа<n><f><sg><nom><ind>"))
        self.assertIsNone(apertium_words._keep("по", "adj<pref><comp>"))


if __name__ == "__main__":
    unittest.main()
