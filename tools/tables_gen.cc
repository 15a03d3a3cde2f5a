// lemm-tables-gen LANGUAGES.tsv ENDINGS_DIR OUTPUT_DIR
//
// Build step: turns the language table (registry/languages.tsv) and the
// ending tables (ENDINGS_DIR/<code>.txt, UTF-8, line k is entry k) into two
// C++ sources in OUTPUT_DIR:
//   languages_data.cc  the rows of the language table (registry/languages.h);
//   ending_tables.cc   every language's ending table in its code page, with
//                      its digest and the lemcode handler of the table rules
//                      (rules/ending_tables.h).
// A language whose ending table is missing, or has another number of
// entries than its row says, gets no table: the library then does not offer
// it, and the generator says so. Malformed rows, or tables that are not
// valid UTF-8 or hold a character their code page cannot write, fail the
// build.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/checksum.h"
#include "platform/codepage.h"

namespace {

using Row = std::map<std::string, std::string>;

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "lemm-tables-gen: " << message << "\n";
  std::exit(1);
}

std::string ReadFile(const std::string& path, bool& found) {
  std::ifstream in(path, std::ios::binary);
  found = static_cast<bool>(in);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// The rows of the table, each a map from column name to field.
std::vector<Row> ReadLanguages(const std::string& path) {
  bool found = false;
  const std::string text = ReadFile(path, found);
  if (!found) Fail("cannot open " + path);
  std::vector<std::string> columns;
  std::vector<Row> rows;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> fields = SplitTabs(line);
    if (columns.empty()) {
      columns = fields;
      continue;
    }
    if (fields.size() != columns.size())
      Fail(path + ": a row with the wrong number of fields: " + line);
    Row row;
    for (size_t i = 0; i < fields.size(); ++i) row[columns[i]] = fields[i];
    rows.push_back(row);
  }
  return rows;
}

const std::string& Field(const Row& row, const std::string& column) {
  const auto it = row.find(column);
  if (it == row.end()) Fail("the language table has no column \"" + column + "\"");
  return it->second;
}

bool None(const std::string& field) { return field == "-"; }

std::string Literal(const std::string& bytes) {
  std::string out = "\"";
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\' && c != '?') {
      out += c;
    } else {
      char escape[8];
      std::snprintf(escape, sizeof(escape), "\\%03o", b);
      out += escape;
    }
  }
  return out + "\"";
}

// `text` (UTF-8) in the code page, or a build failure naming `what`.
std::string InCodePage(const std::string& text, int codePage, const std::string& what) {
  std::string bytes;
  if (!lemmatizer::Utf8ToCodePage(text, codePage, bytes)) {
    Fail(what + ": not writable in code page " + std::to_string(codePage));
  }
  return bytes;
}

// The enumerator of `value` among `names`, or a build failure.
std::string Enumerator(const Row& row, const std::string& column,
                       const std::map<std::string, std::string>& names) {
  const std::string& value = Field(row, column);
  const auto it = names.find(value);
  if (it == names.end()) Fail(Field(row, "code") + ": unknown " + column + " \"" + value + "\"");
  return it->second;
}

std::string FileFlags(const Row& row) {
  static const std::map<std::string, std::string> kFlags = {{"prefix", "kPrefixFile"},
                                                            {"sharp-s", "kSharpSFile"},
                                                            {"pwd", "kPwdFiles"},
                                                            {"extension", "kExtensionFile"}};
  const std::string& files = Field(row, "files");
  if (None(files)) return "0u";
  std::string flags;
  size_t start = 0;
  while (start <= files.size()) {
    const size_t comma = files.find(',', start);
    const std::string name =
        files.substr(start, comma == std::string::npos ? comma : comma - start);
    const auto it = kFlags.find(name);
    if (it == kFlags.end()) Fail(Field(row, "code") + ": unknown file \"" + name + "\"");
    flags += (flags.empty() ? "" : " | ") + it->second;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return flags;
}

// A comma-separated list of UTF-8 words (elisions, clitics) as a literal,
// or null; every word must hold an apostrophe.
std::string WordList(const Row& row, const std::string& column) {
  const std::string& list = Field(row, column);
  if (None(list)) return "nullptr";
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const std::string word = list.substr(start, comma - start);
    if (word.empty() || word.find('\'') == std::string::npos) {
      Fail(Field(row, "code") + ": " + column + " holds \"" + word + "\" without an apostrophe");
    }
    start = comma + 1;
  }
  return Literal(list);
}

