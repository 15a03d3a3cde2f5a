import os
import tempfile
import unittest
from unittest import mock

from lexdata import recipes
from lexdata.languages import ALL_CODES, first_edition
from lexdata.merge import Layer
from lexdata.sources.shared import Source
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

class RussianRows(unittest.TestCase):
    def test_yo_folded_and_names_but_not_place_adjectives_capitalised(self):
        rows = [("ёлки", "ёлка", "NOUN,inan,femn plur,nomn"),
                ("москвы", "москва", "NOUN,inan,femn,Sgtm,Geox sing,gent"),
                ("московской", "московский", "ADJF,Geox femn,sing,gent")]
        self.assertEqual([("елки", "елка", ["NOUN", "inan", "femn", "plur", "nomn"]),
                          ("Москвы", "Москва",
                           ["NOUN", "inan", "femn", "Sgtm", "Geox", "sing", "gent"]),
                          ("московской", "московский",
                           ["ADJF", "Geox", "femn", "sing", "gent"])],
                         recipes.russian_rows(rows))

    def test_case_readings_written_beside_the_lexicon(self):
        rows = [("ёлки", "ёлка", "NOUN,inan,femn plur,nomn"),
                ("ёлки", "ёлка", "NOUN,inan,femn sing,gent"),
                ("быстро", "быстро", "ADVB")]
        with tempfile.TemporaryDirectory() as d, \
                mock.patch.dict(os.environ, {"LEXICON_OUT": d}), \
                mock.patch.object(recipes.opencorpora, "readings", return_value=(rows, [])):
            fixed, _, notes = recipes.russian_readings()
            with open(os.path.join(d, "ru-cases.tsv"), encoding="utf-8") as f:
                written = f.read().split("\n")
        self.assertEqual(recipes.russian_rows(rows), fixed)
        # one line a form and library tag, the names of its parses; no case, no line
        self.assertEqual(2, len(written) - 1)
        self.assertTrue(all(line.startswith("елки\t") for line in written[:-1]))
        self.assertEqual(["GSF", "NPF"], sorted(line.split("\t")[2] for line in written[:-1]))
        self.assertIn("(2 form and tag pairs)", notes[0])


class LanguageSteps(unittest.TestCase):
    def test_serbian_lemmas_take_the_confirmed_ekavian_spelling(self):
        ap = Layer("apertium", [("predsjednika", "predsjednik", "NOMCms", 2),
                                        ("ga", "clitic", "PNNPms", 1),
                                        ("njegov", "njegov", "ADJEp", 1)])
        hs = Layer("hunspell", [("predsednika", "predsednik", "ANYC", 0)],
                           fallback=True)
        recipes.serbian_lemmas([ap, hs])
        self.assertEqual([("predsjednika", "predsednik", "NOMCms", 2),
                          ("njegov", "njegov", "ADJEp", 1)], ap.readings)

    def test_serbian_pronouns_take_the_lemma_of_their_person_and_number(self):
        lemma = recipes.serbian_pronoun_lemma
        self.assertEqual("ja", lemma("prn pers p1 mfn sg gen".split()))
        self.assertEqual("vi", lemma("prn pers clt p2 mfn pl dat".split()))
        self.assertEqual("on", lemma("prn pers p3 f sg acc".split()))  # ona, nju, joj
        self.assertEqual("oni", lemma("prn pers clt p3 mfn pl acc".split()))  # ih
        self.assertEqual("sebe", lemma("prn ref pers mfn sp dat".split()))
        self.assertIsNone(lemma("prn pers p3 nt".split()))  # no number: dropped
        ap = recipes.Apertium(pronoun_lemma=lambda form, tags: lemma(tags),
                              pronoun_lemmas=recipes.SERBIAN_PRONOUN_LEMMAS)
        rows = [("njih", "free", "prn pers p3 mfn pl gen".split(), 1),
                ("free", "free", "adj sint".split(), 1)]  # not a pronoun: kept
        with mock.patch.object(recipes.apertium, "readings", return_value=(rows, [])), \
                mock.patch.object(recipes, "mapped", side_effect=lambda rows, *a: rows):
            layer, _ = ap.build("sl", None, None)
        self.assertEqual([("njih", "oni"), ("free", "free")],
                         [(f, l) for f, l, _, _ in layer.readings])

    def test_macedonian_readings_in_cyrillic_only(self):
        self.assertTrue(recipes.macedonian_reading(("куќи", "куќа", "NOMCfp", 1)))
        self.assertFalse(recipes.macedonian_reading(("куќa", "куќа", "NOMCfs", 1)))
        self.assertFalse(recipes.macedonian_reading(("го", "clitic", "PNNP", 1)))


    def test_frog_choice_first_among_the_analysers_lemmas(self):
        ap = Layer("apertium", [("was", "wassen", "VRBFs1", 1), ("was", "zijn", "VRBFs1", 1),
                                ("huis", "huis", "NOMCus", 2)])
        answer = ([("liep", "lopen", ["WW", "pv", "verl", "ev"])], {"was": "zijn"}, [],
                  {"frog readings": 1})
        with mock.patch.object(recipes.frog, "readings", return_value=answer) as run:
            rows, _, notes = recipes.dutch_frog([ap])
        # frog is told the analyser's lemmas of each form
        self.assertEqual({"was": {"wassen", "zijn"}, "huis": {"huis"}}, run.call_args[0][0])
        self.assertEqual([1, 1001, 2], [n for *_, n in ap.readings])
        self.assertEqual(answer[0], rows)
        self.assertIn("frog readings 1", notes[0])


