import unittest

from lexdata import dutch
from lexdata.merge import Layer


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


class DutchNouns(unittest.TestCase):
    def test_a_root_with_a_plural_is_a_noun(self):
        rows = [("finale", "finale", ""), ("finales", "finale", "ts:NN2"),
                ("finaal", "finaal", ""), ("finale", "finaal", "ts:AJe"),
                ("start", "start", ""), ("starten", "start", "ts:NN2"),
                ("haper", "haper", ""), ("haperde", "haper", "ts:VBh1")]
        self.assertEqual(dutch.noun_roots(rows),
                         [("finale", "finale", "NOMCus", 0), ("start", "start", "NOMCus", 0)])


class DutchProperAdjectives(unittest.TestCase):
    def test_an_adjective_of_a_name_keeps_its_capital(self):
        first = Layer("apertium", [("Libanese", "libanees", "ADJEp", 0),
                                   ("Beierse", "beiers", "ADJEp", 0),
                                   ("Groene", "groen", "ADJEp", 0),
                                   ("Groene", "groen", "NOMP", 0),
                                   ("AMSTERDAMSE", "amsterdams", "ADJEp", 0)])
        second = Layer("frog", [("Beierse", "beierse", "ANYC", 0), ("groene", "groen", "ADJEp", 0)])
        dutch.proper_adjectives([first, second])
        self.assertEqual(["Libanees", "Beiers", "groen", "groen", "amsterdams"],
                         [l for _, l, _, _ in first.readings])
        # untagged readings are left alone
        self.assertEqual(["beierse", "groen"], [l for _, l, _, _ in second.readings])


class DutchOrderByTaggedText(unittest.TestCase):
    COUNTS = {"landen": {"N": 2259, "WW": 42},
              "Landen": {"WW": 5000},
              "finale": {"ADJ": 20, "N": 464},
              "meer": {"VNW": 25594, "N": 116, "BW": 5, "ADJ": 1},
              "werk": {"N": 900, "WW": 100}}

    def order(self, readings, form):
        return dutch.by_tagged_text(readings, form, self.COUNTS)

    def test_the_class_text_shows_most_comes_first(self):
        finale = [("finaal", "ADJEp"), ("finale", "NOMCus")]
        self.assertEqual(self.order(finale, "finale"), finale[::-1])
        # a lemma's readings stay together and in their order; the start of
        # a sentence counts too (Landen), here outweighing the noun
        landen = [("land", "NOMCup"), ("landen", "VRBFp"), ("landen", "INFF")]
        self.assertEqual(self.order(landen, "landen"),
                         [("landen", "VRBFp"), ("landen", "INFF"), ("land", "NOMCup")])

    def test_order_kept_where_the_text_says_nothing_of_it(self):
        meer = [("meer", "NOMCus"), ("veel", "ADJEc")]   # mostly a quantifier
        self.assertEqual(self.order(meer, "meer"), meer)
        unseen = [("b", "VRBFs1"), ("a", "NOMCus")]
        self.assertEqual(self.order(unseen, "onbekend"), unseen)
        closed = [("werken", "VRBFs1"), ("werk", "PREP")]   # not a content word
        self.assertEqual(self.order(closed, "werk"), closed)


if __name__ == "__main__":
    unittest.main()
