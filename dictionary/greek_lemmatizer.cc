#include "dictionary/greek_lemmatizer.h"

#include <memory>

#include "dictionary/errors.h"
#include "rules/table_handlers.h"

CGreekLemmatizer::CGreekLemmatizer(const char* path) : m_greekNormalizer(nullptr) {
  const LemcodeHandler handler = lemmatizer::TableDrivenHandler("gr");
  if (handler == nullptr) lemmatizer::RaiseText("no ending table for language : gr");
  auto normalizer = std::make_unique<CGreekNormalizer>();
  m_greekNormalizer = normalizer.get();
  Load(path, normalizer.release(), handler, 0);
}

CGreekLemmatizer::~CGreekLemmatizer() = default;
