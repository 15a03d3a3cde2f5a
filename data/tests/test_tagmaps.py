import ctypes
import glob
import os
import unittest

from lexdata.common import DATA_DIR
from lexdata.tagmap import DROP, TagMap
from lexdata.sources import hunspell, lefff, opencorpora


def all_maps():
    for p in sorted(glob.glob(os.path.join(DATA_DIR, "tagmaps", "*.tsv"))):
        yield os.path.basename(p)[:-4], TagMap.load(os.path.basename(p)[:-4])


class LibraryTagNames(unittest.TestCase):
    """Every name a mapping table can produce is in the library's table."""

    def test_names_exist_in_library(self):
        lib_path = os.environ.get("LEMMATIZER_LIB")
        if not lib_path:
            self.skipTest("LEMMATIZER_LIB is not set (path of the built library)")
        lib = ctypes.CDLL(lib_path)
        fn = lib.GetStringForTag
        fn.restype = ctypes.c_char_p
        fn.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
        buf = ctypes.create_string_buffer(256)
        names = set()
        for tag in range(1, 1850):
            name = fn(tag, buf, len(buf))
            self.assertIsNotNone(name, f"no name for tag {tag}")
            names.add(name.decode("ascii"))
        self.assertIn("ANYC", names)
        for tagset, m in all_maps():
            with self.subTest(tagset=tagset):
                self.assertEqual(set(), m.names() - names)


class Glossary(unittest.TestCase):
    """The tag page (tools/tag_page.cc) spells out every source tag of every
    rule with data/tag-glossary.tsv, and refuses to write without one."""

    def test_every_source_tag_has_a_meaning(self):
        meanings = set()
        with open(os.path.join(DATA_DIR, "tag-glossary.tsv"), encoding="utf-8") as f:
            for line in f:
                fields = line.rstrip("\n").split("\t")
                if len(fields) == 3 and not line.startswith("#"):
                    meanings.add((fields[0], fields[1]))
        for tagset, m in all_maps():
            with self.subTest(tagset=tagset):
                tokens = {t.lstrip("!") for toks, _, _ in m.rules for t in toks}
                self.assertEqual(set(), {t for t in tokens if (tagset, t) not in meanings})


class RuleMatching(unittest.TestCase):
    def setUp(self):
        self.m = TagMap.parse(
            "# comment\n"
            "n acr\tNABB\n"
            "n f sg\tNOMCfs\n"
            "n !f\tNOMCuu\n"
            "vblex pres p3 sg\tVRBF3\ten\n"
            "vblex p3 sg\tVRBFs3\n"
            "pref\t-\n")

    def test_first_match_wins_and_part_of_speech_is_first(self):
        self.assertEqual("NABB", self.m.map(["n", "acr", "f", "sg"]))
        self.assertEqual("NOMCfs", self.m.map(["n", "f", "sg"]))
        self.assertIsNone(self.m.map(["adj", "n", "f", "sg"]))

    def test_negation_and_language_restriction(self):
        self.assertEqual("NOMCuu", self.m.map(["n", "m", "pl"]))
        self.assertIsNone(self.m.map(["n", "f", "pl"]))
        self.assertEqual("VRBF3", self.m.map(["vblex", "pres", "p3", "sg"], "en"))
        self.assertEqual("VRBFs3", self.m.map(["vblex", "pres", "p3", "sg"], "es"))

    def test_any_part_of_speech_in_its_place_among_the_rules(self):
        m = TagMap.parse("n acr\tNABB\n* acr\t-\n* abbr\tNABB\nn\tNOMCuu\n")
        self.assertEqual("NABB", m.map(["n", "acr"]))
        self.assertEqual(DROP, m.map(["adj", "acr"]))
        # a rule for any part of speech comes before later rules of one
        self.assertEqual("NABB", m.map(["n", "abbr"]))
        self.assertEqual("NOMCuu", m.map(["n", "f"]))
        self.assertIsNone(m.map(["adj", "f"]))

    def test_drop_and_errors(self):
        self.assertEqual(DROP, self.m.map(["pref"]))
        self.assertNotIn(DROP, self.m.names())
        with self.assertRaises(ValueError):
            TagMap.parse("n f sg NOMCfs\n")


class ShippedTables(unittest.TestCase):
    """Spot checks of the real mapping tables on typical readings."""

    def test_apertium(self):
        m = TagMap.load("apertium")
        cases = [
            (["n", "f", "pl"], "es", "NOMCfp"),
            (["n", "ut", "sg", "def"], "sv", "NOMCus"),
            (["np", "top"], "es", "NOMP"),
            (["vblex", "pres", "p3", "sg"], "en", "VRBF3"),
            (["vblex", "past"], "en", "VRBFp"),
            (["vbser", "pres", "p3", "sg"], "en", "VRBB3"),
            (["vblex", "pri", "p3", "sg"], "es", "VRBFs3"),
            (["vbser", "pri", "p1", "pl"], "es", "VRBHp1"),
            (["vblex", "pp", "f", "pl"], "es", "PAPFfp"),
            (["vblex", "inf"], "ca", "INFF"),
            (["adj", "sint", "comp"], "en", "ADJEc"),
            (["det", "def", "m", "sg"], "es", "DETDs"),
            (["prn", "pers", "p1", "mf", "sg"], "es", "PNNPus"),
        ]
        for toks, code, want in cases:
            with self.subTest(toks=toks, code=code):
                self.assertEqual(want, m.map(toks, code))

    def test_other_tagsets(self):
        oc = TagMap.load("opencorpora")
        self.assertEqual("NOMCmp", oc.map(opencorpora.tokens("NOUN,anim,masc plur,nomn")))
        self.assertEqual("NOMP", oc.map(opencorpora.tokens("NOUN,anim,femn,Name sing,gent")))
        self.assertEqual("VRBFs3", oc.map(opencorpora.tokens("VERB,impf,intr sing,3per,pres,indc")))
        lf = TagMap.load("lefff")
        self.assertEqual("VRBFp1", lf.map(lefff.tokens("v", "P1p")))
        self.assertEqual("PAPFfs", lf.map(lefff.tokens("v", "Kfs")))
        self.assertEqual("NOMCmp", lf.map(lefff.tokens("nc", "mp")))
        de = TagMap.load("german-npm")
        self.assertEqual("VRBHs3", de.map(["VERB", "aux", "PRÄ", "S", "3"]))
        self.assertEqual("INFZ", de.map(["VERB", "EIZ"]))
        self.assertEqual("NOMCup", de.map(["NOUN", "GN", "DAT", "PLU"]))
        pt = TagMap.load("hunspell-pt")
        self.assertEqual("VRBFp3", pt.map(hunspell.portuguese_tokens(
            "[CAT=v,T=inf,TR=t] +P=3,N=p,T=pp")))
        fi = TagMap.load("voikko")
        self.assertEqual("ADJEc", fi.map(["laatusana", "NUMBER=singular", "COMPARISON=comparative"]))
        self.assertEqual("VRBFs1", fi.map(["teonsana", "PERSON=1", "NUMBER=singular", "MOOD=indicative"]))


if __name__ == "__main__":
    unittest.main()
