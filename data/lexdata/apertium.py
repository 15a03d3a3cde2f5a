"""Full-form expansion of compiled Apertium analysers.

An analyser (``*.automorf.bin``) is dumped with ``lt-print`` as AT&T text:
sections separated by ``--``, each line either an arc
``src<TAB>dst<TAB>input<TAB>output<TAB>weight`` or a final state
``state<TAB>weight``.  Every accepting path of an acyclic section is one
analysis: the input side is the surface form, the output side
``lemma<tag><tag>...`` with an optional ``#`` tail for the invariable part of
a multi-word lemma and ``+`` joining the analyses of contractions and clitics.

Loops (compounding, the regular-expression parts for numbers and
punctuation) are cut: a path never returns to a state it has passed, and a
section whose path count is beyond any lexicon is skipped.
"""

import re
import subprocess

EPS = "\u03b5"
MAX_PATHS = 20_000_000
_TAG = re.compile(r"<([^<>]+)>")


def parse_att(text):
    """Split an AT&T dump into sections of (arcs by state, final states)."""
    sections = []
    arcs, finals = {}, set()
    for line in text.split("\n"):
        if line.startswith("--"):
            sections.append((arcs, finals))
            arcs, finals = {}, set()
            continue
        if not line:
            continue
        parts = line.split("\t")
        if not (parts[0].isdigit() and (len(parts) < 2 or parts[1].isdigit()
                                        or len(parts) == 2)):
            continue  # a symbol that is itself a tab or a line break
        if len(parts) == 6 or (len(parts) == 5 and parts[1].isdigit()):
            inp = "" if parts[2] == EPS else parts[2]
            out = "" if parts[3] == EPS else parts[3]
            arcs.setdefault(int(parts[0]), []).append((inp, out, int(parts[1])))
        elif len(parts) <= 2:
            finals.add(int(parts[0]))
    sections.append((arcs, finals))
    return sections


def _acyclic(arcs, start=0):
    """The arcs without the back edges of a depth-first walk from start."""
    keep = {}
    onpath, done = {start}, set()
    stack = [(start, 0)]
    while stack:
        state, i = stack[-1]
        out = arcs.get(state, ())
        if i < len(out):
            stack[-1] = (state, i + 1)
            edge = out[i]
            nxt = edge[2]
            if nxt in onpath:
                continue  # back edge: a loop, dropped
            keep.setdefault(state, []).append(edge)
            if nxt not in done:
                onpath.add(nxt)
                stack.append((nxt, 0))
            continue
        stack.pop()
        onpath.discard(state)
        done.add(state)
    return keep


def _count_paths(arcs, finals, start=0):
    """Number of accepting paths from start in an acyclic section."""
    memo = {}
    stack = [(start, 0)]
    while stack:
        state, i = stack[-1]
        out = arcs.get(state, ())
        if i < len(out):
            stack[-1] = (state, i + 1)
            nxt = out[i][2]
            if nxt not in memo:
                stack.append((nxt, 0))
            continue
        stack.pop()
        if state in memo:
            continue
        total = 1 if state in finals else 0
        for _, _, nxt in out:
            total += memo[nxt]
        memo[state] = total
    return memo.get(start, 0)


def walk(arcs, finals, start=0, max_joins=None, keep_input=None):
    """Yield (surface, analysis) for every accepting path of an acyclic section.

    max_joins: leave out the paths whose analysis joins more than this many
    parts with '+' (verb + two clitics), without walking them.
    keep_input(symbol): false for an input symbol that no wanted surface
    contains (a digit, a full stop): the paths through it are not walked.
    """
    limit = (1 << 30) if max_joins is None else max_joins
    if keep_input is not None:
        wanted = {}
        for edges in arcs.values():
            for edge in edges:
                if edge[0] not in wanted:
                    wanted[edge[0]] = bool(keep_input(edge[0]))
        arcs = {state: [edge for edge in edges if wanted[edge[0]]]
                for state, edges in arcs.items()}
    get = arcs.get
    # One iterator over the edges left a state on the path; the surface and
    # the analysis so far, and the joins, one entry a state.
    edges = [iter(get(start, ()))]
    inp, out, joins = [""], [""], [0]
    if start in finals:
        yield "", ""
    while edges:
        for a, b, nxt in edges[-1]:
            j = joins[-1] + (b == "+")
            if j > limit:
                continue
            surface, analysis = inp[-1] + a, out[-1] + b
            if nxt in finals:
                yield surface, analysis
            edges.append(iter(get(nxt, ())))
            inp.append(surface)
            out.append(analysis)
            joins.append(j)
            break
        else:
            edges.pop()
            inp.pop()
            out.pop()
            joins.pop()


def expand_att(text, max_joins=None, keep_input=None):
    """All (surface, analysis) pairs of the lexical sections of a dump.

    A section is skipped when it has too many paths, counted before
    keep_input (see walk) leaves any out.
    """
    for arcs, finals in parse_att(text):
        if not arcs:
            continue
        arcs = _acyclic(arcs)
        if _count_paths(arcs, finals) > MAX_PATHS:
            continue
        yield from walk(arcs, finals, max_joins=max_joins, keep_input=keep_input)


def dump(path):
    return subprocess.run(["lt-print", path], check=True, capture_output=True,
                          text=True, encoding="utf-8").stdout


def split_analysis(analysis):
    """(lemma, [tags]) of the first part of an analysis, or None.

    ``take<vblex><past># care`` gives ("take care", ["vblex", "past"]);
    for ``de<pr>+el<det>...`` only the first part is kept.
    """
    first = analysis.split("+", 1)[0] if "<" in analysis.split("+", 1)[0] else analysis
    tail = ""
    if "#" in first:
        first, tail = first.split("#", 1)
        tail = _TAG.sub("", tail)
    k = first.find("<")
    if k <= 0:
        return None
    lemma = first[:k] + tail
    tags = _TAG.findall(first[k:])
    return lemma, tags
