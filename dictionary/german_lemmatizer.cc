#include "dictionary/german_lemmatizer.h"

#include <memory>

CGermanLemmatizer::CGermanLemmatizer(const char* mainPath, const char* prefixPath,
                                     const char* sharpSPath)
    : m_prefixCells{nullptr, 0}, m_germanNormalizer(nullptr) {
  auto normalizer = std::make_unique<CGermanNormalizer>(sharpSPath);
  m_prefixBuffer = ReadWholeFile(prefixPath);
  m_prefixCells.data = reinterpret_cast<const unsigned char*>(m_prefixBuffer.data());
  m_prefixCells.size = m_prefixBuffer.size();
  m_germanNormalizer = normalizer.get();
  Load(mainPath, normalizer.release(), lemmatizer::GermanLemcodeHandler,
       reinterpret_cast<intptr_t>(&m_prefixCells));
}

CGermanLemmatizer::~CGermanLemmatizer() = default;
