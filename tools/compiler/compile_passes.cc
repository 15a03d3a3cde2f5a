#include "tools/compiler/compile_passes.h"

#include <algorithm>
#include <iostream>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "dictionary/tag_table.h"

namespace lemmatizer {

namespace {

// The tag of readings whose source gives no part of speech.
constexpr const char* kUntaggedTag = "ANYC";

// Order of case variants: tagged before untagged, then lower case first.
int CaseVariantRank(const LexiconForm& form, const CSWD& swdKeys, int32_t untagged) {
  const bool allUntagged =
      std::all_of(form.readings.begin(), form.readings.end(),
                  [untagged](const LexiconReading& r) { return r.tag == untagged; });
  const bool lower = swdKeys.LookupKey(form.form.c_str())[0] == form.form[0];
  return (allUntagged ? 2 : 0) + (lower ? 0 : 1);
}

// The folded SWD key of a form: equal for the forms one SWD source meets.
std::string FoldedKey(const LexiconForm& form, const CSWD& swdKeys) {
  return CSWD::FoldedSource(swdKeys.LookupKey(form.form.c_str()));
}

bool SameResult(const HsqResult& a, const HsqResult& b) {
  return a.rawTag == b.rawTag && a.cut == b.cut && a.lemcode == b.lemcode;
}

}  // namespace

void OrderCaseVariants(std::vector<LexiconForm>& forms, const CSWD& swdKeys) {
  const int32_t untagged = CTagTable::GetTagNumber(kUntaggedTag);
  std::vector<std::vector<LexiconForm>> byRank(4);
  for (LexiconForm& form : forms) {
    byRank[CaseVariantRank(form, swdKeys, untagged)].push_back(std::move(form));
  }
  forms.clear();
  for (auto& rank : byRank) std::move(rank.begin(), rank.end(), std::back_inserter(forms));
}

std::vector<FormEncoding> EncodeForms(const std::vector<LexiconForm>& forms,
                                      ReadingEncoder& encoder, const char* progressCode) {
  std::vector<FormEncoding> encodings(forms.size());
  for (size_t f = 0; f < forms.size(); ++f) {
    if (progressCode != nullptr && (f + 1) % 200000 == 0) {
      std::cerr << progressCode << ": " << f + 1 << " of " << forms.size() << " forms encoded\n";
    }
    const LexiconForm& form = forms[f];
    FormEncoding& encoding = encodings[f];
    bool encodable =
        form.form.find(' ') == std::string::npos && encoder.KeyOf(form.form, encoding.key);
    for (size_t i = 0; encodable && i < form.readings.size(); ++i) {
      HsqResult r{form.readings[i].tag - 1, 0, 0};
      encodable = encoder.Encode(form.form, encoding.key, form.readings[i].lemma, r.cut, r.lemcode);
      encoding.readings.push_back(r);
    }
    encoding.inTrie = encodable;
  }
  return encodings;
}

void KeepHiddenFormsInSwd(const std::vector<LexiconForm>& forms, const CSWD& swdKeys,
                          std::vector<FormEncoding>& encodings) {
  std::unordered_set<std::string> swdSources;
  for (size_t f = 0; f < forms.size(); ++f) {
    if (!encodings[f].inTrie) swdSources.insert(FoldedKey(forms[f], swdKeys));
  }
  for (size_t f = 0; f < forms.size(); ++f) {
    if (encodings[f].inTrie && swdSources.count(FoldedKey(forms[f], swdKeys)) != 0) {
      encodings[f].inTrie = false;
    }
  }
}

CompiledForms GatherKeysAndSwdLines(const std::vector<LexiconForm>& forms,
                                    const std::vector<FormEncoding>& encodings,
                                    const CSWD& swdKeys) {
  CompiledForms compiled;
  std::unordered_map<std::string, size_t> keyIndex;
  for (size_t f = 0; f < forms.size(); ++f) {
    const LexiconForm& form = forms[f];
    const FormEncoding& encoding = encodings[f];
    if (encoding.inTrie) {
      const auto it = keyIndex.find(encoding.key);
      if (it == keyIndex.end()) {
        keyIndex.emplace(encoding.key, compiled.keys.size());
        compiled.keys.emplace_back(encoding.key, encoding.readings);
      } else {
        auto& readings = compiled.keys[it->second].second;
        for (const HsqResult& r : encoding.readings) {
          const bool present = std::any_of(readings.begin(), readings.end(),
                                           [&r](const HsqResult& p) { return SameResult(p, r); });
          if (!present) readings.push_back(r);
        }
      }
      compiled.trieReadings += static_cast<int64_t>(encoding.readings.size());
      continue;
    }
    // One SWD line per lemma with all its tags.
    const std::string source = swdKeys.LookupKey(form.form.c_str());
    std::vector<SwdLine> lines;
    for (const LexiconReading& reading : form.readings) {
      auto line = std::find_if(lines.begin(), lines.end(),
                               [&reading](const SwdLine& l) { return l.lemma == reading.lemma; });
      if (line == lines.end()) {
        lines.push_back(SwdLine{source, reading.lemma, {}});
        line = lines.end() - 1;
      }
      line->tags.push_back(reading.tag);
    }
    std::string text, bad;
    if (!SwdText(lines, text, bad)) {
      compiled.unwritable += static_cast<int64_t>(form.readings.size());
      continue;
    }
    compiled.swd.insert(compiled.swd.end(), lines.begin(), lines.end());
    compiled.swdReadings += static_cast<int64_t>(form.readings.size());
    ++compiled.swdForms;
  }
  return compiled;
}

}  // namespace lemmatizer
