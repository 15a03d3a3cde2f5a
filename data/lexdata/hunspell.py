"""Expansion of a Hunspell dictionary (.aff + .dic) into full forms.

Every stem of the .dic file is inflected with the affix rules its flags name:
suffixes (two levels: a suffix may carry continuation flags), prefixes, and
the cross product of a cross-combinable prefix and suffix.  The stem is the
lemma unless its morphological fields name another (``st:``).  Handled:
FLAG char/long/num/UTF-8, AF and AM aliases, NEEDAFFIX, CIRCUMFIX,
FORBIDDENWORD, ONLYINCOMPOUND, IGNORE.  Prefixes that contain an apostrophe
(elided articles) are left out: they only multiply the output.
"""

import re


class AffixRule:
    __slots__ = ("flag", "kind", "cross", "strip", "add", "cont", "cond",
                 "morph")

    def __init__(self, flag, kind, cross, strip, add, cont, cond, morph):
        self.flag, self.kind, self.cross = flag, kind, cross
        self.strip, self.add, self.cont = strip, add, cont
        self.cond, self.morph = cond, morph

    def applies(self, word):
        if self.kind == "SFX":
            if self.strip and not word.endswith(self.strip):
                return False
        elif self.strip and not word.startswith(self.strip):
            return False
        return self.cond is None or self.cond.search(word) is not None

    def apply(self, word):
        if self.kind == "SFX":
            base = word[:len(word) - len(self.strip)] if self.strip else word
            return base + self.add
        return self.add + word[len(self.strip):]


def _condition(cond, kind):
    """Compile a Hunspell affix condition, or None for '.' (always true)."""
    if cond in (".", ""):
        return None
    out, inside = [], False
    for ch in cond:
        if inside:
            if ch == "]":
                inside = False
                out.append("]")
            elif ch == "\\":
                out.append("\\\\")
            elif ch == "^" and out[-1] == "[":
                out.append("^")
            else:
                out.append(re.escape(ch) if ch in "[-" else ch)
        elif ch == "[":
            inside = True
            out.append("[")
        elif ch == ".":
            out.append(".")
        else:
            out.append(re.escape(ch))
    pattern = "".join(out)
    return re.compile("^(?:" + pattern + ")" if kind == "PFX"
                      else "(?:" + pattern + ")$")


