"""What the source modules share: the record of a source that a lexicon
used, licences as packages state them, the cache of expansions, and the
installation of Debian and npm packages.

Cache: $LEXICON_CACHE (default ~/.cache/lemmatizer-data) holds expanded
sources under expanded/ (gzipped rows, keyed by the stamp of the files
they come from, so that a new package version is expanded anew) and the
npm packages under npm/.  Deleting it costs a slower next build, nothing
else.
"""

import gzip
import hashlib
import json
import os
import re
import shutil
import subprocess

from ..common import DATA_DIR, log


class Source:
    """A package a lexicon was built from: shown in the report and the
    licence files of the dictionaries."""

    def __init__(self, name, version, licence, note=""):
        self.name, self.version, self.licence, self.note = \
            name, version, licence, note

    def __repr__(self):
        return f"{self.name} {self.version} ({self.licence})"


# ---- licences ----

def copyright_licence(text, files=None):
    """The licence a Debian copyright file states.

    files: for packages that bundle many dictionaries, the Files pattern of
    the one used (``dictionaries/es/*``); otherwise the distinct License
    fields of the whole file (at most four).
    """
    if files:
        for stanza in re.split(r"\n\s*\n", text):
            m = re.search(r"^Files:\s*(\S+)", stanza, re.M)
            lic = re.search(r"^License:\s*(.+)$", stanza, re.M)
            if m and lic and m.group(1) == files:
                return lic.group(1).strip()
    names = []
    for m in re.finditer(r"^License:\s*(.+)$", text, re.M):
        n = m.group(1).strip()
        if n not in names:
            names.append(n)
    return ", ".join(names[:4]) if names else "see package"


def copyright_path(pkg):
    return f"/usr/share/doc/{pkg}/copyright"


def deb_licence(pkg, files=None):
    try:
        with open(copyright_path(pkg), encoding="utf-8", errors="replace") as f:
            return copyright_licence(f.read(), files)
    except OSError:
        return "see package"


def deb_source(pkg, files=None, licence=None, note=""):
    """A Debian package as a source: its installed version and licence
    (licence given: for copyright files without machine-readable fields)."""
    return Source(pkg, dpkg_version(pkg) or "?", licence or deb_licence(pkg, files), note)


def npm_source(pkg, licence=None):
    """An npm package as a source (licence given: when the data's licence
    is not the one package.json states)."""
    return Source(pkg + " (npm)", npm_version(pkg) or "?",
                  licence or npm_licence(pkg))


# ---- cache ----

def cache_dir(*parts):
    base = os.environ.get("LEXICON_CACHE") or os.path.join(
        os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache"),
        "lemmatizer-data")
    path = os.path.join(base, *parts)
    os.makedirs(path, exist_ok=True)
    return path


def file_stamp(*paths):
    """A short digest of the paths' sizes and times, to key cached results.

    A file of data/ (a script that expands a source) counts by its content
    and its place there: a fresh clone, whose files are all new, finds what
    another clone cached."""
    h = hashlib.sha1()
    for p in paths:
        inside = os.path.relpath(os.path.abspath(p), DATA_DIR)
        if not inside.startswith(".."):
            with open(p, "rb") as f:
                digest = hashlib.sha1(f.read()).hexdigest()
            h.update(f"{inside}\0{digest}\0".encode())
            continue
        st = os.stat(p)
        h.update(f"{p}\0{st.st_size}\0{int(st.st_mtime)}\0".encode())
    return h.hexdigest()[:16]


def cached_rows_path(name):
    return os.path.join(cache_dir("expanded"), name + ".tsv.gz")


def read_cached_rows(name):
    path = cached_rows_path(name)
    if not os.path.exists(path):
        return None
    with gzip.open(path, "rt", encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f]


def write_cached_rows(name, rows):
    path = cached_rows_path(name)
    tmp = f"{path}.{os.getpid()}.tmp"   # two builds may fill the same cache
    with gzip.open(tmp, "wt", encoding="utf-8", compresslevel=3) as f:
        for r in rows:
            f.write("\t".join(r) + "\n")
    os.replace(tmp, path)


def tab_rows(text):
    """The "form<TAB>lemma<TAB>analysis" lines of a tool's output, split."""
    return [line.split("\t") for line in text.split("\n") if line.count("\t") == 2]


# ---- Debian packages ----

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


# ---- npm packages ----

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
    try:
        with open(npm_path(pkg, "package.json")) as f:
            return json.load(f).get("version")
    except OSError:
        return None


def npm_licence(pkg):
    with open(npm_path(pkg, "package.json")) as f:
        return json.load(f).get("license", "?")


def load_npm_json(pkg, rel):
    """A JSON file of an installed npm package (rel: a/b/c.json)."""
    with open(npm_path(pkg, *rel.split("/")), encoding="utf-8") as f:
        return json.load(f)
