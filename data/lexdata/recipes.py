"""One recipe per language: its sources, their precedence, their tag maps.

A recipe returns (layers, sources, notes).  Layers come in precedence order;
a fallback layer (an affix expansion) only fills forms the layers before it
do not know, so that a source which knows irregular forms wins over an
expansion that lists them as their own lemmas.
"""

import os

from . import sources as S
from . import (src_albanian, src_apertium_words, src_frog, src_greek_paradigms,
               src_russian_cases, src_voikko_words)
from .merge import Layer
from .script import ekavian_lemma, is_cyrillic_word, serbian_to_cyrillic
from .tagmap import DROP, TagMap

# Apertium: packages and the analysers of each language (source side first).
# The smaller pairs of Spanish and Catalan (with Esperanto, Occitan,
# Romanian, Sardinian) are left out: they add little to the union and cost
# build time; en-eo is one section of some 150 M paths, too many to walk.
APERTIUM = {
    "en": (["apertium-eng-cat", "apertium-eng-spa", "apertium-hbs-eng",
            "apertium-mkd-eng", "apertium-en-gl"],
           ["eng-cat", "eng-spa", "eng-hbs", "eng-mkd", "en-gl"]),
    "es": (["apertium-spa-cat", "apertium-eng-spa", "apertium-spa-ita",
            "apertium-spa-arg", "apertium-spa-ast", "apertium-es-pt",
            "apertium-es-gl", "apertium-fr-es"],
           ["spa-cat", "spa-eng", "spa-ita", "spa-arg", "spa-ast", "es-pt",
            "es-gl", "es-fr"]),
    "ca": (["apertium-spa-cat", "apertium-eng-cat", "apertium-cat-ita",
            "apertium-por-cat", "apertium-fra-cat", "apertium-arg-cat"],
           ["cat-spa", "cat-eng", "cat-ita", "cat-por", "cat-fra", "cat-arg"]),
    "po": (["apertium-por-cat", "apertium-es-pt", "apertium-pt-gl"],
           ["por-cat", "pt-es", "pt-gl"]),
    "it": (["apertium-cat-ita", "apertium-spa-ita", "apertium-srd-ita"],
           ["ita-cat", "ita-spa", "ita-srd"]),
    "fr": (["apertium-fra-cat", "apertium-fra-frp", "apertium-oci-fra",
            "apertium-eo-fr", "apertium-fr-es"],
           ["fra-cat", "fra-frp", "fra-oci", "fr-eo", "fr-es"]),
    "sv": (["apertium-swe-dan", "apertium-swe-nor", "apertium-isl-swe"],
           ["swe-dan", "swe-nob", "swe-nno", "swe-isl"]),
    "da": (["apertium-swe-dan", "apertium-dan-nor"],
           ["dan-swe", "dan-nob", "dan-nno"]),
    "du": (["apertium-afr-nld"], ["nld-afr"]),
    "mk": (["apertium-mkd-bul", "apertium-mkd-eng", "apertium-hbs-mkd"],
           ["mkd-bul", "mkd-eng", "mkd-hbs"]),
    "sl": (["apertium-hbs-eng", "apertium-hbs-mkd", "apertium-hbs-slv"],
           ["hbs-eng", "hbs-mkd", "hbs-slv"]),
    "ru": (["apertium-bel-rus", "apertium-rus-ukr"], ["rus-bel", "rus-ukr"]),
}

# packages each recipe needs besides its Apertium pairs: (apt, npm)
EXTRA_PACKAGES = {
    "en": (["wordnet-base", "hunspell-en-us"], {}),
    "de": (["hunspell-de-de", "trans-de-en"], {**S.GERMAN, **S.GERMAN_DETERMINERS}),
    "fr": ([], S.LEFFF),
    "es": (["hunspell-es"], {}),
    "po": (["hunspell-pt-pt"], {}),
    "it": (["hunspell-it"], S.ITALIAN),
    "da": (["hunspell-da"], {}),
    "du": (["hunspell-nl"] + src_frog.APT, {}),
    "ru": ([], S.AZ),
    "sl": (["hunspell-sr"], {}),
    "sk": (["hunspell-sr"], {}),
    "al": (src_albanian.APT, {}),
    "fi": (src_voikko_words.APT, src_voikko_words.NPM),
    "gr": (src_greek_paradigms.APT, {}),
    "mk": (["tesseract-ocr", "tesseract-ocr-mkd"], {}),
}
# sk reads the Serbian analysers of sl and transliterates them
APERTIUM_OF = {"sk": "sl"}


