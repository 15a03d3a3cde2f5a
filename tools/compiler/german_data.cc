#include "tools/compiler/german_data.h"

#include <map>
#include <set>

#include "dictionary/german_normalizer.h"
#include "platform/case_tables.h"

namespace lemmatizer {

namespace {

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// The texts the normalizer may ask about for `lemma`: ASCII letters upper
// case, each umlaut in either case as a user may type it, a final sharp s
// spelt SS. At most 8 umlaut variants.
std::vector<std::string> SharpSTexts(const std::string& lemma) {
  std::string base;
  for (char c : lemma) {
    const auto b = static_cast<unsigned char>(c);
    base += CGermanNormalizer::IsUmlaut(b) ? c : kLatin1Upper(c);
  }
  for (const char* end : {"\xDF"
                          "EN",
                          "\xDF"
                          "E",
                          "\xDF"}) {
    if (EndsWith(base, end)) {
      base.replace(base.size() - std::string(end).size(), 1, "SS");
      break;
    }
  }
  std::vector<std::string> texts{base};
  for (size_t i = 0; i < base.size() && texts.size() < 8; ++i) {
    const auto b = static_cast<unsigned char>(base[i]);
    if (!CGermanNormalizer::IsUmlaut(b)) continue;
    const char other = static_cast<char>(b >= 0xE0 ? b - 0x20 : b + 0x20);
    const size_t count = texts.size();
    for (size_t t = 0; t < count; ++t) {
      std::string variant = texts[t];
      variant[i] = other;
      texts.push_back(variant);
    }
  }
  return texts;
}

}  // namespace

GermanFileData LearnGermanFileData(const std::vector<LexiconForm>& forms) {
  GermanFileData data;
  // Spelling classes of the lemmas that end in a sharp or double s.
  std::map<std::string, std::pair<int, int>> votes;  // text -> (ß, ss)
  std::set<std::string> seenLemmas;
  int sharp = 0, twin = 0;
  for (const LexiconForm& form : forms) {
    for (const LexiconReading& reading : form.readings) {
      const std::string& lemma = reading.lemma;
      if (!seenLemmas.insert(lemma).second) continue;
      const std::string key = CGermanNormalizer::KeyForm(lemma);
      if (!EndsWith(key, "SS") && !EndsWith(key, "SSE") && !EndsWith(key, "SSEN")) continue;
      const bool withSharpS = EndsWith(lemma, "\xDF") ||
                              EndsWith(lemma,
                                       "\xDF"
                                       "e") ||
                              EndsWith(lemma,
                                       "\xDF"
                                       "en");
      const bool withDoubleS =
          !withSharpS && (EndsWith(key, "SS") || EndsWith(key, "SSE") || EndsWith(key, "SSEN"));
      if (!withSharpS && !withDoubleS) continue;
      (withSharpS ? sharp : twin)++;
      for (const std::string& text : SharpSTexts(lemma)) {
        auto& vote = votes[text];
        (withSharpS ? vote.first : vote.second)++;
      }
    }
  }
  data.defaultClass = sharp > twin ? 1 : 2;
  for (const auto& vote : votes) {
    // A suffix entry: compounds ending in a known lemma take its spelling.
    data.sharpS.push_back(
        SharpSEntry{vote.first, vote.second.first > vote.second.second ? 1 : 2, false});
  }

  // Prefixes that a "GE" or "ZU" infix follows: form P+GE+R or P+ZU+R whose
  // lemma is P+R' with R and R' sharing their first two bytes.
  std::map<std::string, std::set<std::string>> lemmasByPrefix;
  for (const LexiconForm& form : forms) {
    const std::string formKey = CGermanNormalizer::KeyForm(form.form);
    for (const LexiconReading& reading : form.readings) {
      const std::string lemmaKey = CGermanNormalizer::KeyForm(reading.lemma);
      for (size_t q = 2; q + 4 <= formKey.size() && q < lemmaKey.size(); ++q) {
        if (formKey.compare(0, q, lemmaKey, 0, q) != 0) break;
        const std::string infix = formKey.substr(q, 2);
        if (infix != "GE" && infix != "ZU") continue;
        if (lemmaKey.size() >= q + 2 && formKey.compare(q + 2, 2, lemmaKey, q, 2) == 0) {
          lemmasByPrefix[formKey.substr(0, q)].insert(lemmaKey);
        }
      }
    }
  }
  for (const auto& entry : lemmasByPrefix) {
    if (entry.second.size() >= 2) data.prefixes.push_back(entry.first);
  }
  return data;
}

}  // namespace lemmatizer
