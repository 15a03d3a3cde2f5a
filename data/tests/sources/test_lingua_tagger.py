import unittest

from lexdata.sources import lingua_tagger


class LinguaTagger(unittest.TestCase):
    def test_counts_by_word_class(self):
        lines = ['--- #YAML:1.0\n',
                 '"\'s": { vbz: 1489, nnp: 11, pos: 10023 }\n',
                 'meeting: { nn: 230, vbg: 27 }\n',
                 'earlier: { rbr: 420, jjr: 109, rb: 131, jj: 1, nn: 1 }\n']
        got = lingua_tagger.parse_counts(lines)
        self.assertEqual({"N": 230, "V": 27}, got["meeting"])
        self.assertEqual({"V": 1489, "NP": 11, "pos": 10023}, got["'s"])   # quoted key
        self.assertEqual({"R": 551, "J": 110, "N": 1}, got["earlier"])

    def test_rows_keep_keys_in_quotes_and_their_order(self):
        rows = lingua_tagger.parse_rows(['--- #YAML:1.0',
                                         '"\'s": { vbz: 1489, pos: 10023 }',
                                         'meeting: { nn: 230, vbg: 27 }',
                                         'odd: { nn: x, "zz": 4 }'])
        self.assertEqual(["'s", "meeting", "odd"], [key for key, _ in rows])
        self.assertEqual([("vbz", "1489"), ("pos", "10023")], rows[0][1])
        self.assertEqual([("nn", "x"), ("zz", "4")], rows[2][1])   # quoted tag


if __name__ == "__main__":
    unittest.main()
