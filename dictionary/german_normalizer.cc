#include "dictionary/german_normalizer.h"

#include <cstring>

#include "dictionary/errors.h"
#include "dictionary/hsq_format.h"
#include "dictionary/lemmatizer.h"
#include "platform/case_tables.h"
#include "platform/checksum.h"
#include "platform/coding.h"
#include "platform/file.h"

namespace {

// The first letter of the transcription of c, or 0 when c is not
// transcribed. The second letter is 'S' after 'S' and 'E' otherwise.
char TranscriptionLetter(unsigned char c) {
  switch (c) {
    case 0xC4:
    case 0xE4:
      return 'A';
    case 0xD6:
    case 0xF6:
      return 'O';
    case 0xDC:
    case 0xFC:
      return 'U';
    case 0xDF:
      return 'S';
    default:
      return 0;
  }
}

char SecondLetter(char first) { return first == 'S' ? 'S' : 'E'; }

// Whether text[from..] ends with `ending`.
bool EndsWith(const std::string& text, size_t from, const char* ending) {
  const size_t n = std::strlen(ending);
  return text.size() - from >= n && text.compare(text.size() - n, n, ending) == 0;
}

// The first rule whose ending ends text[from..] has it replaced; true then.
bool ReplaceFirstEnding(std::string& text, size_t from, const char* const (*rules)[2],
                        size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (EndsWith(text, from, rules[i][0])) {
      text.replace(text.size() - std::strlen(rules[i][0]), std::string::npos, rules[i][1]);
      return true;
    }
  }
  return false;
}

bool HoldsDoubleS(const char* text) {
  for (; text[0] != '\0'; ++text) {
    if (text[0] == 'S' && text[1] == 'S') return true;
  }
  return false;
}

constexpr const char* kSharpSToDouble[][2] = {{"\xDF", "SS"},
                                              {"\xDF"
                                               "E",
                                               "SSE"},
                                              {"\xDF"
                                               "EN",
                                               "SSEN"}};
constexpr const char* kDoubleToSharpS[][2] = {{"SS", "\xDF"},
                                              {"SSE",
                                               "\xDF"
                                               "E"},
                                              {"SSEN",
                                               "\xDF"
                                               "EN"}};

// The window in which a transcription is looked for: it starts two bytes
// before the place the gap points at and is six bytes wide.
constexpr size_t kWindowLead = 2;
constexpr size_t kWindowWidth = 6;

}  // namespace

CGermanNormalizer::CGermanNormalizer(const char* sharpSPath) {
  const char* shown = sharpSPath == nullptr ? "" : sharpSPath;
  const int32_t size = CLemmatizer::GetFileSize(sharpSPath);
  const size_t count = static_cast<size_t>(size / kSharpSRecordSize);
  std::vector<char> bytes;
  switch (lemmatizer::ReadFileBytes(sharpSPath, count * kSharpSRecordSize, bytes)) {
    case lemmatizer::ReadStatus::kCannotOpen:
      lemmatizer::RaiseText("couldn't open file : %s", shown);
    case lemmatizer::ReadStatus::kShort:
      lemmatizer::RaiseText("read error from file : %s ", shown);
    case lemmatizer::ReadStatus::kRead:
      break;
  }
  const auto* records = reinterpret_cast<const unsigned char*>(bytes.data());
  size_t used = count;
  const unsigned char* last = count >= 1 ? records + (count - 1) * kSharpSRecordSize : nullptr;
  if (last != nullptr && last[0] == 0 && std::memcmp(last + 1, kSharpSChecksumMark, 3) == 0) {
    used = count - 1;
    const uint32_t stored = lemmatizer::DecodeFixed32(last + kSharpSValueOffset);
    if (lemmatizer::Crc32(records, used * kSharpSRecordSize) != stored) {
      lemmatizer::RaiseText("checksum error in file : %s (the file is damaged)", shown);
    }
  }
  m_sharpS.Assign(records, used, kSharpSRecordSize, kSharpSValueOffset);
}

CGermanNormalizer::~CGermanNormalizer() = default;

std::string CGermanNormalizer::KeyForm(const std::string& text) {
  std::string key;
  for (const char c : text) {
    const char letter = TranscriptionLetter(static_cast<unsigned char>(c));
    if (letter == 0) {
      key += lemmatizer::kLatin1Upper(c);
    } else {
      key += letter;
      key += SecondLetter(letter);
    }
  }
  return key;
}

