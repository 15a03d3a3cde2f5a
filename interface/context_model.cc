#include "interface/context_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>

#include "dictionary/errors.h"
#include "dictionary/tag_table.h"
#include "interface/lemma_case.h"
#include "platform/unicode.h"

namespace lemmatizer {

namespace {

constexpr double kNever = -std::numeric_limits<double>::infinity();

// Tag sets are a few dozen tags; the transitions take the square.
constexpr size_t kMostTags = 256;

const std::string kCapitalised = "capitalised";
const std::string kCapitals = "capitals";

// The tab-separated fields of `line`, into `fields`: views into the line.
void SplitTabs(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return;
    start = tab + 1;
  }
}

// A decimal number of 0 or more, read the same in every locale.
bool ReadNumber(std::string_view text, double& value) {
  const char* end = text.data() + text.size();
  const std::from_chars_result read = std::from_chars(text.data(), end, value);
  return read.ec == std::errc() && read.ptr == end && std::isfinite(value) && value >= 0;
}

bool IsWordChar(uint32_t c) {
  const CharClass kind = ClassOf(c);
  return kind == CharClass::kLetter || kind == CharClass::kDigit || kind == CharClass::kMark;
}

// The shape of a word the model has not seen, as the model's "shape" lines
// name it (the tagger's classes of unknown words).
std::string ShapeOfToken(std::string_view token) {
  std::vector<uint32_t> chars;
  ForEachCodePoint(token, [&](uint32_t c, size_t, size_t) { chars.push_back(c); });
  bool digitFirst = false, anyWordChar = false, hyphenInside = false, allCapitals = true;
  for (size_t i = 0; i < chars.size(); ++i) {
    const uint32_t c = chars[i];
    if (c == '(' || c == '[' || c == '{') return "open";
    if (c == ')' || c == ']' || c == '}') return "close";
    if (IsWordChar(c)) anyWordChar = true;
    if (i == 0) digitFirst = ClassOf(c) == CharClass::kDigit;
    if (c == '-' && i > 0 && i + 1 < chars.size() && IsWordChar(chars[i - 1]) &&
        IsWordChar(chars[i + 1])) {
      hyphenInside = true;
    }
    if (!(IsUpperLetter(c) || ((c == '.' || c == '-') && i > 0))) allCapitals = false;
  }
  if (!anyWordChar) return "symbol";
  if (digitFirst) {
    for (uint32_t c : chars) {
      if (ClassOf(c) == CharClass::kLetter) return "ordinal";
    }
    return "number";
  }
  if (allCapitals) return "capitals";
  if (hyphenInside) return "hyphenated";
  if (StartsWithCapital(token) && !chars.empty() && !IsLowerLetter(chars[0])) return "capitalised";
  return "";
}

bool EndsWith(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

ContextModel::ContextModel(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) RaiseText("cannot read context model : %s", path.c_str());
  std::unordered_map<std::string, std::string> shapes;       // shape -> entry
  std::vector<std::pair<std::string, std::string>> endings;  // ending -> entry
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string_view> fields;
  size_t number = 0;
  bool started = false;
  auto bad = [&]() { RaiseText("bad line %zu in context model : %s", number, path.c_str()); };
  for (size_t at = 0; at < text.size();) {
    const size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line(text.data() + at, end - at);
    at = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    SplitTabs(line, fields);
    const std::string_view kind = fields[0];
    if (kind == "tag" && fields.size() >= 2) {
      if (!m_next.empty() || TagOf(fields[1]) >= 0 || m_names.size() >= kMostTags) {
        bad();
      }
      m_names.emplace_back(fields[1]);
      std::vector<bool> fits(CTagTable::kLastTag + 1, false);
      for (size_t i = 2; i < fields.size(); ++i) {
        if (fields[i].empty()) bad();
        for (int32_t tag = 1; tag <= CTagTable::kLastTag; ++tag) {
          const char* name = CTagTable::Entry(tag);
          if (name != nullptr &&
              std::string_view(name).compare(0, fields[i].size(), fields[i]) == 0) {
            fits[tag] = true;
          }
        }
      }
      m_fits.push_back(std::move(fits));
    } else if (kind == "start" && fields.size() == 2) {
      const int tag = TagOf(fields[1]);
      if (tag < 0) bad();
      m_start = tag;
      started = true;
    } else if (kind == "next" && fields.size() == 4) {
      if (m_next.empty()) m_next.assign(m_names.size() * m_names.size(), kNever);
      const int prev = TagOf(fields[1]), tag = TagOf(fields[2]);
      double chance = 0;
      if (prev < 0 || tag < 0 || !ReadNumber(fields[3], chance)) bad();
      m_next[prev * m_names.size() + tag] = chance > 0 ? std::log(chance) : kNever;
    } else if (kind == "word" && fields.size() >= 4 && fields.size() % 2 == 0) {
      Candidates& candidates = m_words[std::string(fields[1])];
      if (!candidates.empty()) bad();
      candidates.reserve((fields.size() - 2) / 2);
      for (size_t i = 2; i < fields.size(); i += 2) {
        const int tag = TagOf(fields[i]);
        double count = 0;
        if (tag < 0 || !ReadNumber(fields[i + 1], count)) bad();
        candidates.push_back({tag, count + 1});
      }
    } else if (kind == "shape" && fields.size() == 3) {
      shapes[std::string(fields[1])] = fields[2];
    } else if (kind == "ending" && fields.size() == 3 && !fields[1].empty()) {
      endings.emplace_back(fields[1], fields[2]);
    } else {
      bad();
    }
  }
  if (m_names.empty() || m_next.empty() || !started) {
    RaiseText("incomplete context model : %s", path.c_str());
  }
  // A word's weight with a tag: the log of the word's share of the words
  // tagged so, from the counts plus one.
  std::vector<double> total(m_names.size(), 1.0);
  for (const auto& entry : m_words) {
    for (const Candidate& candidate : entry.second) total[candidate.tag] += candidate.weight;
  }
  for (auto& entry : m_words) {
    for (Candidate& candidate : entry.second) {
      candidate.weight = std::log(candidate.weight / total[candidate.tag]);
    }
  }
  // The entries of the shapes and endings, an empty one where the model
  // has no such word.
  const auto entryOf = [this](const std::string& key) {
    const Candidates* entry = Entry(key);
    return entry == nullptr ? &m_none : entry;
  };
  for (const auto& [shape, key] : shapes) m_shapes[shape] = entryOf(key);
  for (const auto& [ending, key] : endings) m_endings.emplace_back(ending, entryOf(key));
  m_adjectiveTag = CTagTable::FindTagNumber("ADJE");
}

int ContextModel::TagOf(std::string_view name) const {
  for (size_t i = 0; i < m_names.size(); ++i) {
    if (m_names[i] == name) return static_cast<int>(i);
  }
  return -1;
}

const ContextModel::Candidates* ContextModel::Entry(const std::string& key) const {
  const auto found = m_words.find(key);
  return found == m_words.end() ? nullptr : &found->second;
}

const ContextModel::Candidates& ContextModel::ShapeEntry(const std::string& shape) const {
  const auto found = m_shapes.find(shape);
  return found == m_shapes.end() ? m_none : *found->second;
}

void ContextModel::MergeCandidates(const Candidates& from, Candidates& out) {
  for (const Candidate& added : from) {
    bool merged = false;
    for (Candidate& candidate : out) {
      if (candidate.tag == added.tag) {
        candidate.weight = std::max(candidate.weight, added.weight);
        merged = true;
      }
    }
    if (!merged) out.push_back(added);
  }
}

void ContextModel::CandidatesOf(std::string_view token, bool capitalMeansNothing,
                                Candidates& out) const {
  // Tagged text writes every apostrophe ' ("’s" is "'s").
  std::string word = PlainApostrophes(token);
  if (word.empty()) word = token;
  const Candidates* asWritten = Entry(word);
  const Candidates* small = StartsWithCapital(word) ? Entry(WithFirstLetter(word, false)) : nullptr;
  // Where the capital is the sentence's, the word is what it is in lower
  // case; elsewhere it may also be a name, as an unseen capitalised word.
  if (capitalMeansNothing && small != nullptr) {
    out = *small;
    return;
  }
  if (asWritten != nullptr) {
    out = *asWritten;
    return;
  }
  if (small != nullptr) {
    out = *small;
    MergeCandidates(ShapeEntry(kCapitalised), out);
    return;
  }
  // A word in capitals unseen as written: the word in lower case, shouted,
  // or an acronym.
  const std::string shape = ShapeOfToken(word);
  const Candidates* lower = shape == kCapitals ? Entry(LowerWord(word)) : nullptr;
  if (lower != nullptr) {
    out = *lower;
    MergeCandidates(ShapeEntry(kCapitals), out);
    return;
  }
  out = ShapeCandidates(word, shape);
}

const ContextModel::Candidates& ContextModel::ShapeCandidates(const std::string& word,
                                                              std::string shape) const {
  if (shape == "hyphenated") {
    const Candidates* last = Entry(word.substr(word.rfind('-') + 1));
    // Its last part seen as an adjective ("well-known").
    for (size_t i = 0; last != nullptr && i < last->size(); ++i) {
      if (Fits((*last)[i].tag, m_adjectiveTag)) shape = "hyphenated-adjective";
    }
  }
  if (!shape.empty()) return ShapeEntry(shape);
  for (const auto& [ending, entry] : m_endings) {
    if (EndsWith(word, ending)) return *entry;
  }
  return ShapeEntry("unknown");
}

void ContextModel::TagSentence(const std::vector<std::string_view>& tokens,
                               const std::vector<bool>& capitalMeansNothing,
                               std::vector<int>& tags) const {
  // The lattice: for each token, a column of cells, one per candidate tag,
  // with the score of the best sequence that ends in it and the cell of the
  // token before in that sequence.
  struct Cell {
    int tag;
    double score;
    size_t from;
  };
  constexpr size_t kNone = static_cast<size_t>(-1);
  const size_t n = m_names.size();
  std::vector<Cell> cells;
  Candidates candidates;
  size_t begin = 0;  // the column of the token before
  for (size_t i = 0; i < tokens.size(); ++i) {
    const size_t end = cells.size();
    CandidatesOf(tokens[i], capitalMeansNothing[i], candidates);
    bool reached = false;
    for (const Candidate& candidate : candidates) {
      Cell cell{candidate.tag, kNever, kNone};
      if (i == 0) cell.score = m_next[m_start * n + cell.tag] + candidate.weight;
      for (size_t p = begin; i > 0 && p < end; ++p) {
        const double score =
            cells[p].score + m_next[cells[p].tag * n + cell.tag] + candidate.weight;
        if (score > cell.score) cell.score = score, cell.from = p;
      }
      reached = reached || cell.score != kNever;
      cells.push_back(cell);
    }
    if (!reached) {
      // No candidate can follow what came before, or the word has none:
      // the sentence goes on from the best sequence so far.
      size_t best = kNone;
      for (size_t p = begin; i > 0 && p < end; ++p) {
        if (best == kNone || cells[p].score > cells[best].score) best = p;
      }
      const double before = best == kNone ? 0 : cells[best].score;
      if (candidates.empty()) cells.push_back({m_start, before, best});
      for (size_t c = 0; c < candidates.size(); ++c) {
        cells[end + c].score = before + candidates[c].weight;
        cells[end + c].from = best;
      }
    }
    begin = end;
  }
  tags.assign(tokens.size(), -1);
  size_t cell = kNone;
  for (size_t p = begin; p < cells.size(); ++p) {
    if (cell == kNone || cells[p].score > cells[cell].score) cell = p;
  }
  for (size_t i = tokens.size(); i-- > 0 && cell != kNone;) {
    tags[i] = cells[cell].tag;
    cell = cells[cell].from;
  }
}

bool ContextModel::Fits(int tag, int32_t readingTag) const {
  return tag >= 0 && static_cast<size_t>(tag) < m_fits.size() && readingTag >= 1 &&
         readingTag <= CTagTable::kLastTag && m_fits[tag][readingTag];
}

}  // namespace lemmatizer
