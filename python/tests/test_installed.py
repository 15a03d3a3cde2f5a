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
    """An interpreter whose pip can build the package without a network (it
    has setuptools and wheel), or None."""
    for python in (sys.executable, "/usr/bin/python3"):
        if os.path.exists(python) and subprocess.run(
                [python, "-c", "import setuptools, wheel, pip"],
                stderr=subprocess.DEVNULL).returncode == 0:
            return python
    return None


class Installed(unittest.TestCase):
    def test_installed_package_finds_library_and_dictionaries(self):
        built = dictionaries.directory()
        python = offline_builder()
        if python is None:
            self.skipTest("no Python with pip, setuptools and wheel")
        work = tempfile.mkdtemp(prefix="lemm-python-install-")
        self.addCleanup(shutil.rmtree, work, True)
        prefix = os.path.join(work, "prefix")
        # A copy of the sources: setuptools writes build/ and egg-info/ beside them.
        source = os.path.join(work, "source")
        shutil.copytree(os.path.join(PACKAGE, "lemmatizer"), os.path.join(source, "lemmatizer"))
        shutil.copy(os.path.join(PACKAGE, "pyproject.toml"), source)
        subprocess.run([python, "-m", "pip", "install", "-q", "--no-build-isolation", "--no-deps",
                        "--no-index", "--prefix", prefix, source], check=True,
                       stdout=subprocess.DEVNULL, env=dict(os.environ, PIP_ROOT_USER_ACTION="ignore"))
        site = os.path.dirname(os.path.dirname(
            glob.glob(os.path.join(prefix, "**", "lemmatizer", "__init__.py"), recursive=True)[0]))
        os.makedirs(os.path.join(prefix, "lib"), exist_ok=True)
        shutil.copy(os.path.realpath(os.environ["LEMMATIZER_LIB"]),
                    os.path.join(prefix, "lib", "liblemmatizer.so.1"))
        shutil.copytree(os.path.join(built, "lemm"),
                        os.path.join(prefix, "share", "lemmatizer", "lemm"))
        environment = {k: v for k, v in os.environ.items()
                       if k not in ("LEMMATIZER_LIB", "LEMM_DICTIONARIES", "PYTHONPATH")}
        environment["PYTHONPATH"] = site
        script = ("import lemmatizer, lemmatizer._library as l\n"
                  "de = lemmatizer.Language('de')\n"
                  "print(l.path()); print(de.dictionaries); print(de.lemmas('Häuser')[0].lemma)\n")
        run = subprocess.run([python, "-c", script], env=environment, cwd=prefix,
                             capture_output=True, text=True)
        self.assertEqual(0, run.returncode, run.stderr)
        output = run.stdout.split("\n")
        self.assertEqual([os.path.join(prefix, "lib", "liblemmatizer.so.1"),
                          os.path.join(prefix, "share", "lemmatizer", ""), "Haus", ""], output)


if __name__ == "__main__":
    unittest.main()
