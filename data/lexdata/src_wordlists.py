"""Word lists without lemmas: which forms a language's running text shows.

Two kinds, both cached under the expansion cache:

- Tesseract's traineddata (Debian ``tesseract-ocr-<lang>``, Apache-2.0)
  holds the word list its recogniser was trained with, a DAWG of words from
  web text: ``combine_tessdata -u`` unpacks it, ``dawg2wordlist`` lists the
  words (both tools come with ``tesseract-ocr``).
- cspell dictionaries (npm ``@cspell/dict-*``) are tries of a spelling
  dictionary's full forms, decoded by the npm package ``cspell-trie``.
  Lines starting with ``~`` are the case-folded twins of other lines, ``!``
  marks forbidden words, and ``+`` at either end of a word marks a part
  that only occurs inside compounds: such a part is no word of its own.

A word list says which forms exist; an analyser or a pairing supplies their
lemmas.
"""

import glob
import os
import subprocess
import tempfile

from .common import (cache_dir, ensure_apt, ensure_npm, file_stamp, log, npm_dir,
                     npm_path, read_cached_rows, write_cached_rows)

TESSERACT_TOOLS = "tesseract-ocr"


def tesseract_package(lang):
    return "tesseract-ocr-" + lang


def _traineddata(lang):
    hits = sorted(glob.glob(f"/usr/share/tesseract-ocr/*/tessdata/{lang}.traineddata"))
    if not hits:
        raise SystemExit(f"{tesseract_package(lang)}: no {lang}.traineddata")
    return hits[-1]


def tesseract_words(lang):
    """The words of Tesseract's word list for a language (ISO 639-2 code)."""
    ensure_apt([TESSERACT_TOOLS, tesseract_package(lang)])
    path = _traineddata(lang)
    name = f"tesseract-{lang}-{file_stamp(path)}"
    rows = read_cached_rows(name)
    if rows is None:
        log(f"  listing the Tesseract word list of {lang}")
        with tempfile.TemporaryDirectory() as tmp:
            prefix = os.path.join(tmp, lang + ".")
            subprocess.run(["combine_tessdata", "-u", path, prefix], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            out = os.path.join(tmp, "words")
            subprocess.run(["dawg2wordlist", prefix + "lstm-unicharset",
                            prefix + "lstm-word-dawg", out], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            with open(out, encoding="utf-8", errors="replace") as f:
                rows = [[w] for w in (line.strip() for line in f) if w]
        write_cached_rows(name, rows)
    return [r[0] for r in rows]


CSPELL_TRIE = {"cspell-trie": "9.7.0"}


def cspell_word(line):
    """The word of a decoded cspell trie line, or None for what is no word."""
    if not line or line[0] in "~!":
        return None
    if line.startswith("+") or line.endswith("+"):
        return None
    return line


def cspell_words(package, version, trie_glob):
    """The words of a cspell dictionary package (trie file given by a glob
    relative to the package)."""
    ensure_npm({package: version, **CSPELL_TRIE})
    hits = sorted(glob.glob(npm_path(package, *trie_glob.split("/"))))
    if not hits:
        raise SystemExit(f"{package}: no {trie_glob}")
    path = hits[0]
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
                rows = [[w] for w in (cspell_word(line.rstrip("\n")) for line in f) if w]
        write_cached_rows(name, rows)
    return [r[0] for r in rows]
