"""Tesseract word lists: the words a language's running text shows.

Where from: the Debian packages tesseract-ocr-<lang> (the traineddata holds
the word list its recogniser was trained with, a DAWG of words from web
text); ``combine_tessdata -u`` unpacks it and ``dawg2wordlist`` lists the
words, both from tesseract-ocr.  Version: the Debian package version; a
list is cached under the stamp of its traineddata file.  Licence: the
package's Debian copyright file (Apache-2.0).

A word list says which forms exist, not their lemmas: an analyser or a
pairing supplies those, and the list weighs what they give.
"""

import glob
import os
import subprocess
import tempfile

from ..common import log
from .shared import deb_source, ensure_apt, file_stamp, read_cached_rows, write_cached_rows

TOOLS = "tesseract-ocr"


def package(lang):
    return "tesseract-ocr-" + lang


def apt(lang):
    """The packages a language's word list needs."""
    return [TOOLS, package(lang)]


def source(lang):
    return deb_source(package(lang))


def traineddata(lang):
    hits = sorted(glob.glob(f"/usr/share/tesseract-ocr/*/tessdata/{lang}.traineddata"))
    if not hits:
        raise SystemExit(f"{package(lang)}: no {lang}.traineddata")
    return hits[-1]


def words(lang):
    """The words of Tesseract's word list for a language (ISO 639-2 code)."""
    ensure_apt(apt(lang))
    path = traineddata(lang)
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
