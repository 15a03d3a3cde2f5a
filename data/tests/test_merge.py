import os
import tempfile
import unittest

from lexdata.merge import Layer, merge, read_lexicon, write_lexicon


class Precedence(unittest.TestCase):
    def test_irregular_source_wins_over_affix_expansion(self):
        irregular = Layer("exceptions", [("went", "go", "VRBFp", 0),
                                         ("children", "child", "NOMCup", 0)])
        affix = Layer("hunspell", [("went", "went", "ANYC", 0),
                                   ("children", "children", "ANYC", 0),
                                   ("children", "child", "ANYC", 0),
                                   ("walks", "walk", "ANYC", 0),
                                   ("saw", "saw", "ANYC", 0)], fallback=True)
        lex, added = merge([irregular, affix])
        self.assertEqual([("go", "VRBFp")], lex["went"])
        self.assertEqual([("child", "NOMCup")], lex["children"])
        # forms only the expansion knows are taken from it
        self.assertEqual([("walk", "ANYC")], lex["walks"])
        self.assertEqual([("saw", "ANYC")], lex["saw"])
        self.assertEqual({"exceptions": 2, "hunspell": 2}, added)

    def test_fallback_adds_new_lemmas_to_known_forms(self):
        a = Layer("a", [("left", "leave", "VRBFp", 0)])
        b = Layer("b", [("left", "left", "ANYC", 0), ("left", "lef", "ANYC", 0)],
                  fallback=True)
        lex, _ = merge([a, b])
        self.assertEqual([("leave", "VRBFp"), ("lef", "ANYC")], lex["left"])

    def test_order_within_a_form(self):
        # more analysers first, then closed classes before content words
        layer = Layer("apertium", [
            ("como", "comer", "VRBFs1", 3),
            ("como", "como", "ADVB", 3),
            ("como", "como", "CON1", 3),
            ("fue", "ir", "VRBFs3", 2),
            ("fue", "ser", "VRBHs3", 5),
        ])
        lex, _ = merge([layer])
        self.assertEqual(["CON1", "ADVB", "VRBFs1"], [t for _, t in lex["como"]])
        self.assertEqual(["ser", "ir"], [l for l, _ in lex["fue"]])

    def test_non_fallback_layer_adds_to_known_forms(self):
        a = Layer("a", [("casa", "casa", "NOMCfs", 0)])
        b = Layer("b", [("casa", "casar", "VRBFs3", 0), ("casa", "casa", "NOMCfs", 0)])
        lex, _ = merge([a, b])
        self.assertEqual([("casa", "NOMCfs"), ("casar", "VRBFs3")], lex["casa"])


class Writing(unittest.TestCase):
    def test_code_page_drops_are_counted(self):
        lex = {"naïve": [("naïve", "ADJEp")], "łódź": [("łódź", "NOMP")],
               "cœur": [("cœur", "NOMCms")], "oeuvre": [("œuvre", "NOMCfs")],
               "x" * 100: [("x", "ANYC")]}
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "lex", "t.tsv")
            n, forms, lemmas, dropped = write_lexicon(p, lex, "cp1252")
            rows = read_lexicon(p)
            with open(p, "rb") as f:
                raw = f.read()
        # œ is in Windows-1252, ł is not; forms of 100 bytes are dropped
        self.assertEqual((3, 3, 3, 2), (n, forms, lemmas, dropped))
        self.assertIn(("cœur", "cœur", "NOMCms"), rows)
        self.assertIn("naïve\tnaïve\tADJEp\n".encode("utf-8"), raw)

    def test_written_in_the_learnt_order_as_a_reordering_would_put_them(self):
        import reading_order
        lex = {"como": [("comer", "VRBFs1"), ("como", "CONJ"), ("comer", "VRBFs3")],
               "casa": [("casa", "NOMCfs")]}
        scores = {("CONJ=", "VRBFs1"): 0.9, ("VRBFs1", "CONJ="): 0.1}
        with tempfile.TemporaryDirectory() as d:
            ordered, later = os.path.join(d, "ordered.tsv"), os.path.join(d, "later.tsv")
            write_lexicon(ordered, lex, "cp1252",
                          lambda readings, form: reading_order.order(readings, scores, form))
            write_lexicon(later, lex, "cp1252")
            self.assertEqual(1, reading_order.reorder_lexicon(later, scores))
            with open(ordered, encoding="utf-8") as f, open(later, encoding="utf-8") as g:
                text = f.read()
                self.assertEqual(g.read(), text)
        self.assertTrue(text.startswith("casa\tcasa\tNOMCfs\ncomo\tcomo\tCONJ\n"))

    def test_cyrillic_and_greek_pages(self):
        lex = {"ёж": [("ёж", "NOMCms")], "ђак": [("ђак", "NOMCms")],
               "άνθρωπος": [("άνθρωπος", "NOMCms")]}
        with tempfile.TemporaryDirectory() as d:
            self.assertEqual(2, write_lexicon(os.path.join(d, "a"), lex, "cp1251")[0])
            self.assertEqual(1, write_lexicon(os.path.join(d, "b"), lex, "cp1253")[0])


if __name__ == "__main__":
    unittest.main()
