"""Small dictionaries for the tests: lemm-build ($LEMM_BUILD) compiles the
fuzzing lexicons of German and English (tests/fuzz/lexicons/) once per
process into a temporary directory. Without $LEMM_BUILD or
$LEMMATIZER_LIB (ctest sets both) the tests are skipped."""
import atexit
import os
import shutil
import subprocess
import tempfile
import unittest

LEXICONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "fuzz",
                        "lexicons")
_built = None


def directory():
    """The directory holding lemm/ with de and en."""
    global _built
    compiler = os.environ.get("LEMM_BUILD")
    if not compiler or not os.environ.get("LEMMATIZER_LIB"):
        raise unittest.SkipTest("LEMM_BUILD and LEMMATIZER_LIB are not set (ctest sets them)")
    if _built is None:
        built = tempfile.mkdtemp(prefix="lemm-python-")
        atexit.register(shutil.rmtree, built, True)
        for code in ("de", "en"):
            subprocess.run([compiler, "-q", "-l", code, "-i", os.path.join(LEXICONS, code + ".tsv"),
                            "-o", built + "/"], check=True, stdout=subprocess.DEVNULL)
        _built = built + "/"
    return _built
