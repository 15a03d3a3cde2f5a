"""Merging readings of several sources into one lexicon, and writing it."""

import functools
import os

# Tag families in the order a form's readings are given when the sources
# say nothing better: closed classes (prepositions and conjunctions, the
# most frequent, first), auxiliaries, content words, names, untagged
# readings last.
_RANK_PREFIXES = [
    "PREP", "CON", "DET", "PNN", "PNR", "PNW", "PNDA", "POPO", "DTWH", "ADWH",
    "PTCL", "VRBB", "VRBH", "VRBM", "VRBD", "INFB", "INFH", "INFM",
    "NOMC", "ADJE", "ADVB", "VRBF", "VRB", "INF", "PAP", "PRP", "GER",
    "IMP", "NUML", "ORDL", "NABB", "UABB", "ADJ", "NOMP", "ANYC"]


@functools.lru_cache(maxsize=None)
def tag_rank(tag):
    for i, p in enumerate(_RANK_PREFIXES):
        if tag.startswith(p):
            return i
    return len(_RANK_PREFIXES) - 1


class Layer:
    """Readings of one source (or union of sources) of equal standing.

    readings: iterable of (form, lemma, tag, score); a higher score comes
    first within a form.  fallback: the layer only adds to forms that the
    layers before it leave unknown, and to known forms only lemmas that are
    neither the form itself nor already given (an affix expansion lists
    irregular forms as their own lemmas: those must not win).  notes: what
    the report says of the layer's source (the sizes of its lists).
    """

    def __init__(self, name, readings, fallback=False, notes=()):
        self.name, self.readings, self.fallback = name, readings, fallback
        self.notes = list(notes)


def merge(layers):
    """{form: [(lemma, tag), ...]} in reading order, and per-layer counts."""
    lex = {}
    added = {}
    for layer in layers:
        by_form = {}
        for i, (form, lemma, tag, score) in enumerate(layer.readings):
            by_form.setdefault(form, []).append((-score, tag_rank(tag), i, lemma, tag))
        n = 0
        for form, cands in by_form.items():
            cands.sort()
            have = lex.get(form)
            if have is None:
                out = []
                for _, _, _, lemma, tag in cands:
                    if (lemma, tag) not in out:
                        out.append((lemma, tag))
                lex[form] = out
                n += len(out)
                continue
            lemmas = {l for l, _ in have}
            for _, _, _, lemma, tag in cands:
                if (lemma, tag) in have:
                    continue
                if layer.fallback and (lemma == form or lemma in lemmas
                                       or tag == "ANYC" and lemma in lemmas):
                    continue
                have.append((lemma, tag))
                n += 1
        added[layer.name] = n
    return lex, added


def write_lexicon(path, lex, cp, order=None):
    """Write form<TAB>lemma<TAB>tag lines; drop what the code page cannot write.

    order: when given, a function of (readings, form) that returns a form's
    written readings in the order to write them (the learnt reading order).
    Returns (readings written, forms, lemmas, dropped readings).
    """
    os.makedirs(os.path.dirname(path), exist_ok=True)
    n = dropped = 0
    forms, lemmas = 0, set()
    tmp = path + ".tmp"
    @functools.lru_cache(maxsize=None)   # for lemmas, which repeat
    def is_writable(word):
        try:
            word.encode(cp)
        except UnicodeEncodeError:
            return False
        return bool(word) and "\t" not in word and "\n" not in word

    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        for form in sorted(lex):
            if not is_writable(form) or len(form.encode(cp)) >= 100:
                dropped += len(lex[form])
                continue
            good = []
            for lemma, tag in lex[form]:
                if not is_writable(lemma):
                    dropped += 1
                    continue
                good.append((lemma, tag))
            if good:
                forms += 1
                if order is not None:
                    good = order(good, form)
            for lemma, tag in good:
                f.write(f"{form}\t{lemma}\t{tag}\n")
                lemmas.add(lemma)
                n += 1
    os.replace(tmp, path)
    return n, forms, len(lemmas), dropped


def read_lexicon(path):
    """[(form, lemma, tag)] of a lexicon file."""
    out = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3:
                out.append(tuple(parts))
    return out
