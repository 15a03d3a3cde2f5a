"""Script conversions: Serbian Latin to Cyrillic, Macedonian purity check."""

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
