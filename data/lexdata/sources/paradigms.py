"""The JSON paradigm tables of the npm German and Italian word packages:
{lemma: paradigm}, a paradigm a tree of slots (case, number, tense, person)
whose leaves are forms.  Shared by german_pos_dict.py and morph_it.py.
"""


def flatten(node, path=()):
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
                yield from flatten(x, path)
    elif isinstance(node, dict):
        for k, v in node.items():
            if k in ("G", "hasPrefix"):
                continue
            yield from flatten(v, path + (k,))


def readings(data, pos, extra=None):
    """Readings (form, lemma, tokens) of a {lemma: paradigm} JSON table.

    Tokens: the part of speech, the gender ("G" + the paradigm's G field)
    when there is one, extra(lemma), then the slot keys of the form.
    """
    for lemma, par in data.items():
        toks0 = [pos]
        if isinstance(par, dict) and isinstance(par.get("G"), str):
            toks0.append("G" + par["G"])
        if extra:
            toks0 += extra(lemma)
        for form, path in flatten(par):
            if form:
                yield form, lemma, toks0 + list(path)
