// Number formatting shared by the benchmark's tables, and the header line
// that says which library and files a run measured.
#ifndef LEMMATIZER_BENCH_REPORT_FORMAT_H_
#define LEMMATIZER_BENCH_REPORT_FORMAT_H_

#include <string>
#include <vector>

namespace lemmbench {

// 1234567.8 -> "1,234,568"; a negative value (a missing figure) -> "-".
std::string Grouped(double value);

// numerator / denominator with two decimals, or "-" when either is missing
// (negative) or the denominator is 0.
std::string Ratio(double numerator, double denominator);

// The median of the values (0 for none).
double Median(std::vector<double> values);

// The file the running process loaded liblemmatizer from.
std::string LibraryPath();

// Prints what a table shows, then which library and dictionaries it
// measured.
void PrintPreamble(const char* description, const std::string& dictionaryDir);

}  // namespace lemmbench

#endif  // LEMMATIZER_BENCH_REPORT_FORMAT_H_
