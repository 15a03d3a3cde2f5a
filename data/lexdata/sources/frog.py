"""frog, the Dutch tagger and lemmatizer: lemmas and CGN tags for the forms
no better source has.

Where from: the Debian packages frog, frogdata and uctodata (frog does not
start without uctodata).  Version: the Debian versions of frog and
frogdata, which key the cache of its answers.  Licence: frog's Debian
copyright file (GPL-3+).

frog tags and lemmatizes Dutch
text with memory-based models trained on annotated Dutch: it knows strong
and weak verb forms (liep -> lopen, werkte -> werken, gegeten -> eten) and
irregular comparison (beter -> goed).  It is slow (a few hundred words a
second), so it only sees the forms the analyser before it does not know, and
only a bounded number of the most frequent of them; every answer is kept
in a cache keyed by frog's and its data's versions, so a form is never
given to frog twice.

Each form goes in as a sentence of its own (``-n``); frog's output line is
``index<TAB>word<TAB>lemma<TAB>morphology<TAB>CGN tag<TAB>confidence...``.
One reading per form: frog's.

The forms' frequencies come from frog's own tagger lexicon
(``Frog.mbt.1.0.lex``: count, word, tags with counts), built from the
annotated corpus frog was trained on.
"""

import functools
import gzip
import os
import subprocess
import tempfile

from ..common import log
from .shared import cache_dir, deb_source, dpkg_version, ensure_apt

APT = ["frog", "frogdata", "uctodata"]
LEXICON = "/usr/share/frog/nld/Frog.mbt.1.0.lex"
# modules left out: the tokenizer (a line is one word), multi-word units,
# morphology, parser, chunker, names
SKIP = "tmpacn"


@functools.lru_cache(maxsize=None)   # read once, by the frog layer and the order
def tag_counts(path=LEXICON):
    """{word: {word class: count}} of frog's tagger lexicon, the class being
    a CGN tag's head (N, WW, ADJ...); a word's counts add up to its count
    in the lexicon."""
    out = {}
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            parts = line.split()
            if len(parts) < 3 or not parts[0].isdigit():
                continue
            classes = out.setdefault(parts[1], {})
            for field in parts[2:]:
                tag, _, count = field.rpartition(":")
                if count.isdigit():
                    head = tag.partition("(")[0]
                    classes[head] = classes.get(head, 0) + int(count)
    return out


def parse_output(text):
    """{word: (lemma, CGN tag)} of frog's tabbed output, one word a sentence.

    Sentences are separated by empty lines; one that the tokenizer split
    into several tokens (auto's -> auto 's) answers nothing.
    """
    out = {}
    for block in text.split("\n\n"):
        lines = [line for line in block.split("\n") if line.strip()]
        if len(lines) != 1:
            continue
        f = lines[0].split("\t")
        if len(f) >= 5 and f[0] == "1" and f[1] and f[2]:
            out.setdefault(f[1], (f[2], f[4]))
    return out


def cgn_tokens(tag):
    """``WW(pv,verl,ev)`` -> ['WW', 'pv', 'verl', 'ev']."""
    head, _, rest = tag.partition("(")
    return [head] + [t for t in rest.rstrip(")").split(",") if t]


def _cache_path():
    version = f"{dpkg_version('frog')}-{dpkg_version('frogdata')}".replace(":", "_")
    return os.path.join(cache_dir("frog"), f"frog-{version}.tsv.gz")


def read_cache(path):
    out = {}
    if os.path.exists(path):
        with gzip.open(path, "rt", encoding="utf-8") as f:
            for line in f:
                p = line.rstrip("\n").split("\t")
                if len(p) == 3:
                    out[p[0]] = (p[1], p[2])
    return out


def write_cache(path, known):
    tmp = path + ".tmp"
    with gzip.open(tmp, "wt", encoding="utf-8", compresslevel=3) as f:
        for w in sorted(known):
            lemma, tag = known[w]
            f.write(f"{w}\t{lemma}\t{tag}\n")
    os.replace(tmp, path)


def run_frog(words):
    """frog's (lemma, tag) of each word (words without blanks)."""
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "words.txt")
        with open(src, "w", encoding="utf-8") as f:
            f.write("\n".join(words) + "\n")
        r = subprocess.run(["frog", "-n", f"--skip={SKIP}", "-t", src], cwd=tmp,
                           check=True, capture_output=True, text=True,
                           encoding="utf-8", errors="replace")
        return parse_output(r.stdout)


def lemmatize(words, runner=run_frog, path=None):
    """{word: (lemma, CGN tag)} for the words: cached answers, and frog run on
    the words not yet cached.  Words frog could not answer are cached with an
    empty lemma and left out."""
    if path is None:
        ensure_apt(APT)
        path = _cache_path()
    known = read_cache(path)
    todo = [w for w in words if w not in known and w and " " not in w]
    if todo:
        log(f"  frog: lemmatizing {len(todo):,} Dutch forms")
        got = runner(todo)
        for w in todo:
            known[w] = got.get(w, ("", ""))
        write_cache(path, known)
    return {w: known[w] for w in words if w in known and known[w][0]}


# ---------------------------------------------------------------- recipe

# the most frequent forms frog is given: about a minute of frog on one core
LIMIT = 60_000

NOTE = ("frog (tagger and lemmatizer trained on annotated Dutch) for the forms "
        "of its own tagger lexicon that the Apertium analyser does not know, "
        "the {limit:,} most frequent (answers cached): one reading a form, "
        "ahead of Hunspell; where the analyser gives a form several lemmas, "
        "frog's choice among them comes first.")


def readings(analysed):
    """frog for Dutch: (form, lemma, tokens) rows for the frequent forms the
    analyser does not know; {form: lemma} of frog's choice among the
    analyser's lemmas of each form it gives several; sources; figures.

    analysed: {form: set of lemmas} of the analyser."""
    ensure_apt(APT)
    counts = {w: sum(classes.values()) for w, classes in tag_counts().items()}
    words = [w for w, _ in sorted(counts.items(), key=lambda x: (-x[1], x[0]))
             if w not in analysed and not w[:1].isdigit() and any(c.isalpha() for c in w)]
    words = words[:LIMIT]
    ambiguous = sorted(f for f, lemmas in analysed.items() if len(lemmas) > 1)
    got = lemmatize(words + ambiguous)
    rows = [(w, got[w][0], cgn_tokens(got[w][1])) for w in words if w in got]
    choice = {f: got[f][0] for f in ambiguous if f in got and got[f][0] in analysed[f]}
    figures = {"frog lexicon types": len(counts), "frequent types given to frog": len(words),
               "frog readings": len(rows), "analyser's ambiguous forms": len(ambiguous),
               "frog's choice among their lemmas": len(choice)}
    return rows, choice, [deb_source(p) for p in APT], figures