bool CGermanNormalizer::IsUmlaut(unsigned char c) {
  const char letter = TranscriptionLetter(c);
  return letter != 0 && letter != 'S';
}

int64_t CGermanNormalizer::NormalizeWord(const char* word, size_t /*length*/, char* key,
                                         size_t capacity, NormalizerState& state) const {
  state.hyphenPrefix.clear();
  state.umlautGaps.clear();
  const char* rest = word;
  if (const char* hyphen = std::strrchr(word, '-')) {
    state.hyphenPrefix.assign(word, hyphen + 1);
    rest = hyphen + 1;
  }
  size_t out = 0;
  int32_t last = 0;
  for (int32_t i = 0; rest[i] != '\0'; ++i) {
    const auto c = static_cast<unsigned char>(rest[i]);
    const char letter = TranscriptionLetter(c);
    if (out + (letter != 0 ? 2 : 1) + 1 > capacity) return -1;
    if (letter == 0) {
      key[out++] = lemmatizer::kLatin1Upper(rest[i]);
      continue;
    }
    state.umlautGaps.push_back(i - last);
    key[out++] = letter;
    key[out++] = SecondLetter(letter);
    last = i + 1;
  }
  key[out] = '\0';
  return static_cast<int64_t>(out);
}

std::string_view CGermanNormalizer::MakeLemmaOf(const char* word, const char* lemmaKey,
                                                const NormalizerState& state,
                                                std::string& storage) const {
  const size_t wordLength = std::strlen(word);
  const char* w = word + std::min(state.hyphenPrefix.size(), wordLength);
  const size_t restLength = std::strlen(w);

  // The lemma is the hyphen part, then the text made of the key.
  std::string& text = storage;
  text = state.hyphenPrefix;
  const size_t from = text.size();

  // 1. Put the transcribed characters of the word back.
  const char* s = lemmaKey;
  const char* const end = lemmaKey + std::strlen(lemmaKey);
  size_t base = 0;
  for (const int32_t gap : state.umlautGaps) {
    const auto g = static_cast<size_t>(gap);
    if (base + g >= restLength) break;  // not the word that was normalized
    const char c = w[base + g];
    base += g + 1;
    const char letter = TranscriptionLetter(static_cast<unsigned char>(c));
    if (letter == 0) continue;
    const size_t lead = g > kWindowLead ? g - kWindowLead : 0;
    if (lead >= static_cast<size_t>(end - s)) continue;  // the window starts past the end
    const char* window = s + lead;
    size_t j = 0;
    while (j < kWindowWidth && window + j + 1 < end &&
           !(window[j] == letter && window[j + 1] == SecondLetter(letter))) {
      ++j;
    }
    if (j == kWindowWidth || window + j + 1 >= end) continue;  // not found
    text.append(s, lead + j);
    text += c;
    s = window + j + 2;
  }
  text.append(s, end);

  // 2. The spelling of a final sharp s.
  if (HoldsDoubleS(lemmaKey)) {
    ReplaceFirstEnding(text, from, kSharpSToDouble, 3);
    const int32_t spelling = get_lemcode_simple(text.c_str() + from);
    if (spelling == 1 || spelling == 3) ReplaceFirstEnding(text, from, kDoubleToSharpS, 3);
  }

  // 3. Case: all lower, or the first letter kept as the word had it.
  const bool lowerWord = lemmatizer::IsLatin1Small(static_cast<unsigned char>(w[0]));
  for (size_t i = from + (lowerWord ? 0 : 1); i < text.size(); ++i) {
    text[i] = lemmatizer::kDefaultLower(text[i]);
  }
  return storage;
}

int32_t CGermanNormalizer::get_lemcode_simple(const char* text) const {
  const std::string key = lemmatizer::kHsqWordStart + std::string(text);
  const lemmatizer::RecordTrie::Hit hit =
      m_sharpS.FindResult(key.c_str(), static_cast<int64_t>(key.size()) - 1);
  if (hit.record == 0) lemmatizer::RaiseText("get_lemcode_simple() : should never get here!");
  return static_cast<int32_t>(0u - static_cast<uint32_t>(m_sharpS.Value(hit.record)));
}
