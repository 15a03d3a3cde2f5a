"""The importers of the word lists, WikDict headwords, voikko's participles,
frog and the Apertium generators, each on a small fixture."""
import gzip
import os
import tempfile
import unittest

from lexdata import (src_apertium_words, src_freedict, src_frog, src_russian_cases,
                     src_voikko_words)
from lexdata.src_wordlists import cspell_word
from lexdata.tagmap import TagMap
from lexdata.voikko_analyse import participle_verb


class CspellLines(unittest.TestCase):
    def test_variants_forbidden_words_and_compound_parts_are_no_words(self):
        self.assertEqual("talo", cspell_word("talo"))
        self.assertEqual("A-lista", cspell_word("A-lista"))
        self.assertIsNone(cspell_word("~talo"))        # case-folded twin
        self.assertIsNone(cspell_word("!Btw-nummer"))  # forbidden
        self.assertIsNone(cspell_word("+-3D"))         # compound parts
        self.assertIsNone(cspell_word("kinder+"))
        self.assertIsNone(cspell_word(""))


def _index_number(n):
    digits = src_freedict._DIGITS
    out = ""
    while True:
        out = digits[n % 64] + out
        n //= 64
        if n == 0:
            return out


class FreedictHeadwords(unittest.TestCase):
    def test_entries_by_index_with_part_of_speech(self):
        entries = ["καλός /kaˈlos/ <adj>\ngood\n", "καλός /kaˈlos/ <n>\ndarling\n",
                   "και /ce/\nand\n", "άηχο σύμφωνο /ˈa.i.xo/\nvoiceless consonant\n"]
        data, index = b"", ["00databaseinfo\tA\tB"]
        for e in entries:
            raw = e.encode("utf-8")
            index.append(f"{e.split(' ')[0]}\t{_index_number(len(data))}\t"
                         f"{_index_number(len(raw))}")
            data += raw
        got = list(src_freedict.read_pair(index, data))
        self.assertEqual([("καλός", "adj"), ("καλός", "n"), ("και", ""),
                          ("άηχο σύμφωνο", "")], got)

    def test_base64_offsets(self):
        self.assertEqual(0, src_freedict.base64_number("A"))
        self.assertEqual(64 * 6 + 22, src_freedict.base64_number("GW"))
        self.assertEqual(12345, src_freedict.base64_number(_index_number(12345)))


class VoikkoParticiples(unittest.TestCase):
    def test_verb_of_the_word_bases(self):
        self.assertEqual("olla", participle_verb("+ol(olla)+l+ut(+ut)"))
        self.assertEqual("tehdä", participle_verb("+teke(tehdä)+mä(+ä)+tön(+tön)"))
        self.assertEqual("allekirjoittaa",
                         participle_verb("+allekirjoite(alle=kirjoittaa)+t+tu(+tu)"))
        # compound parts before the verb are kept as written
        self.assertEqual("maahantuoda",
                         participle_verb("+maahan(maa)+tuo(tuoda)+tu(+tu)"))
        self.assertIsNone(participle_verb("+talo(talo)"))
        self.assertIsNone(participle_verb(""))

    def test_conventions_on_voikko_rows(self):
        rows = [("ollut", "ollut", "laatusana NUMBER=singular PARTICIPLE=past_active VERB=olla"),
                ("nopeasti", "nopea", "laatusana SIJAMUOTO=kerrontosti"),
                ("talossa", "talo", "nimisana NUMBER=singular SIJAMUOTO=sisaolento")]
        got = list(src_voikko_words.with_conventions(rows))
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

    def test_own_lemma_headwords_by_part_of_speech(self):
        heads = {"kanssa": {"postposition"}, "koska": {"conjunction", "adv"},
                 "talo": {"n"}, "hyvin": {"adv"}, "ei kukaan": {"pronoun"},
                 "tässä": {"adv"}}
        got = list(src_voikko_words.own_lemma_headwords(heads, {"tässä"}))
        self.assertEqual([("hyvin", "hyvin", ["seikkasana"]),
                          ("kanssa", "kanssa", ["suhdesana"]),
                          ("koska", "koska", ["seikkasana"]),
                          ("koska", "koska", ["sidesana"])], got)


FROG_OUTPUT = (
    "1\tliep\tlopen\t\tWW(pv,verl,ev)\t0.997655\t\t\t\t\n\n"
    "1\tauto's\tauto\t\tN(soort,mv,basis)\t0.998020\t\t\t\t\n\n"
    "1\td\td\t\tSPEC(symb)\t1\t\t\t\t\n2\t'\t'\t\tLET()\t1\t\t\t\t\n"
    "3\truit\truit\t\tN(soort,ev,basis,zijd,stan)\t1\t\t\t\t\n\n"
    "1\tbeter\tgoed\t\tADJ(vrij,comp,zonder)\t0.959388\t\t\t\t\n\n")


