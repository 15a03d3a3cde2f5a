"""The Unicode Common Locale Data Repository's names of months and days:
their abbreviations (Jan, Sept, Fri) with the full name as lemma, as text
writes them in dates ("Fri, Sept 3", "Dec. 12").

Where from: the Debian package unicode-cldr-core, the Gregorian calendar of
/usr/share/unicode/cldr/common/main/<locale>.xml.  Version: the package's.
Licence: its Debian copyright file (Unicode-DFS-2016).
"""

import glob
import os
import re
import xml.etree.ElementTree as ET

from .shared import deb_source, ensure_apt

APT = ["unicode-cldr-core"]
MAIN = "/usr/share/unicode/cldr/common/main"
# A locale in another script than the language's own (en_Dsrt, en_Shaw).
_SCRIPT = re.compile(r"^[a-z]+_[A-Z][a-z]{3}[_.]")


def calendar_names(root):
    """{(kind, key, width): [name]} of the Gregorian calendar of one locale's
    document: kind "month" or "day", key the month's number or the day's
    short English key, width "wide" or "abbreviated"; variants ("alt")
    left out."""
    names = {}
    for calendar in root.iter("calendar"):
        if calendar.get("type") != "gregorian":
            continue
        for kind in ("month", "day"):
            for width in calendar.iter(kind + "Width"):
                for entry in width.iter(kind):
                    if entry.get("alt") is None and entry.text:
                        key = (kind, entry.get("type"), width.get("type"))
                        names.setdefault(key, {})[entry.text] = None
    return {key: list(texts) for key, texts in names.items()}


def abbreviation_rows(base, variants):
    """(abbreviation, full name, [kind]) of the abbreviated names of the
    base locale and its regional variants, each also written with a stop;
    the full names are the base locale's wide ones. An abbreviation that
    is the full name itself (May) is left out."""
    rows = {}
    for (kind, key, width), full in base.items():
        if width != "wide":
            continue
        for names in [base] + variants:
            for short in names.get((kind, key, "abbreviated"), []):
                if short != full[0] and not short.endswith("."):
                    rows[(short, full[0], kind)] = None
                    rows[(short + ".", full[0], kind)] = None
    return [(form, lemma, [kind]) for form, lemma, kind in rows]


def readings(language):
    """The abbreviation rows of one language (CLDR's code, "en")."""
    ensure_apt(APT)
    base = calendar_names(ET.parse(os.path.join(MAIN, language + ".xml")).getroot())
    variants = [calendar_names(ET.parse(path).getroot())
                for path in sorted(glob.glob(os.path.join(MAIN, language + "_*.xml")))
                if not _SCRIPT.match(os.path.basename(path))]
    return abbreviation_rows(base, variants), [deb_source(APT[0])]
