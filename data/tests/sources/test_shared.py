import os
import shutil
import tempfile
import time
import unittest
from unittest import mock

from lexdata.sources import shared

# A machine-readable Debian copyright file of a package that bundles the
# dictionaries of several languages.
COPYRIGHT = """\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: dictionaries

Files: *
Copyright: 2010 Someone
License: MPL-2.0

Files: dictionaries/es/*
Copyright: 2011 Someone Else
License: GPL-3+ or LGPL-3+ or MPL-1.1+

Files: dictionaries/it_IT/*
Copyright: 2012 A Third
License: GPL-3

Files: debian/*
License: MPL-2.0
 The text of the licence, indented.
"""


class Licences(unittest.TestCase):
    def test_stanza_of_the_bundled_dictionary(self):
        self.assertEqual("GPL-3+ or LGPL-3+ or MPL-1.1+",
                         shared.copyright_licence(COPYRIGHT, "dictionaries/es/*"))
        self.assertEqual("GPL-3", shared.copyright_licence(COPYRIGHT, "dictionaries/it_IT/*"))

    def test_distinct_licences_of_the_whole_file(self):
        self.assertEqual("MPL-2.0, GPL-3+ or LGPL-3+ or MPL-1.1+, GPL-3",
                         shared.copyright_licence(COPYRIGHT))
        # a pattern no stanza has: the whole file
        self.assertEqual(shared.copyright_licence(COPYRIGHT),
                         shared.copyright_licence(COPYRIGHT, "dictionaries/xx/*"))
        many = "".join(f"License: L{i}\n\n" for i in range(6))
        self.assertEqual("L0, L1, L2, L3", shared.copyright_licence(many))
        self.assertEqual("see package", shared.copyright_licence("Only prose, no fields.\n"))


class Cache(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        patcher = mock.patch.dict(os.environ, {"LEXICON_CACHE": self.dir.name})
        patcher.start()
        self.addCleanup(patcher.stop)

    def test_rows_round_trip_under_the_cache_folder(self):
        self.assertIsNone(shared.read_cached_rows("t"))
        rows = [("went", "go", "vblex past"), ("mice", "mouse", "n pl")]
        shared.write_cached_rows("t", rows)
        self.assertTrue(os.path.exists(os.path.join(self.dir.name, "expanded", "t.tsv.gz")))
        self.assertEqual([list(r) for r in rows], shared.read_cached_rows("t"))

    def test_stamp_follows_size_and_time(self):
        path = os.path.join(self.dir.name, "source.dic")
        with open(path, "w") as f:
            f.write("1\nword\n")
        first = shared.file_stamp(path)
        self.assertEqual(first, shared.file_stamp(path))
        with open(path, "a") as f:
            f.write("more\n")
        self.assertNotEqual(first, shared.file_stamp(path))
        stamp = shared.file_stamp(path)
        later = time.time() + 10
        os.utime(path, (later, later))
        self.assertNotEqual(stamp, shared.file_stamp(path))

    def test_stamp_of_a_script_of_data_follows_its_content_only(self):
        script = os.path.join(shared.DATA_DIR, "lexdata", "sources", "voikko_analyse.py")
        stamp = shared.file_stamp(script)
        copy = os.path.join(self.dir.name, "lexdata", "sources", "voikko_analyse.py")
        os.makedirs(os.path.dirname(copy))
        shutil.copyfile(script, copy)
        # a clone elsewhere: the same content and place under its own data/
        with mock.patch.object(shared, "DATA_DIR", self.dir.name):
            self.assertEqual(stamp, shared.file_stamp(copy))
            later = time.time() + 10
            os.utime(copy, (later, later))
            self.assertEqual(stamp, shared.file_stamp(copy))
            with open(copy, "a") as f:
                f.write("# changed\n")
            self.assertNotEqual(stamp, shared.file_stamp(copy))


class Output(unittest.TestCase):
    def test_tab_rows_keep_only_three_field_lines(self):
        self.assertEqual([["дети", "ребёнок", "NOUN,anim plur,nomn"], ["a", "", "x"]],
                         shared.tab_rows("дети\tребёнок\tNOUN,anim plur,nomn\n"
                                         "warning: something\n\na\t\tx\nb\tc\n"))


if __name__ == "__main__":
    unittest.main()
