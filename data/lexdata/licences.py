"""The licences of the built dictionaries, from the sources of their lexicons.

A dictionary is compiled from its language's lexicon, and the lexicon from
Debian and npm packages (lexdata/sources/); the dictionary carries their
terms.  The lexicon build records each source's name, version and licence
in <lexicon dir>/stats/<code>.json; from these, write() puts next to the
dictionaries <code>.LICENSE (which sources, their versions and licences,
where their terms are stated) and LICENSES.md (one table for all codes).
"""

import glob
import json
import os
import re
import textwrap

from .languages import LANGUAGES, first_edition

NPM_MARK = " (npm)"


def dictionary_files(dict_dir, code):
    """The files of a code in the dictionary folder (de-cwd.hsq, ru1.pwd,
    ...), without the licence files."""
    names = []
    for path in glob.glob(os.path.join(dict_dir, code + "*")):
        name = os.path.basename(path)
        rest = name[len(code):]
        if rest and not rest[0].isalpha() and not name.endswith(".LICENSE"):
            names.append(name)
    return sorted(names)


def origin(source):
    """Where a source's terms are stated: its Debian copyright file, or its
    npm package (package.json and README)."""
    name = source["name"]
    if name.endswith(NPM_MARK):
        pkg = name[:-len(NPM_MARK)]
        return (f"npm package {pkg}@{source['version']}: its package.json and README "
                f"(https://www.npmjs.com/package/{pkg})")
    # a family of packages ("dict-freedict-fin-* (15 WikDict pairs)"): each
    # member's copyright file
    package = name.split(" (", 1)[0]
    kind = "Debian packages" if "*" in package else "Debian package"
    return f"{kind} {package}: /usr/share/doc/{package}/copyright"


def licence_text(code, sources, files):
    """The <code>.LICENSE text of a code's dictionaries."""
    first = first_edition(code)
    paragraphs = [
        f"Dictionaries of {LANGUAGES[code].name} (code {code}): "
        + (", ".join(files) if files else "none built yet") + ".",
        f"They are compiled from the lexicon {first}.tsv, which the lemmatizer's "
        "data/build-lexicons builds from the sources below, and carry the terms of "
        "those sources. (The lemmatizer's own code is under the MIT licence: "
        "LICENSE at the top of its source tree.)",
        "Sources, in the order they take precedence, with their versions and "
        "licences as the packages state them:"]
    lines = []
    for paragraph in paragraphs:
        lines += textwrap.wrap(paragraph, 76) + [""]
    for s in sources:
        lines.append(f"- {s['name']} {s['version']}: {s['licence']}")
        lines.append(f"  terms: {origin(s)}")
    return "\n".join(lines) + "\n"


def split_licences(text):
    """"GPL-2+, GPL-3+" (the licences a copyright file states) as a list;
    a comma inside brackets does not split."""
    parts, depth, start = [], 0, 0
    for i, c in enumerate(text):
        depth += c == "("
        depth -= c == ")"
        if text.startswith(", ", i) and depth == 0:
            parts.append(text[start:i])
            start = i + 2
    return parts + [text[start:]]


def distinct_licences(sources):
    """The licences of the sources, each once, in order ("GPL-2+, GPL-3+" of
    a copyright file counted as two)."""
    out = []
    for s in sources:
        parts = [s["licence"]] if s["name"].endswith(NPM_MARK) else split_licences(s["licence"])
        for part in parts:
            if part not in out:
                out.append(part)
    return out


def short_sources(sources):
    """The sources in few words: Apertium pairs together, npm packages
    marked."""
    pairs, out = [], []
    for s in sources:
        m = re.match(r"apertium-(.+)$", s["name"])
        if m:
            if not pairs:
                out.append(None)        # the place of the Apertium entry
            pairs.append(m.group(1))
        else:
            out.append(s["name"])
    return ", ".join(f"Apertium {' '.join(pairs)}" if x is None else x for x in out)


def summary(rows, editions=False):
    """A Markdown table of (code, sources) rows; editions: one row per
    first edition, naming its second editions too."""
    columns = ("code", "language", "sources", "licences")
    lines = ["| " + " | ".join(columns) + " |", "|" + "---|" * len(columns)]
    codes = [code for code, _ in rows]
    for code, sources in rows:
        cell = code
        if editions:
            if first_edition(code) != code and first_edition(code) in codes:
                continue
            cell = ", ".join([code] + [c for c in codes
                                       if c != code and first_edition(c) == code])
        lines.append(f"| {cell} | {LANGUAGES[code].name} | {short_sources(sources)} | "
                     f"{'; '.join(distinct_licences(sources))} |")
    return "\n".join(lines) + "\n"


def load_sources(lexicon_dir, code):
    """The sources recorded by the lexicon build of a code's first edition,
    or None when it has not been built."""
    path = os.path.join(lexicon_dir, "stats", first_edition(code) + ".json")
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        return json.load(f)["sources"]


def write(lexicon_dir, dict_dir, codes):
    """<code>.LICENSE for each code with dictionary files and recorded
    sources, and LICENSES.md for every such code in dict_dir; returns the
    codes written."""
    written = []
    for code in codes:
        sources = load_sources(lexicon_dir, code)
        files = dictionary_files(dict_dir, code)
        if sources is None or not files:
            continue
        with open(os.path.join(dict_dir, code + ".LICENSE"), "w", encoding="utf-8") as f:
            f.write(licence_text(code, sources, files))
        written.append(code)
    rows = [(code, load_sources(lexicon_dir, code)) for code in LANGUAGES
            if os.path.exists(os.path.join(dict_dir, code + ".LICENSE"))]
    rows = [(code, sources) for code, sources in rows if sources is not None]
    with open(os.path.join(dict_dir, "LICENSES.md"), "w", encoding="utf-8") as f:
        f.write("# Licences of the dictionaries\n\n"
                "Each language's dictionary files carry the terms of the sources its "
                "lexicon was built from; `<code>.LICENSE` names the sources, their "
                "versions and where their terms are stated. The lemmatizer's own code "
                "is under the MIT licence.\n\n")
        f.write(summary(rows))
    return written
