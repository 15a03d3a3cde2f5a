"""Script conversions: Serbian Latin to Cyrillic, Macedonian purity check."""

import re

_SR_DIGRAPHS = {"lj": "љ", "nj": "њ", "dž": "џ", "Lj": "Љ", "LJ": "Љ",
                "Nj": "Њ", "NJ": "Њ", "Dž": "Џ", "DŽ": "Џ"}
_SR_SINGLE = dict(zip(
    "abcčćdđefghijklmnoprsštuvzžABCČĆDĐEFGHIJKLMNOPRSŠTUVZŽ",
    "абцчћдђефгхијклмнопрсштувзжАБЦЧЋДЂЕФГХИЈКЛМНОПРСШТУВЗЖ"))


def serbian_to_cyrillic(text):
    """Serbian Latin script to Cyrillic, or None for letters Serbian lacks.

    The digraphs lj, nj and dž are single letters.  (A few compounds such as
    'nadživeti' split d|ž across a prefix; they are rare and not told apart.)
    """
    text = text.replace("ð", "đ").replace("Ð", "Đ")
    out, i = [], 0
    while i < len(text):
        two = text[i:i + 2]
        if two in _SR_DIGRAPHS:
            out.append(_SR_DIGRAPHS[two])
            i += 2
            continue
        ch = text[i]
        if ch in _SR_SINGLE:
            out.append(_SR_SINGLE[ch])
        elif ch.isalpha():
            return None
        else:
            out.append(ch)
        i += 1
    return "".join(out)


def is_cyrillic_word(text):
    """True when every letter of the text is Cyrillic (no Latin look-alikes)."""
    return all(not c.isalpha() or "\u0400" <= c <= "\u04ff" for c in text) \
        and any(c.isalpha() for c in text)


# Ijekavian spellings of the old jat vowel, in Latin and Cyrillic script,
# longest first ("ije" before "je"), and the "i" of a final "io" where a
# jat met an l that became o ("dio", Ekavian "deo"); the Ekavian spelling
# is "e".
_JAT = re.compile("ije|je|ије|је|i(?=o$)|и(?=о$)")


def ekavian_lemma(lemma, headwords):
    """The Ekavian spelling of an Ijekavian lemma, where a Serbian word list
    confirms it: "predsjednik" -> "predsednik", "poslije" -> "posle",
    "dio" -> "deo".

    headwords: the lemmas (headwords) of an Ekavian word list. Not every
    "je" is the jat vowel ("rješenje", "jedan"): of the spellings with some
    or all of them made "e", the first headword wins, fewest changes first
    (a verbal noun in -nje must not become a form in -ne); the lemma is kept
    when there is none.
    """
    spots = [m.span() for m in _JAT.finditer(lemma)][:4]
    subsets = sorted(range(1, 1 << len(spots)), key=lambda x: (bin(x).count("1"), x))
    for subset in subsets:
        out, at = [], 0
        for k, (start, end) in enumerate(spots):
            if subset >> k & 1:
                out.append(lemma[at:start])
                out.append("е" if lemma[start] in "иј" else "e")
                at = end
        candidate = "".join(out) + lemma[at:]
        if candidate in headwords:
            return candidate
    return lemma


# Lemmas the Serbo-Croatian analysers give in their Croatian form, and the
# Serbian form of the same word (pronouns of the ko series and one adverb:
# standard Serbian has "ko", "niko", "neko", "iko", "svako", "takođe").
_CROATIAN_LEMMAS = {
    "tko": "ko", "nitko": "niko", "netko": "neko", "itko": "iko", "svatko": "svako",
    "također": "takođe",
}


# The same in both scripts.
_SERBIAN_FOR_CROATIAN = dict(
    list(_CROATIAN_LEMMAS.items()) +
    [(serbian_to_cyrillic(c), serbian_to_cyrillic(s)) for c, s in _CROATIAN_LEMMAS.items()])


def serbian_lemma(lemma, headwords):
    """The Serbian lemma of a Serbo-Croatian analyser's lemma, in either
    script: its Serbian form where the Croatian one differs ("tko" -> "ko"),
    else its Ekavian spelling (ekavian_lemma); only where the word list's
    headwords confirm it."""
    serbian = _SERBIAN_FOR_CROATIAN.get(lemma)
    if serbian in headwords:
        return serbian
    return ekavian_lemma(lemma, headwords)
