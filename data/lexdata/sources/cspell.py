"""cspell dictionaries: the full forms of a spelling dictionary.

Where from: the npm packages @cspell/dict-<lang> (a trie of the
dictionary's words), decoded by the npm package cspell-trie (MIT):
``cspell-trie reader -o out file.trie``.  Version: the pinned npm version;
a decoded list is cached under the stamp of its trie file.  Licence: the
package's own (package.json), or the licence of the source it was built
from where that is stricter (fi-fi: LGPL-3.0, from a GPL-2 Hunspell
dictionary).

Decoded lines starting with ``~`` are the case-folded twins of other
lines, ``!`` marks forbidden words, and ``+`` at either end of a word marks
a part that only occurs inside compounds: such a part is no word of its own.
"""

import glob
import os
import subprocess
import tempfile

from ..common import log
from .shared import (cache_dir, ensure_npm, file_stamp, npm_dir, npm_path,
                     read_cached_rows, write_cached_rows)

READER = {"cspell-trie": "9.7.0"}


def word(line):
    """The word of a decoded cspell trie line, or None for what is no word."""
    if not line or line[0] in "~!":
        return None
    if line.startswith("+") or line.endswith("+"):
        return None
    return line


def trie_path(package, trie_glob):
    """The trie file of an installed package (a glob relative to it), or None."""
    hits = sorted(glob.glob(npm_path(package, *trie_glob.split("/"))))
    return hits[0] if hits else None


def words(package, version, trie_glob):
    """The words of a cspell dictionary package (trie file given by a glob
    relative to the package)."""
    ensure_npm({package: version, **READER})
    path = trie_path(package, trie_glob)
    if path is None:
        raise SystemExit(f"{package}: no {trie_glob}")
    name = f"cspell-{package.replace('/', '-').lstrip('@')}-{file_stamp(path)}"
    rows = read_cached_rows(name)
    if rows is None:
        log(f"  decoding the cspell trie of {package}")
        reader = os.path.join(npm_dir(), "node_modules", ".bin", "cspell-trie")
        with tempfile.TemporaryDirectory(dir=cache_dir()) as tmp:
            out = os.path.join(tmp, "words")
            subprocess.run([reader, "reader", "-o", out, path], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            with open(out, encoding="utf-8", errors="replace") as f:
                rows = [[w] for w in (word(line.rstrip("\n")) for line in f) if w]
        write_cached_rows(name, rows)
    return [r[0] for r in rows]