class Frog(unittest.TestCase):
    def test_output_one_word_a_sentence(self):
        got = src_frog.parse_output(FROG_OUTPUT)
        self.assertEqual({"liep": ("lopen", "WW(pv,verl,ev)"),
                          "auto's": ("auto", "N(soort,mv,basis)"),
                          "beter": ("goed", "ADJ(vrij,comp,zonder)")}, got)

    def test_tags(self):
        m = TagMap.load("cgn")
        cases = [("WW(pv,verl,ev)", "VRBFs1"), ("WW(vd,vrij,zonder)", "PAPF"),
                 ("WW(inf,vrij,zonder)", "INFF"), ("N(soort,mv,basis)", "NOMCup"),
                 ("N(eigen,ev,basis,zijd,stan)", "NOMP"), ("ADJ(vrij,comp,zonder)", "ADJEc"),
                 ("VNW(onbep,grad,stan,vrij,zonder,comp)", "DETRuu"), ("LET()", "-")]
        for tag, want in cases:
            with self.subTest(tag=tag):
                self.assertEqual(want, m.map(src_frog.cgn_tokens(tag), "du"))

    def test_cache_is_reused(self):
        calls = []

        def runner(words):
            calls.append(list(words))
            return {w: (w.rstrip("e"), "N(soort,ev)") for w in words if w != "xq"}

        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "frog.tsv.gz")
            got = src_frog.lemmatize(["appele", "xq"], runner, path)
            self.assertEqual([["appele", "xq"]], calls)
            self.assertEqual({"appele": ("appel", "N(soort,ev)")}, got)
            got = src_frog.lemmatize(["appele", "xq", "peere"], runner, path)
            self.assertEqual(["peere"], calls[-1])           # only the new one
            self.assertEqual({"appel", "peer"}, {v[0] for v in got.values()})
            with gzip.open(path, "rt", encoding="utf-8") as f:
                self.assertIn("xq\t\t\n", f.read())          # no answer, remembered
            src_frog.lemmatize(["xq", "peere"], runner, path)
            self.assertEqual(2, len(calls))                  # all cached


class ApertiumWords(unittest.TestCase):
    def test_lt_proc_units(self):
        text = ("^куќа/куќа<n><f><sg><nom><ind>$ ^./.<sent>$\n"
                "^Расправи/Расправа<n><f><pl><nom><ind>/Расправи<vblex><perf><pres><p3><sg>$"
                " ^xyz/*xyz$\n")
        got = list(src_apertium_words.parse_lt_proc(text))
        self.assertEqual([("куќа", "куќа<n><f><sg><nom><ind>"), (".", ".<sent>"),
                          ("Расправи", "Расправа<n><f><pl><nom><ind>"),
                          ("Расправи", "Расправи<vblex><perf><pres><p3><sg>")], got)

    def test_comparison_prefix_read_as_degree(self):
        self.assertEqual(("ситен", ["adj", "sup", "m", "sg", "nom", "def"]),
                         src_apertium_words._keep(
                             "најситниот", "adj<pref><sup>+ситен<adj><m><sg><nom><def>"))
        self.assertEqual(("куќа", ["n", "f", "sg", "nom", "ind"]),
                         src_apertium_words._keep("куќа", "куќа<n><f><sg><nom><ind>"))
        self.assertIsNone(src_apertium_words._keep("по", "adj<pref><comp>"))


class RussianCases(unittest.TestCase):
    def test_names_of_opencorpora_grammemes(self):
        name = src_russian_cases.extended_name
        self.assertEqual("GSM", name(["NOUN", "inan", "masc", "sing", "gent"]))
        self.assertEqual("NPF", name(["NOUN", "anim", "femn", "plur", "nomn"]))
        self.assertEqual("API", name(["ADJF", "Qual", "plur", "accs"]))
        self.assertEqual("PSN", name(["NOUN", "inan", "neut", "sing", "loc2"]))
        self.assertIsNone(name(["ADJS", "masc", "sing"]))          # no case
        self.assertIsNone(name(["NOUN", "Fixd", "sing", "nomn"]))  # no gender
        self.assertIsNone(name(["VERB", "perf", "tran", "past", "sing"]))

    def test_names_per_form_and_library_tag(self):
        rows = [("Стола", ["NOUN", "masc", "sing", "gent"]),
                ("столы", ["NOUN", "masc", "plur", "nomn"]),
                ("столы", ["NOUN", "masc", "plur", "accs"]),
                ("ёлки", ["NOUN", "femn", "sing", "gent"]),
                ("ёлки", ["NOUN", "femn", "plur", "nomn"]),
                ("быстро", ["ADVB"])]
        tags = {("NOUN", "masc", "sing"): "NOMCms", ("NOUN", "masc", "plur"): "NOMCmp",
                ("NOUN", "femn", "sing"): "NOMCfs", ("NOUN", "femn", "plur"): "NOMCfp"}
        got = src_russian_cases.case_names(rows, lambda t: tags.get(tuple(t[:3])))
        self.assertEqual({("стола", "NOMCms"): {"GSM"}, ("столы", "NOMCmp"): {"NPM", "APM"},
                          ("елки", "NOMCfs"): {"GSF"}, ("елки", "NOMCfp"): {"NPF"}}, got)
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "ru-cases.tsv")
            self.assertEqual(4, src_russian_cases.write_cases(path, got))
            with open(path, encoding="utf-8") as f:
                self.assertIn("столы\tNOMCmp\tAPM NPM\n", f.read())
            self.assertEqual(got, src_russian_cases.read_cases(path))

    def test_coverage_of_the_reference_readings(self):
        cases = {("стола", "NOMCms"): {"GSM"}, ("столы", "NOMCmp"): {"NPM", "APM"},
                 ("новой", "ADJEp"): {"GSF", "DSF"}}
        tokens = [("стола", ["NOMCms"], ["GSM", "ASM"]),   # every reading
                  ("Столы", ["NOMCmp"], ["NPM"]),          # one of two
                  ("новой", ["ADJEp"], []),                # none
                  ("быстро", ["ADVB"], [])]                # no reference: not counted
        self.assertEqual((3, 1, 2), src_russian_cases.coverage(tokens, cases))
        self.assertTrue(src_russian_cases.is_case_name("GSM"))
        self.assertTrue(src_russian_cases.is_case_name("API"))
        self.assertFalse(src_russian_cases.is_case_name("ADJ"))
        self.assertFalse(src_russian_cases.is_case_name("NOMCms"))


if __name__ == "__main__":
    unittest.main()
