import os
import tempfile
import unittest

from lexdata.hunspell import Dictionary, keep_prefixes


def expand(aff, dic):
    with tempfile.TemporaryDirectory() as d:
        a, b = os.path.join(d, "t.aff"), os.path.join(d, "t.dic")
        with open(a, "w", encoding="utf-8") as f:
            f.write(aff)
        with open(b, "w", encoding="utf-8") as f:
            f.write(dic)
        return sorted((form, lemma) for form, lemma, _ in
                      Dictionary.load(a, b).expand())


class Expansion(unittest.TestCase):
    def test_suffixes_prefixes_and_cross_product(self):
        aff = """SET UTF-8
SFX S Y 3
SFX S 0 s [^y]
SFX S y ies [^aeiou]y
SFX S 0 s [aeiou]y
PFX U Y 1
PFX U 0 un .
PFX L N 1
PFX L 0 l' .
"""
        got = expand(aff, "3\nlady/S\nkey/S\ndo/SUL\n")
        self.assertEqual([
            ("do", "do"), ("dos", "do"), ("key", "key"), ("keys", "key"),
            ("ladies", "lady"), ("lady", "lady"), ("undo", "do"),
            ("undos", "do")], got)   # the elided-article prefix is left out

    def test_two_suffix_levels_needaffix_and_circumfix(self):
        aff = """SET UTF-8
NEEDAFFIX X
CIRCUMFIX C
SFX A Y 1
SFX A 0 en/B .
SFX B Y 1
SFX B 0 s .
SFX T Y 1
SFX T 0 t/C .
PFX G Y 1
PFX G 0 ge/C .
SFX N Y 1
SFX N 0 ung/X .
SFX M Y 1
SFX M 0 e .
"""
        got = expand(aff, "3\nlob/AXT G\nhaus/NM\nmach/TG\n")
        # lob carries NEEDAFFIX: the bare stem is not a word
        self.assertNotIn(("lob", "lob"), got)
        self.assertIn(("loben", "lob"), got)
        self.assertIn(("lobens", "lob"), got)      # second level
        # ge-...-t only together (circumfix)
        self.assertIn(("gemacht", "mach"), got)
        self.assertNotIn(("macht", "mach"), got)
        self.assertNotIn(("gemach", "mach"), got)
        self.assertIn(("hause", "haus"), got)

    def test_long_and_numeric_flags_aliases_and_lemma_fields(self):
        aff = """SET UTF-8
FLAG long
AF 1
AF AaBb
SFX Aa Y 1
SFX Aa 0 er .
SFX Bb Y 1
SFX Bb 0 est .
"""
        got = expand(aff, "2\nfast/1\nwent/Aa st:go\n")
        self.assertEqual([("fast", "fast"), ("faster", "fast"), ("fastest", "fast"),
                          ("went", "go"), ("wenter", "go")], got)
        aff_num = """SET UTF-8
FLAG num
SFX 101 Y 1
SFX 101 0 a .
FORBIDDENWORD 7
"""
        got = expand(aff_num, "2\nkat/101,3\nbad/7\n")
        self.assertEqual([("kat", "kat"), ("kata", "kat")], got)

    def test_the_first_flag_written_gives_a_form_its_fields(self):
        aff = """SET UTF-8
SFX A Y 1
SFX A r 0 r po:pp
SFX B Y 1
SFX B r 0 r po:imp
"""
        for flags, want in (("AB", "po:pp"), ("BA", "po:imp")):
            with tempfile.TemporaryDirectory() as d:
                a, b = os.path.join(d, "t.aff"), os.path.join(d, "t.dic")
                with open(a, "w", encoding="utf-8") as f:
                    f.write(aff)
                with open(b, "w", encoding="utf-8") as f:
                    f.write(f"1\nabduzir/{flags}\n")
                rows = list(Dictionary.load(a, b).expand())
            self.assertEqual([("abduzir", "abduzir", ""), ("abduzi", "abduzir", want)], rows)

    def test_condition_classes(self):
        aff = """SET UTF-8
SFX E Y 3
SFX E 0 es [sxz]
SFX E 0 s [^sxz]
SFX E o i [^c]o
"""
        got = expand(aff, "3\nbox/E\ncat/E\ngatto/E\n")
        self.assertEqual([("box", "box"), ("boxes", "box"), ("cat", "cat"),
                          ("cats", "cat"), ("gatti", "gatto"), ("gatto", "gatto"),
                          ("gattos", "gatto")], got)


class KeepPrefixes(unittest.TestCase):
    def test_a_prefixed_form_keeps_its_prefix(self):
        rows = [("unsubscribe", "subscribe", ""), ("profiled", "file", ""),
                ("reinvigorating", "invigorate", ""), ("nepostojanje", "postojanje", ""),
                # suffixes leave the start alone, and so do forms of the stem
                ("subscribed", "subscribe", ""), ("filed", "file", ""),
                # a start the stem does not follow is no prefix
                ("went", "go", ""), ("Ken", "K", "")]
        self.assertEqual([("unsubscribe", "unsubscribe", ""), ("profiled", "profile", ""),
                          ("reinvigorating", "reinvigorate", ""),
                          ("nepostojanje", "nepostojanje", ""),
                          ("subscribed", "subscribe", ""), ("filed", "file", ""),
                          ("went", "go", ""), ("Ken", "K", "")], keep_prefixes(rows))

    def test_an_inflectional_prefix_stays_out(self):
        rows = [("najistaknutiji", "istaknut", ""), ("neistaknut", "istaknut", "")]
        self.assertEqual([("najistaknutiji", "istaknut", ""), ("neistaknut", "neistaknut", "")],
                         keep_prefixes(rows, inflectional=("naj",)))


if __name__ == "__main__":
    unittest.main()
