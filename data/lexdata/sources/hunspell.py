"""Hunspell and MySpell dictionaries: a stem list with affix classes,
expanded into full forms with the stem (or its ``st:`` field) as lemma.

Where from: the Debian packages hunspell-<lang> and myspell-<lang>
(/usr/share/hunspell, /usr/share/myspell).  Version: the Debian package
version; an expansion is cached under the stamp of its .aff and .dic files
and EXPANSION_VERSION.  Licence: the package's Debian copyright file; for
packages that bundle the dictionaries of several languages, the stanza of
the bundled dictionary used (BUNDLED); two copyright files state theirs
only in prose (LICENCES).
"""

import os
import re

from ..hunspell import Dictionary
from .shared import (cached_rows_path, deb_source, ensure_apt, file_stamp, read_cached_rows,
                     write_cached_rows)

DIRECTORIES = ("/usr/share/hunspell", "/usr/share/myspell", "/usr/share/myspell/dicts")

# the bundled dictionary of each multi-dictionary package
BUNDLED = {"hunspell-es": "es", "hunspell-it": "it_IT", "hunspell-pt-pt": "pt_PT",
           "hunspell-sr": "sr", "hunspell-da": "da_DK",
           "hunspell-el": "el_GR", "hunspell-sv": "sv_SE",
           "hunspell-ca": "ca"}
# copyright files without machine-readable License fields
LICENCES = {"hunspell-nl": "BSD or CC-BY-3.0 (OpenTaal word list, user's choice)",
            "hunspell-en-us": "SCOWL licence (permissive, BSD-style)"}


def source(package):
    files = f"dictionaries/{BUNDLED[package]}/*" if package in BUNDLED else None
    return deb_source(package, files, LICENCES.get(package))


def expanded_rows(aff_path, dic_path):
    """(form, lemma, morph fields) of a dictionary's expansion, without the
    forms that begin or end with a hyphen (compound parts)."""
    d = Dictionary.load(aff_path, dic_path)
    return [(f, l, m) for f, l, m in d.expand()
            if not f.startswith("-") and not f.endswith("-")]


def find(dic_name):
    """(aff path, dic path) of an installed dictionary, or None."""
    for d in DIRECTORIES:
        aff = os.path.join(d, dic_name + ".aff")
        if os.path.exists(aff):
            return aff, aff[:-4] + ".dic"
    return None


# bump when the expansion changes: cached expansions are keyed by it
EXPANSION_VERSION = 2


def _cache_name(dic_name, aff, dic):
    return f"hunspell-{dic_name}-e{EXPANSION_VERSION}-{file_stamp(aff, dic)}"


def is_cached(dic_name):
    found = find(dic_name)
    return found is not None and os.path.exists(cached_rows_path(_cache_name(dic_name, *found)))


def readings(package, dic_name):
    """(form, lemma, morph fields) of a Hunspell dictionary, cached."""
    ensure_apt([package])
    found = find(dic_name)
    if found is None:
        raise SystemExit(f"{package}: no {dic_name}.aff")
    aff, dic = found
    name = _cache_name(dic_name, aff, dic)
    rows = read_cached_rows(name)
    if rows is None:
        rows = expanded_rows(aff, dic)
        write_cached_rows(name, rows)
    return rows, [source(package)]


def cache(package, dic_name):
    """Expand a dictionary into the cache (for a worker: returns nothing)."""
    if not is_cached(dic_name):
        readings(package, dic_name)


def dic_words(text):
    """The words of a .dic file without their flags: for a dictionary that
    is a flat list of full forms (its first line is the count)."""
    return [w.split("/")[0].strip() for w in text.split("\n")[1:] if w.strip()]


def portuguese_tokens(morph):
    """Tokens of the Portuguese dictionary's ``[CAT=v,T=inf] +P=3,N=p`` fields.

    The bracketed fields describe the stem, the ``+`` fields the affix; the
    affix's value of a field (T=pp of a verb form) replaces the stem's
    (T=inf).
    """
    cat = re.search(r"CAT=([a-z_]+)", morph)
    fields = {}
    for m in re.finditer(r"\b([A-Z]+)=([A-Za-z0-9_]+)", morph):
        if m.group(1) != "CAT":
            fields[m.group(1)] = m.group(2)
    toks = [cat.group(1) if cat else "?"]
    for k, v in fields.items():
        toks += [f"{k}={x}" for x in v.split("_")]
    return toks
