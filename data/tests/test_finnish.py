"""The Finnish step: voikko's rows made readings."""
import unittest

from lexdata import finnish
from lexdata.tagmap import TagMap


class Conventions(unittest.TestCase):
    def test_conventions_on_voikko_rows(self):
        rows = [("ollut", "ollut", "laatusana NUMBER=singular PARTICIPLE=past_active VERB=olla"),
                ("nopeasti", "nopea", "laatusana SIJAMUOTO=kerrontosti"),
                ("talossa", "talo", "nimisana NUMBER=singular SIJAMUOTO=sisaolento")]
        got = list(finnish.with_conventions(rows))
        self.assertEqual([
            ("ollut", "olla", ["laatusana", "NUMBER=singular", "PARTICIPLE=past_active",
                               "VERB=olla"]),
            ("ollut", "ollut", ["laatusana", "NUMBER=singular"]),
            ("nopeasti", "nopeasti", ["seikkasana"]),
            ("talossa", "talo", ["nimisana", "NUMBER=singular", "SIJAMUOTO=sisaolento"]),
        ], got)
        vm = TagMap.load("voikko")
        self.assertEqual("PAPF", vm.map(got[0][2], "fi"))
        self.assertEqual("ADJEp", vm.map(got[1][2], "fi"))
        self.assertEqual("ADVB", vm.map(got[2][2], "fi"))

    def test_action_nouns_read_first_as_the_noun(self):
        rows = [("muuttamisesta", "muuttaa",
                 "teonsana NUMBER=singular SIJAMUOTO=sisaeronto MOOD=MINEN-infinitive"),
                ("Tekemisensä", "tehdä",
                 "teonsana NUMBER=singular SIJAMUOTO=omanto MOOD=MINEN-infinitive"),
                # no -minen ending to read the noun from: the verb only
                ("tekeminenkin", "tehdä",
                 "teonsana NUMBER=singular SIJAMUOTO=nimento MOOD=MINEN-infinitive"),
                # "mis" in a form that is no action noun
                ("kamiseen", "kaminen", "nimisana NUMBER=singular SIJAMUOTO=sisatulento")]
        got = list(finnish.with_conventions(rows))
        self.assertEqual([("muuttamisesta", "muuttaminen"), ("muuttamisesta", "muuttaa"),
                          ("Tekemisensä", "tekeminen"), ("Tekemisensä", "tehdä"),
                          ("tekeminenkin", "tehdä"), ("kamiseen", "kaminen")],
                         [(f, l) for f, l, _ in got])
        self.assertEqual(["nimisana", "NUMBER=singular", "SIJAMUOTO=sisaeronto"], got[0][2])
        vm = TagMap.load("voikko")
        self.assertTrue(vm.map(got[0][2], "fi").startswith("NOMC"))
        self.assertEqual("muuttaminen", finnish.action_noun("muuttamiset"))
        self.assertIsNone(finnish.action_noun("talossa"))

    def test_lemmas_weighed_by_the_forms_text_attests(self):
        rows = [("vuotta", "vuo", ["nimisana"]), ("vuotta", "vuosi", ["nimisana"]),
                ("vuoden", "vuosi", ["nimisana"]), ("Vuonna", "vuosi", ["nimisana"]),
                ("vuon", "vuo", ["nimisana"])]
        got = finnish.weighed(rows, ["vuotta", "vuoden", "vuonna", "talo"])
        # vuosi: three attested forms (case aside), vuo: one
        self.assertEqual([1, 3, 3, 3, 1], [score for *_, score in got])
        self.assertEqual([r[:3] for r in rows], [r[:3] for r in got])

    def test_own_lemma_headwords_by_part_of_speech(self):
        heads = {"kanssa": {"postposition"}, "koska": {"conjunction", "adv"},
                 "talo": {"n"}, "hyvin": {"adv"}, "ei kukaan": {"pronoun"},
                 "tässä": {"adv"}}
        got = list(finnish.own_lemma_headwords(heads, {"tässä"}))
        self.assertEqual([("hyvin", "hyvin", ["seikkasana"]),
                          ("kanssa", "kanssa", ["suhdesana"]),
                          ("koska", "koska", ["seikkasana"]),
                          ("koska", "koska", ["sidesana"])], got)


if __name__ == "__main__":
    unittest.main()
