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


if __name__ == "__main__":
    unittest.main()