def packages_for(code):
    """(apt packages, npm packages) that the recipe of a code installs."""
    apt, npm = EXTRA_PACKAGES.get(code, ([], {}))
    ap = APERTIUM.get(APERTIUM_OF.get(code, code))
    if ap:
        apt = ["lttoolbox-dev"] + ap[0] + apt
    return list(apt), dict(npm)


def analysers_for(code):
    ap = APERTIUM.get(APERTIUM_OF.get(code, code))
    return ap[1] if ap else []


_maps = {}


def tagmap(name):
    if name not in _maps:
        _maps[name] = TagMap.load(name)
    return _maps[name]


class Stats:
    def __init__(self):
        self.unmapped = {}

    def note(self, source, tokens):
        key = (source, " ".join(tokens[:3]))
        self.unmapped[key] = self.unmapped.get(key, 0) + 1


def mapped(rows, tmap, code, stats, source, convert=None):
    """(form, lemma, tag, score) for rows (form, lemma, tokens[, score])."""
    out = []
    memo = {}
    for row in rows:
        form, lemma, toks = row[0], row[1], row[2]
        score = row[3] if len(row) > 3 else 0
        key = tuple(toks)
        tag = memo.get(key, 0)
        if tag == 0:
            tag = memo[key] = tmap.map(toks, code)
        if tag is None:
            stats.note(source, toks)
            continue
        if tag == DROP:
            continue
        if convert:
            form, lemma = convert(form), convert(lemma)
            if form is None or lemma is None:
                continue
        out.append((form, lemma, tag, score))
    return out


def without_broken_pronoun_lemmas(rows):
    """Drops multiword readings that glued the artificial pronoun lemma into
    their text ("keep in touch withprpers" for "keep in touch withhe")."""
    return [r for r in rows if "prpers" not in r[1] or r[1] == "prpers"]


def apertium_layer(code, stats, pool, convert=None, name=None, pronoun_lemma=None):
    """The union of a language's analysers as one layer.

    The analysers give personal pronouns the artificial lemma "prpers";
    pronoun_lemma(form, tags) names the real one (None drops the reading),
    and without a rule of the language's own a pronoun form is its own lemma.
    """
    pkgs, analysers = APERTIUM[code]
    rows, srcs = S.apertium_readings(pkgs, analysers, pool)
    rule = pronoun_lemma or (lambda form, tags: form)
    rows = [(f, rule(f, t) if l == "prpers" else l, t, n)
            for f, l, t, n in without_broken_pronoun_lemmas(rows)]
    return Layer(name or "apertium", mapped([r for r in rows if r[1] is not None],
                                            tagmap("apertium"),
                                            code, stats, "apertium", convert)), srcs


def untagged(rows):
    return [(f, l, "ANYC", 0) for f, l, *_ in rows]


def hunspell_layer(pkg, dic, convert=None):
    rows, src = S.hunspell_readings(pkg, dic)
    out = untagged(rows)
    if convert:
        out = [(convert(f), convert(l), t, s) for f, l, t, s in out]
        out = [r for r in out if r[0] and r[1]]
    return Layer("hunspell " + dic, out, fallback=True), src


# ---------------------------------------------------------------- recipes

def english_pronoun_lemma(tags):
    """Subject form for the person, number and gender of a pronoun."""
    t = set(tags)
    if "p1" in t:
        return "I" if "sg" in t else "we"
    if "p2" in t:
        return "you"
    if "p3" in t:
        if "pl" in t:
            return "they"
        return "he" if "m" in t else "she" if "f" in t else "it" if "nt" in t else None
    return None


def recipe_en(stats, pool):
    # the lemma of an English personal pronoun is its subject form
    ap, srcs = apertium_layer("en", stats, pool,
                              pronoun_lemma=lambda form, tags: english_pronoun_lemma(tags))
    exc, wsrc = S.wordnet_exceptions()
    wn = Layer("wordnet exceptions", mapped(exc, tagmap("wordnet"), "en", stats,
                                            "wordnet"))
    hs, hsrc = hunspell_layer("hunspell-en-us", "en_US")
    return [ap, wn, hs], srcs + [wsrc, hsrc], [
        "Apertium first (tagged); WordNet's exception lists for irregular forms "
        "the analysers lack; Hunspell en_US fills the rest (untagged, ANYC)."]