std::string LanguagesSource(const std::vector<Row>& rows) {
  static const std::map<std::string, std::string> kScripts = {
      {"Latin", "Script::kLatin"}, {"Cyrillic", "Script::kCyrillic"}, {"Greek", "Script::kGreek"}};
  static const std::map<std::string, std::string> kNormalizers = {
      {"default", "NormalizerKind::kDefault"},
      {"german", "NormalizerKind::kGerman"},
      {"greek", "NormalizerKind::kGreek"},
      {"russian", "NormalizerKind::kRussian"}};
  static const std::map<std::string, std::string> kRules = {{"table", "RulesKind::kTable"},
                                                            {"french", "RulesKind::kFrench"},
                                                            {"albanian", "RulesKind::kAlbanian"},
                                                            {"spanish", "RulesKind::kSpanish"},
                                                            {"german", "RulesKind::kGerman"},
                                                            {"russian", "RulesKind::kRussian"},
                                                            {"r4", "RulesKind::kR4"}};
  static const std::map<std::string, std::string> kSwdKeys = {{"default", "SwdKeyKind::kDefault"},
                                                              {"russian", "SwdKeyKind::kRussian"},
                                                              {"greek", "SwdKeyKind::kGreek"}};
  std::ostringstream out;
  out << "// Generated by lemm-tables-gen from registry/languages.tsv. Do not edit.\n"
      << "#include \"registry/languages.h\"\n\nnamespace lemmatizer {\n\n"
      << "const Language kLanguageRows[] = {\n";
  for (const Row& row : rows) {
    const std::string& code = Field(row, "code");
    if (code.size() != 2) Fail("language code \"" + code + "\" is not two characters long");
    const int codePage = std::atoi(Field(row, "codepage").c_str());
    if (!lemmatizer::IsKnownCodePage(codePage)) {
      Fail(code + ": unknown code page " + Field(row, "codepage"));
    }
    const std::string& endings = Field(row, "endings");
    const std::string& message = Field(row, "message");
    if (!None(message) &&
        (message.find("%d") == std::string::npos || message.find('%') != message.find("%d") ||
         message.find('%', message.find("%d") + 1) != std::string::npos)) {
      Fail(code + ": the message must hold %d once and no other %");
    }
    const std::string& prefix = Field(row, "prefix");
    const std::string& edition = Field(row, "edition");
    const std::string& nouns = Field(row, "nouns");
    if (!None(nouns) && nouns != "capitalised") Fail(code + ": unknown nouns \"" + nouns + "\"");
    const std::string& names = Field(row, "names");
    if (!None(names) && names != "inflected" && names != "plural") {
      Fail(code + ": unknown names \"" + names + "\"");
    }
    const std::string& capitals = Field(row, "capitals");
    if (!None(capitals) && capitals != "names") {
      Fail(code + ": unknown capitals \"" + capitals + "\"");
    }
    if (!None(capitals) && !None(nouns)) Fail(code + ": capitalised nouns guess no names");
    out << "    {" << Literal(code) << ", " << Literal(Field(row, "name")) << ", "
        << Enumerator(row, "script", kScripts) << ", " << codePage << ", "
        << Enumerator(row, "normalizer", kNormalizers) << ", " << Enumerator(row, "rules", kRules)
        << ", " << (None(endings) ? "0" : endings) << ", "
        << (None(message) ? "nullptr" : Literal(message)) << ", "
        << (None(prefix) ? "nullptr" : Literal(InCodePage(prefix, codePage, code + " prefix")))
        << ", " << Enumerator(row, "swdkey", kSwdKeys) << ", "
        << (None(edition) ? "nullptr" : Literal(edition)) << ", " << FileFlags(row) << ", "
        << (None(nouns) ? "false" : "true") << ", " << (names == "inflected" ? "true" : "false")
        << ", " << (names == "plural" ? "true" : "false") << ", "
        << (None(capitals) ? "false" : "true") << ", " << WordList(row, "elisions") << ", "
        << WordList(row, "clitics") << "},\n";
  }
  out << "};\n\nconst size_t kLanguageRowCount = " << rows.size()
      << ";\n\n}  // namespace lemmatizer\n";
  return out.str();
}

