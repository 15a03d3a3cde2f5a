"""Shared pieces of the lexicon build: paths, keys, caching, packages."""

import gzip
import hashlib
import os
import shutil
import subprocess
import sys

DATA_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO_DIR = os.path.dirname(DATA_DIR)


def encodable(text, cp):
    try:
        text.encode(cp)
        return True
    except UnicodeEncodeError:
        return False


# ---- the library's key normalisation (bytes in, bytes out) ----

def _default_table():
    t = list(range(256))
    for b in range(0x41, 0x5B):
        t[b] = b + 0x20
    for b in list(range(0xC0, 0xD7)) + list(range(0xD8, 0xDE)):
        t[b] = b + 0x20
    return bytes(t)


def _greek_table():
    t = list(range(256))
    for b in range(0x41, 0x5B):
        t[b] = b + 0x20
    for src, dst in ((0x8A, 0x9A), (0x8C, 0x9C), (0x8E, 0x9E), (0x8F, 0x9F),
                     (0xA2, 0xDC), (0xB6, 0xDC), (0xB8, 0xDD), (0xB9, 0xDE),
                     (0xBA, 0xDF), (0xBC, 0xFC), (0xBE, 0xFD), (0xBF, 0xFE)):
        t[src] = dst
    for b in list(range(0xC1, 0xD2)) + list(range(0xD3, 0xDC)):
        t[b] = b + 0x20
    return bytes(t)


DEFAULT_FOLD = _default_table()
GREEK_FOLD = _greek_table()


def key_bytes(code, raw):
    """The dictionary key of a word given as code-page bytes."""
    return raw.translate(GREEK_FOLD if code == "gr" else DEFAULT_FOLD)


# ---- cache and packages ----

def cache_dir(*parts):
    base = os.environ.get("LEXICON_CACHE") or os.path.join(
        os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache"),
        "lemmatizer-data")
    path = os.path.join(base, *parts)
    os.makedirs(path, exist_ok=True)
    return path


def file_stamp(*paths):
    """A short digest of the paths' sizes and times, to key cached results."""
    h = hashlib.sha1()
    for p in paths:
        st = os.stat(p)
        h.update(f"{p}\0{st.st_size}\0{int(st.st_mtime)}\0".encode())
    return h.hexdigest()[:16]


def read_cached_rows(name):
    path = os.path.join(cache_dir("expanded"), name + ".tsv.gz")
    if not os.path.exists(path):
        return None
    with gzip.open(path, "rt", encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f]


def write_cached_rows(name, rows):
    path = os.path.join(cache_dir("expanded"), name + ".tsv.gz")
    tmp = path + ".tmp"
    with gzip.open(tmp, "wt", encoding="utf-8", compresslevel=3) as f:
        for r in rows:
            f.write("\t".join(r) + "\n")
    os.replace(tmp, path)


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def dpkg_version(pkg):
    r = subprocess.run(["dpkg-query", "-W", "-f=${Status}\t${Version}", pkg],
                       capture_output=True, text=True)
    if r.returncode != 0 or "install ok installed" not in r.stdout:
        return None
    return r.stdout.split("\t")[1]


_apt_updated = False


def ensure_apt(pkgs):
    """Install the Debian packages that are missing (idempotent)."""
    global _apt_updated
    missing = [p for p in pkgs if dpkg_version(p) is None]
    if not missing:
        return
    if os.geteuid() != 0:
        raise SystemExit("missing packages (run as root or install): "
                         + " ".join(missing))
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    if not _apt_updated:
        subprocess.run(["apt-get", "update", "-q"], check=True, env=env,
                       stdout=subprocess.DEVNULL)
        _apt_updated = True
    log("apt-get install", " ".join(missing))
    subprocess.run(["apt-get", "install", "-y", "-q", "--no-install-recommends"]
                   + missing, check=True, env=env, stdout=subprocess.DEVNULL)


NPM_PACKAGES = {}  # filled by importers: name -> version range


def npm_dir():
    return cache_dir("npm")


def ensure_npm(pkgs):
    """Install npm packages (pinned versions) into the cache (idempotent)."""
    root = npm_dir()
    missing = [p for p, v in pkgs.items()
               if not os.path.exists(os.path.join(root, "node_modules", p,
                                                  "package.json"))
               or npm_version(p) != v]
    if not missing:
        return
    if not os.path.exists(os.path.join(root, "package.json")):
        with open(os.path.join(root, "package.json"), "w") as f:
            f.write('{"name": "lexicon-cache", "version": "1.0.0", "private": true}\n')
    if shutil.which("npm") is None:
        raise SystemExit("npm is needed for: " + " ".join(missing))
    log("npm install", " ".join(missing))
    subprocess.run(["npm", "install", "--no-audit", "--no-fund", "--silent"]
                   + [f"{p}@{pkgs[p]}" for p in missing], cwd=root, check=True,
                   stdout=subprocess.DEVNULL)


def npm_path(pkg, *parts):
    return os.path.join(npm_dir(), "node_modules", pkg, *parts)


def npm_version(pkg):
    import json
    try:
        with open(npm_path(pkg, "package.json")) as f:
            return json.load(f).get("version")
    except OSError:
        return None


def npm_license(pkg):
    import json
    with open(npm_path(pkg, "package.json")) as f:
        return json.load(f).get("license", "?")
