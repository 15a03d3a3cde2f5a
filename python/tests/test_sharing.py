"""One Language in many threads, and across processes by pickling."""
import multiprocessing
import os
import pickle
import threading
import unittest

import lemmatizer
from lemmatizer import Language, LemmatizerError

from tests import dictionaries

TEXT = "Die Kinder spielten im Garten. Größer als die Häuser? Flüsse, 3.14 % www.a.org " * 3


def words():
    with open(os.path.join(dictionaries.LEXICONS, "de.tsv"), encoding="utf-8") as f:
        forms = [line.split("\t")[0] for line in f]
    return forms + [f.upper() for f in forms] + [f.capitalize() for f in forms]


def answers(language, word_list):
    return language.lemmas_many(word_list), language.lemmatize(TEXT)


def in_worker(language, word_list):
    """A task of a process pool; the language arrives pickled."""
    return os.getpid(), answers(language, word_list), len(lemmatizer.shared_languages())


class Threads(unittest.TestCase):
    def setUp(self):
        self.de = Language("de", dictionaries.directory())
        self.addCleanup(self.de.close)

    def test_threads_answer_as_one_thread(self):
        word_list = words()
        expected = [answers(self.de, word_list)] * 10
        results = []
        threads = [threading.Thread(target=lambda: results.append(
            [answers(self.de, word_list) for _ in range(10)])) for _ in range(8)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        self.assertEqual([expected] * 8, results)

    def test_close_waits_for_a_running_call(self):
        self.de._enter()  # what a call does while it runs
        closer = threading.Thread(target=self.de.close)
        closer.start()
        closer.join(0.2)
        self.assertTrue(closer.is_alive())
        with self.assertRaisesRegex(LemmatizerError, "^the language de is closed$"):
            self.de.lemmas("Häuser")  # no new call once close() began
        self.de._leave()
        closer.join()
        self.assertIsNone(self.de._handle)


class Pickling(unittest.TestCase):
    def test_round_trip_reopens_once_per_process(self):
        with Language("de", dictionaries.directory()) as de:
            copy = pickle.loads(pickle.dumps(de))
            self.assertIs(copy, pickle.loads(pickle.dumps(de)))
            self.assertIsNot(copy, de)
            self.assertIn(copy, lemmatizer.shared_languages())
            self.assertEqual((de.code, de.dictionaries), (copy.code, copy.dictionaries))
            self.assertEqual(answers(de, words()), answers(copy, words()))
            self.assertFalse(pickle.loads(pickle.dumps(de.lemmas("Ω"))).writable)

    def test_worker_process_opens_the_language_once(self):
        de, word_list = lemmatizer.shared("de", dictionaries.directory()), words()[:40]
        with multiprocessing.get_context("spawn").Pool(1) as pool:
            results = pool.starmap(in_worker, [(de, word_list)] * 3)
        self.assertEqual(1, len({pid for pid, _, _ in results} - {os.getpid()}))
        self.assertEqual([(answers(de, word_list), 1)] * 3, [r[1:] for r in results])


if __name__ == "__main__":
    unittest.main()
