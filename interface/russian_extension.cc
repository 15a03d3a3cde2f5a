#include "interface/russian_extension.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "dictionary/errors.h"
#include "dictionary/scrambled_file.h"
#include "dictionary/tag_table.h"
#include "interface/boundary.h"
#include "interface/lemmatizer.h"
#include "registry/extended_tags.h"

namespace lemmatizer {
namespace {

constexpr size_t kTitleLength = sizeof(kExtensionTitle) - 1;
constexpr int kLineBufferSize = 1024;
constexpr size_t kMaxEndingLength = 127;
constexpr size_t kMaxTagNameLength = 31;

// The process-wide extension state.
struct ExtensionState {
  std::string extendFilePath;
  std::vector<ExtendEntry> table;
  bool loadAttempted = false;
};

ExtensionState& State() {
  static ExtensionState state;
  return state;
}

// Reads one line of at most 1023 bytes; false at the end of the text or for
// a longer line.
bool ReadBoundedLine(std::istream& text, std::string& line) {
  char buffer[kLineBufferSize];
  if (!text.getline(buffer, sizeof(buffer))) return false;
  line.assign(buffer);
  return true;
}

bool HasTitle(const std::string& line) {
  return line.compare(0, kTitleLength, kExtensionTitle) == 0;
}

// The fields of `line` separated by white space as the C library knows it.
std::vector<std::string> SplitFields(const std::string& line) {
  static const char kWhiteSpace[] = " \t\n\v\f\r";
  std::vector<std::string> fields;
  size_t start = line.find_first_not_of(kWhiteSpace);
  while (start != std::string::npos) {
    const size_t end = line.find_first_of(kWhiteSpace, start);
    fields.push_back(line.substr(start, end == std::string::npos ? end : end - start));
    start = end == std::string::npos ? end : line.find_first_not_of(kWhiteSpace, end);
  }
  return fields;
}

// Copies the message into the host's buffer and raises it as a text pointer.
[[noreturn]] void Fail(char* errorBuffer, int32_t errorBufferSize, const std::string& message) {
  CopyMessage(errorBuffer, errorBufferSize, message.c_str());
  RaiseText("%s", message.c_str());
}

// Appends the rows of one data line; malformed lines add nothing.
void AddRows(const std::string& line, std::vector<ExtendEntry>& table) {
  const std::vector<std::string> fields = SplitFields(line);
  if (fields.size() < 4) return;
  if (fields[0].size() > kMaxEndingLength || fields[1].size() > kMaxTagNameLength ||
      fields[2].size() > kMaxTagNameLength || fields[3].size() > kMaxTagNameLength) {
    return;
  }
  ExtendEntry row;
  row.reversedEnding.assign(fields[0].rbegin(), fields[0].rend());
  row.newTagName = fields[1];
  row.tag = CTagTable::GetTagNumber(fields[2].c_str());
  table.push_back(row);
  if (fields[3] != fields[2]) {
    row.tag = CTagTable::GetTagNumber(fields[3].c_str());
    table.push_back(row);
  }
}

}  // namespace

bool operator<(const ExtendEntry& a, const ExtendEntry& b) {
  if (a.tag != b.tag) return a.tag < b.tag;
  // std::string compares its bytes as unsigned values.
  return a.reversedEnding < b.reversedEnding;
}

void ReadExtensionTable(const std::string& path, std::vector<ExtendEntry>& table) {
  std::stringstream text;
  if (!ReadScrambledFile(path.c_str(), text)) {
    RaiseText("open extend file error : \xA7%s\xA7", path.c_str());
  }
  std::string line;
  if (!ReadBoundedLine(text, line) || !HasTitle(line)) {
    RaiseText("open extend file title line error!");
  }
  try {
    while (ReadBoundedLine(text, line)) AddRows(line, table);
  } catch (...) {
    // Whatever was read stays searchable.
    std::stable_sort(table.begin(), table.end());
    throw;
  }
  // Equal rows keep the order of their lines.
  std::stable_sort(table.begin(), table.end());
}

void LoadRusischExtendFile(std::vector<ExtendEntry>& table, char* errorBuffer,
                           int32_t errorBufferSize) {
  const std::string& path = State().extendFilePath;
  if (path.empty()) Fail(errorBuffer, errorBufferSize, "extend filename empty, not init?");
  try {
    ReadExtensionTable(path, table);
  } catch (const char* message) {
    CopyMessage(errorBuffer, errorBufferSize, message);
    throw;
  }
}

void ExtendReadings(const std::vector<ExtendEntry>& table, const char* word, ReadingList& readings,
                    std::string& scratch) {
  if (table.empty()) return;
  std::string reversedWord(word);
  std::reverse(reversedWord.begin(), reversedWord.end());
  ExtendEntry probe;
  const size_t candidates = readings.Size();
  for (size_t i = 0; i < candidates; ++i) {
    probe.reversedEnding = reversedWord;
    probe.tag = readings.Tag(i);
    auto start = table.begin();
    while (!probe.reversedEnding.empty()) {
      const auto row = std::lower_bound(start, table.end(), probe);
      if (row == table.end() || row->tag != probe.tag ||
          row->reversedEnding != probe.reversedEnding) {
        probe.reversedEnding.pop_back();
        continue;
      }
      const int32_t extended = GetExtTagForString(row->newTagName);
      // The lemma is copied first: adding to the list may move it.
      scratch.assign(readings.Lemma(i), readings.LemmaLength(i));
      readings.Add(scratch, extended, ReadingSource::kExtension);
      const auto next = row + 1;
      if (next == table.end() || next->reversedEnding.size() != row->reversedEnding.size()) break;
      start = next;
    }
  }
}

int32_t RusischExtendResults(const char* word, ReadingList& readings, char* errorBuffer,
                             int32_t errorBufferSize) {
  ExtensionState& state = State();
  if (!state.loadAttempted) {
    state.loadAttempted = true;
    try {
      LoadRusischExtendFile(state.table, errorBuffer, errorBufferSize);
    } catch (const char*) {
      return 5;
    }
  }
  std::string scratch;
  ExtendReadings(state.table, word, readings, scratch);
  return 0;
}

int32_t GetExtTagForString(const std::string& name) {
  const int32_t number = ExtendedTagNumber(name.c_str());
  if (number < 0) RaiseString("lemmatizerf: Language : doesn't contain tag : " + name);
  return number;
}

}  // namespace lemmatizer

extern "C" int32_t LemmatizeInitRusischExtendPath(const char* path, char* errorBuffer,
                                                  int32_t errorBufferSize) {
  using lemmatizer::CopyMessage;
  return lemmatizer::Guard(
      lemmatizer::kExtendPathRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
        if (path == nullptr) {
          CopyMessage(errorBuffer, errorBufferSize, "path empty");
          return 5;
        }
        std::stringstream text;
        if (!lemmatizer::ReadScrambledFile(path, text)) {
          CopyMessage(errorBuffer, errorBufferSize, "open extend file error!");
          return 5;
        }
        std::string line;
        if (!lemmatizer::ReadBoundedLine(text, line)) {
          CopyMessage(errorBuffer, errorBufferSize, "get extend file title line error!");
          return 5;
        }
        if (!lemmatizer::HasTitle(line)) {
          CopyMessage(errorBuffer, errorBufferSize, "Extend file title line error!");
          return 5;
        }
        lemmatizer::State().extendFilePath = path;
        return 0;
      });
}
