"""Lemmas of words and running text, from the lemmatizer library's UTF-8
interface (lemm.h) through ctypes.

    from lemmatizer import Language
    with Language("de") as de:
        de.lemmas("Häuser")          # [Reading(lemma='Haus', tag='NOMCup', ...)]
        de.lemmatize("Die Kinder spielten.")

See lemmatizer.language for the objects, lemmatizer._find for where the
library and the dictionaries are looked for.
"""
from ._library import LemmatizerError, LibraryNotFoundError
from .language import Language, Reading, Readings, Token, shared, shared_languages


def library_version():
    """The version of the loaded library, "MAJOR.MINOR.PATCH"."""
    from . import _library
    return _library.load().lemm_version().decode("ascii")


__all__ = ["Language", "LemmatizerError", "LibraryNotFoundError", "Reading", "Readings", "Token",
           "library_version", "shared", "shared_languages"]
