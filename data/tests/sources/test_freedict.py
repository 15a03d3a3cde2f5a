import unittest

from lexdata.sources import freedict


class Index(unittest.TestCase):
    def test_headwords_without_the_database_entries(self):
        lines = ["00databasealphabet\tA\tB\n", "00databaseinfo\tC\tD\n",
                 "kirja\tE\tF\n", "olla olemassa\tG\tH\n", "\tI\tJ\n"]
        self.assertEqual(["kirja", "olla olemassa"], list(freedict.headwords(lines)))
        self.assertEqual(("dict-freedict-fin-eng", "/usr/share/dictd/freedict-fin-eng.index"),
                         (freedict.package("fin-eng"), freedict.index_path("fin-eng")))


if __name__ == "__main__":
    unittest.main()
