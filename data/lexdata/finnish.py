"""Finnish: readings from the voikko analyser over gathered word types.

voikko analyses but does not generate, and Debian has no Finnish word list,
so the word types are gathered: the headwords of the Finnish-English
dictionary (lemmas), the words of the Finnish translation catalogues
installed on the machine, and candidate inflected forms made from each
headword with the common case and person endings.  Only what voikko accepts
is kept, with voikko's own base form, so a wrong candidate costs nothing.
"""

import gettext
import glob
import os
import re

from .sources import freedict, voikko
from .sources.shared import (cached_rows_path, deb_source, ensure_apt, file_stamp,
                             read_cached_rows, write_cached_rows)

NOTE = ("Readings are voikko's analyses of gathered word types (freedict "
        "fin-eng headwords, Finnish translation catalogues, and candidate "
        "forms built from the headwords with common endings, kept only when "
        "voikko accepts them). Forms with consonant gradation or stem change "
        "that no candidate reaches are missing; compounds only where listed.")

DICTIONARY = "fin-eng"
INDEX = freedict.index_path(DICTIONARY)
APT = [freedict.package(DICTIONARY)] + voikko.APT

# endings tried on a headword and on the headword without its last letter
ENDINGS = [
    "n", "a", "ä", "ta", "tä", "ssa", "ssä", "sta", "stä", "lla", "llä",
    "lta", "ltä", "lle", "ksi", "na", "nä", "t", "jen", "ja", "jä", "issa",
    "issä", "ista", "istä", "illa", "illä", "ille", "iin", "ien", "ia", "iä",
    "it", "in", "han", "hin", "seen", "ni", "si", "nsa", "nsä", "mme",
    "tte", "vat", "vät", "ivat", "ivät", "i", "tiin", "ttiin", "nut", "nyt",
    "neet", "va", "vä", "ma", "mä", "massa", "mässä", "maan", "mään", "en",
    "kaan", "kään", "kin", "kö", "ko", "mpi", "mman", "mmän", "in", "immat",
]


def headwords():
    """The dictionary's one-word lower-case headwords."""
    words, _ = freedict.read_headwords(DICTIONARY)
    return [w for w in words if re.fullmatch(r"[a-zåäöšž-]+", w)]


def catalogue_words():
    words = set()
    for p in glob.glob("/usr/share/locale/fi/LC_MESSAGES/*.mo"):
        try:
            with open(p, "rb") as f:
                cat = gettext.GNUTranslations(f)._catalog
        except Exception:
            continue
        for v in cat.values():
            if isinstance(v, str):
                words.update(w.lower() for w in re.findall(r"[A-Za-zÅÄÖåäö]{2,}", v))
    return words


def _cache_name():
    return "voikko-fi-" + file_stamp(INDEX, __file__)


def is_cached():
    return os.path.exists(INDEX) and os.path.exists(cached_rows_path(_cache_name()))


def cache():
    """Analyse the word types into the cache (for a worker: returns nothing)."""
    if not is_cached():
        readings()


def readings():
    ensure_apt(APT)
    heads = headwords()
    name = _cache_name()
    rows = read_cached_rows(name)
    if rows is None:
        cands = set(heads) | catalogue_words()
        for w in heads:
            for base in (w, w[:-1]):
                for e in ENDINGS:
                    cands.add(base + e)
        rows, _ = voikko.readings(sorted(cands))
        write_cached_rows(name, rows)
    out = [(f, l, t.split()) for f, l, t in rows]
    return out, [deb_source("voikko-fi"), deb_source(freedict.package(DICTIONARY))]
