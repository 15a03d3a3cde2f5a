// Round trip of the shipped dictionaries: every form of a language's
// lexicon, lemmatized through the C interface, gives back its lexicon
// readings. Runs on the dictionaries in build/dict/lemm/ and the lexicons in
// build/lexicons/ (LEMM_DICTIONARIES and LEMM_LEXICONS override them) and
// skips a language whose files are not there. By default every 20th form is
// tried (every LEMM_ROUND_TRIP_STEP-th when that is set); the codes listed
// in LEMM_ROUND_TRIP_FULL (comma-separated) are tried whole.
//
// What "its readings" means where the files' design decides:
//   - forms the library cannot tell apart share their readings: those that
//     differ only in case (the trie key and the SWD lookup fold it), and in
//     German those with the same key (umlauts and sharp s transcribed, what
//     precedes a hyphen dropped). A form's readings are checked to be among
//     those of its variants, lemmas compared by that key, and in order when
//     it has none;
//   - an SWD answer gives the tags of one lemma in tag-number order;
//   - words the special-form rules answer ("NATO", "CDs", "x-") and words of
//     100 bytes or more never reach the dictionaries and are skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "lemmatizer.h"
#include "platform/codepage.h"
#include "registry/languages.h"

namespace {

using Pair = std::pair<std::string, int32_t>;

std::string Setting(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

bool IsUpper(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDD && c != 0xD7);
}

// Whether the special-form rules answer the word before any dictionary.
bool IsSpecialForm(const std::string& w) {
  const size_t n = w.size();
  if (w == ";" || (n > 1 && w.back() == '-')) return true;
  if (n > 1 && std::all_of(w.begin(), w.end(), [](char c) { return IsUpper(c); })) return true;
  if (n > 2 && w.back() == 's') {
    const bool capsBefore = std::all_of(w.begin(), w.end() - 1, [](char c) { return IsUpper(c); });
    if (capsBefore) return true;
    const auto c = static_cast<unsigned char>(w[n - 2]);
    const bool apostrophe = c == 0xB4 || c == '\'' || c == '`';
    if (n > 3 && apostrophe &&
        std::all_of(w.begin(), w.end() - 2, [](char x) { return IsUpper(x); })) {
      return true;
    }
  }
  return false;
}

std::string FoldCase(std::string text) {
  for (char& c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 0x61 && b <= 0x7A) || (b >= 0xE0 && b <= 0xF6) || (b >= 0xF8 && b <= 0xFD)) {
      c = static_cast<char>(b - 0x20);
    }
  }
  return text;
}

// The first tag number of the Russian extension's extended tags.
constexpr int32_t kFirstExtendedTag = 2000;

// The Greek key (Windows-1253): capitals, accented ones among them, as small
// letters; the accents stay.
std::string GreekKey(std::string form) {
  static const std::pair<unsigned char, unsigned char> kAccented[] = {
      {0xA2, 0xDC}, {0xB8, 0xDD}, {0xB9, 0xDE}, {0xBA, 0xDF},
      {0xBC, 0xFC}, {0xBE, 0xFD}, {0xBF, 0xFE}};
  for (char& c : form) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC1 && b <= 0xD1) || (b >= 0xD3 && b <= 0xDB)) {
      c = static_cast<char>(b + 0x20);
    }
    for (const auto& pair : kAccented) {
      if (b == pair.first) c = static_cast<char>(pair.second);
    }
  }
  return form;
}

// The spelling under which the library cannot tell forms apart: the first
// letter lowered as the SWD lookup lowers it, then the lookup's case
// folding; German keys also drop everything up to the last hyphen.
std::string VariantKey(const std::string& code, std::string form) {
  if (code == "de") {
    // The German key: what follows the last hyphen, umlauts and sharp s
    // transcribed.
    const size_t hyphen = form.rfind('-');
    if (hyphen != std::string::npos) form = form.substr(hyphen + 1);
    std::string key;
    for (char c : form) {
      switch (static_cast<unsigned char>(c)) {
        case 0xC4:
        case 0xE4:
          key += "ae";
          break;
        case 0xD6:
        case 0xF6:
          key += "oe";
          break;
        case 0xDC:
        case 0xFC:
          key += "ue";
          break;
        case 0xDF:
          key += "ss";
          break;
        default:
          key += c;
      }
    }
    return FoldCase(key);
  }
  if (form.empty()) return form;
  if (code == "gr") return GreekKey(form);
  const auto first = static_cast<unsigned char>(form[0]);
  if (code == "ru" || code == "r4") {
    for (char& c : form) {
      if (static_cast<unsigned char>(c) == 0xA8) c = static_cast<char>(0xC5);
      if (static_cast<unsigned char>(c) == 0xB8) c = static_cast<char>(0xE5);
    }
    if ((first >= 0xC0 && first <= 0xDF) || (first >= 'A' && first <= 'Z')) {
      form[0] = static_cast<char>(first + 0x20);
    }
  }
  return FoldCase(form);
}