class Table(unittest.TestCase):
    def test_one_recipe_for_every_first_edition(self):
        firsts = {first_edition(code) for code in ALL_CODES}
        self.assertEqual(firsts, set(recipes.RECIPES))

    def test_packages_follow_the_layers(self):
        apt, npm = recipes.packages_for("en")
        # the abbreviations of months and days come first, then Apertium's
        self.assertEqual(["unicode-cldr-core", "lttoolbox-dev"], apt[:2])
        self.assertIn("apertium-eng-cat", apt)
        # the layers' packages in order, then the source of the reading order
        self.assertEqual(["wordnet-base", "hunspell-en-us", "liblingua-en-tagger-perl"], apt[-3:])
        self.assertEqual({}, npm)
        apt, npm = recipes.packages_for("sk")
        self.assertEqual(recipes.packages_for("sl"), (apt, npm))
        self.assertEqual(["hbs-eng", "hbs-mkd", "hbs-slv"], recipes.analysers_for("sk"))
        self.assertEqual(["az"], list(recipes.packages_for("ru")[1]))


class Build(unittest.TestCase):
    def test_layers_in_order_with_their_sources_and_unmapped_tags(self):
        wn = Source("wordnet-base", "1", "WordNet")
        hs = Source("hunspell-xx", "2", "GPL")
        recipe = recipes.Recipe(
            1, [recipes.Tagged("exceptions", "wordnet",
                            lambda: ([("mice", "mouse", ["noun"]), ("x", "y", ["odd"])], [wn])),
             recipes.Hunspell("hunspell-xx", "xx_XX", score=lambda form, lemma: int(form == lemma))],
            "a note", finish=lambda layers: layers.reverse())
        hunspell_rows = ([("mice", "mice", "po:noun"), ("walks", "walk", "")], [hs])
        stats = recipes.Stats()
        with mock.patch.dict(recipes.RECIPES, {"xx": recipe}), \
                mock.patch.object(recipes.hunspell, "readings", return_value=hunspell_rows):
            layers, sources, notes = recipes.build("xx", stats)
            self.assertEqual((["hunspell-xx"], {}), recipes.packages_for("xx"))
        # finish ran last (here: reversed the layers)
        self.assertEqual(["hunspell xx_XX", "exceptions"], [l.name for l in layers])
        self.assertTrue(layers[0].fallback)
        self.assertEqual([("mice", "mice", "ANYC", 1), ("walks", "walk", "ANYC", 0)],
                         layers[0].readings)
        self.assertEqual([("mice", "mouse", "NOMCup", 0)], layers[1].readings)
        self.assertEqual([wn, hs], sources)
        self.assertEqual(["a note"], notes)
        self.assertEqual({("wordnet", "odd"): 1}, stats.unmapped)

    def test_a_following_layer_reads_the_layers_before_it_and_notes_reach_the_report(self):
        seen = []

        def read(before):
            seen.append([layer.name for layer in before])
            return [("liep", "lopen", ["WW", "pv", "verl", "ev"])], [], ["frog read 1 form"]

        recipe = recipes.Recipe(
            1, [recipes.Named("tables", None, lambda: ([("is", "zijn", "VRBFs3", 9)], [])),
                recipes.Following("frog", "cgn", read, fallback=True)], "a note")
        with mock.patch.dict(recipes.RECIPES, {"xx": recipe}):
            layers, _, notes = recipes.build("xx", recipes.Stats())
        self.assertEqual([["tables"]], seen)
        self.assertEqual(["a note", "frog read 1 form"], notes)
        self.assertEqual([("liep", "lopen", "VRBFs1", 0)], layers[1].readings)
        self.assertTrue(layers[1].fallback)

    def test_apertium_pronouns_conversion_and_filter(self):
        rows = [("him", "prpers", ["prn", "obj", "p3", "m", "sg"], 3),
                ("one", "prpers", ["prn", "obj", "p3", "mf", "sg"], 1),
                ("keep in touch withhim", "keep in touch withprpers", ["vblex", "inf"], 1),
                ("Houses", "House", ["n", "pl"], 2),
                ("cats", "cat", ["n", "pl"], 2)]
        layer = recipes.Apertium(
            pronoun_lemma=lambda form, tags: recipes.english_pronoun_lemma(tags),
            convert=str.lower, keep=lambda r: r[0] != "cats", fallback=True)
        with mock.patch.object(recipes.apertium, "readings", return_value=(rows, [])) as read:
            built, _ = layer.build("en", recipes.Stats(), None)
        self.assertEqual(recipes.APERTIUM["en"], read.call_args[0][:2])
        self.assertTrue(built.fallback)
        self.assertEqual([("him", "he", 3), ("houses", "house", 2)],
                         [(f, l, s) for f, l, _, s in built.readings])