def recipe_de(stats, pool):
    drows, dsrc = S.german_determiner_readings()
    det = Layer("german-determiners", mapped(drows, tagmap("german-npm"), "de",
                                             stats, "german-npm"))
    rows, srcs = S.german_readings()
    npm = Layer("german-pos-dict", mapped(rows, tagmap("german-npm"), "de", stats,
                                          "german-npm"))
    words, wsrc = S.ding_readings()
    ding = Layer("ding", mapped(words, tagmap("ding"), "de", stats, "ding"))
    hs, hsrc = hunspell_layer("hunspell-de-de", "de_DE")
    return [det, npm, ding, hs], [dsrc] + srcs + [wsrc, hsrc], [
        "Determiner paradigms (german-determiners) first, then the "
        "npm paradigm tables (irregular verbs and nouns right); the "
        "uninflected headwords of the Ding German-English dictionary "
        "(prepositions, conjunctions, adverbs, pronouns, as their own "
        "lemma) keep Hunspell's affix classes from giving them a wrong "
        "stem (seit from sei, etwas from etwa); Hunspell de_DE (igerman98) "
        "adds coverage, untagged. No comparatives or superlatives, and no "
        "personal pronoun paradigms, in any of them."]


def recipe_fr(stats, pool):
    rows, lsrc = S.lefff_readings()
    lf = Layer("lefff", mapped(rows, tagmap("lefff"), "fr", stats, "lefff"))
    ap, srcs = apertium_layer("fr", stats, pool)
    ap.fallback = True
    return [lf, ap], [lsrc] + srcs, [
        "Lefff first; the French Apertium analysers add forms Lefff lacks. "
        "Lefff writes the ligature oe as two letters (yeux -> oeil)."]


def _apertium_then_hunspell(code, pkg, dic, stats, pool, note):
    ap, srcs = apertium_layer(code, stats, pool)
    layers = [ap]
    if pkg:
        hs, hsrc = hunspell_layer(pkg, dic)
        layers.append(hs)
        srcs = srcs + [hsrc]
    return layers, srcs, [note]


def recipe_es(stats, pool):
    return _apertium_then_hunspell(
        "es", "hunspell-es", "es_ES", stats, pool,
        "Union of the Spanish Apertium analysers (readings ranked by how many "
        "analysers have them); Hunspell es_ES fills unknown forms, untagged.")


def recipe_ca(stats, pool):
    return _apertium_then_hunspell(
        "ca", None, None, stats, pool,
        "Union of the Catalan Apertium analysers. hunspell-ca is left out: its "
        "9.5 M pairs are mostly verb+enclitic forms with poor lemmas.")


def recipe_po(stats, pool):
    ap, srcs = apertium_layer("po", stats, pool)
    rows, hsrc = S.hunspell_readings("hunspell-pt-pt", "pt_PT")
    hm = tagmap("hunspell-pt")
    hrows = [(f, l, S.pt_hunspell_tokens(m)) for f, l, m in rows]
    hs = Layer("hunspell pt_PT", mapped(hrows, hm, "po", stats, "hunspell-pt"),
               fallback=True)
    return [ap, hs], srcs + [hsrc], [
        "Union of the Portuguese Apertium analysers; Hunspell pt_PT (with its "
        "[CAT=..] fields) fills unknown forms."]


def recipe_it(stats, pool):
    ap, srcs = apertium_layer("it", stats, pool)
    rows, msrcs = S.italian_readings()
    mi = Layer("morph-it", mapped(rows, tagmap("morph-it"), "it", stats, "morph-it"))
    hs, hsrc = hunspell_layer("hunspell-it", "it_IT")
    return [ap, mi, hs], srcs + msrcs + [hsrc], [
        "Apertium first, the morph-it paradigm tables next, Hunspell it_IT "
        "(untagged, mostly clitic forms) last."]


def recipe_sv(stats, pool):
    return _apertium_then_hunspell(
        "sv", None, None, stats, pool,
        "Union of the Swedish Apertium analysers. hunspell-sv is left out "
        "(wrong lemmas such as pojkar -> pojk).")


def recipe_da(stats, pool):
    return _apertium_then_hunspell(
        "da", "hunspell-da", "da_DK", stats, pool,
        "Union of the Danish Apertium analysers; Hunspell da_DK (st: lemma "
        "fields) fills unknown forms.")


