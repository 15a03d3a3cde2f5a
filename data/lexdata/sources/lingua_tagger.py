"""Lingua::EN::Tagger's lexicon: how often tagged English text gives each
form each Penn Treebank tag.

Where from: the Debian package liblingua-en-tagger-perl, its words.yml
(``meeting: { nn: 230, vbg: 27 }``, 43,817 forms).  Version: the
package's.  Licence: its Debian copyright file (GPL-3).  Only the counts
are used, to order a form's readings; no entry comes from it.
"""

import functools
import re

from .shared import deb_source, ensure_apt

APT = ["liblingua-en-tagger-perl"]
DIRECTORY = "/usr/share/perl5/Lingua/EN/Tagger/"
WORDS = DIRECTORY + "words.yml"

# Penn Treebank tags by word class; the others keep their own name.
CLASSES = {"nn": "N", "nns": "N", "nnp": "NP", "nnps": "NP",
           "vb": "V", "vbd": "V", "vbg": "V", "vbn": "V", "vbp": "V", "vbz": "V",
           "jj": "J", "jjr": "J", "jjs": "J", "rb": "R", "rbr": "R", "rbs": "R"}

_ROW = re.compile(r'^("?)(.+?)\1: \{ (.*) \}\s*$')


def parse_rows(lines):
    """[(key, [(tag, number)])] of the lines of one of the tagger's model
    files (``meeting: { nn: 230, vbg: 27 }``), in order; numbers as text."""
    rows = []
    for line in lines:
        m = _ROW.match(line)
        if not m:
            continue
        fields = []
        for field in m.group(3).split(", "):
            tag, _, number = field.partition(": ")
            fields.append((tag.strip().strip('"'), number.strip()))
        rows.append((m.group(2), fields))
    return rows


def parse_counts(lines):
    """{form: {class: count}} of words.yml's lines."""
    out = {}
    for form, fields in parse_rows(lines):
        classes = out.setdefault(form, {})
        for tag, count in fields:
            if count.isdigit():
                c = CLASSES.get(tag, tag)
                classes[c] = classes.get(c, 0) + int(count)
    return out


def read_rows(name):
    """parse_rows of the installed model file `name` ("tags.yml", ...)."""
    ensure_apt(APT)
    with open(DIRECTORY + name, encoding="utf-8", errors="replace") as f:
        return parse_rows(f)


@functools.lru_cache(maxsize=None)   # read once
def tag_counts(path=WORDS):
    ensure_apt(APT)
    with open(path, encoding="utf-8", errors="replace") as f:
        return parse_counts(f)


def source():
    return deb_source(APT[0])
