"""The recipe of each language: its sources, their precedence, their tag maps.

RECIPES is a table: per first-edition code, the layers in precedence order
(each names its source, its tag map and the packages it installs) and the
note the report gives.  A fallback layer (an affix expansion) only fills
forms the layers before it do not know, so that a source which knows
irregular forms wins over an expansion that lists them as their own lemmas.
The functions below the table are the few steps a language needs of its
own (pronoun lemmas, Russian ordinals, Serbian spelling, ...).
"""

import functools
import os

from . import albanian, dutch, english, finnish, greek, russian_cases
from .hunspell import keep_prefixes
from .merge import Layer
from .script import is_cyrillic_word, serbian_lemma, serbian_to_cyrillic
from .sources import (apertium, apertium_words, cldr, ding, frog, german_determiners,
                      german_pos_dict, hunspell, lefff, morph_it, opencorpora, tesseract,
                      wordnet)
from .common import figures_note
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


# ---------------------------------------------------------------- layer kinds

class Apertium:
    """The union of a language's Apertium analysers (APERTIUM[of]), mapped
    by the apertium tag map.

    The analysers give personal pronouns the artificial lemma "prpers", and
    some give a pronoun (a reading tagged prn) one of pronoun_lemmas instead
    (the Serbo-Croatian ones "free" and "clitic"); pronoun_lemma(form, tags)
    names the real one (None drops the reading), and without a rule of the
    language's own a pronoun form is its own lemma.
    convert rewrites forms and lemmas after mapping (None drops the reading);
    keep(reading) filters the mapped readings.
    """

    def __init__(self, of=None, convert=None, pronoun_lemma=None, keep=None,
                 fallback=False, pronoun_lemmas=()):
        self.of, self.convert, self.pronoun_lemma = of, convert, pronoun_lemma
        self.pronoun_lemmas = pronoun_lemmas
        self.keep, self.fallback = keep, fallback

    def is_pronoun_lemma(self, lemma, tokens):
        """Whether lemma is an analyser's stand-in for a pronoun's lemma."""
        return lemma == "prpers" or (lemma in self.pronoun_lemmas and tokens[:1] == ["prn"])

    def analysers(self, code):
        return APERTIUM[self.of or code][1]

    def packages(self, code):
        return apertium.TOOLS + APERTIUM[self.of or code][0], {}

    def caches(self, code):
        paths = [apertium.find_analyser(a) for a in self.analysers(code)]
        return [(expansion_label(p), apertium.cache_analyser, (p,))
                for p in paths if p and not apertium.is_cached(p)]

    def build(self, code, stats, pool, before=()):
        pkgs, analysers = APERTIUM[self.of or code]
        rows, srcs = apertium.readings(pkgs, analysers, pool)
        rule = self.pronoun_lemma or (lambda form, tags: form)
        rows = [(f, rule(f, t) if self.is_pronoun_lemma(l, t) else l, t, n)
                for f, l, t, n in without_broken_pronoun_lemmas(rows)]
        readings = mapped([r for r in rows if r[1] is not None], tagmap("apertium"),
                          code, stats, "apertium", self.convert)
        if self.keep:
            readings = [r for r in readings if self.keep(r)]
        return Layer("apertium", readings, fallback=self.fallback), srcs


def _read_result(result):
    """(rows, sources, notes) of what a source's read() gave: (rows, sources)
    or (rows, sources, notes), the notes being what the report says of it."""
    return result if len(result) == 3 else (result[0], result[1], [])


