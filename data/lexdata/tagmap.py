"""Mapping of a source tagset onto the library's tag names.

A mapping file (``data/tagmaps/<tagset>.tsv``) has one rule a line:

    source tokens<TAB>tag name[<TAB>codes]

The first source token is the part of speech and must equal the reading's
first token (``*`` stands for any part of speech); every further token must
be among the reading's tokens, and a token written ``!x`` must not be.
Rules are tried top to bottom and the first that matches gives the tag
name; ``-`` as tag name drops the reading.  The optional third column
restricts a rule to some language codes (comma separated).  ``#`` starts a
comment line.
"""

import os

from .common import DATA_DIR

DROP = "-"
ANY = "*"


class TagMap:
    def __init__(self, rules, name="?"):
        self.name = name
        # pos -> [(required, forbidden, tag, codes)], in the rules' order;
        # the rules of any part of speech are in every list, and alone
        # under ANY for the parts of speech no rule names
        self.by_pos = {toks[0]: [] for toks, _, _ in rules}
        self.by_pos.setdefault(ANY, [])
        for toks, tag, codes in rules:
            req = frozenset(t for t in toks[1:] if not t.startswith("!"))
            forb = frozenset(t[1:] for t in toks[1:] if t.startswith("!"))
            for pos in (self.by_pos if toks[0] == ANY else (toks[0],)):
                self.by_pos[pos].append((req, forb, tag, codes))
        self.rules = rules

    @classmethod
    def parse(cls, text, name="?"):
        rules = []
        for n, line in enumerate(text.split("\n"), 1):
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            cols = line.rstrip("\n").split("\t")
            if len(cols) < 2 or not cols[0].split() or not cols[1].strip():
                raise ValueError(f"{name}:{n}: expected 'tokens<TAB>tag'")
            codes = frozenset(c.strip() for c in cols[2].split(",")) \
                if len(cols) > 2 and cols[2].strip() else None
            rules.append((cols[0].split(), cols[1].strip(), codes))
        return cls(rules, name)

    @classmethod
    def load(cls, tagset):
        path = os.path.join(DATA_DIR, "tagmaps", tagset + ".tsv")
        with open(path, encoding="utf-8") as f:
            return cls.parse(f.read(), tagset)

    def names(self):
        """Every tag name the rules can produce."""
        return {tag for _, tag, _ in self.rules if tag != DROP}

    def map(self, tokens, code=None):
        """Tag name for a reading's tokens, DROP, or None when no rule fits."""
        if not tokens:
            return None
        have = set(tokens[1:])
        for req, forb, tag, codes in self.by_pos.get(tokens[0], self.by_pos[ANY]):
            if codes is not None and code not in codes:
                continue
            if req <= have and not (forb & have):
                return tag
        return None