class Expansions(unittest.TestCase):
    def test_only_what_is_not_cached_each_once_analysers_biggest_first(self):
        calls = []

        def fill():
            calls.append("fill")

        slow = recipes.Tagged("slow", "wordnet", None, cache=(lambda: False, fill, ()))
        done = recipes.Tagged("done", "wordnet", None, cache=(lambda: True, fill, ()))
        self.assertEqual([("slow", fill, ())], slow.caches("xx"))
        self.assertEqual([], done.caches("xx"))
        sizes = {"/a/small.automorf.bin": 10, "/a/big.automorf.bin": 99}
        recipe = recipes.Recipe(1, [recipes.Apertium(), slow, recipes.Hunspell("h", "xx_XX")],
                                "note")
        with mock.patch.dict(recipes.RECIPES, {"xx": recipe, "yy": recipe}), \
                mock.patch.dict(recipes.APERTIUM, {"xx": ([], ["small", "big"]),
                                                   "yy": ([], ["small", "big"])}), \
                mock.patch.object(recipes.apertium, "find_analyser",
                                  lambda name: f"/a/{name}.automorf.bin"), \
                mock.patch.object(recipes.apertium, "is_cached", lambda path: False), \
                mock.patch.object(recipes.hunspell, "is_cached", lambda dic: True), \
                mock.patch.object(recipes.os.path, "getsize", sizes.get):
            tasks = recipes.expansions_for(["xx", "yy"])
        self.assertEqual(["slow", "big", "small"], [t[0] for t in tasks])
        self.assertEqual([], calls)

    def test_the_slow_sources_are_expanded_ahead(self):
        # the listing of az and the Finnish analyses take a minute each
        for code in ("ru", "fi"):
            self.assertTrue(any(getattr(layer_recipe, "cache", None) for layer_recipe in
                                recipes.RECIPES[code].layers), code)


if __name__ == "__main__":
    unittest.main()
