// The context model of a language's text analysis ("<code>-context.txt",
// doc/formats.md): a bigram tagger over word-class tags. It tags each
// sentence of an analysed text with the most likely tag sequence, so that
// the readings that fit a word's tag in its sentence can come first: "the
// meeting" is a noun, "was meeting" a verb, "Please See" a verb though it
// has a capital.
//
// A word's candidate tags are the tags tagged text gave it, as written or
// with its first letter small, or, for a word in capitals, in lower case
// beside those of an acronym; a word the model has not seen takes those
// of its shape (a number, capitals, a capital first, a hyphen...) or of its
// ending. The score of a sequence is the product, word by word, of the
// chance of its tag after the one before and the chance of the word given
// its tag (its count with the tag plus one, over the tag's count). A loaded
// model is never changed: any number of threads may use it at once.
#ifndef LEMMATIZER_INTERFACE_CONTEXT_MODEL_H_
#define LEMMATIZER_INTERFACE_CONTEXT_MODEL_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lemmatizer {

class ContextModel {
 public:
  // Reads the model at `path`. Raises, as a text pointer, "cannot read
  // context model : PATH", "bad line N in context model : PATH" and
  // "incomplete context model : PATH" (no tags, transitions or start).
  explicit ContextModel(const std::string& path);
  // Its entries point into its own words.
  ContextModel(const ContextModel&) = delete;
  ContextModel& operator=(const ContextModel&) = delete;

  // The tags of one sentence's tokens (UTF-8), one per token, in `tags`.
  // capitalMeansNothing[i]: token i begins the sentence or is a word of a
  // title, so its capital tells nothing.
  void TagSentence(const std::vector<std::string_view>& tokens,
                   const std::vector<bool>& capitalMeansNothing, std::vector<int>& tags) const;

  // Whether a reading with the library tag `readingTag` fits model tag
  // `tag` (its name begins with one of the prefixes the model gives).
  bool Fits(int tag, int32_t readingTag) const;

  int TagCount() const { return static_cast<int>(m_names.size()); }

 private:
  struct Candidate {
    int tag;
    double weight;  // log of the chance of the word given the tag
  };
  using Candidates = std::vector<Candidate>;

  int TagOf(std::string_view name) const;
  void CandidatesOf(std::string_view token, bool capitalMeansNothing, Candidates& out) const;
  // Adds `from` to `out`, a tag both hold taking the greater weight.
  static void MergeCandidates(const Candidates& from, Candidates& out);
  // The candidates of an unseen word whose shape is `shape` ("" for none).
  const Candidates& ShapeCandidates(const std::string& word, std::string shape) const;
  const Candidates* Entry(const std::string& key) const;
  const Candidates& ShapeEntry(const std::string& shape) const;

  std::vector<std::string> m_names;
  std::vector<std::vector<bool>> m_fits;  // [tag][library tag]
  std::vector<double> m_next;             // log chance of [prev * n + tag]; -inf: never
  int m_start = 0;
  std::unordered_map<std::string, Candidates> m_words;
  Candidates m_none;  // the entry of a shape or ending the model has no word for
  std::unordered_map<std::string, const Candidates*> m_shapes;       // into m_words
  std::vector<std::pair<std::string, const Candidates*>> m_endings;  // into m_words
  int32_t m_adjectiveTag = 0;                                        // "ADJE"
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_CONTEXT_MODEL_H_
