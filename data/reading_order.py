"""Reading order: which of a form's lemmas a dictionary should give first.

A lexicon lists the readings of an ambiguous form in an order that says
little about how often each is meant ("como": comer before como). This
module learns, per language, how often a reading with a given tag is the
right one when a form has several lemmas, from gold-lemmatized text, and
reorders a lexicon's readings by it: the lemma whose best tag scores
highest comes first; readings of one lemma keep their order, and so do
lemmas of equal score.

The scores are per tag, not per word, so they carry over to text the
gold data does not contain; learn() reports the accuracy gained on a held-out
half to show it.
"""
import collections
import random

SKIPPED_UPOS = {"PUNCT", "SYM", "NUM"}


def read_lexicon(path):
    """form -> [(lemma, tag)] in file order."""
    lexicon = collections.OrderedDict()
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3:
                lexicon.setdefault(fields[0], []).append((fields[1], fields[2]))
    return lexicon


def read_gold(path):
    """Content words of a dev set as (form, lemma, sentence id)."""
    rows = []
    with open(path, encoding="utf-8") as f:
        next(f, None)
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) >= 5 and fields[2] not in SKIPPED_UPOS and fields[4] == "_":
                rows.append((fields[0], fields[1], fields[3]))
    return rows


def readings_of(lexicon, form):
    """The readings the dictionary would find: the form, else its lower case."""
    found = lexicon.get(form)
    if found is None and form[:1].isupper():
        found = lexicon.get(form[0].lower() + form[1:]) or lexicon.get(form.lower())
    return found


def learn_scores(lexicon, rows):
    """tag -> share of ambiguous forms where a reading with it was right."""
    right, seen = collections.Counter(), collections.Counter()
    for form, gold, _ in rows:
        readings = readings_of(lexicon, form)
        if not readings or len({lemma for lemma, _ in readings}) < 2:
            continue
        gold = gold.lower()
        if gold not in {lemma.lower() for lemma, _ in readings}:
            continue
        for lemma, tag in readings:
            seen[tag] += 1
            right[tag] += lemma.lower() == gold
    # Smoothed towards one half, so that rare tags move little.
    return {tag: (right[tag] + 1) / (seen[tag] + 2) for tag in seen}


def order(readings, scores):
    """The readings with their lemmas ranked by the best score of their tags."""
    groups = collections.OrderedDict()
    for lemma, tag in readings:
        groups.setdefault(lemma, []).append((lemma, tag))
    if len(groups) < 2:
        return list(readings)
    ranked = sorted(
        groups.values(),
        key=lambda group: -max(scores.get(tag, 0.5) for _, tag in group))
    return [reading for group in ranked for reading in group]


def first_lemma_accuracy(lexicon, rows, scores):
    right = 0
    for form, gold, _ in rows:
        readings = readings_of(lexicon, form)
        if readings:
            first = order(readings, scores)[0][0] if scores is not None else readings[0][0]
            right += first.lower() == gold.lower()
    return 100.0 * right / max(1, len(rows))


def learn(lexicon, rows, seed=1):
    """Scores from all rows, and the accuracy before and after on held-out
    halves (two folds split by sentence)."""
    sentences = sorted({sentence for _, _, sentence in rows})
    random.Random(seed).shuffle(sentences)
    first_half = set(sentences[: len(sentences) // 2])
    a = [row for row in rows if row[2] in first_half]
    b = [row for row in rows if row[2] not in first_half]
    held_out = (first_lemma_accuracy(lexicon, b, learn_scores(lexicon, a)) * len(b) +
                first_lemma_accuracy(lexicon, a, learn_scores(lexicon, b)) * len(a)) / max(1, len(rows))
    before = first_lemma_accuracy(lexicon, rows, None)
    return learn_scores(lexicon, rows), before, held_out


def write_scores(path, scores, comment):
    with open(path, "w", encoding="utf-8") as f:
        f.write("# " + comment + "\n")
        for tag in sorted(scores, key=lambda t: (-scores[t], t)):
            f.write("%s\t%.4f\n" % (tag, scores[tag]))


def read_scores(path):
    scores = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            tag, score = line.rstrip("\n").split("\t")
            scores[tag] = float(score)
    return scores


def reorder_lexicon(path, scores):
    """Rewrites the lexicon with each form's readings in the learned order;
    returns the number of forms whose first lemma changed."""
    lexicon = read_lexicon(path)
    changed = 0
    with open(path + ".tmp", "w", encoding="utf-8") as out:
        for form, readings in lexicon.items():
            ordered = order(readings, scores)
            changed += ordered[0][0] != readings[0][0]
            for lemma, tag in ordered:
                out.write("%s\t%s\t%s\n" % (form, lemma, tag))
    import os
    os.replace(path + ".tmp", path)
    return changed
