// Running a program in a fresh process and reading what it prints, for the
// benchmark's modes that need a process of their own per measurement
// (load figures, callgrind counts).
#ifndef LEMMATIZER_BENCH_CHILD_PROCESS_H_
#define LEMMATIZER_BENCH_CHILD_PROCESS_H_

#include <string>
#include <vector>

namespace lemmbench {

// The path of the running program (/proc/self/exe).
std::string SelfPath();

// Runs argv[0] (looked up on PATH) with `argv`, its standard output
// captured into `output` and its standard error passed through. True when
// it ran and exited with status 0.
bool RunCapture(const std::vector<std::string>& argv, std::string& output);

// Whether `program` is an executable file on PATH.
bool OnPath(const std::string& program);

}  // namespace lemmbench

#endif  // LEMMATIZER_BENCH_CHILD_PROCESS_H_