// The entries of <dir>/<code>.txt in the code page; false when the file is
// missing.
bool ReadEndings(const std::string& dir, const std::string& code, int codePage,
                 std::vector<std::string>& entries) {
  const std::string path = dir + "/" + code + ".txt";
  bool found = false;
  const std::string text = ReadFile(path, found);
  if (!found) return false;
  if (!text.empty() && text.back() != '\n') Fail(path + ": the last line has no line end");
  size_t start = 0;
  int line = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    ++line;
    entries.push_back(
        InCodePage(text.substr(start, end - start), codePage, path + ":" + std::to_string(line)));
    start = end + 1;
  }
  return true;
}

std::string EndingTablesSource(const std::vector<Row>& rows, const std::string& endingsDir) {
  std::ostringstream arrays, handlers, table;
  int count = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const std::string& code = Field(row, "code");
    const std::string& size = Field(row, "endings");
    if (None(size)) continue;
    std::vector<std::string> entries;
    if (!ReadEndings(endingsDir, code, std::atoi(Field(row, "codepage").c_str()), entries)) {
      std::cerr << "lemm-tables-gen: " << code
                << ": no ending table; the language is not offered\n";
      continue;
    }
    if (std::to_string(entries.size()) != size) {
      std::cerr << "lemm-tables-gen: " << code << ": the ending table has " << entries.size()
                << " entries instead of " << size << "; the language is not offered\n";
      continue;
    }
    std::string joined;
    arrays << "\nconst char* const kEndings_" << code << "[] = {\n";
    for (const std::string& entry : entries) {
      arrays << "    " << Literal(entry) << ",\n";
      joined += entry;
      joined += '\0';
    }
    arrays << "};\n";
    const std::string& rules = Field(row, "rules");
    std::string handler = "nullptr";
    if (rules == "table" || rules == "french" || rules == "albanian") {
      handler = "EndingRules_" + code;
      handlers << "\nint32_t " << handler
               << "(char* stem, int32_t stemLength, int32_t lemcode, intptr_t /*arg*/) {\n"
               << "  return ApplyEndingRules(kCompiledEndingTables[" << count
               << "], stem, stemLength, lemcode);\n}\n";
    }
    char digest[32];
    std::snprintf(digest, sizeof(digest), "0x%016llxull",
                  static_cast<unsigned long long>(lemmatizer::Fnv1a64(joined)));
    table << "    {&kLanguageRows[" << i << "], kEndings_" << code << ", " << entries.size() << ", "
          << digest << ", " << handler << "},\n";
    ++count;
  }
  std::ostringstream out;
  out << "// Generated by lemm-tables-gen from rules/endings/*.txt and registry/languages.tsv.\n"
      << "// Do not edit.\n"
      << "#include \"rules/ending_tables.h\"\n\nnamespace lemmatizer {\n\nnamespace {\n"
      << arrays.str() << handlers.str() << "\n}  // namespace\n\n"
      << "const CompiledEndingTable kCompiledEndingTables[] = {\n"
      << table.str() << "    {nullptr, nullptr, 0, 0, nullptr},\n};\n\n"
      << "const int32_t kCompiledEndingTableCount = " << count
      << ";\n\n}  // namespace lemmatizer\n";
  return out.str();
}

void WriteIfChanged(const std::string& path, const std::string& text) {
  bool found = false;
  if (ReadFile(path, found) == text && found) return;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) Fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: lemm-tables-gen LANGUAGES.tsv ENDINGS_DIR OUTPUT_DIR\n";
    return 2;
  }
  const std::vector<Row> rows = ReadLanguages(argv[1]);
  const std::string outDir = argv[3];
  WriteIfChanged(outDir + "/languages_data.cc", LanguagesSource(rows));
  WriteIfChanged(outDir + "/ending_tables.cc", EndingTablesSource(rows, argv[2]));
  return 0;
}
