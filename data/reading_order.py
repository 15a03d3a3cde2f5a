"""Reading order: which of a form's lemmas a dictionary should give first.

A lexicon lists the readings of an ambiguous form in an order that says
little about how often each is meant ("como": comer before como). This
module learns, per language, which kind of reading wins when two compete,
from gold-lemmatized text, and reorders a lexicon's readings by it.

A lemma's kind is the tag of its first reading, marked with "=" when the
lemma is the form itself. For every ambiguous form whose gold lemma is one
of its lemmas, the right lemma's kind beats each other lemma's kind once;
the table keeps, per pair of kinds, how often the first beat the second
(smoothed towards one half, so that rare pairs move little). A form's
lemmas are then ranked by the sum of their chances against each of the
others; readings of one lemma keep their order, and so do lemmas of equal
sum. A noun against a verb, a pronoun against a determiner: the same pair
is decided the same way everywhere, so the table carries over to text the
gold data does not contain; learn() reports the accuracy gained on a
held-out half to show it.

Lemmas of the same kind tie. A second, finer kind breaks the tie: the kind
with the lemma's last two letters added ("ADJEp:an" against "ADJEp:ni",
a Serbian adjective's short lemma against its long one). Its pairs are
learnt the same way and kept in the same table only where they gain on
the held-out halves.
"""
import collections
import os
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


def lemma_groups(readings):
    """lemma -> its readings, lemmas in the order they first appear."""
    groups = collections.OrderedDict()
    for lemma, tag in readings:
        groups.setdefault(lemma, []).append((lemma, tag))
    return groups


def kind(form, group):
    """The kind of a lemma: its first tag, "=" added when it is the form."""
    lemma, tag = group[0]
    return tag + "=" if lemma.lower() == form.lower() else tag


FINE_ENDING = 2


def fine_kind(form, group):
    """The kind that breaks ties between lemmas of one kind: the kind and
    the lemma's last letters, after a colon."""
    return kind(form, group) + ":" + group[0][0].lower()[-FINE_ENDING:]


def is_fine(pair):
    return ":" in pair[0]


def learn_scores(lexicon, rows, kind_of=kind):
    """(kind, kind) -> chance that a lemma of the first kind is right against
    a lemma of the second, from the ambiguous forms whose gold lemma the
    lexicon knows."""
    wins, games = collections.Counter(), collections.Counter()
    for form, gold, _ in rows:
        readings = readings_of(lexicon, form)
        if not readings:
            continue
        groups = lemma_groups(readings)
        right = [lemma for lemma in groups if lemma.lower() == gold.lower()]
        if len(groups) < 2 or not right:
            continue
        winner = kind_of(form, groups[right[0]])
        for lemma, group in groups.items():
            if lemma != right[0]:
                loser = kind_of(form, group)
                wins[(winner, loser)] += 1
                games[(winner, loser)] += 1
                games[(loser, winner)] += 1
    return {pair: (wins[pair] + 1) / (games[pair] + 2) for pair in games}


def order(readings, scores, form):
    """The readings of form with its lemmas ranked by their chances against
    each other."""
    groups = lemma_groups(readings)
    if len(groups) < 2:
        return list(readings)
    def strengths(kinds_of):
        # Rounded, so that sums of the same scores in another order tie.
        return {lemma: round(sum(scores.get((kinds_of[lemma], kinds_of[other]), 0.5)
                                 for other in groups if other != lemma), 9)
                for lemma in groups}

    coarse = strengths({lemma: kind(form, group) for lemma, group in groups.items()})
    if len(set(coarse.values())) == len(coarse):
        ranked = sorted(groups, key=lambda lemma: -coarse[lemma])
    else:
        # the finer kinds only where lemmas tie
        fine = strengths({lemma: fine_kind(form, group) for lemma, group in groups.items()})
        ranked = sorted(groups, key=lambda lemma: (-coarse[lemma], -fine[lemma]))
    return [reading for lemma in ranked for reading in groups[lemma]]


def first_lemma_accuracy(lexicon, rows, scores):
    right = 0
    for form, gold, _ in rows:
        readings = readings_of(lexicon, form)
        if readings:
            first = order(readings, scores, form)[0][0] if scores is not None else readings[0][0]
            right += first.lower() == gold.lower()
    return 100.0 * right / max(1, len(rows))


def all_scores(lexicon, rows, with_fine):
    scores = learn_scores(lexicon, rows)
    if with_fine:
        scores.update(learn_scores(lexicon, rows, fine_kind))
    return scores


def learn(lexicon, rows, seed=1):
    """Scores from all rows, and the accuracy before and after on held-out
    halves (two folds split by sentence). The finer kinds' pairs are among
    the scores only when they gain on the held-out halves."""
    sentences = sorted({sentence for _, _, sentence in rows})
    random.Random(seed).shuffle(sentences)
    first_half = set(sentences[: len(sentences) // 2])
    a = [row for row in rows if row[2] in first_half]
    b = [row for row in rows if row[2] not in first_half]

    def held_out(with_fine):
        return (first_lemma_accuracy(lexicon, b, all_scores(lexicon, a, with_fine)) * len(b) +
                first_lemma_accuracy(lexicon, a, all_scores(lexicon, b, with_fine)) * len(a)
                ) / max(1, len(rows))

    coarse, fine = held_out(False), held_out(True)
    before = first_lemma_accuracy(lexicon, rows, None)
    return all_scores(lexicon, rows, fine > coarse), before, max(coarse, fine)


def table_path(code):
    """The score table of a first edition: data/reading-order/<code>.tsv."""
    return os.path.join(os.path.dirname(os.path.abspath(__file__)), "reading-order",
                        code + ".tsv")


def write_scores(path, scores, comment):
    """The table: one pair of kinds a line, winner, loser and chance."""
    with open(path, "w", encoding="utf-8") as f:
        f.write("# " + comment + "\n")
        for pair in sorted(scores, key=lambda p: (-scores[p], p)):
            f.write("%s\t%s\t%.4f\n" % (pair[0], pair[1], scores[pair]))


def read_scores(path):
    scores = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            first, second, score = line.rstrip("\n").split("\t")
            scores[(first, second)] = float(score)
    return scores


def reorder_lexicon(path, scores, then=None):
    """Rewrites the lexicon with each form's readings in the learned order,
    followed by then(readings, form) when given (a recipe's own order);
    returns the number of forms whose first lemma changed."""
    lexicon = read_lexicon(path)
    changed = 0
    with open(path + ".tmp", "w", encoding="utf-8") as out:
        for form, readings in lexicon.items():
            ordered = order(readings, scores, form)
            if then is not None:
                ordered = then(ordered, form)
            changed += ordered[0][0] != readings[0][0]
            for lemma, tag in ordered:
                out.write("%s\t%s\t%s\n" % (form, lemma, tag))
    os.replace(path + ".tmp", path)
    return changed
