"""Shared pieces of the lexicon build: paths, the library's keys, logging."""

import os
import sys

DATA_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO_DIR = os.path.dirname(DATA_DIR)


def encodable(text, cp):
    try:
        text.encode(cp)
        return True
    except UnicodeEncodeError:
        return False


# ---- the library's key normalisation (bytes in, bytes out) ----

def _default_table():
    t = list(range(256))
    for b in range(0x41, 0x5B):
        t[b] = b + 0x20
    for b in list(range(0xC0, 0xD7)) + list(range(0xD8, 0xDE)):
        t[b] = b + 0x20
    return bytes(t)


def _greek_table():
    t = list(range(256))
    for b in range(0x41, 0x5B):
        t[b] = b + 0x20
    for src, dst in ((0x8A, 0x9A), (0x8C, 0x9C), (0x8E, 0x9E), (0x8F, 0x9F),
                     (0xA2, 0xDC), (0xB6, 0xDC), (0xB8, 0xDD), (0xB9, 0xDE),
                     (0xBA, 0xDF), (0xBC, 0xFC), (0xBE, 0xFD), (0xBF, 0xFE)):
        t[src] = dst
    for b in list(range(0xC1, 0xD2)) + list(range(0xD3, 0xDC)):
        t[b] = b + 0x20
    return bytes(t)


DEFAULT_FOLD = _default_table()
GREEK_FOLD = _greek_table()


def key_bytes(code, raw):
    """The dictionary key of a word given as code-page bytes."""
    return raw.translate(GREEK_FOLD if code == "gr" else DEFAULT_FOLD)


def log(*args):
    print(*args, file=sys.stderr, flush=True)