def recipe_du(stats, pool):
    ap, srcs = apertium_layer("du", stats, pool)
    analysed = {}
    for f, l, _, _ in ap.readings:
        analysed.setdefault(f, set()).add(l)
    rows, choice, fsrcs, figures = src_frog.readings(analysed)
    ap.readings = [(f, l, t, n + (1000 if choice.get(f) == l else 0))
                   for f, l, t, n in ap.readings]
    fr = Layer("frog", mapped(rows, tagmap("cgn"), "du", stats, "cgn"))
    hs, hsrc = hunspell_layer("hunspell-nl", "nl")
    return [ap, fr, hs], srcs + fsrcs + [hsrc], [
        "Apertium nld-afr (small) first; " +
        src_frog.NOTE.format(limit=src_frog.LIMIT) + " Hunspell nl fills unknown "
        "forms; its verb stems are 1st/3rd singular forms, so weak past forms "
        "frog has not seen get the stem, not the infinitive, as lemma.",
        figures_note(figures)]


def ordinal_lemmas(rows):
    """OpenCorpora links an ordinal to its cardinal (первый, второго -> один,
    два); the lemma of an ordinal is its own masculine nominative singular
    (первый), abbreviated ordinals (1-го) apart from written ones."""
    ordinals = [(i, set(S.opencorpora_tokens(tag))) for i, (_, _, tag) in enumerate(rows)
                if "Anum" in tag]
    nominative = {}
    for i, toks in ordinals:
        if {"Anum", "masc", "sing", "nomn"} <= toks:
            nominative.setdefault((rows[i][1], "Abbr" in toks), rows[i][0])
    out = list(rows)
    for i, toks in ordinals:
        form, lemma, tag = rows[i]
        if "Anum" in toks:
            out[i] = (form, nominative.get((lemma, "Abbr" in toks), lemma), tag)
    return out


def recipe_ru(stats, pool):
    rows, asrc = S.az_readings()
    cap = {"Name", "Surn", "Patr", "Geox", "Orgn", "Trad"}
    fixed = []
    for form, lemma, tag in ordinal_lemmas(rows):
        toks = S.opencorpora_tokens(tag)
        form, lemma = form.replace("ё", "е"), lemma.replace("ё", "е")
        if cap & set(toks):
            form, lemma = form[:1].upper() + form[1:], lemma[:1].upper() + lemma[1:]
        fixed.append((form, lemma, toks))
    az = Layer("opencorpora", mapped(fixed, tagmap("opencorpora"), "ru", stats,
                                     "opencorpora"))
    ap, srcs = apertium_layer("ru", stats, pool,
                              convert=lambda s: s.replace("ё", "е"))
    ap.fallback = True
    # the case readings beside the lexicon, for the extension rows
    from .build import out_dir
    tmap = tagmap("opencorpora")

    def library_tag(tokens):
        tag = tmap.map(tokens, "ru")
        return None if tag == DROP else tag

    names = src_russian_cases.case_names(((f, t) for f, _, t in fixed), library_tag)
    n = src_russian_cases.write_cases(os.path.join(out_dir(), "ru-cases.tsv"), names)
    return [az, ap], [asrc] + srcs, [
        "OpenCorpora (npm az) first, parses in the package's probability "
        "order; the Russian Apertium analysers add missing forms. ё is "
        "folded to е; ordinals take their own nominative as lemma, not the "
        "cardinal OpenCorpora links them to.",
        f"The case, number and gender of the OpenCorpora parses go beside the "
        f"lexicon into ru-cases.tsv ({n:,} form and tag pairs), from which "
        f"lemm-build learns the extension rows."]


def serbian_analyser_layer(ap, hs):
    """The hbs analysers' readings made Serbian: their lemmas are Ijekavian
    (predsjednik for the Ekavian form predsednik), and clitics carry the
    artificial lemma "clitic"; lemmas take the Ekavian spelling the Hunspell
    word list (Ekavian) confirms, and "clitic" readings are dropped."""
    headwords = {l for _, l, _, _ in hs.readings}
    memo = {}
    for f, l, t, n in ap.readings:
        if l not in memo:
            memo[l] = ekavian_lemma(l, headwords)
    ap.readings = [(f, memo[l], t, n) for f, l, t, n in ap.readings
                   if l not in ("clitic", "цлитиц")]
    return ap


