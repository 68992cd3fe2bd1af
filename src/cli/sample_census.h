// A complete, realistic sample census: a fitted model, the observed counts it was
// fitted to, the question texts and a few saved subpopulations.
#pragma once

#include <cstdint>
#include <string>

namespace orbica {

struct SampleOptions {
  std::uint64_t seed = 1;
  int components = 64;
  std::int32_t respondents = 10'000'000;
};

struct SampleSummary {
  std::int64_t records = 0;  // records written to "zData.gcd"
};

// Writes "data.mle", "zData.gcd", "Otazky.txt", "start.rtf" and the folder
// "Populace" into `folder` (created when missing). Returns false with a message
// in `error` when an option is out of range or a file cannot be written.
bool WriteSampleCensus(const std::string& folder, const SampleOptions& options, SampleSummary& summary,
                       std::string& error);

}  // namespace orbica
