import unittest

from lexdata import greek


class Greek(unittest.TestCase):
    def test_pairing_by_inflection_class(self):
        forms = ["άνθρωπος", "ανθρώπου", "άνθρωποι", "γράφω", "γράφεις",
                 "γράφουμε", "χώρας", "χώρα", "βιβλίου", "ξένου"]
        lemmas = ["άνθρωπος", "γράφω", "χώρα", "βιβλίο"]
        got = {(f, l, t) for f, l, t, _ in greek.pair(forms, lemmas)}
        self.assertIn(("ανθρώπου", "άνθρωπος", "NOMCs"), got)   # stress moved
        self.assertIn(("άνθρωποι", "άνθρωπος", "NOMCp"), got)
        self.assertIn(("γράφεις", "γράφω", "VRBFs2"), got)
        self.assertIn(("γράφουμε", "γράφω", "VRBFp1"), got)
        self.assertIn(("χώρας", "χώρα", "NOMCfs"), got)
        self.assertIn(("βιβλίου", "βιβλίο", "NOMCus"), got)
        self.assertIn(("χώρα", "χώρα", "ANYC"), got)
        # a form whose lemma is no headword gets nothing
        self.assertFalse([r for r in got if r[0] == "ξένου"])
        # every reading pairs a listed form with a listed lemma
        self.assertTrue(all(f in forms and l in lemmas for f, l, _ in got))


if __name__ == "__main__":
    unittest.main()
