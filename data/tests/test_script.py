import unittest

from lexdata.script import ekavian_lemma, is_cyrillic_word, serbian_lemma, serbian_to_cyrillic


class Serbian(unittest.TestCase):
    def test_transliteration(self):
        self.assertEqual("љубав", serbian_to_cyrillic("ljubav"))
        self.assertEqual("Његош", serbian_to_cyrillic("Njegoš"))
        self.assertEqual("џеп", serbian_to_cyrillic("džep"))
        self.assertEqual("ђак", serbian_to_cyrillic("ðak"))
        self.assertEqual("ЉУБАВ", serbian_to_cyrillic("LJUBAV"))
        self.assertEqual("ћуприја-мост", serbian_to_cyrillic("ćuprija-most"))
        # letters Serbian does not have: no Cyrillic spelling
        self.assertIsNone(serbian_to_cyrillic("watt"))

    def test_ekavian_lemmas_where_the_word_list_confirms_them(self):
        headwords = {"predsednik", "posle", "hteti", "jedan", "председник", "rešenje",
                     "rešene", "mleko", "mlijeko", "deo", "део"}
        self.assertEqual("predsednik", ekavian_lemma("predsjednik", headwords))
        self.assertEqual("posle", ekavian_lemma("poslije", headwords))  # ije as one
        self.assertEqual("hteti", ekavian_lemma("htjeti", headwords))
        self.assertEqual("deo", ekavian_lemma("dio", headwords))  # a final io
        self.assertEqual("део", ekavian_lemma("дио", headwords))
        self.assertEqual("radio", ekavian_lemma("radio", headwords))  # not confirmed
        self.assertEqual("председник", ekavian_lemma("предсједник", headwords))
        # only some "je" are the jat vowel: the spelling the list confirms
        self.assertEqual("rešenje", ekavian_lemma("rješenje", headwords))
        # the Ekavian spelling wins when the list has both
        self.assertEqual("mleko", ekavian_lemma("mlijeko", headwords))
        # no confirmed candidate: the lemma is kept
        self.assertEqual("njegov", ekavian_lemma("njegov", headwords))
        self.assertEqual("jedan", ekavian_lemma("jedan", headwords))

    def test_croatian_lemmas_take_their_serbian_form_where_the_list_has_it(self):
        headwords = {"ko", "ко", "takođe", "predsednik"}
        self.assertEqual("ko", serbian_lemma("tko", headwords))
        self.assertEqual("ко", serbian_lemma("тко", headwords))
        self.assertEqual("takođe", serbian_lemma("također", headwords))
        self.assertEqual("nitko", serbian_lemma("nitko", headwords))  # "niko" not listed
        self.assertEqual("predsednik", serbian_lemma("predsjednik", headwords))

    def test_cyrillic_purity(self):
        self.assertTrue(is_cyrillic_word("куќа"))
        self.assertFalse(is_cyrillic_word("кућa"))  # Latin a at the end
        self.assertFalse(is_cyrillic_word("-"))


if __name__ == "__main__":
    unittest.main()
