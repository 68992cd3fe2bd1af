// Timing and memory helpers for the benchmark drivers.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace orbica::bench {

// Median wall time of `runs` calls, in seconds.
double MedianSeconds(int runs, const std::function<void()>& work);
// Peak resident memory of this process so far, in bytes (0 when unknown).
std::size_t PeakResidentBytes();
// A census folder: the one named on the command line, or a fresh sample census
// (64 components unless `components` says otherwise) in a temporary folder.
std::string CensusFolder(int argc, char** argv, int components = 64);

}  // namespace orbica::bench
