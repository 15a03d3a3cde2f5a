"""Language: one language's dictionaries, open in the library.

A Language wraps one handle of lemm.h. Any number of threads may call
lemmas(), lemmas_many() and lemmatize() on one Language at once; close()
waits for the calls running with it. Pickling keeps the code and the
dictionary directory as given (None: found where the unpickling process
finds them); unpickling gives the Language of shared(), opened once per
process.
"""
import collections
import os
import threading

from . import _find, _library
from ._library import LemmatizerError

Reading = collections.namedtuple("Reading", "lemma tag tag_number known")
Reading.__doc__ = """One reading of a word: its lemma, the tag's name ("NOMCfp") and
number, and whether the dictionary knew the form (False: a guess)."""

Token = collections.namedtuple("Token", "text start end kind sentence_start readings")
Token.__doc__ = """One token of a text: its text; its start and end (text[start:end],
in characters of a str, in bytes of a bytes text); its kind ("word",
"number", "url", "email", "punctuation", "symbol"); whether it is a word
that begins a sentence; the readings of a word (None for other kinds)."""


class Readings(list):
    """A word's readings in answer order. `writable` is False when the word
    holds a character the language's code page cannot write; it then has
    none."""

    writable = True


def _utf8(text):
    """The bytes the library gets: bytes as they are, a str in UTF-8 (a lone
    surrogate passes through for the library to reject)."""
    if isinstance(text, (bytes, bytearray, memoryview)):
        return bytes(text)
    return text.encode("utf-8", "surrogatepass")


def _readings(lib, pointer):
    result = Readings()
    for i in range(lib.lemm_readings_count(pointer)):
        tag = lib.lemm_reading_tag(pointer, i)
        name = lib.lemm_reading_tag_name(pointer, i)
        result.append(Reading(lib.lemm_reading_lemma(pointer, i).decode("utf-8"),
                              name.decode("ascii") if name else str(tag), tag,
                              bool(lib.lemm_reading_known(pointer, i))))
    if lib.lemm_readings_status(pointer) == _library.UNWRITABLE:
        result.writable = False
    return result


class Language:
    """Language("de") or Language("de", dictionaries="/path/with/lemm/")."""

    def __init__(self, code, dictionaries=None):
        self._handle = None
        self._lib = _library.load()
        self._given = dictionaries
        self.dictionaries = (os.path.join(os.fspath(dictionaries), "") if dictionaries
                             else _find.dictionary_dir(_library.path()))
        self._users = 0
        self._closed = False
        self._idle = threading.Condition()
        self._handle = _library.call(self._lib.lemm_open, str(code).encode("utf-8"),
                                     os.fsencode(self.dictionaries))
        self.code = self._lib.lemm_language_code(self._handle).decode("ascii")
        self.code_page = self._lib.lemm_language_code_page(self._handle)
        self._kinds = {}

    # -- the handle, kept open while a call uses it ------------------------
    def _enter(self):
        with self._idle:
            if self._closed:
                raise LemmatizerError(f"the language {self.code} is closed")
            self._users += 1
        return self._handle

    def _leave(self):
        with self._idle:
            self._users -= 1
            if self._users == 0:
                self._idle.notify_all()

    @property
    def closed(self):
        return self._closed

    def close(self):
        """Releases the dictionaries once the calls running with them end."""
        with self._idle:
            if self._closed or self._handle is None:
                self._closed = True
                return
            self._closed = True
            self._idle.wait_for(lambda: self._users == 0)
            handle, self._handle = self._handle, None
        self._lib.lemm_close(handle)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def __del__(self):
        if getattr(self, "_handle", None) is not None:
            self.close()

    def __reduce__(self):
        return (shared, (self.code, self._given))

    def __repr__(self):
        state = " closed" if self._closed else ""
        return f"<Language {self.code} from {self.dictionaries}{state}>"

    # -- lookups -----------------------------------------------------------
    def _lemmas(self, handle, word, options):
        data = _utf8(word)
        pointer = _library.call(self._lib.lemm_lemmatize, handle, data, len(data), options)
        try:
            return _readings(self._lib, pointer)
        finally:
            self._lib.lemm_readings_destroy(pointer)

    def lemmas(self, word, sentence_start=False):
        """The Readings of one word (str or UTF-8 bytes). With
        sentence_start, a capital says nothing: a lower-case reading comes
        first when there is one."""
        handle = self._enter()
        try:
            return self._lemmas(handle, word, _library.SENTENCE_START if sentence_start else 0)
        finally:
            self._leave()

    def lemmas_many(self, words, sentence_start=False):
        """The Readings of each word, in order; a word met again gets the same
        Readings object."""
        options = _library.SENTENCE_START if sentence_start else 0
        seen = {}
        result = []
        handle = self._enter()
        try:
            for word in words:
                readings = seen.get(word)
                if readings is None:
                    readings = seen[word] = self._lemmas(handle, word, options)
                result.append(readings)
        finally:
            self._leave()
        return result

    def lemmatize(self, text, continues_sentence=False):
        """The Tokens of a text (str, or UTF-8 bytes), every word with its
        Readings. Offsets count characters of a str, bytes of bytes. With
        continues_sentence, the text's first word does not begin a
        sentence."""
        data = _utf8(text)
        lib = self._lib
        handle = self._enter()
        try:
            pointer = _library.call(lib.lemm_analyze, handle, data, len(data),
                                    _library.CONTINUES_SENTENCE if continues_sentence else 0)
        finally:
            self._leave()
        try:
            count = lib.lemm_analysis_count(pointer)
            spans = [(lib.lemm_token_offset(pointer, i), lib.lemm_token_length(pointer, i))
                     for i in range(count)]
            tokens = []
            for i, (start, end) in enumerate(_offsets(text, data, spans)):
                readings = lib.lemm_token_readings(pointer, i)
                tokens.append(Token(
                    text[start:end] if isinstance(text, str) else data[start:end].decode("utf-8"),
                    start, end, self._kind(lib.lemm_token_kind(pointer, i)),
                    bool(lib.lemm_token_sentence_start(pointer, i)),
                    None if readings is None else _readings(lib, readings)))
            return tokens
        finally:
            lib.lemm_analysis_destroy(pointer)

    def _kind(self, kind):
        name = self._kinds.get(kind)
        if name is None:
            name = self._kinds[kind] = self._lib.lemm_kind_name(kind).decode("ascii")
        return name


def _offsets(text, data, spans):
    """(start, end) of each (byte offset, byte length) span, in characters
    of `text` when it is a str (spans in increasing order)."""
    if not isinstance(text, str) or len(text) == len(data):
        return [(offset, offset + length) for offset, length in spans]
    result = []
    byte, char = 0, 0
    for offset, length in spans:
        char += len(data[byte:offset].decode("utf-8", "surrogatepass"))
        end = char + len(data[offset:offset + length].decode("utf-8", "surrogatepass"))
        result.append((char, end))
        byte, char = offset + length, end
    return result


_shared = {}
_shared_lock = threading.Lock()


def shared(code, dictionaries=None):
    """This process's Language of `code` from `dictionaries` (None: found as
    Language finds them), opened on its first use and kept until the process
    ends; what unpickling a Language gives."""
    key = (os.getpid(), str(code).lower(), dictionaries)
    with _shared_lock:
        language = _shared.get(key)
        if language is None or language.closed:
            language = _shared[key] = Language(code, dictionaries)
        return language


def shared_languages():
    """The Languages that shared() opened in this process."""
    pid = os.getpid()
    with _shared_lock:
        return [language for key, language in _shared.items() if key[0] == pid]
