// lemm-tag-page TAGMAPDIR GLOSSARY DICTDIR OUTPUT
//
// Writes the tag page (doc/tags.md): every tag name the dictionaries in
// DICTDIR (the directory holding lemm/) use, with what it means as the tag
// maps in TAGMAPDIR assign it (each row that yields the name, its source
// tags spelt out with GLOSSARY, data/tag-glossary.tsv), and the languages
// whose dictionaries hold it; then the tags the library gives by itself.
// The tags a dictionary uses are those of its main dictionary's result
// records and of its SWD file's entries.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/hsq_format.h"
#include "dictionary/scrambled_file.h"
#include "dictionary/tag_table.h"
#include "interface/pipeline.h"
#include "registry/languages.h"

namespace {

using lemmatizer::Language;

struct Row {
  std::string map;                  // the tag map's name
  std::vector<std::string> tokens;  // source tags; "!x": x must be absent
};

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "lemm-tag-page: " << message << "\n";
  std::exit(1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

// map -> source tag -> meaning.
using Glossary = std::map<std::string, std::map<std::string, std::string>>;

Glossary ReadGlossary(const std::string& path) {
  std::ifstream in(path);
  if (!in) Fail("cannot open " + path);
  Glossary glossary;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> fields = Split(line, '\t');
    if (fields.size() != 3) Fail(path + ": a line without three fields: " + line);
    glossary[fields[0]][fields[1]] = fields[2];
  }
  return glossary;
}

// The tag maps' rows by the tag name they yield, and each map's title
// (its first comment line up to " -> ").
void ReadTagMaps(const std::string& dir, std::map<std::string, std::vector<Row>>& rows,
                 std::map<std::string, std::string>& titles) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() == ".tsv") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    const std::string map = file.stem().string();
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
      if (line.empty()) continue;
      if (line[0] == '#') {
        if (titles.count(map) == 0) {
          std::string title = line.substr(line.find_first_not_of("# "));
          title = title.substr(0, std::min(title.find(" -> "), title.find(": ")));
          if (!title.empty() && title.back() == '.') title.pop_back();
          titles[map] = title;
        }
        continue;
      }
      const std::vector<std::string> fields = Split(line, '\t');
      if (fields.size() < 2 || fields[1] == "-") continue;
      rows[fields[1]].push_back(Row{map, Split(fields[0], ' ')});
    }
  }
}

// The meaning of a row: its source tags spelt out.
std::string Gloss(const Row& row, const Glossary& glossary) {
  const auto map = glossary.find(row.map);
  std::string out;
  for (const std::string& token : row.tokens) {
    const bool absent = token[0] == '!';
    const std::string name = absent ? token.substr(1) : token;
    std::string meaning = name;
    if (map != glossary.end()) {
      const auto it = map->second.find(name);
      if (it != map->second.end()) meaning = it->second;
    }
    if (map == glossary.end() || map->second.count(name) == 0) {
      Fail("no meaning for \"" + name + "\" of tag map " + row.map + " in the glossary");
    }
    out += (out.empty() ? "" : ", ") + std::string(absent ? "not " : "") + meaning;
  }
  return out;
}

std::string JoinTokens(const std::vector<std::string>& tokens) {
  std::string out;
  for (const std::string& token : tokens) out += (out.empty() ? "" : " ") + token;
  return out;
}

// The tag numbers of a main dictionary's result records.
void MainDictionaryTags(const std::string& path, std::set<int32_t>& tags) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (size_t at = lemmatizer::kHsqHeaderSize; at + lemmatizer::kHsqRecordSize <= bytes.size();
       at += lemmatizer::kHsqRecordSize) {
    uint32_t value = 0;
    for (int i = 4; i >= 1; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    const auto signedValue = static_cast<int32_t>(value);
    if (signedValue > 0) continue;
    tags.insert(lemmatizer::DecodeHsqResult(signedValue).rawTag + 1);
  }
}