// The spelling under which the SWD file cannot tell forms apart: it
// compares its keys ignoring Latin-1 case, which in the Greek code page
// also takes omicron and upsilon with tonos (0xFC, 0xFD) for alpha and
// epsilon with tonos (0xDC, 0xDD).
std::string SwdVariantKey(const std::string& code, const std::string& form) {
  return code == "gr" ? FoldCase(GreekKey(form)) : VariantKey(code, form);
}

struct Form {
  std::string form;
  std::vector<Pair> readings;
};

class RoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(RoundTrip, EveryFormGivesBackItsReadings) {
  const std::string code = GetParam();
  const std::string dictionaries = Setting("LEMM_DICTIONARIES", LEMMATIZER_BINARY_DIR "/dict/");
  const std::string lexicons = Setting("LEMM_LEXICONS", LEMMATIZER_BINARY_DIR "/lexicons/");
  static const std::map<std::string, std::string> kFirstEdition = {
      {"d4", "de"}, {"e4", "en"}, {"f4", "fr"}, {"s4", "es"}, {"i4", "it"}, {"r4", "ru"}};
  std::string lexiconPath = lexicons + code + ".tsv";
  if (!std::ifstream(lexiconPath) && kFirstEdition.count(code) != 0) {
    lexiconPath = lexicons + kFirstEdition.at(code) + ".tsv";
  }
  std::ifstream lexicon(lexiconPath);
  if (!lexicon || !std::ifstream(dictionaries + "lemm/" + code + "-cwd.hsq")) {
    GTEST_SKIP() << "no lexicon or dictionary for " << code;
  }
  const std::string full = "," + Setting("LEMM_ROUND_TRIP_FULL", "") + ",";
  size_t step = 20;
  const long sampleStep = std::atol(Setting("LEMM_ROUND_TRIP_STEP", "0").c_str());
  if (sampleStep > 0) step = static_cast<size_t>(sampleStep);
  if (full.find("," + code + ",") != std::string::npos) step = 1;
  const int codePage = lemmatizer::CodePageForLanguage(code);

  // The lexicon in the code page, grouped by form, and the forms of each
  // case-folded spelling.
  std::vector<Form> forms;
  std::map<std::string, size_t> index;
  std::map<std::string, std::vector<size_t>> variants, swdVariants;
  // Tag names and their numbers (the first number of a name shared).
  std::map<std::string, int32_t> tagNumbers;
  for (int32_t n = 1; n <= 1849; ++n) tagNumbers.emplace(GetStringForTag(n, nullptr, 0), n);
  std::string line, form, lemma;
  while (std::getline(lexicon, line)) {
    std::stringstream fields(line);
    std::string f, l, tagName;
    if (!std::getline(fields, f, '\t') || !std::getline(fields, l, '\t') ||
        !std::getline(fields, tagName, '\t')) {
      continue;
    }
    const auto named = tagNumbers.find(tagName);
    const int32_t tag = named == tagNumbers.end() ? 0 : named->second;
    if (tag == 0 || !lemmatizer::Utf8ToCodePage(f, codePage, form) ||
        !lemmatizer::Utf8ToCodePage(l, codePage, lemma)) {
      continue;
    }
    auto it = index.find(form);
    if (it == index.end()) {
      it = index.emplace(form, forms.size()).first;
      forms.push_back(Form{form, {}});
      variants[VariantKey(code, form)].push_back(forms.size() - 1);
      swdVariants[SwdVariantKey(code, form)].push_back(forms.size() - 1);
    }
    const Pair reading(lemma, tag);
    auto& readings = forms[it->second].readings;
    if (std::find(readings.begin(), readings.end(), reading) == readings.end()) {
      readings.push_back(reading);
    }
  }

