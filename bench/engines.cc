#include "bench/engines.h"

namespace lemmbench {

const std::vector<EngineInfo>& Engines() {
  static const std::vector<EngineInfo> engines = {{"lemmatizer", "LemmatizerLoop", 0},
                                                  {"snowball", "SnowballLoop", 0},
                                                  {"hunspell", "HunspellLoop", 100000}};
  return engines;
}

std::unique_ptr<Engine> MakeEngine(const std::string& name, const std::string& dictionaryDir,
                                   const std::string& hunspellDir) {
  if (name == "lemmatizer") return MakeLemmatizerEngine(dictionaryDir);
  if (name == "snowball") return MakeSnowballEngine();
  if (name == "hunspell") return MakeHunspellEngine(hunspellDir);
  return nullptr;
}

}  // namespace lemmbench
