#include "interface/lemma_case.h"

#include "dictionary/tag_table.h"
#include "interface/pipeline.h"
#include "platform/codepage.h"
#include "platform/unicode.h"

namespace lemmatizer {

namespace {

bool TagStartsWith(int32_t tag, std::string_view prefix) {
  const char* name = CTagTable::Entry(tag);
  return name != nullptr && std::string_view(name).compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool IsNounTag(int32_t tag) {
  const char* name = CTagTable::Entry(tag);
  return TagStartsWith(tag, "NOM") || (name != nullptr && std::string_view(name) == "NABB");
}

bool IsPluralNounTag(int32_t tag) {
  if (!TagStartsWith(tag, "NOMC")) return false;
  // The number is the letter after "NOMC", or after the gender letter.
  const std::string_view rest = std::string_view(CTagTable::Entry(tag)).substr(4);
  return (!rest.empty() && rest[0] == 'p') || (rest.size() > 1 && rest[1] == 'p');
}

bool IsUntaggedTag(int32_t tag) { return tag == kAnycTag || tag == kH0Tag; }

bool IsClosedClassTag(int32_t tag) {
  static const char* const kPrefixes[] = {"DET",  "DTWH", "PNNP", "PNRL", "PNWH", "PNWP",
                                          "PNDA", "POPO", "POMO", "PREP", "CON",  "PT"};
  for (const char* prefix : kPrefixes) {
    if (TagStartsWith(tag, prefix)) return true;
  }
  return false;
}

bool IsAdjectiveTag(int32_t tag) { return TagStartsWith(tag, "ADJ"); }

bool IsLetterName(const ReadingList& readings, size_t i) {
  const std::string_view lemma(readings.Lemma(i), readings.LemmaLength(i));
  size_t pos = 0;
  uint32_t c;
  if (!DecodeUtf8(lemma, pos, c) || pos != lemma.size() || ClassOf(c) != CharClass::kLetter) {
    return false;
  }
  return TagStartsWith(readings.Tag(i), "NOMC");
}

std::string WithFirstLetter(std::string_view lemma, bool capital) {
  std::string out;
  out.reserve(lemma.size() + 2);
  bool done = false;
  ForEachCodePoint(lemma, [&](uint32_t c, size_t, size_t) {
    if (!done && (IsUpperLetter(c) || IsLowerLetter(c))) {
      done = true;
      c = capital ? TitleOf(c) : LowerOf(c);
    }
    AppendUtf8(c, out);
  });
  return out;
}

LemmaCase CaseOf(const ReadingList& readings, size_t i, bool capitalisedNouns) {
  if (readings.Source(i) == ReadingSource::kPwdBehind) return LemmaCase::kNone;
  if (capitalisedNouns && IsUntaggedTag(readings.Tag(i))) return LemmaCase::kNone;
  bool capital = false;
  if (!FirstCasedLetter(std::string_view(readings.Lemma(i), readings.LemmaLength(i)), capital)) {
    return LemmaCase::kNone;
  }
  return capital ? LemmaCase::kCapital : LemmaCase::kSmall;
}

}  // namespace lemmatizer
