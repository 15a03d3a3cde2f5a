import unittest

from lexdata.sources.ding import headwords


class DingHeadwords(unittest.TestCase):
    def words(self, *lines):
        return [(w, pos[0]) for w, lemma, pos in headwords(lines) if w == lemma]

    def test_marks_apply_to_the_alternatives_before_them(self):
        self.assertEqual(
            [("aber", "conj"), ("doch", "conj"), ("dennoch", "conj")],
            self.words("aber; doch; dennoch {conj} | aber trotz alledem :: but"))

    def test_marks_with_semicolons_stay_whole(self):
        self.assertEqual(
            [("seit", "prp"), ("mittels", "prp"), ("vermittels", "prp"), ("durch", "prp")],
            self.words("seit {prp; +Dat.} (zeitlich) | seit gestern :: since",
                       "mit Hilfe {+Gen.}; mittels; vermittels [geh.]; durch {prp} :: by"))

    def test_every_entry_of_a_line_and_placeholders_dropped(self):
        self.assertEqual(
            [("wegen", "prp")],
            self.words("Grund {m} | wegen jdn./etw. {prp; +Gen.} | aus Gründen :: reason"))

    def test_inflecting_phrases_and_upper_case_left_out(self):
        self.assertEqual([], self.words(
            "Kind {n} :: child",                       # a noun inflects
            "Sie {pron} (Ihrer; Ihnen) :: you",         # upper case
            "schnell laufen {vi} :: to run fast",       # a verb phrase
            "für den Fall, dass …; {conj} :: in case",  # several words
            "bald {adj} :: soon",                       # a part of speech that inflects
            "no separator at all"))

    def test_declined_pronouns_are_not_lemmas(self):
        self.assertEqual([("nichts", "pron"), ("mich", "ppron"), ("ohne", "prp")], self.words(
            "keine; nichts {pron} :: none", "meiner; mich {ppron} :: me",
            "die {art} :: the", "ohne {prp} :: without"))

    def test_each_word_and_mark_once(self):
        self.assertEqual([("etwas", "pron"), ("etwas", "adv")], self.words(
            "etwas {pron} :: something", "etwas {pron} | etwas anderes :: else",
            "etwas {adv} :: somewhat"))


if __name__ == "__main__":
    unittest.main()