  // A build without the language's rules does not offer it (status 2),
  // whatever files lie there.
  const std::string base = dictionaries + "lemm/" + code;
  char message[256] = {0};
  const int32_t created = LemmatizerCreate(
      code.c_str(), (base + ".swd").c_str(), (base + "1.pwd").c_str(), (base + "2.pwd").c_str(),
      (base + "-cwd.hsq").c_str(), (base + "-prfx.hsq").c_str(), (base + "-ss.hsq").c_str(),
      nullptr, message, sizeof(message) - 1);
  if (created == 2) {
    GTEST_SKIP() << code << " is not offered by this build";
  }
  ASSERT_EQ(created, 0) << message;
  if (code == "ru") {
    ASSERT_EQ(LemmatizeInitRusischExtendPath((base + ".txt").c_str(), message, 255), 0);
  }
  ASSERT_EQ(LemmatizeSetLanguage(code.c_str(), message, 255), 0) << message;
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  size_t tried = 0, failures = 0;
  for (size_t i = 0; i < forms.size(); i += step) {
    const Form& f = forms[i];
    if (IsSpecialForm(f.form) || f.form.size() >= 100) continue;
    ++tried;
    ASSERT_EQ(LemmatizeEH(f.form.c_str(), &result, 0), 0) << f.form;
    // The Russian extension's readings (extended tags) come behind the
    // dictionary's and repeat one of their lemmas.
    std::vector<Pair> got, extended;
    for (int32_t r = 0; r < result.count; ++r) {
      (result.tags[r] >= kFirstExtendedTag ? extended : got)
          .emplace_back(result.lemmas[r], result.tags[r]);
    }
    bool extendedOk = true;
    for (const Pair& e : extended) {
      extendedOk = extendedOk && std::any_of(got.begin(), got.end(),
                                             [&e](const Pair& g) { return g.first == e.first; });
    }
    const auto& group = result.dictionaryHit == 0 ? variants[VariantKey(code, f.form)]
                                                  : swdVariants[SwdVariantKey(code, f.form)];
    std::vector<Pair> expected = f.readings;
    bool ok;
    if (group.size() == 1 && result.dictionaryHit == 0) {
      ok = got == expected;  // the trie keeps the lexicon's order
    } else if (group.size() == 1) {
      // The SWD file: lemmas in lexicon order, each lemma's tags ascending.
      std::vector<Pair> ordered;
      for (const Pair& p : expected) {
        if (std::any_of(ordered.begin(), ordered.end(),
                        [&](const Pair& o) { return o.first == p.first; })) {
          continue;
        }
        std::vector<int32_t> tags;
        for (const Pair& q : expected) {
          if (q.first == p.first) tags.push_back(q.second);
        }
        std::sort(tags.begin(), tags.end());
        for (int32_t t : tags) ordered.emplace_back(p.first, t);
      }
      ok = got == ordered;
    } else {
      // Variants: each own reading is there, and nothing that no variant
      // has; lemmas without regard to case (German lemmas take the case
      // of the word looked up) and, in German, without a hyphen prefix.
      const auto same = [&code](const Pair& a, const Pair& b) {
        return a.second == b.second && VariantKey(code, a.first) == VariantKey(code, b.first);
      };
      std::vector<Pair> any;
      for (size_t v : group) {
        any.insert(any.end(), forms[v].readings.begin(), forms[v].readings.end());
      }
      const auto in = [&same](const std::vector<Pair>& list, const Pair& p) {
        return std::any_of(list.begin(), list.end(), [&](const Pair& q) { return same(p, q); });
      };
      ok = std::all_of(expected.begin(), expected.end(),
                       [&](const Pair& p) { return in(got, p); }) &&
           std::all_of(got.begin(), got.end(), [&](const Pair& p) { return in(any, p); });
    }
    ok = ok && extendedOk;
    if (!ok && ++failures <= 10) {
      std::string shown;
      for (const Pair& p : got) shown += " " + p.first + "/" + std::to_string(p.second);
      std::string wanted;
      for (const Pair& p : expected) wanted += " " + p.first + "/" + std::to_string(p.second);
      ADD_FAILURE() << code << " " << f.form << ": got" << shown << ", lexicon has" << wanted;
    }
  }
  LemmatizerFreeResult(&result);
  LemmatizerFreeRessources();
  EXPECT_EQ(failures, 0u) << "of " << tried << " forms tried";
  std::cout << code << ": " << tried << " forms tried, " << failures << " differ\n";
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, RoundTrip,
                         ::testing::Values("de", "es", "fr", "en", "ru", "sv", "it", "po", "sk",
                                           "sl", "al", "mk", "d4", "e4", "f4", "s4", "da", "du",
                                           "fi", "gr", "r4", "i4", "ca"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param);
                         });

}  // namespace
