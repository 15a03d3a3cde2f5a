// The gold development sets the benchmarks measure against, kept beside the
// project (../shared/ud-dev/, never part of it): one file per language code,
// "<code>.tsv" with the header "form lemma upos sent_id mwt_form".
#ifndef LEMMATIZER_BENCH_GOLD_SETS_H_
#define LEMMATIZER_BENCH_GOLD_SETS_H_

#include <string>
#include <vector>

namespace lemmatizer {

struct GoldWord {
  std::string form;
  std::string lemma;
  std::string upos;
  std::string mwtForm;  // the surface token a part of a multiword token belongs to, or "_"

  bool IsPart() const { return mwtForm != "_"; }
  // Punctuation, symbols and numbers are no content words.
  bool IsContent() const { return upos != "PUNCT" && upos != "SYM" && upos != "NUM"; }
};

using GoldSentence = std::vector<GoldWord>;

// The file of a code: the second editions share their first edition's.
std::string GoldFile(const std::string& goldDir, const std::string& code);

// The sentences of a gold file, in file order; false when it cannot be read.
bool ReadGoldSentences(const std::string& path, std::vector<GoldSentence>& sentences);

}  // namespace lemmatizer

#endif  // LEMMATIZER_BENCH_GOLD_SETS_H_
