"""Greek pairing by inflection class."""
import unittest

from lexdata import greek as G


def paired(forms, heads):
    return {(f, l, t) for f, l, t, _ in G.pair(forms, heads)}


class GreekSpelling(unittest.TestCase):
    def test_plain_and_stress(self):
        self.assertEqual("ανθρωπου", G.plain("ανθρώπου"))
        self.assertEqual("χωρασ", G.plain("Χώρας"))
        self.assertEqual(0, G.stress("άνθρωπος"))
        self.assertEqual(4, G.stress("ανθρώπου"))
        self.assertEqual(3, G.stress("καλός"))
        self.assertIsNone(G.stress("και"))

    def test_augment_in_front_and_after_a_prefix(self):
        self.assertIn("εγραψ", G.augmented("γραψ"))
        self.assertIn("υπεγραψ", G.augmented("υπογραψ"))
        self.assertIn("ανεφερ", G.augmented("αναφερ"))
        self.assertEqual([], G.augmented("αγορασ"))   # starts with a vowel, no prefix


class GreekNominals(unittest.TestCase):
    def test_noun_classes_with_stress_shift(self):
        forms = ["άνθρωπος", "ανθρώπου", "άνθρωπο", "άνθρωποι", "ανθρώπων", "ανθρώπους",
                 "χώρα", "χώρας", "χώρες", "χωρών", "όνομα", "ονόματος", "ονόματα",
                 "ονομάτων", "σπίτι", "σπιτιού", "σπίτια"]
        heads = {"άνθρωπος": {"n"}, "χώρα": {"n"}, "όνομα": {"n"}, "σπίτι": {"n"}}
        got = paired(forms, heads)
        for reading in [("ανθρώπου", "άνθρωπος", "NOMCms"),
                        ("ανθρώπους", "άνθρωπος", "NOMCmp"),
                        ("χωρών", "χώρα", "NOMCfp"), ("χώρας", "χώρα", "NOMCfs"),
                        ("ονόματος", "όνομα", "NOMCus"), ("ονομάτων", "όνομα", "NOMCup"),
                        ("σπιτιού", "σπίτι", "NOMCus"), ("σπίτια", "σπίτι", "NOMCup")]:
            self.assertIn(reading, got)
        self.assertTrue(all(f in forms and l in heads for f, l, _ in got))

    def test_stress_keeps_look_alikes_apart(self):
        # καλή is not a form of the noun κάλος (its stress would move left
        # of nothing, onto a syllable the noun never stresses)
        forms = ["κάλος", "κάλου", "καλός", "καλή", "καλό", "καλοί"]
        got = paired(forms, {"κάλος": {"n"}, "καλός": {"adj"}})
        self.assertIn(("καλή", "καλός", "ADJEp"), got)
        self.assertIn(("κάλου", "κάλος", "NOMCms"), got)
        self.assertNotIn(("καλή", "κάλος", "NOMCfs"), got)
        self.assertNotIn(("καλό", "κάλος", "NOMCms"), got)

    def test_best_attested_class_wins(self):
        # neuter -ος (δάσος, δάσους, δάση) against masculine -ος
        forms = ["δάσος", "δάσους", "δάση", "δασών", "δρόμος", "δρόμου", "δρόμοι"]
        got = paired(forms, {"δάσος": {"n"}, "δρόμος": {"n"}})
        self.assertIn(("δάσους", "δάσος", "NOMCus"), got)
        self.assertIn(("δάση", "δάσος", "NOMCup"), got)
        self.assertNotIn(("δάσους", "δάσος", "NOMCmp"), got)
        self.assertIn(("δρόμοι", "δρόμος", "NOMCmp"), got)

    def test_adjective_with_comparison_and_headword_without_part_of_speech(self):
        forms = ["νέος", "νέα", "νέο", "νέες", "νεότερος", "νεότερη", "νεότατο",
                 "πρώτος", "πρώτη", "πρώτο"]
        got = paired(forms, {"νέος": {"adj"}, "πρώτος": {""}})
        self.assertIn(("νέα", "νέος", "ADJEp"), got)
        self.assertIn(("νεότερη", "νέος", "ADJEc"), got)
        self.assertIn(("νεότατο", "νέος", "ADJEs"), got)
        self.assertIn(("πρώτη", "πρώτος", "ADJEp"), got)


class GreekVerbs(unittest.TestCase):
    def test_barytone_verb_with_aorist_passive_and_participle(self):
        forms = ["γράφω", "γράφεις", "γράφει", "γράφουμε", "έγραφα", "έγραφε", "έγραψα",
                 "έγραψε", "γράψει", "γράψουμε", "γράφτηκε", "γραφτεί", "γραμμένος",
                 "γραμμένη", "υπογράφω", "υπέγραψε", "υπέγραψαν", "υπεγράφη"]
        got = paired(forms, {"γράφω": {"v"}, "υπογράφω": {"v"}})
        for reading in [("γράφεις", "γράφω", "VRBFs2"), ("έγραφα", "γράφω", "VRBFs1"),
                        ("έγραψε", "γράφω", "VRBFs3"), ("γράψουμε", "γράφω", "VRBFp1"),
                        ("γράφτηκε", "γράφω", "VRBFs3"), ("γραφτεί", "γράφω", "VRBFs3"),
                        ("γραμμένη", "γράφω", "PAPF"), ("υπέγραψε", "υπογράφω", "VRBFs3"),
                        ("υπεγράφη", "υπογράφω", "VRBFs3")]:
            self.assertIn(reading, got)

    def test_contracted_verb_aorist_in_eta(self):
        forms = ["αγαπώ", "αγαπάς", "αγαπάει", "αγαπούσε", "αγάπησα", "αγάπησε",
                 "αγαπήσει", "αγαπήθηκε", "αγαπημένος", "χώρα"]
        got = paired(forms, {"αγαπώ": {"v"}, "χωρώ": {"v"}})
        for reading in [("αγαπάς", "αγαπώ", "VRBFs2"), ("αγαπούσε", "αγαπώ", "VRBFs3"),
                        ("αγάπησε", "αγαπώ", "VRBFs3"), ("αγαπήθηκε", "αγαπώ", "VRBFs3"),
                        ("αγαπημένος", "αγαπώ", "PAPF")]:
            self.assertIn(reading, got)
        # the present of a verb stressed on its ending is stressed there too
        self.assertFalse([r for r in got if r[0] == "χώρα"])


if __name__ == "__main__":
    unittest.main()
