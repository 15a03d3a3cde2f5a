"""A form's readings in the order tagged text gives its word classes.

A tagger's lexicon counts, per form, how often annotated text tags it as
each word class: "meeting" is a noun 230 times and a verb 27, "making" a
verb 264 times and a noun 17.  Where a lexicon gives a form lemmas of
several content classes, that count orders them better than any rule by
tag pairs, which decides "meeting" and "making" alike.
"""


def by_counts(readings, form, counts, word_class):
    """The (lemma, tag) readings of form with its lemmas in the order of how
    often text tags the form as their word class.

    counts: {form: {class: count}}; word_class(tag): the class of a library
    tag, None for classes the counts do not order (closed classes, untagged
    readings).  A lemma counts its most frequent class; the start of a
    sentence counts too (the form with a capital first).  The order given
    is kept among equal counts, and wherever a reading's class is None,
    the text never shows the form, or shows it mostly as a class none of
    the readings has ("meer" in Dutch, mostly a quantifier).
    """
    seen = dict(counts.get(form, {}))
    if form[:1].islower():
        for c, n in counts.get(form[0].upper() + form[1:], {}).items():
            seen[c] = seen.get(c, 0) + n
    if not seen:
        return readings
    best, classes = {}, set()
    for lemma, tag in readings:
        c = word_class(tag)
        if c is None:
            return readings
        classes.add(c)
        best[lemma] = max(best.get(lemma, 0), seen.get(c, 0))
    if 2 * sum(seen.get(c, 0) for c in classes) < sum(seen.values()):
        return readings
    ranked = sorted(best, key=lambda lemma: -best[lemma])   # stable
    return [r for lemma in ranked for r in readings if r[0] == lemma]


def class_of(prefixes):
    """word_class for a table of (tag prefix, class), first match wins."""
    def word_class(tag):
        return next((c for prefix, c in prefixes if tag.startswith(prefix)), None)
    return word_class