// The tag numbers of an SWD file's entries ("source;lemma;TAG TAG").
void SwdTags(const std::string& path, std::set<int32_t>& tags) {
  std::string text;
  if (!lemmatizer::ReadScrambledText(path.c_str(), text)) return;
  std::stringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const size_t semicolon = line.rfind(';');
    if (semicolon == std::string::npos) continue;
    for (std::string name : Split(line.substr(semicolon + 1), ' ')) {
      for (const std::string& part : Split(name, '\t')) {
        std::string clean = part;
        while (!clean.empty() && (clean.back() == '\r')) clean.pop_back();
        const int32_t tag = CTagTable::FindTagNumber(clean);
        if (tag > 0) tags.insert(tag);
      }
    }
  }
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '|') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: lemm-tag-page TAGMAPDIR GLOSSARY DICTDIR OUTPUT\n";
    return 2;
  }
  const Glossary glossary = ReadGlossary(argv[2]);
  std::map<std::string, std::vector<Row>> rows;
  std::map<std::string, std::string> titles;
  ReadTagMaps(argv[1], rows, titles);

  // Tag number -> the codes whose dictionaries use it.
  std::map<int32_t, std::set<std::string>> used;
  std::vector<std::string> scanned;
  size_t count = 0;
  const Language* languages = lemmatizer::Languages(&count);
  for (size_t i = 0; i < count; ++i) {
    const std::string code = languages[i].code;
    const std::string base = std::string(argv[3]) + "/lemm/" + code;
    std::set<int32_t> tags;
    MainDictionaryTags(base + "-cwd.hsq", tags);
    SwdTags(base + ".swd", tags);
    if (tags.empty()) continue;
    scanned.push_back(code);
    for (int32_t tag : tags) used[tag].insert(code);
  }
  if (scanned.empty()) Fail(std::string("no dictionaries in ") + argv[3] + "/lemm/");

  std::ostringstream page;
  page << "# Tag names\n\n"
       << "Generated by `lemm-tag-page` (`tools/tag_page.cc`) from the tag maps in\n"
       << "`data/tagmaps/`, the meanings of their source tags in `data/tag-glossary.tsv`\n"
       << "and the dictionaries of " << scanned.size() << " language codes; do not edit, run\n"
       << "`build/tools/lemm-tag-page data/tagmaps data/tag-glossary.tsv build/dict "
          "doc/tags.md`.\n\n"
       << "Every reading carries a tag number, which `GetStringForTag` (`lemmatizer.h`)\n"
       << "and `lemm_tag_name` (`lemm.h`) name, and `lemm` prints. The lexicons the\n"
       << "dictionaries are compiled from take their tags from the analyses of their\n"
       << "sources through the tag maps: a row turns a source's part of speech and\n"
       << "features into a tag name. Rows are tried in order and the first that\n"
       << "matches wins, so a row with fewer features stands for what the rows before\n"
       << "it did not catch: `NOMCfu` (noun, feminine) is a feminine noun whose number\n"
       << "the source does not give. The tag maps:\n\n"
       << "| tag map | source |\n|---|---|\n";
  for (const auto& [map, title] : titles) page << "| " << map << " | " << title << " |\n";
  page << "\n## Tags of the dictionaries\n\n"
       << "Each tag name the dictionaries use, with every meaning the tag maps give it\n"
       << "(each row's tag map and source tags in brackets) and the codes whose dictionaries\n"
       << "hold it.\n\n"
       << "| tag | number | meaning, as the tag maps assign it | languages |\n"
       << "|---|---:|---|---|\n";
  std::vector<std::pair<std::string, int32_t>> names;
  for (const auto& entry : used) names.emplace_back(CTagTable::GetString(entry.first), entry.first);
  std::sort(names.begin(), names.end());
  for (const auto& [name, tag] : names) {
    // The distinct meanings, each with the rows that give it.
    std::vector<std::pair<std::string, std::vector<std::string>>> meanings;
    const auto found = rows.find(name);
    if (found != rows.end()) {
      for (const Row& row : found->second) {
        const std::string gloss = Gloss(row, glossary);
        auto it = std::find_if(meanings.begin(), meanings.end(),
                               [&](const auto& m) { return m.first == gloss; });
        if (it == meanings.end()) {
          meanings.emplace_back(gloss, std::vector<std::string>());
          it = meanings.end() - 1;
        }
        it->second.push_back(row.map + " `" + JoinTokens(row.tokens) + "`");
      }
    }
    std::string meaning;
    for (const auto& [gloss, sources] : meanings) {
      std::string from;
      for (const std::string& source : sources) from += (from.empty() ? "" : "; ") + source;
      meaning += (meaning.empty() ? "" : "; or ") + gloss + " (" + from + ")";
    }
    if (meaning.empty()) meaning = "no tag map assigns it: a script of data/lexdata/ gives it";
    std::string codes;
    for (const std::string& code : used[tag]) codes += (codes.empty() ? "" : " ") + code;
    page << "| " << name << " | " << tag << " | " << Escape(meaning) << " | " << codes << " |\n";
  }
  page << "\n## Tags the library gives by itself\n\n"
       << "| tag | number | meaning | languages |\n|---|---:|---|---|\n"
       << "| ANYC | " << lemmatizer::kAnycTag
       << " | a word answered without a dictionary: a word in capitals (without or with a "
          "final s), a word ending in a hyphen, a word too long to look up (100 bytes or "
          "more); the UTF-8 interface also answers a word it knows in no spelling with itself "
          "under this tag | first editions |\n"
       << "| H0 | " << lemmatizer::kH0Tag << " | ANYC of the second editions | second editions |\n"
       << "| PCSC | " << lemmatizer::kPcscTag << " | the word \";\" | first editions |\n"
       << "| H12 | " << lemmatizer::kH12Tag
       << " | \";\" in the second editions | second editions |\n"
       << "| NOMP | " << lemmatizer::kNompTag
       << " | the lemmas the PWD dictionary makes of Russian capitalised words; the names the "
          "UTF-8 interface guesses for capitalised words inside a sentence | ru; all |\n"
       << "| P1PA ... | 2000-2150 | the extended tags of the Russian extension file, named by "
          "`GetStringForTag`; the shipped extension file has no rows | ru |\n";
  std::ofstream out(argv[4]);
  out << page.str();
  if (!out) Fail(std::string("cannot write ") + argv[4]);
  std::cout << "lemm-tag-page: " << names.size() << " tag names of " << scanned.size()
            << " dictionaries written to " << argv[4] << "\n";
  return 0;
}
