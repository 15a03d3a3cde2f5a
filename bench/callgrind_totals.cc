#include "bench/callgrind_totals.h"

#include <cstdlib>
#include <fstream>

namespace lemmbench {

namespace {

// The number after `label` at the start of `line`, or -1.
double FigureAfter(const std::string& line, const std::string& label) {
  if (line.rfind(label, 0) != 0) return -1;
  const char* start = line.c_str() + label.size();
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  return end == start ? -1 : value;
}

}  // namespace

double CallgrindTotal(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  double summary = -1;
  while (std::getline(in, line)) {
    const double totals = FigureAfter(line, "totals:");
    if (totals >= 0) return totals;
    if (summary < 0) summary = FigureAfter(line, "summary:");
  }
  return summary;
}

}  // namespace lemmbench
