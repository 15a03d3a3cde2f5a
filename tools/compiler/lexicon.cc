#include "tools/compiler/lexicon.h"

#include <fstream>
#include <unordered_map>

#include "dictionary/tag_table.h"
#include "platform/codepage.h"

namespace lemmatizer {

int32_t TagNumberOrZero(const std::string& name) {
  try {
    return CTagTable::GetTagNumber(name.c_str());
  } catch (const std::string&) {
    return 0;
  }
}

bool ReadLexicon(const std::string& path, int codePage, std::vector<LexiconForm>& forms,
                 LexiconStats& stats, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open lexicon " + path;
    return false;
  }
  std::unordered_map<std::string, size_t> index;
  std::unordered_map<std::string, int32_t> tagCache;
  std::string line, form, lemma;
  while (std::getline(in, line)) {
    ++stats.lines;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const size_t tab1 = line.find('\t');
    const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos || line.find('\t', tab2 + 1) != std::string::npos || tab1 == 0 ||
        tab2 == tab1 + 1) {
      ++stats.droppedMalformed;
      continue;
    }
    const std::string tagName = line.substr(tab2 + 1);
    auto cached = tagCache.find(tagName);
    if (cached == tagCache.end())
      cached = tagCache.emplace(tagName, TagNumberOrZero(tagName)).first;
    if (cached->second == 0) {
      ++stats.droppedTag;
      continue;
    }
    if (!Utf8ToCodePage(std::string_view(line).substr(0, tab1), codePage, form) ||
        !Utf8ToCodePage(std::string_view(line).substr(tab1 + 1, tab2 - tab1 - 1), codePage,
                        lemma)) {
      ++stats.droppedCodePage;
      continue;
    }
    auto it = index.find(form);
    if (it == index.end()) {
      it = index.emplace(form, forms.size()).first;
      forms.push_back(LexiconForm{form, {}});
    }
    auto& readings = forms[it->second].readings;
    bool repeated = false;
    for (const auto& r : readings)
      repeated = repeated || (r.lemma == lemma && r.tag == cached->second);
    if (repeated) {
      ++stats.repeated;
      continue;
    }
    readings.push_back(LexiconReading{lemma, cached->second});
    ++stats.readings;
  }
  return true;
}

}  // namespace lemmatizer
