// Reading the count a callgrind run collected from its output file.
#ifndef LEMMATIZER_BENCH_CALLGRIND_TOTALS_H_
#define LEMMATIZER_BENCH_CALLGRIND_TOTALS_H_

#include <string>

namespace lemmbench {

// The first event (instructions executed, Ir) of the "totals:" line of a
// callgrind output file, or of its "summary:" line when it has no totals;
// -1 when the file cannot be read or has neither.
double CallgrindTotal(const std::string& path);

}  // namespace lemmbench

#endif  // LEMMATIZER_BENCH_CALLGRIND_TOTALS_H_
