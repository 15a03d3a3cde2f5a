"""Shared pieces of the lexicon build: paths, the library's keys, logging."""

import functools
import os
import subprocess
import sys

DATA_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO_DIR = os.path.dirname(DATA_DIR)


def encodable(text, cp):
    try:
        text.encode(cp)
        return True
    except UnicodeEncodeError:
        return False


# ---- the library's key folding (bytes in, bytes out) ----
# The byte tables are the library's own (platform/case_tables.h), printed by
# the lemm-tables tool of the build ($LEMM_TABLES names another one), so that
# a change to them reaches the scripts. Greek words are keyed with the Greek
# key folding, the words of every other language with the default lower-case
# table.

def _lemm_tables():
    tool = os.environ.get("LEMM_TABLES")
    if tool:
        return tool
    build = os.environ.get("BUILD_DIR", "build")
    return os.path.join(REPO_DIR, build, "tools", "lemm-tables")


@functools.lru_cache(maxsize=None)
def library_table(name):
    """One of the library's named byte tables, as 256 bytes for bytes.translate."""
    tool = _lemm_tables()
    if not os.path.exists(tool):
        raise RuntimeError("%s not found: build the library first "
                           "(cmake -S . -B build && cmake --build build)" % tool)
    out = subprocess.run([tool, "table", name], capture_output=True, text=True)
    if out.returncode != 0:
        raise RuntimeError("%s table %s: %s" % (tool, name, out.stderr.strip()))
    table = bytes.fromhex(out.stdout.strip())
    if len(table) != 256:
        raise RuntimeError("%s table %s: %d bytes, not 256" % (tool, name, len(table)))
    return table


def key_bytes(code, raw):
    """The dictionary key of a word given as code-page bytes."""
    return raw.translate(library_table("greek-key" if code == "gr" else "default-lower"))


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def table_rows(path, check, what):
    """The tab-separated fields of a data table's lines ('#' starts a
    comment, blank lines are skipped); a line whose fields check(fields)
    refuses raises ValueError saying what a line should hold."""
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].rstrip()
            if not line:
                continue
            fields = line.split("\t")
            if not check(fields):
                raise ValueError(f"{path}:{number}: expected {what}")
            yield fields


def figures_note(figures):
    """The report's line of what a source's lists held: {what: count}."""
    return "Word lists and headwords read: " + ", ".join(
        f"{k} {v:,}" for k, v in figures.items()) + "."
