"""lemma_counts.py on a local Dask cluster of two worker processes counts
what one process counts, over licences Debian installs (English) and text
of its message catalogs (German, bench/running-text). .ci/run runs it with
Debian's python3, PYTHONPATH, LEMMATIZER_LIB and LEMM_DICTIONARIES set."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "lemma_counts.py")
RUNNING_TEXT = os.path.join(HERE, "..", "..", "bench", "running-text")
LICENCES = "/usr/share/common-licenses"


def make_corpus(root):
    os.makedirs(os.path.join(root, "de"))
    for name in ("Apache-2.0", "GPL-2", "GPL-3", "LGPL-2.1", "MPL-2.0", "Artistic", "BSD"):
        if os.path.isfile(os.path.join(LICENCES, name)):
            shutil.copy(os.path.join(LICENCES, name), os.path.join(root, name + ".txt"))
    german = subprocess.run([sys.executable, RUNNING_TEXT, "de", "6000"], capture_output=True,
                            text=True).stdout.split()
    for part in range(3):
        with open(os.path.join(root, "de", f"part{part}.txt"), "w", encoding="utf-8") as f:
            f.write(" ".join(german[part * 2000:(part + 1) * 2000]))
    return bool(german)


def run(*arguments):
    return subprocess.run([sys.executable, SCRIPT, *arguments], capture_output=True, text=True,
                          check=True)


class LocalCluster(unittest.TestCase):
    def test_two_workers_count_as_one_process(self):
        corpus = tempfile.mkdtemp(prefix="lemm-dask-")
        self.addCleanup(shutil.rmtree, corpus, True)
        has_german = make_corpus(corpus)
        alone = run(corpus).stdout
        distributed = run(corpus, "--local-workers", "2")
        self.assertEqual(alone, distributed.stdout)
        languages = {line.split("\t")[0] for line in alone.splitlines()}
        self.assertEqual({"en", "de"} if has_german else {"en"}, languages)
        self.assertGreater(len(alone.splitlines()), 500)
        self.assertTrue(alone.startswith("en\tthe\t"), alone[:100])
        # Each worker opened each of its languages once.
        opened = [line.split(" opened ")[1].split() for line in distributed.stderr.splitlines()
                  if " opened " in line]
        self.assertEqual(2, len(opened), distributed.stderr)
        for codes in opened:
            self.assertEqual(len(set(codes)), len(codes))
        self.assertEqual(languages, set(sum(opened, [])))


if __name__ == "__main__":
    unittest.main()
