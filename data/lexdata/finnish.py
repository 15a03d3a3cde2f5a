"""Finnish: readings from the voikko analyser over gathered word types.

voikko analyses but does not generate, and Debian has no Finnish word list,
so the word types are gathered: the headwords of the Finnish-English
dictionary (lemmas), the words of the Finnish translation catalogues
installed on the machine, and candidate inflected forms made from each
headword with the common case and person endings.  Only what voikko accepts
is kept, with voikko's own base form, so a wrong candidate costs nothing.
"""

import glob
import gettext
import re

from . import sources as S
from .common import cache_dir, file_stamp, read_cached_rows, write_cached_rows, ensure_apt

NOTE = ("Readings are voikko's analyses of gathered word types (freedict "
        "fin-eng headwords, Finnish translation catalogues, and candidate "
        "forms built from the headwords with common endings, kept only when "
        "voikko accepts them). Forms with consonant gradation or stem change "
        "that no candidate reaches are missing; compounds only where listed.")

INDEX = "/usr/share/dictd/freedict-fin-eng.index"

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
    words = []
    with open(INDEX, encoding="utf-8") as f:
        for line in f:
            w = line.split("\t", 1)[0]
            if w.startswith("00database") or not re.fullmatch(r"[a-zåäöšž-]+", w):
                continue
            words.append(w)
    return words


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


def readings():
    ensure_apt(["dict-freedict-fin-eng", "voikko-fi", "python3-libvoikko"])
    heads = headwords()
    name = "voikko-fi-" + file_stamp(INDEX, __file__)
    rows = read_cached_rows(name)
    if rows is None:
        cands = set(heads) | catalogue_words()
        for w in heads:
            for base in (w, w[:-1]):
                for e in ENDINGS:
                    cands.add(base + e)
        rows, _ = S.voikko_readings(sorted(cands))
        write_cached_rows(name, rows)
    out = [(f, l, t.split()) for f, l, t in rows]
    return out, [S.deb_source("voikko-fi"), S.deb_source("dict-freedict-fin-eng")]
