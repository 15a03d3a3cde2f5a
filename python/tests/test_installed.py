"""`pip install` offline into a prefix that also holds the library and the
dictionaries (as `cmake --install` lays them out): the package finds both
without being told."""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from tests import dictionaries

PACKAGE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def offline_builder():
    """A Python whose pip builds the package without a network, or None."""
    for python in (sys.executable, "/usr/bin/python3"):
        if os.path.exists(python) and subprocess.run(
                [python, "-c", "import setuptools, wheel, pip"], stderr=subprocess.DEVNULL,
        ).returncode == 0:
            return python
    return None


class Installed(unittest.TestCase):
    def test_installed_package_finds_library_and_dictionaries(self):
        built, python = dictionaries.directory(), offline_builder()
        if python is None:
            self.skipTest("no Python with pip, setuptools and wheel")
        work = tempfile.mkdtemp(prefix="lemm-python-install-")
        self.addCleanup(shutil.rmtree, work, True)
        prefix, source = os.path.join(work, "prefix"), os.path.join(work, "source")
        # A copy of the sources: setuptools writes build/ and egg-info/ beside them.
        shutil.copytree(os.path.join(PACKAGE, "lemmatizer"), os.path.join(source, "lemmatizer"))
        shutil.copy(os.path.join(PACKAGE, "pyproject.toml"), source)
        subprocess.run([python, "-m", "pip", "install", "-q", "--no-build-isolation", "--no-deps",
                        "--no-index", "--prefix", prefix, source], check=True,
                       env=dict(os.environ, PIP_ROOT_USER_ACTION="ignore"))
        site = glob.glob(os.path.join(prefix, "**", "lemmatizer", ""), recursive=True)[0]
        library = os.path.join(prefix, "lib", "liblemmatizer.so.1")
        os.makedirs(os.path.dirname(library))
        shutil.copy(os.environ["LEMMATIZER_LIB"], library)
        shutil.copytree(built, os.path.join(prefix, "share", "lemmatizer"))
        environment = {k: v for k, v in os.environ.items()
                       if k not in ("LEMMATIZER_LIB", "LEMM_DICTIONARIES")}
        environment["PYTHONPATH"] = os.path.dirname(os.path.dirname(site))
        script = ("import lemmatizer, lemmatizer._library as l\nde = lemmatizer.Language('de')\n"
                  "print(l.path(), de.dictionaries, de.lemmas('Häuser')[0].lemma)")
        run = subprocess.run([python, "-c", script], env=environment, cwd=work,
                             capture_output=True, text=True)
        self.assertEqual(0, run.returncode, run.stderr)
        self.assertEqual(f"{library} {prefix}/share/lemmatizer/ Haus\n", run.stdout)


if __name__ == "__main__":
    unittest.main()
