import unittest

from lexdata.recipes import english_pronoun_lemma, ordinal_lemmas


class EnglishPronouns(unittest.TestCase):
    def test_subject_form_from_person_number_gender(self):
        cases = [(["prn", "obj", "p1", "mf", "sg"], "I"),
                 (["prn", "obj", "p1", "mf", "pl"], "we"),
                 (["prn", "subj", "p2", "mf", "sp"], "you"),
                 (["prn", "obj", "p3", "m", "sg"], "he"),
                 (["prn", "obj", "p3", "f", "sg"], "she"),
                 (["prn", "subj", "p3", "nt", "sg"], "it"),
                 (["prn", "obj", "p3", "mf", "pl"], "they"),
                 (["prn", "obj", "p3", "mf", "sg"], None)]
        for tags, want in cases:
            with self.subTest(tags=tags):
                self.assertEqual(want, english_pronoun_lemma(tags))


class RussianOrdinals(unittest.TestCase):
    def test_ordinals_take_their_own_nominative(self):
        rows = [("второго", "два", "ADJF,Anum masc,sing,gent"),
                ("второй", "два", "ADJF,Anum masc,sing,nomn"),
                ("2-го", "два", "ADJF,Abbr,Anum masc,sing,gent"),
                ("2-й", "два", "ADJF,Abbr,Anum masc,sing,nomn"),
                ("два", "два", "NUMR masc,nomn"),
                ("десятой", "десять", "ADJF,Anum femn,sing,gent")]
        self.assertEqual(["второй", "второй", "2-й", "2-й", "два", "десять"],
                         [lemma for _, lemma, _ in ordinal_lemmas(rows)])


if __name__ == "__main__":
    unittest.main()
