"""Where the shared library and the dictionaries are.

The library: $LEMMATIZER_LIB (a file), else a copy next to this package,
else the installation this package belongs to (<prefix>/lib/, lib64/ or
lib/<multiarch>/ when the package sits in <prefix>/lib/python3.X/
site-packages/ or <prefix>/local/lib/..., and sys.prefix), else whatever the system's loader finds
(ld.so.conf, $LD_LIBRARY_PATH).

The dictionaries, as the command `lemm` finds them: $LEMM_DICTIONARIES,
else <prefix>/share/lemmatizer/ of the installation the library was
loaded from, else, for a library of a build tree, that build's dict/.
Each is a directory holding lemm/.
"""
import ctypes.util
import os
import sys

SONAME = "liblemmatizer.so.1"
_MULTIARCH = getattr(sys.implementation, "_multiarch", "")
_LIBRARY_DIRS = ["lib", "lib64"] + ([os.path.join("lib", _MULTIARCH)] if _MULTIARCH else [])


def _prefixes():
    """Prefixes this package may have been installed under, nearest first."""
    package = os.path.dirname(os.path.abspath(__file__))
    # <prefix>/lib/python3.X/site-packages/lemmatizer/; Debian's pip puts
    # what `--prefix P` installs into P/local/lib/python3.X/dist-packages/.
    prefix = package
    for _ in range(4):
        prefix = os.path.dirname(prefix)
    prefixes = [prefix]
    if os.path.basename(prefix) == "local":
        prefixes.append(os.path.dirname(prefix))
    return list(dict.fromkeys(prefixes + [sys.prefix, sys.base_prefix]))


def library_candidates():
    """The paths to try in order; the last may be a bare name for the loader."""
    from_environment = os.environ.get("LEMMATIZER_LIB")
    if from_environment:
        return [from_environment]
    package = os.path.dirname(os.path.abspath(__file__))
    paths = [os.path.join(package, name) for name in (SONAME, "liblemmatizer.so")]
    paths += [os.path.join(prefix, libdir, SONAME)
              for prefix in _prefixes() for libdir in _LIBRARY_DIRS]
    return [p for p in paths if os.path.isfile(p)] + [
        ctypes.util.find_library("lemmatizer") or SONAME]


def dictionary_dir(library_path):
    """The directory (ending with '/') that holds lemm/, by the rules above;
    the installation's place when none does, so that a message names where
    the dictionaries were expected."""
    from_environment = os.environ.get("LEMM_DICTIONARIES")
    if from_environment:
        return os.path.join(from_environment, "")
    libdir = os.path.dirname(os.path.realpath(library_path))
    places = [os.path.join(prefix, "share", "lemmatizer", "")
              for prefix in (os.path.dirname(libdir), os.path.dirname(os.path.dirname(libdir)))]
    for place in places:
        if os.path.isdir(os.path.join(place, "lemm")):
            return place
    build = os.path.join(libdir, "dict", "")
    if os.path.isfile(os.path.join(libdir, "CMakeCache.txt")) and os.path.isdir(
            os.path.join(build, "lemm")):
        return build
    return places[0]
