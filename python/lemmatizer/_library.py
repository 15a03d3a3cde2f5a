"""The shared library's UTF-8 interface (lemm.h) through ctypes.

`load()` loads the library once per process and declares the prototypes;
`call(function, *arguments)` runs a function that fails through an error
pointer and turns its message into a LemmatizerError. ctypes releases the
GIL during every call, so threads run the library in parallel.
"""
import ctypes
import threading

from . import _find


class LemmatizerError(Exception):
    """A failure the library reported; str() is the library's own message."""


class LibraryNotFoundError(LemmatizerError, OSError):
    """The shared library could not be loaded from any of its places."""


_VOID = ctypes.c_void_p
_SIZE = ctypes.c_size_t
_INT = ctypes.c_int
_TEXT = ctypes.c_char_p
_ERROR = ctypes.POINTER(ctypes.c_void_p)

# name: (result type, argument types)
_PROTOTYPES = {
    "lemm_version": (_TEXT, []),
    "lemm_open": (_VOID, [_TEXT, _TEXT, _ERROR]),
    "lemm_close": (None, [_VOID]),
    "lemm_language_code": (_TEXT, [_VOID]),
    "lemm_language_code_page": (_INT, [_VOID]),
    "lemm_lemmatize": (_VOID, [_VOID, _TEXT, _SIZE, _INT, _ERROR]),
    "lemm_readings_destroy": (None, [_VOID]),
    "lemm_readings_status": (_INT, [_VOID]),
    "lemm_readings_count": (_SIZE, [_VOID]),
    "lemm_reading_lemma": (_TEXT, [_VOID, _SIZE]),
    "lemm_reading_tag": (_INT, [_VOID, _SIZE]),
    "lemm_reading_tag_name": (_TEXT, [_VOID, _SIZE]),
    "lemm_reading_known": (_INT, [_VOID, _SIZE]),
    "lemm_analyze": (_VOID, [_VOID, _TEXT, _SIZE, _INT, _ERROR]),
    "lemm_analysis_destroy": (None, [_VOID]),
    "lemm_analysis_count": (_SIZE, [_VOID]),
    "lemm_token_offset": (_SIZE, [_VOID, _SIZE]),
    "lemm_token_length": (_SIZE, [_VOID, _SIZE]),
    "lemm_token_kind": (_INT, [_VOID, _SIZE]),
    "lemm_token_sentence_start": (_INT, [_VOID, _SIZE]),
    "lemm_token_readings": (_VOID, [_VOID, _SIZE]),
    "lemm_kind_name": (_TEXT, [_INT]),
    "lemm_free": (None, [_VOID]),
}

# Options and statuses of lemm.h.
SENTENCE_START = 1
CONTINUES_SENTENCE = 2
UNWRITABLE = 1

_loaded = None
_path = None
_lock = threading.Lock()


def _loaded_from(library):
    """The file the loader took the library from (dladdr of one export)."""

    class DlInfo(ctypes.Structure):
        _fields_ = [("fname", ctypes.c_char_p), ("fbase", _VOID),
                    ("sname", ctypes.c_char_p), ("saddr", _VOID)]

    info = DlInfo()
    address = ctypes.cast(library.lemm_version, _VOID)
    dladdr = ctypes.CDLL(None).dladdr
    dladdr.argtypes = [_VOID, ctypes.POINTER(DlInfo)]
    if dladdr(address, ctypes.byref(info)) and info.fname:
        return info.fname.decode()
    return library._name


def load():
    """The library, loaded on the first call."""
    global _loaded, _path
    with _lock:
        if _loaded is None:
            failures = []
            for candidate in _find.library_candidates():
                try:
                    library = ctypes.CDLL(candidate)
                    break
                except OSError as error:
                    failures.append(str(error))
            else:
                raise LibraryNotFoundError(
                    "cannot load the lemmatizer library (set LEMMATIZER_LIB to its path): "
                    + "; ".join(failures))
            for name, (result, arguments) in _PROTOTYPES.items():
                function = getattr(library, name)
                function.restype = result
                function.argtypes = arguments
            _path = _loaded_from(library)
            _loaded = library
        return _loaded


def path():
    """The file the library was loaded from."""
    load()
    return _path


def call(function, *arguments):
    """function(*arguments, &error): its result, or LemmatizerError with the
    library's message when it returns NULL."""
    error = ctypes.c_void_p()
    result = function(*arguments, ctypes.byref(error))
    if result is None:
        message = ctypes.string_at(error.value).decode("utf-8", "replace") if error.value else (
            "failed without a message")
        _loaded.lemm_free(error)
        raise LemmatizerError(message)
    return result
