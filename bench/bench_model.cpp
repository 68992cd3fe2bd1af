// Start-up load of the census (model and index of counts), the index's memory,
// and P(S) evaluations per second.
//   bench_model [CENSUS_FOLDER]
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "bench_util.h"
#include "engine/app_context.h"
#include "model/binary_io.h"

using namespace orbica;

int main(int argc, char** argv) {
  const std::string folder = bench::CensusFolder(argc, argv);

  // Reference: reading the two files into memory, the floor of any load.
  const double readOnly = bench::MedianSeconds(5, [&] {
    std::vector<unsigned char> bytes;
    ReadWholeFile(folder + "/data.mle", bytes);
    ReadWholeFile(folder + "/zData.gcd", bytes);
  });
  std::size_t indexBytes = 0, nodes = 0;
  int components = 0;
  const double load = bench::MedianSeconds(5, [&] {
    RecordingNotifier notifier;
    CModel model;
    if (model.Load(folder + "/data.mle", notifier) != 0) std::exit(1);
    indexBytes = model.Counts().MemoryBytes();
    nodes = model.Counts().NodeCount();
    components = model.Components();
  });
  std::printf("load (model + counts index), median of 5: %.1f ms  (reading the files alone: %.1f ms, ratio %.2f)\n",
              load * 1e3, readOnly * 1e3, load / readOnly);
  std::printf("counts index: %zu nodes, %.1f MiB\n", nodes, static_cast<double>(indexBytes) / (1 << 20));

  RecordingNotifier notifier;
  CModel model;
  model.Load(folder + "/data.mle", notifier);
  // A mix of sets: one, two and three constrained questions, some with answer groups.
  std::vector<ConditionSet> sets;
  for (int q = 0; q < kQuestionCount; ++q) {
    ConditionSet one{}, two{}, three{};
    one[q] = 1u << 1;
    two[q] = 0b110;
    two[(q + 5) % kQuestionCount] = 1u << 2;
    three[q] = 1u << 1;
    three[(q + 7) % kQuestionCount] = 0b1010;
    three[(q + 13) % kQuestionCount] = 1u << 1;
    sets.insert(sets.end(), {one, two, three});
  }
  const int rounds = 200;
  double sink = 0;
  const double plain = bench::MedianSeconds(3, [&] {
    for (int r = 0; r < rounds; ++r)
      for (const ConditionSet& s : sets) sink += model.Probability(s);
  });
  const double withDeviation = bench::MedianSeconds(3, [&] {
    for (int r = 0; r < rounds; ++r)
      for (const ConditionSet& s : sets) {
        double d;
        sink += model.Probability(s, &d) + d;
      }
  });
  const double evaluations = static_cast<double>(rounds) * static_cast<double>(sets.size());
  std::printf("P(S) with C = %d: %.0f evaluations/s; with deviation: %.0f evaluations/s (checksum %.3g)\n",
              components, evaluations / plain, evaluations / withDeviation, sink);
  std::printf("peak resident memory: %.1f MiB\n", static_cast<double>(bench::PeakResidentBytes()) / (1 << 20));
  return 0;
}
