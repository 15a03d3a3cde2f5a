#include "interface/word_lookup.h"

#include "dictionary/tag_table.h"
#include "interface/lemma_case.h"
#include "platform/codepage.h"
#include "platform/unicode.h"

namespace lemmatizer {

namespace {

bool HasKnown(const ReadingList& readings) {
  for (size_t i = 0; i < readings.Size(); ++i) {
    if (IsKnownSource(readings.Source(i))) return true;
  }
  return false;
}

// `word` with ё and Ё written е and Е (two bytes each in UTF-8, so the
// letters change in place).
std::string YoAsYe(std::string_view word) {
  std::string out(word);
  for (const auto& [yo, ye] : {std::pair{"ё", "е"}, std::pair{"Ё", "Е"}}) {
    for (size_t at = out.find(yo); at != std::string::npos; at = out.find(yo, at + 2)) {
      out.replace(at, 2, ye);
    }
  }
  return out;
}

// Whether a word in capitals is short enough to be an acronym: at most
// four letters (CSF, WOW, NASA).
bool IsAcronymLength(std::string_view word) {
  size_t letters = 0;
  ForEachCodePoint(word, [&letters](uint32_t, size_t, size_t) { ++letters; });
  return letters <= 4;
}

bool IsTrieSource(ReadingSource source) {
  return source == ReadingSource::kTrie || source == ReadingSource::kTrieGuess;
}

// The reading of `list` with reading i of `of`'s tag and its lemma but for
// case, or the list's size.
size_t FindCaseBlind(const ReadingList& list, const ReadingList& of, size_t i) {
  const std::string folded = LowerWord(std::string_view(of.Lemma(i), of.LemmaLength(i)));
  for (size_t j = 0; j < list.Size(); ++j) {
    if (list.Tag(j) == of.Tag(i) &&
        LowerWord(std::string_view(list.Lemma(j), list.LemmaLength(j))) == folded) {
      return j;
    }
  }
  return list.Size();
}

// Appends the readings of `from` that `to` does not hold yet, with their
// lemmas compared without regard to case: readings that other spellings of
// the word repeat.
void AppendNew(const ReadingList& from, ReadingList& to) {
  for (size_t i = 0; i < from.Size(); ++i) {
    if (FindCaseBlind(to, from, i) == to.Size()) {
      to.Add(std::string_view(from.Lemma(i), from.LemmaLength(i)), from.Tag(i), from.Source(i));
    }
  }
}

// Whether every reading has a capitalised lemma (and there is one).
bool IsOnlyNames(const ReadingList& readings) {
  for (size_t i = 0; i < readings.Size(); ++i) {
    if (CaseOf(readings, i, false) != LemmaCase::kCapital) return false;
  }
  return !readings.Empty();
}

// Whether some reading has a part of speech.
bool HasTagged(const ReadingList& readings) {
  for (size_t i = 0; i < readings.Size(); ++i) {
    if (!IsUntaggedTag(readings.Tag(i))) return true;
  }
  return false;
}

// Whether reading i is untagged with `lemma` (not empty) as its lemma.
bool IsUntaggedAs(const ReadingList& readings, size_t i, std::string_view lemma) {
  return !lemma.empty() && IsUntaggedTag(readings.Tag(i)) &&
         std::string_view(readings.Lemma(i), readings.LemmaLength(i)) == lemma;
}

// Whether a reading is a name's.
bool HasName(const ReadingList& readings) {
  for (size_t i = 0; i < readings.Size(); ++i) {
    if (readings.Tag(i) == kNompTag) return true;
  }
  return false;
}

// Whether the first reading is a name's: where the dictionary's key folds
// case, a name it knows may come back in lower case.
bool IsNameFirst(const ReadingList& readings) {
  return !readings.Empty() && readings.Tag(0) == kNompTag;
}

// Whether every reading is an untagged lemma that is the word itself but for
// case: all the dictionary says is that the word is written so.
bool IsOnlyItself(const ReadingList& readings, std::string_view word) {
  const std::string folded = LowerWord(word);
  for (size_t i = 0; i < readings.Size(); ++i) {
    if (!IsUntaggedTag(readings.Tag(i)) ||
        LowerWord(std::string_view(readings.Lemma(i), readings.LemmaLength(i))) != folded) {
      return false;
    }
  }
  return !readings.Empty();
}

// Whether `lemma` is `word` written with stops, in any case ("a.m." of
// "AM").
bool IsSpelledWithStops(std::string_view lemma, std::string_view word) {
  std::string letters;
  for (const char c : lemma) {
    if (c != '.') letters += c;
  }
  return letters.size() < lemma.size() && LowerWord(letters) == LowerWord(word);
}

}  // namespace

bool IsKnownSource(ReadingSource source) {
  return source == ReadingSource::kSwd || source == ReadingSource::kPwd ||
         source == ReadingSource::kTrie;
}

bool WordLookup::LookUpSpelling(std::string_view utf8, ReadingList& out) {
  out.Clear();
  const Language& row = *m_language.row;
  if (!Utf8ToCodePage(utf8, row.codePage, m_bytes)) return false;
  ReadingList& readings = m_codePage;
  readings.Clear();
  const bool russian = row.TakesRussianRoad();
  if (!russian &&
      LemmatizeSpecialForms(m_bytes.data(), m_bytes.size(), row.IsSecondEdition(), readings)) {
    // answered without a dictionary
  } else {
    int32_t dictionaryHit = 0;
    if (m_bytes.size() >= kOverlongWord) {
      readings.Add(m_bytes, kAnycTag, ReadingSource::kOverlong);
    } else {
      LemmatizeLookup(m_bytes.data(), m_bytes.size(), *m_language.swd, *m_language.pwd,
                      *m_language.dictionary, m_scratch, readings, &dictionaryHit);
    }
    if (russian && dictionaryHit != 1) {
      ExtendReadings(m_language.extension, m_bytes.c_str(), readings, m_extension);
    }
  }
  for (size_t i = 0; i < readings.Size(); ++i) {
    m_lemma =
        CodePageToUtf8(std::string_view(readings.Lemma(i), readings.LemmaLength(i)), row.codePage);
    out.Add(m_lemma, readings.Tag(i), readings.Source(i));
  }
  return true;
}

void WordLookup::AddListedCapitals(std::string_view word, ReadingList& out) {
  const Language& row = *m_language.row;
  if (row.TakesRussianRoad() || !Utf8ToCodePage(word, row.codePage, m_bytes) ||
      m_bytes.size() >= kOverlongWord) {
    return;
  }
  m_codePage.Clear();
  m_language.swd->Find(m_bytes.c_str(), m_bytes.size(), m_codePage);
  for (size_t i = 0; i < m_codePage.Size(); ++i) {
    const std::string_view lemma(m_codePage.Lemma(i), m_codePage.LemmaLength(i));
    if (lemma == m_bytes) {
      out.Add(word, m_codePage.Tag(i), m_codePage.Source(i));
    } else if (lemma.find('.') != std::string_view::npos) {
      m_lemma = CodePageToUtf8(lemma, row.codePage);
      if (IsSpelledWithStops(m_lemma, word)) {
        out.Add(m_lemma, m_codePage.Tag(i), m_codePage.Source(i));
      }
    }
  }
}

void WordLookup::AddKnownSpelling(std::string_view spelling, std::string_view word) {
  if (spelling != word && LookUpSpelling(spelling, m_variant) && HasKnown(m_variant)) {
    AppendNew(m_variant, m_variants);
  }
}

const ReadingList* WordLookup::CollectReadings(std::string_view word) {
  if (!LookUpSpelling(word, m_own)) return nullptr;
  const CaseShape shape = ShapeOf(word);
  if (shape == CaseShape::kNone || shape == CaseShape::kLower) return &m_own;
  // The word as it would be written in lower case, and, in capitals, with a
  // capital only first where nouns take one.
  m_variants.Clear();
  AddKnownSpelling(LowerWord(word), word);
  if (m_language.row->capitalisedNouns && shape == CaseShape::kUpper) {
    AddKnownSpelling(TitleWord(word), word);
  }
  m_variant.Clear();
  if (shape == CaseShape::kUpper) {
    // In capitals the word's own spelling says nothing but itself, unless
    // the lexicon lists it so.
    m_listed.Clear();
    AddListedCapitals(word, m_listed);
    const bool onlyNames = IsOnlyNames(m_variants);
    if (!m_listed.Empty()) {
      // A closed-class word in capitals ("IT", "TO") is more likely shouted
      // than an abbreviation, unless the lexicon lists it as a name.
      const bool listedFirst =
          HasName(m_listed) || m_variants.Empty() || !IsClosedClassTag(m_variants.Tag(0));
      m_variant.Append(listedFirst ? m_listed : m_variants);
      AppendNew(listedFirst ? m_variants : m_listed, m_variant);
    } else if (IsOnlyItself(m_variants, word) && IsAcronymLength(word)) {
      // Known in lower case only as itself, untagged: a short one is an
      // acronym, known, and stays as written; a longer one is a word shouted
      // ("ДИРЕКТОРИЈУМ").
      m_variant.Add(word, kAnycTag, m_variants.Source(0));
    } else if (m_variants.Empty() || onlyNames) {
      m_variant.Add(word, kAnycTag, ReadingSource::kSpecialForm);
      AppendNew(onlyNames ? m_variants : m_own, m_variant);
    } else {
      m_variant.Append(m_variants);
      m_variant.Add(word, kAnycTag, ReadingSource::kSpecialForm);
    }
    return &m_variant;
  }
  if (HasKnown(m_own)) {
    // A reading that another spelling repeats but for case takes that
    // spelling's lemma: the own spelling's capitals are the word's, not
    // the dictionary's, where the key keeps letters it does not fold.
    // Where nouns take a capital, the word's capital is worth keeping.
    const bool keepOwn = m_language.row->capitalisedNouns;
    for (size_t i = 0; i < m_own.Size(); ++i) {
      const size_t same = keepOwn ? m_variants.Size() : FindCaseBlind(m_variants, m_own, i);
      const ReadingList& from = same < m_variants.Size() ? m_variants : m_own;
      const size_t at = same < m_variants.Size() ? same : i;
      m_variant.Add(std::string_view(from.Lemma(at), from.LemmaLength(at)), m_own.Tag(i),
                    m_own.Source(i));
    }
    AppendNew(m_variants, m_variant);
    return &m_variant;
  }
  if (!m_variants.Empty()) {
    m_variant.Append(m_variants);
    AppendNew(m_own, m_variant);
    return &m_variant;
  }
  // Known in no spelling: the word itself first, as written.
  m_variant.Add(word, kAnycTag, ReadingSource::kSpecialForm);
  AppendNew(m_own, m_variant);
  return &m_variant;
}

void WordLookup::SetLemmaCase(const ReadingList& readings, bool sentenceStart, bool titled,
                              ReadingList& out) const {
  const bool capitalisedNouns = m_language.row->capitalisedNouns;
  out.Clear();
  for (size_t i = 0; i < readings.Size(); ++i) {
    const std::string_view lemma(readings.Lemma(i), readings.LemmaLength(i));
    const ReadingSource source = readings.Source(i);
    const int32_t tag = readings.Tag(i);
    if (capitalisedNouns && IsTrieSource(source) && !IsUntaggedTag(tag)) {
      out.Add(WithFirstLetter(lemma, IsNounTag(tag)), tag, source);
    } else if (capitalisedNouns && sentenceStart && IsTrieSource(source) && IsUntaggedTag(tag) &&
               CaseOf(readings, i, false) == LemmaCase::kCapital &&
               ShapeOf(lemma) != CaseShape::kUpper) {
      // The first word of a sentence: the capital of an untagged lemma
      // rebuilt from the word is the sentence's, not the dictionary's (an
      // acronym's capitals are its own).
      out.Add(WithFirstLetter(lemma, false), tag, source);
    } else if (titled && tag == kNompTag && !IsKnownSource(source) &&
               CaseOf(readings, i, false) == LemmaCase::kSmall) {
      // A name guessed from the ending of names: its lemma is rebuilt from
      // the main dictionary's key, which folds case; the word's capital is
      // the name's.
      out.Add(WithFirstLetter(lemma, true), tag, source);
    } else {
      out.Add(lemma, tag, source);
    }
  }
}

void WordLookup::GuessName(std::string_view word, bool known, ReadingList& readings) {
  if (readings.Empty() || IsClosedClassTag(readings.Tag(0))) return;
  // Where names take case endings and are not told by their capital alone,
  // an ending read as an adjective's is one (Russian "Сулакского", of a
  // place). Elsewhere a name's ending says little of what it is.
  const Language& row = *m_language.row;
  if (row.inflectedNames && !row.guessesNames && IsAdjectiveTag(readings.Tag(0))) return;
  for (size_t i = 0; i < readings.Size(); ++i) {
    if (CaseOf(readings, i, false) == LemmaCase::kCapital) return;
  }
  m_variant.Clear();
  const std::string_view first(readings.Lemma(0), readings.LemmaLength(0));
  // A name in the plural, where its lemma is its singular: a plural the
  // lexicon holds as a common noun's ("Iraqis", "Systems").
  const bool pluralName = row.pluralNames && known && IsPluralNounTag(readings.Tag(0));
  if ((row.inflectedNames || pluralName) && LowerWord(first) != LowerWord(word)) {
    m_variant.Add(WithFirstLetter(first, true), kNompTag, ReadingSource::kSpecialForm);
  } else {
    m_variant.Add(word, kNompTag, ReadingSource::kSpecialForm);
  }
  m_variant.Append(readings);
  readings.Clear();
  readings.Append(m_variant);
}

bool WordLookup::IsKnownWord(std::string_view word) const {
  // Without the word list, a reading from the dictionary's own words is all
  // there is to go by, though an unknown word that ends like known ones has
  // such readings too.
  if (m_language.words == nullptr) return HasKnown(m_probe);
  if (m_language.words->Holds(word)) return true;
  // The Russian key folds ё into е, and so do the lexicons written for it:
  // "Провёл" is held as "провел".
  if (m_language.row->normalizer != NormalizerKind::kRussian) return false;
  const std::string plain = YoAsYe(word);
  return plain != word && m_language.words->Holds(plain);
}

void WordLookup::Finish(const ReadingList& readings, std::string_view word, bool sentenceStart,
                        ReadingList& answer) {
  const bool capitalisedNouns = m_language.row->capitalisedNouns;
  const CaseShape shape = ShapeOf(word);
  const bool capital = StartsWithCapital(word);
  // A capital first and not all capitals: whether the lexicon holds the word
  // decides both the name guess and the order.
  const bool titled = capital && shape != CaseShape::kUpper;
  SetLemmaCase(readings, sentenceStart, titled, m_probe);
  const bool known = titled && IsKnownWord(word);
  // Inside a sentence a capital marks a name; at its start only that of a
  // word the word list says the lexicon does not hold.
  const bool nameInside = !sentenceStart && (m_language.row->guessesNames || !known ||
                                             IsNameFirst(m_probe) || IsOnlyItself(m_probe, word));
  const bool nameAtStart = sentenceStart && !known && m_language.words != nullptr;
  if (titled && !capitalisedNouns && (nameInside || nameAtStart)) GuessName(word, known, m_probe);
  // The order: readings in the preferred case first, then the others, then
  // the names of letters; each group in the dictionary's order. A reading
  // that repeats an earlier one is dropped.
  LemmaCase preferred = LemmaCase::kNone;
  if (titled) {
    // At a sentence start, the capital says nothing of a word the
    // dictionary knows, unless it knows the word first as a name; of one it
    // does not know, it is all there is.
    preferred =
        sentenceStart && known && !IsNameFirst(m_probe) ? LemmaCase::kSmall : LemmaCase::kCapital;
  } else if (!capital && shape == CaseShape::kLower) {
    preferred = LemmaCase::kSmall;
  }
  // At a sentence start, an untagged reading that only writes the word
  // small ("dr" of "Dr") says less than a tagged one: it does not go first.
  std::string weakSmall;
  if (titled && sentenceStart && HasTagged(m_probe)) weakSmall = LowerWord(word);
  answer.Clear();
  for (int group = 0; group < 3; ++group) {
    for (size_t i = 0; i < m_probe.Size(); ++i) {
      int groupOf = 1;
      if (IsLetterName(m_probe, i)) {
        groupOf = 2;
      } else if (preferred != LemmaCase::kNone &&
                 CaseOf(m_probe, i, capitalisedNouns) == preferred &&
                 !IsUntaggedAs(m_probe, i, weakSmall)) {
        groupOf = 0;
      }
      if (groupOf != group) continue;
      const std::string_view lemma(m_probe.Lemma(i), m_probe.LemmaLength(i));
      bool repeated = false;
      for (size_t j = 0; j < answer.Size() && !repeated; ++j) {
        repeated = answer.Tag(j) == m_probe.Tag(i) &&
                   std::string_view(answer.Lemma(j), answer.LemmaLength(j)) == lemma;
      }
      if (!repeated) answer.Add(lemma, m_probe.Tag(i), m_probe.Source(i));
    }
  }
}

bool WordLookup::Lemmatize(std::string_view word, bool sentenceStart, ReadingList& answer) {
  const ReadingList* readings = CollectReadings(word);
  if (readings == nullptr) {
    answer.Clear();
    return false;
  }
  if (!HasKnown(*readings)) {
    const std::string plain = PlainApostrophes(word);
    if (!plain.empty()) {
      m_unknown.Clear();  // the first answer, kept while the plain spelling is tried
      m_unknown.Append(*readings);
      const ReadingList* other = CollectReadings(plain);
      if (other == nullptr || !HasKnown(*other)) other = &m_unknown;
      Finish(*other, word, sentenceStart, answer);
      return true;
    }
  }
  Finish(*readings, word, sentenceStart, answer);
  return true;
}

bool WordLookup::Knows(std::string_view word) {
  return LookUpSpelling(word, m_probe) && HasKnown(m_probe);
}

}  // namespace lemmatizer
