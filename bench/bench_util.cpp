#include "bench_util.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "cli/sample_census.h"

namespace orbica::bench {

double MedianSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::size_t PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
  return 0;
}

std::string CensusFolder(int argc, char** argv, int components) {
  if (argc > 1) return argv[1];
  const auto folder = std::filesystem::temp_directory_path() / ("orbica-bench-census-" + std::to_string(components));
  if (!std::filesystem::exists(folder / "zData.gcd")) {
    std::cout << "writing a sample census of " << components << " components to " << folder.string() << "\n";
    SampleOptions options;
    options.components = components;
    SampleSummary summary;
    std::string error;
    if (!WriteSampleCensus(folder.string(), options, summary, error)) {
      std::cerr << error << '\n';
      std::exit(1);
    }
  }
  return folder.string();
}

}  // namespace orbica::bench
