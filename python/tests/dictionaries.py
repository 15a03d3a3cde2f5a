"""The tests' dictionaries: lemm-build ($LEMM_BUILD) compiles the fuzzing
lexicons of German and English once per process into a temporary directory.
Without $LEMM_BUILD and $LEMMATIZER_LIB (ctest sets both) tests skip."""
import atexit
import os
import shutil
import subprocess
import tempfile
import unittest

LEXICONS = os.path.join(os.path.dirname(__file__), "..", "..", "tests", "fuzz", "lexicons")
_built = []


def directory():
    """The directory holding lemm/ with de and en."""
    compiler = os.environ.get("LEMM_BUILD")
    if not compiler or not os.environ.get("LEMMATIZER_LIB"):
        raise unittest.SkipTest("LEMM_BUILD and LEMMATIZER_LIB are not set (ctest sets them)")
    if not _built:
        _built.append(tempfile.mkdtemp(prefix="lemm-python-") + "/")
        atexit.register(shutil.rmtree, _built[0], True)
        for code in ("de", "en"):
            subprocess.run([compiler, "-q", "-l", code, "-i", os.path.join(LEXICONS, code + ".tsv"),
                            "-o", _built[0]], check=True, stdout=subprocess.DEVNULL)
    return _built[0]