class Dictionary:
    def __init__(self):
        self.flag_type = "char"
        self.aliases_f = []
        self.aliases_m = []
        self.rules = {}          # flag -> [AffixRule]
        self.needaffix = self.circumfix = None
        self.forbidden = self.onlyincompound = None
        self.ignore = ""
        self.encoding = "UTF-8"
        self.stems = []          # (word, flags, morph text)

    # -- flags --
    def split_flags(self, text):
        """The flags of a stem or affix, each once, in the order written: the
        affixes are applied in that order, and when two give the same form
        the first one's morphological fields are kept."""
        if not text:
            return ()
        if self.aliases_f and text.isdigit():
            i = int(text)
            if 1 <= i <= len(self.aliases_f):
                return tuple(dict.fromkeys(self.aliases_f[i - 1]))
        return tuple(dict.fromkeys(self.parse_flags(text)))

    def parse_flags(self, text):
        if self.flag_type == "long":
            return [text[i:i + 2] for i in range(0, len(text) - 1, 2)]
        if self.flag_type == "num":
            return [t for t in text.split(",") if t]
        return list(text)

    def morph_alias(self, fields):
        if self.aliases_m and len(fields) == 1 and fields[0].isdigit():
            i = int(fields[0])
            if 1 <= i <= len(self.aliases_m):
                return self.aliases_m[i - 1]
        return " ".join(fields)

    # -- reading --
    @staticmethod
    def detect_encoding(raw):
        m = re.search(rb"^SET\s+(\S+)", raw, re.M)
        enc = m.group(1).decode("ascii") if m else "ISO8859-1"
        return {"ISO8859-1": "latin-1", "ISO8859-2": "iso8859-2",
                "ISO8859-7": "iso8859-7", "ISO8859-15": "iso8859-15",
                "KOI8-R": "koi8-r", "microsoft-cp1251": "cp1251"}.get(
                    enc.upper() if enc.upper().startswith("ISO") else enc, enc)

    def parse_aff(self, text):
        lines = text.split("\n")
        i = 0
        while i < len(lines):
            f = lines[i].split()
            i += 1
            if not f or f[0].startswith("#"):
                continue
            key = f[0]
            if key == "FLAG" and len(f) > 1:
                self.flag_type = {"long": "long", "num": "num"}.get(f[1], "char")
            elif key == "AF" and len(f) > 1 and f[1].isdigit() and not self.aliases_f:
                for _ in range(int(f[1])):
                    g = lines[i].split()
                    i += 1
                    self.aliases_f.append(self.parse_flags(g[1]) if len(g) > 1 else [])
            elif key == "AM" and len(f) > 1 and f[1].isdigit() and not self.aliases_m:
                for _ in range(int(f[1])):
                    g = lines[i].split()
                    i += 1
                    self.aliases_m.append(" ".join(g[1:]))
            elif key in ("PFX", "SFX") and len(f) >= 4 and f[3].isdigit() \
                    and f[2] in ("Y", "N"):
                flag, cross, n = f[1], f[2] == "Y", int(f[3])
                rules = self.rules.setdefault(flag, [])
                for _ in range(n):
                    g = lines[i].split()
                    i += 1
                    if len(g) < 4 or g[0] != key or g[1] != flag:
                        continue
                    strip = "" if g[2] == "0" else g[2]
                    add, _, cont = g[3].partition("/")
                    add = "" if add == "0" else add
                    cond = g[4] if len(g) > 4 else "."
                    morph = self.morph_alias(g[5:]) if len(g) > 5 else ""
                    if self.ignore:
                        add = add.translate({ord(c): None for c in self.ignore})
                    rules.append(AffixRule(flag, key, cross, strip, add,
                                           self.split_flags(cont),
                                           _condition(cond, key), morph))
            elif key == "NEEDAFFIX" and len(f) > 1:
                self.needaffix = f[1]
            elif key == "CIRCUMFIX" and len(f) > 1:
                self.circumfix = f[1]
            elif key == "FORBIDDENWORD" and len(f) > 1:
                self.forbidden = f[1]
            elif key == "ONLYINCOMPOUND" and len(f) > 1:
                self.onlyincompound = f[1]
            elif key == "IGNORE" and len(f) > 1:
                self.ignore = f[1]

    def parse_dic(self, text):
        lines = text.split("\n")
        start = 1 if lines and lines[0].strip().isdigit() else 0
        for line in lines[start:]:
            if not line.strip() or line.startswith(("#", "\t")):
                continue
            # the word ends at the first unescaped '/', blank or tab
            m = re.match(r"((?:\\/|[^/\s])+)(?:/(\S*))?\s*(.*)$", line)
            if not m:
                continue
            word = m.group(1).replace("\\/", "/")
            if self.ignore:
                word = word.translate({ord(c): None for c in self.ignore})
            flags = self.split_flags(m.group(2) or "")
            morph = self.morph_alias(m.group(3).split()) if m.group(3) else ""
            self.stems.append((word, flags, morph))

    @classmethod
    def load(cls, aff_path, dic_path):
        with open(aff_path, "rb") as f:
            raw = f.read()
        d = cls()
        enc = cls.detect_encoding(raw)
        d.encoding = enc
        d.parse_aff(raw.decode(enc, errors="replace"))
        with open(dic_path, "rb") as f:
            d.parse_dic(f.read().decode(enc, errors="replace"))
        return d

    # -- expansion --
    def _rules(self, flags, kind):
        for fl in flags:
            for r in self.rules.get(fl, ()):
                if r.kind == kind and "'" not in r.add and "\u2019" not in r.add:
                    yield r

    def expand_stem(self, word, flags):
        """Yield (form, morph of the affixes) for one stem."""
        na, cf = self.needaffix, self.circumfix
        if (self.forbidden and self.forbidden in flags) or \
                (self.onlyincompound and self.onlyincompound in flags):
            return
        if not (na and na in flags):
            yield word, ""
        prefixes = [p for p in self._rules(flags, "PFX") if p.applies(word)]
        for s in self._rules(flags, "SFX"):
            if not s.applies(word):
                continue
            f1 = s.apply(word)
            needs_more = na and na in s.cont
            circ = cf and cf in s.cont
            if not needs_more and not circ:
                yield f1, s.morph
            # second suffix level
            for s2 in self._rules(s.cont, "SFX"):
                if s2.applies(f1):
                    f2 = s2.apply(f1)
                    if not (na and na in s2.cont):
                        yield f2, (s2.morph + " " + s.morph).strip()
            # cross product with the stem's (or the suffix's) prefixes
            if s.cross:
                for p in prefixes + [p for p in self._rules(s.cont, "PFX")
                                     if p.applies(word)]:
                    if not p.cross:
                        continue
                    if circ and not (cf in p.cont):
                        continue
                    if p.applies(f1):
                        yield p.apply(f1), (p.morph + " " + s.morph).strip()
        for p in prefixes:
            f1 = p.apply(word)
            if not (cf and cf in p.cont) and not (na and na in p.cont):
                yield f1, p.morph
            # suffixes allowed by the prefix's continuation flags
            for s in self._rules(p.cont, "SFX"):
                if s.cross and s.applies(word):
                    yield p.apply(s.apply(word)), (p.morph + " " + s.morph).strip()

    def expand(self):
        """Yield (form, lemma, morph) for the whole dictionary."""
        for word, flags, morph in self.stems:
            lemma = word
            m = re.search(r"(?:^|\s)st:(\S+)", morph)
            if m:
                lemma = m.group(1)
            seen = set()
            for form, amorph in self.expand_stem(word, flags):
                if form in seen or not form:
                    continue
                seen.add(form)
                yield form, lemma, (morph + " " + amorph).strip()


def keep_prefixes(rows, inflectional=()):
    """(form, lemma, morph...) rows of an expansion with a prefix kept in the
    lemma.

    The expansion gives a prefixed form the lemma of its stem ("unsubscribe"
    -> subscribe, Serbian "nepostojanje" -> postojanje); where prefixes make
    new words, the lemma keeps the form's prefix (unsubscribe,
    nepostojanje).  A prefix is told by the form's start: two or three
    letters before the stem's first three, where the form does not begin
    as the stem does (suffixes leave the start of a word as it is).
    inflectional: prefixes that make a form of the same word (the Serbian
    superlative's "naj"), which the lemma does not take.
    """
    out = []
    for form, lemma, *rest in rows:
        if len(lemma) >= 3 and form[:2].lower() != lemma[:2].lower():
            for k in (2, 3):
                if (form[k:k + 3].lower() == lemma[:3].lower()
                        and form[:k].lower() not in inflectional):
                    lemma = form[:k] + lemma
                    break
        out.append((form, lemma, *rest))
    return out
