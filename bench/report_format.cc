#include "bench/report_format.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>

namespace lemmbench {

std::string Grouped(double value) {
  if (value < 0) return "-";
  const std::string digits = std::to_string(static_cast<unsigned long long>(value + 0.5));
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string Ratio(double numerator, double denominator) {
  if (numerator < 0 || denominator <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof(text), "%.2f", numerator / denominator);
  return text;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string LibraryPath() {
  // The symbol as the dynamic linker resolved it, not a stub in this program.
  void* symbol = dlsym(RTLD_DEFAULT, "Lemmatize");
  Dl_info info;
  if (symbol == nullptr || dladdr(symbol, &info) == 0 || info.dli_fname == nullptr) return "?";
  return info.dli_fname;
}

void PrintPreamble(const char* description, const std::string& dictionaryDir) {
  std::printf("%slibrary %s, dictionaries %s\n\n", description, LibraryPath().c_str(),
              dictionaryDir.c_str());
}

}  // namespace lemmbench
