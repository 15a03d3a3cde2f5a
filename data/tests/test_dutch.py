import unittest

from lexdata import dutch


class DutchVerbStems(unittest.TestCase):
    # rows as the expansion of nl gives them: a stem's entry and its
    # infinitive's entry, each with its affixes' morph fields
    ROWS = [
        ("blesseer", "blesseer", ""), ("blesseerde", "blesseer", "ts:VBh1"),
        ("blesseren", "blesseren", ""), ("blesserend", "blesseren", "ts:PPn"),
        ("handhaafden", "handhaaf", "ts:VBh"), ("handhavend", "handhaven", "ts:PPn"),
        ("legt", "leg", "ts:VB3"), ("leggend", "leggen", "ts:PPn"),
        ("legend", "legen", "ts:PPn"), ("legen", "legen", ""),
        ("kiest", "kies", "ts:VB3"), ("kiezend", "kiezen", "ts:PPn"),
        ("crashte", "crash", "ts:VBh1"), ("crashend", "crashen", "ts:PPn"),
        ("lande", "land", "ts:VBh1"), ("landen", "land", "ts:NN2"),
    ]

    def test_present_and_past_forms_take_the_listed_infinitive(self):
        got = {(f, m): l for f, l, m in dutch.verb_lemmas(self.ROWS)}
        self.assertEqual(got[("blesseerde", "ts:VBh1")], "blesseren")   # long vowel written single
        self.assertEqual(got[("handhaafden", "ts:VBh")], "handhaven")   # and f voiced
        self.assertEqual(got[("legt", "ts:VB3")], "leggen")   # doubled, not legen (of leeg)
        self.assertEqual(got[("kiest", "ts:VB3")], "kiezen")
        self.assertEqual(got[("crashte", "ts:VBh1")], "crashen")

    def test_other_rows_are_left_alone(self):
        got = {(f, m): l for f, l, m in dutch.verb_lemmas(self.ROWS)}
        self.assertEqual(got[("blesseer", "")], "blesseer")   # no tag tells it is the verb
        self.assertEqual(got[("landen", "ts:NN2")], "land")   # a noun's plural
        self.assertEqual(got[("lande", "ts:VBh1")], "land")   # no infinitive listed


if __name__ == "__main__":
    unittest.main()
