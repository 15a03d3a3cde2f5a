"""bench/make-streams: what it keeps of catalogs, HTML pages and paths."""

import os
import runpy
import shutil
import subprocess
import tempfile
import types
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def load_make_streams():
    """The script's functions and constants, its main part left unrun."""
    path = os.path.join(REPO, "bench", "make-streams")
    return types.SimpleNamespace(**runpy.run_path(path, run_name="make_streams"))


ms = load_make_streams()


class Placeholders(unittest.TestCase):
    def test_format_directives_and_markup_are_no_words(self):
        text = "%s von %'d Dateien, %1$s %(name)s {count} <b>fett</b> 100%% %-10.3lf"
        self.assertEqual(ms.PLACEHOLDER.sub(" ", text).split(),
                         ["von", "Dateien,", "fett", "100"])

    def test_po_escapes(self):
        self.assertEqual(ms.unescape_po(r'a\nb\t\"c\\'), 'a\nb\t"c\\')


@unittest.skipUnless(shutil.which("msgfmt") and shutil.which("msgunfmt"), "no gettext tools")
class Catalogs(unittest.TestCase):
    def test_every_translation_and_plural_form_without_the_header(self):
        po = (
            'msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=ISO-8859-1\\n"\n'
            '"Plural-Forms: nplurals=2; plural=(n != 1);\\n"\n\n'
            'msgid "File %s not found"\nmsgstr "Datei %s nicht gefunden"\n\n'
            'msgid "one file"\nmsgid_plural "%d files"\n'
            'msgstr[0] "eine Datei"\nmsgstr[1] "%d Dateien"\n\n'
            'msgid "long"\nmsgstr ""\n"zwei \\"Zeilen\\"\\n"\n"Größe"\n'
        )
        with tempfile.TemporaryDirectory() as tmp:
            source, compiled = os.path.join(tmp, "t.po"), os.path.join(tmp, "t.mo")
            with open(source, "wb") as f:
                f.write(po.encode("iso-8859-1"))
            subprocess.run(["msgfmt", "-o", compiled, source], check=True)
            texts = [t.split() for t in ms.catalog_translations(compiled)]
        # A compiled catalog keeps its entries in the order of their msgid.
        self.assertEqual(texts, [["Datei", "nicht", "gefunden"], ["zwei", '"Zeilen"', "Größe"],
                                 ["eine", "Datei"], ["Dateien"]])


class Documents(unittest.TestCase):
    def test_html_text_leaves_out_scripts_and_styles(self):
        parser = ms.HtmlText()
        parser.feed("<html><style>p {}</style><p>Hallo<script>x = 1;</script> "
                    "Welt&nbsp;&amp; mehr</p><li>Ende</li></html>")
        self.assertEqual("".join(parser.parts).split(), ["Hallo", "Welt", "&", "mehr", "Ende"])

    def test_language_of_a_documentation_file(self):
        self.assertTrue(ms.in_language("/usr/share/debian-reference/ch01.es.html", "es"))
        self.assertTrue(ms.in_language("/usr/share/doc/installation-guide-amd64/ru/apa.html",
                                       "ru"))
        self.assertFalse(ms.in_language("/usr/share/debian-reference/ch01.fr.html", "es"))
        self.assertFalse(ms.in_language("/usr/share/doc/foo/resume.html", "es"))


if __name__ == "__main__":
    unittest.main()