_SERBIAN_NOTE = ("lemmas in the Ekavian spelling of Serbian where Hunspell's "
                 "Ekavian word list confirms it (the analysers give Ijekavian "
                 "lemmas: predsjednik, poslije), and the artificial lemma "
                 "'clitic' dropped")


def recipe_sl(stats, pool):
    ap, srcs = apertium_layer("sl", stats, pool,
                              convert=lambda s: s.replace("ð", "đ").replace("Ð", "Đ"))
    hs, hsrc = hunspell_layer("hunspell-sr", "sr_Latn_RS")
    return [serbian_analyser_layer(ap, hs), hs], srcs + [hsrc], [
        "Apertium hbs-* (tagged, Latin script) first, with " + _SERBIAN_NOTE +
        "; Hunspell sr_Latn_RS (untagged) fills unknown forms."]


def recipe_sk(stats, pool):
    ap, srcs = apertium_layer("sl", stats, pool, convert=serbian_to_cyrillic)
    hs, hsrc = hunspell_layer("hunspell-sr", "sr_RS")
    return [serbian_analyser_layer(ap, hs), hs], srcs + [hsrc], [
        "Apertium hbs-* transliterated to Cyrillic first, with " + _SERBIAN_NOTE +
        "; Hunspell sr_RS (untagged) fills unknown forms."]


def recipe_mk(stats, pool):
    ap, srcs = apertium_layer("mk", stats, pool)
    rows, words = src_apertium_words.macedonian_rows(S.FILTER_VERSION)
    rows = [(f, f if l == "prpers" else l, t) for f, l, t in rows]
    more = Layer("apertium generators and text", mapped(rows, tagmap("apertium"), "mk",
                                                        stats, "apertium"), fallback=True)
    for layer in (ap, more):
        layer.readings = [r for r in layer.readings
                          if is_cyrillic_word(r[0]) and is_cyrillic_word(r[1])
                          and r[1] != "clitic"]
    lower = [w for w in words if w == w.lower()]
    walked = {r[0] for r in ap.readings}
    known = walked | {r[0] for r in more.readings}
    share = [100.0 * sum(1 for w in lower if w in k) / max(1, len(lower)) for k in (walked, known)]
    return [ap, more], srcs + [S.deb_source("tesseract-ocr-mkd")], [
        "Union of the Macedonian Apertium analysers (about 8 k lemmas); "
        "forms that mix Latin look-alike letters into Cyrillic and the "
        "artificial lemma 'clitic' are dropped. No other open Macedonian "
        "lemma source exists in Debian or npm.", src_apertium_words.MK_NOTE,
        f"No dev set: of the {len(lower):,} lower-case Cyrillic types of the "
        f"Tesseract Macedonian word list (running text), the analysers' walk "
        f"knows {share[0]:.1f} %, the lexicon {share[1]:.1f} %."]


def recipe_al(stats, pool):
    rows, hsrc = S.hunspell_readings("myspell-sq", "sq_AL")
    tables, weighed, figures = src_albanian.readings(rows)
    return [Layer("grammar tables", tables), Layer("hunspell sq_AL", weighed)], \
        [hsrc, S.deb_source("tesseract-ocr-sqi")], [src_albanian.NOTE, figures_note(figures)]


def figures_note(figures):
    return "Word lists and headwords read: " + ", ".join(
        f"{k} {v:,}" for k, v in figures.items()) + "."


def recipe_fi(stats, pool):
    analysed, own, srcs, figures = src_voikko_words.readings()
    vm = tagmap("voikko")
    return [Layer("voikko", mapped(analysed, vm, "fi", stats, "voikko")),
            Layer("wikdict own lemmas", mapped(own, vm, "fi", stats, "voikko"))], \
        srcs, [src_voikko_words.NOTE, figures_note(figures)]


def recipe_gr(stats, pool):
    tables, paired, srcs, figures = src_greek_paradigms.readings()
    return [Layer("grammar tables", tables), Layer("greek pairing", paired)], srcs, \
        [src_greek_paradigms.NOTE, figures_note(figures)]


RECIPES = {"en": recipe_en, "de": recipe_de, "fr": recipe_fr, "es": recipe_es,
           "ca": recipe_ca, "po": recipe_po, "it": recipe_it, "sv": recipe_sv,
           "da": recipe_da, "du": recipe_du, "ru": recipe_ru, "sl": recipe_sl,
           "sk": recipe_sk, "mk": recipe_mk, "al": recipe_al, "fi": recipe_fi,
           "gr": recipe_gr}