class Tagged:
    """A source's tagged readings, mapped by its tag map (also the name its
    unmapped tags are counted under).  read() gives (rows, sources) or (rows,
    sources, notes); prepare(rows) turns the rows into (form, lemma,
    tokens[, score]).
    cache: for a source whose reading takes long, (is_cached, fill, args):
    is_cached() says whether it is cached, fill(*args) fills the cache in a
    worker of the pool."""

    def __init__(self, name, tagset, read, apt=(), npm=None, prepare=None,
                 fallback=False, cache=None):
        self.name, self.tagset, self.read = name, tagset, read
        self.apt, self.npm = list(apt), dict(npm or {})
        self.prepare, self.fallback, self.cache = prepare, fallback, cache

    def analysers(self, code):
        return []

    def packages(self, code):
        return self.apt, self.npm

    def caches(self, code):
        """(label, function, arguments) of the expansions not cached yet."""
        if self.cache is None or self.cache[0]():
            return []
        return [(self.name, self.cache[1], self.cache[2])]

    def _read(self, before):
        return _read_result(self.read())

    def build(self, code, stats, pool, before=()):
        """(layer, sources); before: the layers built ahead of this one."""
        rows, srcs, notes = self._read(before)
        if self.prepare:
            rows = self.prepare(rows)
        return Layer(self.name, mapped(rows, tagmap(self.tagset), code, stats, self.tagset),
                     fallback=self.fallback, notes=notes), srcs


class Following(Tagged):
    """A source read in the light of the layers before it: read(before)
    gives what read() gives for Tagged (frog only sees the forms the Dutch
    analyser does not know)."""

    def _read(self, before):
        return _read_result(self.read(before))


class Hunspell(Tagged):
    """An affix expansion without tags (ANYC), by default a fallback;
    score(form, lemma) ranks a form's readings; lemmas(rows) may correct
    the lemmas of the expansion's (form, lemma, morph) rows."""

    def __init__(self, package, dic, fallback=True, score=None, lemmas=None):
        super().__init__("hunspell " + dic, None, lambda: hunspell.readings(package, dic),
                         apt=[package], fallback=fallback)
        self.package, self.dic = package, dic
        self.score = score or (lambda form, lemma: 0)
        self.lemmas = lemmas or (lambda rows: rows)

    def caches(self, code):
        if hunspell.is_cached(self.dic):
            return []
        return [(self.name, hunspell.cache, (self.package, self.dic))]

    def build(self, code, stats, pool, before=()):
        rows, srcs = self.read()
        rows = self.lemmas(rows)
        return Layer(self.name, [(f, l, "ANYC", self.score(f, l)) for f, l, *_ in rows],
                     fallback=self.fallback), srcs


class Named(Tagged):
    """Readings that a language module builds with tag names already."""

    def build(self, code, stats, pool, before=()):
        rows, srcs, notes = self._read(before)
        return Layer(self.name, rows, fallback=self.fallback, notes=notes), srcs


class Recipe:
    """layers: in precedence order; finish(layers) is a step across layers;
    seconds: roughly how long the build takes with its sources expanded
    (the longest are started first, so that the workers end together);
    reorder(readings, form): where a source knows better than the learnt
    reading order, the order of a form's readings after it; order_source:
    (apt packages, function giving its Source) when that source is not a
    layer's."""

    def __init__(self, seconds, layers, note, finish=None, reorder=None, order_source=None):
        self.seconds, self.layers, self.note, self.finish = seconds, layers, note, finish
        self.reorder, self.order_source = reorder, order_source


def expansion_label(path):
    """An analyser's name ("spa-cat") from its file's path."""
    return os.path.basename(path).replace(".automorf.bin", "")


# ---------------------------------------------------------------- the steps of some languages

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


# The artificial lemmas the Serbo-Croatian analysers give personal pronouns
# besides "prpers".
SERBIAN_PRONOUN_LEMMAS = ("free", "clitic")


def serbian_pronoun_lemma(tags):
    """The lemma of a personal or reflexive pronoun by its person and number:
    the third person under its masculine singular and plural, as Serbian
    dictionaries list it (ona, nju, joj -> on; ih, im -> oni)."""
    t = set(tags)
    if "ref" in t:
        return "sebe"
    number = "sg" if "sg" in t else "pl" if "pl" in t else None
    if number is None:
        return None
    for person, singular, plural in (("p1", "ja", "mi"), ("p2", "ti", "vi"), ("p3", "on", "oni")):
        if person in t:
            return singular if number == "sg" else plural
    return None


