"""One Language in many threads, and across processes by pickling."""
import multiprocessing
import os
import pickle
import threading
import unittest

import lemmatizer
from lemmatizer import Language, LemmatizerError

from tests import dictionaries

TEXT = ("Die Kinder spielten im Garten. Größer als die Häuser? Flüsse und Straßen, "
        "aufgemacht und zurückgegeben: 3.14 % www.example.org ") * 3


def words():
    with open(os.path.join(dictionaries.LEXICONS, "de.tsv"), encoding="utf-8") as f:
        forms = [line.split("\t")[0] for line in f]
    return forms + [f.upper() for f in forms] + [f.capitalize() for f in forms]


def answers(language, word_list):
    return language.lemmas_many(word_list), language.lemmatize(TEXT)


def in_worker(language, word_list):
    """A task of the process pool: the language arrives pickled."""
    return os.getpid(), answers(language, word_list), len(lemmatizer.shared_languages())


class Threads(unittest.TestCase):
    def setUp(self):
        self.de = Language("de", dictionaries.directory())
        self.addCleanup(self.de.close)

    def test_threads_answer_as_one_thread(self):
        word_list = words()
        expected = answers(self.de, word_list)
        results = [None] * 8

        def work(slot):
            results[slot] = [answers(self.de, word_list) for _ in range(10)]

        threads = [threading.Thread(target=work, args=(slot,)) for slot in range(8)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        for rounds in results:
            self.assertEqual([expected] * 10, rounds)

    def test_close_while_threads_call(self):
        expected = self.de.lemmas("Häuser")
        outcomes = []
        started = threading.Barrier(5)

        def work():
            started.wait()
            try:
                for _ in range(2000):
                    self.assertEqual(expected, self.de.lemmas("Häuser"))
                outcomes.append("done")
            except LemmatizerError as error:
                outcomes.append(str(error))

        threads = [threading.Thread(target=work) for _ in range(4)]
        for thread in threads:
            thread.start()
        started.wait()
        self.de.close()
        for thread in threads:
            thread.join()
        self.assertEqual(4, len(outcomes))
        self.assertTrue(set(outcomes) <= {"done", "the language de is closed"}, outcomes)


class Pickling(unittest.TestCase):
    def test_round_trip_reopens_once_per_process(self):
        with Language("de", dictionaries.directory()) as de:
            copy = pickle.loads(pickle.dumps(de))
            self.assertIs(copy, pickle.loads(pickle.dumps(de)))
            self.assertIsNot(copy, de)
            self.assertIn(copy, lemmatizer.shared_languages())
            self.assertEqual((de.code, de.dictionaries), (copy.code, copy.dictionaries))
            word_list = words()
            self.assertEqual(answers(de, word_list), answers(copy, word_list))
            readings = de.lemmas("Ω")
            self.assertEqual((readings, False), pickle.loads(pickle.dumps((readings, False))))
            self.assertFalse(pickle.loads(pickle.dumps(readings)).writable)

    def test_worker_process_opens_the_language_once(self):
        de = lemmatizer.shared("de", dictionaries.directory())
        word_list = words()[:40]
        with multiprocessing.get_context("spawn").Pool(1) as pool:
            results = pool.starmap(in_worker, [(de, word_list)] * 3)
        self.assertEqual(1, len({pid for pid, _, _ in results}))
        self.assertNotEqual(os.getpid(), results[0][0])
        for _, answered, opened in results:
            self.assertEqual(answers(de, word_list), answered)
            self.assertEqual(1, opened)


if __name__ == "__main__":
    unittest.main()
