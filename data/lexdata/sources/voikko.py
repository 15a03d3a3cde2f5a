"""voikko, the Finnish morphological analyser: base form, word class and
inflection features of a word (it analyses, it does not generate).

Where from: the Debian packages voikko-fi (the Finnish data) and
python3-libvoikko (its Python binding, for Debian's own python3, which
runs voikko_analyse.py).  Version: the Debian package version of
voikko-fi.  Licence: voikko-fi's Debian copyright file (GPL-2).
"""

import os
import subprocess

from .shared import deb_source, ensure_apt, tab_rows

APT = ["voikko-fi", "python3-libvoikko"]
SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "voikko_analyse.py")


def readings(words):
    """(form, lemma, 'CLASS FEATURE=value ...') of the words voikko knows."""
    ensure_apt(APT)
    r = subprocess.run(["/usr/bin/python3", SCRIPT], input="\n".join(words),
                       capture_output=True, text=True, encoding="utf-8", check=True)
    return tab_rows(r.stdout), [deb_source("voikko-fi")]