def ordinal_lemmas(rows):
    """OpenCorpora links an ordinal to its cardinal (первый, второго -> один,
    два); the lemma of an ordinal is its own masculine nominative singular
    (первый), abbreviated ordinals (1-го) apart from written ones."""
    ordinals = [(i, set(opencorpora.tokens(tag))) for i, (_, _, tag) in enumerate(rows)
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


RUSSIAN_NAMES = {"Name", "Surn", "Patr", "Geox", "Orgn", "Trad"}


def russian_rows(rows):
    """OpenCorpora's (form, lemma, tag) made (form, lemma, tokens): ordinals
    take their own nominative, ё is written е, and names are capitalised.
    An adjective of a place (ADJF with Geox: таджикский, сумский) is no
    name: Russian writes it in lower case, even inside a capitalised name."""
    @functools.lru_cache(maxsize=None)   # tags repeat
    def parsed(tag):
        toks = opencorpora.tokens(tag)
        return toks, bool(RUSSIAN_NAMES & set(toks)) and toks[0] != "ADJF"

    fixed = []
    for form, lemma, tag in ordinal_lemmas(rows):
        toks, name = parsed(tag)
        form, lemma = form.replace("ё", "е"), lemma.replace("ё", "е")
        if name:
            form, lemma = form[:1].upper() + form[1:], lemma[:1].upper() + lemma[1:]
        fixed.append((form, lemma, toks))
    return fixed


def russian_readings():
    """OpenCorpora's readings made Russian (russian_rows), and the case,
    number and gender of each form and library tag written beside the
    lexicon (ru-cases.tsv), from which lemm-build learns the Russian
    extension rows."""
    from .build import out_dir
    rows, sources = opencorpora.readings()
    fixed = russian_rows(rows)
    tmap = tagmap("opencorpora")

    def library_tag(tokens):
        tag = tmap.map(tokens, "ru")
        return None if tag == DROP else tag

    names = russian_cases.case_names(((f, t) for f, _, t in fixed), library_tag)
    n = russian_cases.write_cases(os.path.join(out_dir(), "ru-cases.tsv"), names)
    return fixed, sources, [
        f"The case, number and gender of the OpenCorpora parses go beside the "
        f"lexicon into ru-cases.tsv ({n:,} form and tag pairs), from which "
        f"lemm-build learns the extension rows."]


def portuguese_rows(rows):
    tokens = functools.lru_cache(maxsize=None)(hunspell.portuguese_tokens)  # fields repeat
    return [(f, l, tokens(m)) for f, l, m in rows]


def serbian_lemmas(layers):
    """The hbs analysers' readings (first layer) made Serbian: their lemmas
    are Ijekavian (predsjednik for the Ekavian form predsednik) and some
    Croatian (tko for ko); lemmas take the Serbian and Ekavian spelling the
    Hunspell word list (second layer, Ekavian) confirms, and readings left
    with an artificial lemma are dropped."""
    ap, hs = layers[0], layers[1]
    headwords = {l for _, l, _, _ in hs.readings}
    memo = {}
    for f, l, t, n in ap.readings:
        if l not in memo:
            memo[l] = serbian_lemma(l, headwords)
    artificial = set(SERBIAN_PRONOUN_LEMMAS)
    artificial |= {serbian_to_cyrillic(l) for l in SERBIAN_PRONOUN_LEMMAS}
    ap.readings = [(f, memo[l], t, n) for f, l, t, n in ap.readings if l not in artificial]


def macedonian_reading(reading):
    """Cyrillic letters only (no Latin look-alikes), no artificial lemma."""
    form, lemma = reading[0], reading[1]
    return is_cyrillic_word(form) and is_cyrillic_word(lemma) and lemma != "clitic"


def lemmas_by_form(readings):
    out = {}
    for f, l, _, _ in readings:
        out.setdefault(f, set()).add(l)
    return out


def dutch_frog(before):
    """frog's readings of the frequent forms the Dutch analyser (the layer
    before) does not know; where the analyser gives a form several lemmas,
    frog's choice among them is put first in that layer."""
    ap = before[0]
    rows, choice, sources, figures = frog.readings(lemmas_by_form(ap.readings))
    ap.readings = [(f, l, t, n + (1000 if choice.get(f) == l else 0))
                   for f, l, t, n in ap.readings]
    return rows, sources, [figures_note(figures)]


def macedonian_text(before):
    """The Macedonian generators' forms and the analysers' analyses of the
    Tesseract word list, for the forms the walk (the layer before) lacks;
    the share of the word list's lower-case types each knows noted."""
    rows, words = apertium_words.macedonian_rows(APERTIUM["mk"][1])
    rows = [(f, f if l == "prpers" else l, t) for f, l, t in rows]
    rows = [r for r in rows if macedonian_reading(r)]
    lower = [w for w in words if w == w.lower()]
    walked = {r[0] for r in before[0].readings}
    known = walked | {r[0] for r in rows}
    share = [100.0 * sum(1 for w in lower if w in k) / max(1, len(lower))
             for k in (walked, known)]
    return rows, [tesseract.source("mkd")], [
        f"No dev set: of the {len(lower):,} lower-case Cyrillic types of the "
        f"Tesseract Macedonian word list (running text), the analysers' walk "
        f"knows {share[0]:.1f} %, the lexicon {share[1]:.1f} %."]


# ---------------------------------------------------------------- the recipes

_SERBIAN_NOTE = ("lemmas in the Ekavian spelling of Serbian where Hunspell's "
                 "Ekavian word list confirms it (the analysers give Ijekavian "
                 "lemmas: predsjednik, poslije), and in their Serbian form for "
                 "the Croatian tko, nitko, netko, itko, svatko and također; personal pronouns, which one "
                 "analyser gives the artificial lemmas 'free' and 'clitic', take "
                 "the lemma of their person and number (ih -> oni)")

RECIPES = {
    "en": Recipe(
        4,
        [Tagged("cldr month and day abbreviations", "cldr", lambda: cldr.readings("en"),
                apt=cldr.APT),
         Apertium(pronoun_lemma=lambda form, tags: english_pronoun_lemma(tags)),
         Tagged("wordnet exceptions", "wordnet", wordnet.readings, apt=wordnet.APT),
         Tagged("wordnet nouns in -ing", "wordnet", wordnet.ing_nouns, apt=wordnet.APT),
         Hunspell("hunspell-en-us", "en_US", lemmas=keep_prefixes)],
        "The abbreviations of months and days (CLDR) first, their lemma the full "
        "name (Sept: September); Apertium (tagged); WordNet's exception lists for irregular forms "
        "the analysers lack, and its nouns in -ing (sharing, timing), which the "
        "analysers know only as verb forms; Hunspell en_US fills the rest (untagged, ANYC; a "
        "prefixed form's lemma keeps its prefix: unsubscribe, not subscribe). "
        "A form's lemmas are ordered by how often Lingua::EN::Tagger's lexicon "
        "tags the form as their word class, and the lemma the form spells out "
        "comes before its spelling variants (realized: realize, realise).",
        reorder=english.by_tagged_text, order_source=(english.APT, english.source)),
    "de": Recipe(
        15,
        [Tagged("german-determiners", "german-npm", german_determiners.readings,
                npm=german_determiners.NPM),
         Tagged("german-pos-dict", "german-npm", german_pos_dict.readings,
                npm=german_pos_dict.NPM),
         Tagged("ding", "ding", ding.readings, apt=ding.APT),
         Hunspell("hunspell-de-de", "de_DE")],
        "Determiner paradigms (german-determiners) first, then the "
        "npm paradigm tables (irregular verbs and nouns right); the "
        "uninflected headwords of the Ding German-English dictionary "
        "(prepositions, conjunctions, adverbs, pronouns, as their own "
        "lemma) keep Hunspell's affix classes from giving them a wrong "
        "stem (seit from sei, etwas from etwa); Hunspell de_DE (igerman98) "
        "adds coverage, untagged. No comparatives or superlatives, and no "
        "personal pronoun paradigms, in any of them."),
    "fr": Recipe(
        16,
        [Tagged("lefff", "lefff", lefff.readings, npm=lefff.NPM),
         Apertium(fallback=True)],
        "Lefff first; the French Apertium analysers add forms Lefff lacks. "
        "Lefff writes the ligature oe as two letters (yeux -> oeil)."),
    "es": Recipe(
        31,
        [Apertium(), Hunspell("hunspell-es", "es_ES")],
        "Union of the Spanish Apertium analysers (readings ranked by how many "
        "analysers have them); Hunspell es_ES fills unknown forms, untagged."),
    "ca": Recipe(
        32,
        [Apertium()],
        "Union of the Catalan Apertium analysers. hunspell-ca is left out: its "
        "9.5 M pairs are mostly verb+enclitic forms with poor lemmas."),
    "po": Recipe(
        48,
        [Apertium(),
         Tagged("hunspell pt_PT", "hunspell-pt",
                lambda: hunspell.readings("hunspell-pt-pt", "pt_PT"),
                apt=["hunspell-pt-pt"], prepare=portuguese_rows, fallback=True,
                cache=(lambda: hunspell.is_cached("pt_PT"), hunspell.cache,
                       ("hunspell-pt-pt", "pt_PT")))],
        "Union of the Portuguese Apertium analysers; Hunspell pt_PT (with its "
        "[CAT=..] fields) fills unknown forms."),
    "it": Recipe(
        39,
        [Apertium(),
         Tagged("morph-it", "morph-it", morph_it.readings, npm=morph_it.NPM),
         Hunspell("hunspell-it", "it_IT")],
        "Apertium first, the morph-it paradigm tables next, Hunspell it_IT "
        "(untagged, mostly clitic forms) last."),
    "sv": Recipe(
        13,
        [Apertium()],
        "Union of the Swedish Apertium analysers. hunspell-sv is left out "
        "(wrong lemmas such as pojkar -> pojk)."),
    "da": Recipe(
        24,
        [Apertium(), Hunspell("hunspell-da", "da_DK")],
        "Union of the Danish Apertium analysers; Hunspell da_DK (st: lemma "
        "fields) fills unknown forms."),
    "du": Recipe(
        10,
        [Apertium(),
         Following("frog", "cgn", dutch_frog, apt=frog.APT),
         Named("hunspell nl nouns", None, dutch.noun_layer,
               apt=[dutch.HUNSPELL[0]] + frog.APT),
         Hunspell(*dutch.HUNSPELL, lemmas=dutch.verb_lemmas)],
        "Apertium nld-afr (small) first; " + frog.NOTE.format(limit=frog.LIMIT) +
        " Hunspell nl's nouns (roots with a plural) that frog's tagger lexicon "
        "shows as nouns are added to every form; the rest of Hunspell nl fills "
        "unknown forms, the present and past forms of its verb stems taking "
        "the infinitive the dictionary lists beside the stem (blesseerde -> "
        "blesseren). An adjective of a name keeps its capital in its lemma. "
        "A form's lemmas are ordered by how often frog's tagger lexicon tags "
        "the form as their word class.",
        finish=dutch.proper_adjectives, reorder=dutch.by_tagged_text),
    "ru": Recipe(
        78,
        [Tagged("opencorpora", "opencorpora", russian_readings,
                npm=opencorpora.NPM,
                cache=(opencorpora.is_cached, opencorpora.cache, ())),
         Apertium(convert=lambda s: s.replace("ё", "е"), fallback=True)],
        "OpenCorpora (npm az) first, parses in the package's probability "
        "order; the Russian Apertium analysers add missing forms. ё is "
        "folded to е; ordinals take their own nominative as lemma, not the "
        "cardinal OpenCorpora links them to."),
    "sl": Recipe(
        52,
        [Apertium(convert=lambda s: s.replace("ð", "đ").replace("Ð", "Đ"),
                  pronoun_lemma=lambda form, tags: serbian_pronoun_lemma(tags),
                  pronoun_lemmas=SERBIAN_PRONOUN_LEMMAS),
         Hunspell("hunspell-sr", "sr_Latn_RS",
                  lemmas=lambda rows: keep_prefixes(rows, inflectional=("naj",)))],
        "Apertium hbs-* (tagged, Latin script) first, with " + _SERBIAN_NOTE +
        "; Hunspell sr_Latn_RS (untagged) fills unknown forms, a prefixed form's "
        "lemma keeping its prefix (nepostojanje, not postojanje; not the "
        "superlative's naj-).",
        finish=serbian_lemmas),
    # sk reads the Serbian analysers of sl and transliterates them
    "sk": Recipe(
        52,
        [Apertium(of="sl", convert=serbian_to_cyrillic,
                  pronoun_lemma=lambda form, tags: serbian_pronoun_lemma(tags),
                  pronoun_lemmas=SERBIAN_PRONOUN_LEMMAS),
         Hunspell("hunspell-sr", "sr_RS",
                  lemmas=lambda rows: keep_prefixes(rows, inflectional=("нај",)))],
        "Apertium hbs-* transliterated to Cyrillic first, with " + _SERBIAN_NOTE +
        "; Hunspell sr_RS (untagged) fills unknown forms, a prefixed form's "
        "lemma keeping its prefix (непостојање, not постојање; not the "
        "superlative's нај-).",
        finish=serbian_lemmas),
    "mk": Recipe(
        25,
        [Apertium(keep=macedonian_reading),
         Following("apertium generators and text", "apertium", macedonian_text,
                   apt=[p for p, _ in apertium_words.MK_GENERATORS] + tesseract.apt("mkd"),
                   fallback=True)],
        "Union of the Macedonian Apertium analysers (about 8 k lemmas); "
        "forms that mix Latin look-alike letters into Cyrillic and the "
        "artificial lemma 'clitic' are dropped. No other open Macedonian "
        "lemma source exists in Debian or npm. " + apertium_words.MK_NOTE),
    "al": Recipe(
        10,
        [Named("grammar tables", None, albanian.tables, apt=albanian.APT),
         Named("hunspell sq_AL", None, albanian.weighed_expansion,
               cache=(lambda: hunspell.is_cached(albanian.HUNSPELL[1]), hunspell.cache,
                      albanian.HUNSPELL))],
        albanian.NOTE),
    "fi": Recipe(
        120,
        [Tagged("wikdict own lemmas", "voikko", finnish.own_lemmas),
         Tagged("voikko", "voikko", finnish.analysed, apt=finnish.APT, npm=finnish.NPM,
                cache=(finnish.is_cached, finnish.cache, ()))],
        finnish.NOTE),
    "gr": Recipe(
        60,
        [Named("grammar tables", None, greek.tables, apt=greek.APT),
         Named("greek pairing", None, greek.paired)],
        greek.NOTE),
}


def build(code, stats, pool=None):
    """(layers, sources, notes) of a code's recipe."""
    recipe = RECIPES[code]
    layers, sources, notes = [], [], [recipe.note]
    for layer_recipe in recipe.layers:
        layer, srcs = layer_recipe.build(code, stats, pool, layers)
        layers.append(layer)
        sources += [s for s in srcs if s.name not in {t.name for t in sources}]
        notes += layer.notes
    if recipe.finish:
        recipe.finish(layers)
    if recipe.order_source:
        sources.append(recipe.order_source[1]())
    return layers, sources, notes


def reorder_of(code):
    """The recipe's own reading order after the learnt one, or None."""
    return RECIPES[code].reorder


def packages_for(code):
    """(apt packages, npm packages) that the recipe of a code installs."""
    apt, npm = [], {}
    recipe = RECIPES[code]
    for layer_recipe in recipe.layers:
        a, n = layer_recipe.packages(code)
        apt += [p for p in a if p not in apt]
        npm.update(n)
    if recipe.order_source:
        apt += [p for p in recipe.order_source[0] if p not in apt]
    return apt, npm


def analysers_for(code):
    return [a for layer_recipe in RECIPES[code].layers for a in layer_recipe.analysers(code)]


def expansions_for(codes):
    """(label, function, arguments) of the expansions the recipes of codes
    read that are not cached yet, each once, the longest first: the
    listings and analyses of whole dictionaries (a few minutes each), then
    the Hunspell dictionaries and the analysers, biggest file first."""
    tasks = []
    for code in codes:
        for layer_recipe in RECIPES[code].layers:
            tasks += [t for t in layer_recipe.caches(code) if t not in tasks]
    kinds = {apertium.cache_analyser: lambda args: os.path.getsize(args[0]),
             hunspell.cache: lambda args: os.path.getsize(hunspell.find(args[1])[1])}
    others = [t for t in tasks if t[1] not in kinds]
    files = sorted((t for t in tasks if t[1] in kinds), key=lambda t: -kinds[t[1]](t[2]))
    return others + files


def longest_first(codes):
    return sorted(codes, key=lambda code: -RECIPES[code].seconds)
