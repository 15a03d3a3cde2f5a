#include "bench/gold_sets.h"

#include <fstream>
#include <sstream>

#include "registry/languages.h"

namespace lemmatizer {

std::string GoldFile(const std::string& goldDir, const std::string& code) {
  const Language* language = FindLanguage(code);
  if (language != nullptr && language->IsSecondEdition()) {
    return goldDir + language->edition + ".tsv";
  }
  return goldDir + code + ".tsv";
}

bool ReadGoldSentences(const std::string& path, std::vector<GoldSentence>& sentences) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line, previousId;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    if (fields.size() < 5) continue;
    if (sentences.empty() || fields[3] != previousId) sentences.emplace_back();
    previousId = fields[3];
    sentences.back().push_back(GoldWord{fields[0], fields[1], fields[2], fields[4]});
  }
  return true;
}

}  // namespace lemmatizer
