import gzip
import os
import tempfile
import unittest

from lexdata.sources import frog
from lexdata.tagmap import TagMap


FROG_OUTPUT = (
    "1\tliep\tlopen\t\tWW(pv,verl,ev)\t0.997655\t\t\t\t\n\n"
    "1\tauto's\tauto\t\tN(soort,mv,basis)\t0.998020\t\t\t\t\n\n"
    "1\td\td\t\tSPEC(symb)\t1\t\t\t\t\n2\t'\t'\t\tLET()\t1\t\t\t\t\n"
    "3\truit\truit\t\tN(soort,ev,basis,zijd,stan)\t1\t\t\t\t\n\n"
    "1\tbeter\tgoed\t\tADJ(vrij,comp,zonder)\t0.959388\t\t\t\t\n\n")


class Frog(unittest.TestCase):
    def test_output_one_word_a_sentence(self):
        got = frog.parse_output(FROG_OUTPUT)
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
                self.assertEqual(want, m.map(frog.cgn_tokens(tag), "du"))

    def test_tagger_lexicon_counts_word_classes(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "Frog.mbt.1.0.lex")
            with open(path, "w", encoding="utf-8") as f:
                f.write("512 start N(soort,ev,basis,zijd,stan):367 ADJ(vrij,basis,zonder):1 "
                        "WW(pv,tgw,ev):141 WW(pv,tgw,met-t):3 \n"
                        "3 a:b LET():3 \n")
            got = frog.tag_counts(path)
        self.assertEqual({"N": 367, "ADJ": 1, "WW": 144}, got["start"])
        self.assertEqual({"LET": 3}, got["a:b"])

    def test_cache_is_reused(self):
        calls = []

        def runner(words):
            calls.append(list(words))
            return {w: (w.rstrip("e"), "N(soort,ev)") for w in words if w != "xq"}

        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "frog.tsv.gz")
            got = frog.lemmatize(["appele", "xq"], runner, path)
            self.assertEqual([["appele", "xq"]], calls)
            self.assertEqual({"appele": ("appel", "N(soort,ev)")}, got)
            got = frog.lemmatize(["appele", "xq", "peere"], runner, path)
            self.assertEqual(["peere"], calls[-1])           # only the new one
            self.assertEqual({"appel", "peer"}, {v[0] for v in got.values()})
            with gzip.open(path, "rt", encoding="utf-8") as f:
                self.assertIn("xq\t\t\n", f.read())          # no answer, remembered
            frog.lemmatize(["xq", "peere"], runner, path)
            self.assertEqual(2, len(calls))                  # all cached


if __name__ == "__main__":
    unittest.main()
