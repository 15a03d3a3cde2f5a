import unittest

from lexdata.sources import freedict


class Index(unittest.TestCase):
    def test_headwords_without_the_database_entries(self):
        lines = ["00databasealphabet\tA\tB\n", "00databaseinfo\tC\tD\n",
                 "kirja\tE\tF\n", "olla olemassa\tG\tH\n", "\tI\tJ\n"]
        self.assertEqual(["kirja", "olla olemassa"], list(freedict.headwords(lines)))
        self.assertEqual(("dict-freedict-fin-eng", "/usr/share/dictd/freedict-fin-eng.index"),
                         (freedict.package("fin-eng"), freedict.index_path("fin-eng")))


def _index_number(n):
    digits = freedict._DIGITS
    out = ""
    while True:
        out = digits[n % 64] + out
        n //= 64
        if n == 0:
            return out


class FreedictHeadwords(unittest.TestCase):
    def test_entries_by_index_with_part_of_speech(self):
        entries = ["καλός /kaˈlos/ <adj>\ngood\n", "καλός /kaˈlos/ <n>\ndarling\n",
                   "και /ce/\nand\n", "άηχο σύμφωνο /ˈa.i.xo/\nvoiceless consonant\n"]
        data, index = b"", ["00databaseinfo\tA\tB"]
        for e in entries:
            raw = e.encode("utf-8")
            index.append(f"{e.split(' ')[0]}\t{_index_number(len(data))}\t"
                         f"{_index_number(len(raw))}")
            data += raw
        got = list(freedict.read_pair(index, data))
        self.assertEqual([("καλός", "adj"), ("καλός", "n"), ("και", ""),
                          ("άηχο σύμφωνο", "")], got)

    def test_base64_offsets(self):
        self.assertEqual(0, freedict.base64_number("A"))
        self.assertEqual(64 * 6 + 22, freedict.base64_number("GW"))
        self.assertEqual(12345, freedict.base64_number(_index_number(12345)))


if __name__ == "__main__":
    unittest.main()
