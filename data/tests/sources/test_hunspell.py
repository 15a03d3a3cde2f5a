import os
import tempfile
import unittest

from lexdata.sources import hunspell


class Source(unittest.TestCase):
    def test_expansion_leaves_out_compound_parts(self):
        with tempfile.TemporaryDirectory() as d:
            aff, dic = os.path.join(d, "t.aff"), os.path.join(d, "t.dic")
            with open(aff, "w", encoding="utf-8") as f:
                f.write("SET UTF-8\nSFX S Y 1\nSFX S 0 s .\nPFX P Y 1\nPFX P 0 - .\n")
            with open(dic, "w", encoding="utf-8") as f:
                f.write("3\nhaus-\nkind/SP po:noun\nwent st:go\n")
            rows = hunspell.expanded_rows(aff, dic)
        # "haus-" and the prefixed "-kind", "-kinds" are compound parts
        self.assertEqual([("kind", "kind", "po:noun"), ("kinds", "kind", "po:noun"),
                          ("went", "go", "st:go")], sorted(rows))

    def test_flat_word_list(self):
        # the count line and blank lines are skipped, flags cut off
        self.assertEqual(["άνθρωπος", "γράφω", "βιβλίο"],
                         hunspell.dic_words("3\nάνθρωπος\nγράφω/AB\n\n  \nβιβλίο \n"))

    def test_portuguese_fields(self):
        # the affix's T=pp replaces the stem's T=inf; values joined by _ split
        self.assertEqual(["v", "T=pp", "TR=t", "P=3", "N=p"],
                         hunspell.portuguese_tokens("[CAT=v,T=inf,TR=t] +P=3,N=p,T=pp"))
        self.assertEqual(["nc", "G=f", "N=s"], hunspell.portuguese_tokens("[CAT=nc,G=f,N=s]"))
        self.assertEqual(["adj", "G=m", "G=f"], hunspell.portuguese_tokens("[CAT=adj,G=m_f]"))
        self.assertEqual(["?"], hunspell.portuguese_tokens(""))


if __name__ == "__main__":
    unittest.main()
