// The histogram data block with four shown subpopulations, and the question
// orders by difference between them.
//   bench_survey [CENSUS_FOLDER]
#include <cstdio>
#include <memory>

#include "bench_util.h"
#include "engine/app_context.h"
#include "histogram/histogram_data.h"
#include "survey/subpopulation_code.h"

using namespace orbica;

int main(int argc, char** argv) {
  const std::string folder = bench::CensusFolder(argc, argv);
  RecordingNotifier notifier;
  AppContext context(notifier, folder);
  if (context.StartUp() != 0) {
    for (const std::string& text : notifier.Texts()) std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
  }
  // Slot 0 the whole population; slots 1..3 the saved subpopulations (or fixed codes).
  const char* fallback[] = {"2b 13g", "3fg 4fg 7c", "6m 8b"};
  const auto& entries = context.subpopulations.Entries();
  for (int slot = 1; slot < kDisplaySlots; ++slot) {
    auto population = std::make_unique<CPopulace>(0);
    if (static_cast<std::size_t>(slot) < entries.size()) {
      population->Masks() = entries[static_cast<std::size_t>(slot)]->Masks();
    } else {
      std::string error;
      ParseSubpopulationCode(fallback[slot - 1], population->Masks(), error);
    }
    context.displayed.Put(slot, std::move(population));
    context.displayed.Show(slot, true);
  }
  const std::vector<ConditionSet> shown = context.displayed.ShownConditionSets();
  std::printf("census %s: C = %d, %d shown slots:", folder.c_str(), context.model.Components(),
              context.displayed.ShownCount());
  for (const ConditionSet& set : shown) std::printf(" [%s]", SubpopulationCode(set).c_str());
  std::printf("\n");

  // One recompute per question, all 24 questions per round.
  HistogramData data;
  double sink = 0;
  const int rounds = 20;
  const double all = bench::MedianSeconds(7, [&] {
    for (int r = 0; r < rounds; ++r)
      for (int q = 0; q < kQuestionCount; ++q) {
        RecomputeHistogram(data, q, context.model, context.displayed);
        sink += data.shares[0];
      }
  });
  const double widest = bench::MedianSeconds(7, [&] {
    for (int r = 0; r < rounds * kQuestionCount; ++r) {
      RecomputeHistogram(data, 0, context.model, context.displayed);
      sink += data.shares[0];
    }
  });
  // Reference: the same model calls made directly.
  double shares[kMaxAnswers], errors[kMaxAnswers];
  const double direct = bench::MedianSeconds(7, [&] {
    for (int r = 0; r < rounds; ++r)
      for (int q = 0; q < kQuestionCount; ++q)
        for (const ConditionSet& set : shown) {
          context.model.AnswerDistribution(q, set, shares, errors);
          sink += shares[0] + context.model.Probability(set);
        }
  });
  const double perRecompute = all / (rounds * kQuestionCount);
  std::printf("histogram recompute, 4 shown slots: %.3f ms on average over the 24 questions "
              "(direct model calls %.3f ms, ratio %.2f); question 1 (15 answers): %.3f ms  [target < 1 ms]\n",
              perRecompute * 1e3, direct / (rounds * kQuestionCount) * 1e3, all / direct,
              widest / (rounds * kQuestionCount) * 1e3);

  const char* names[] = {"", "max. difference", "avg. difference", "total difference"};
  for (int kind = 1; kind <= 3; ++kind) {
    const int runs = 20;
    const double order = bench::MedianSeconds(7, [&] {
      for (int r = 0; r < runs; ++r) {
        context.questions.Order(0, context.model, shown);
        context.questions.Order(kind, context.model, shown);
        sink += context.questions.QuestionOrder()[0];
      }
    });
    std::printf("Order(%d) %s, 4 shown slots: %.3f ms (first question %d)\n", kind, names[kind],
                order / runs * 1e3, context.questions.QuestionOrder()[0] + 1);
  }
  std::printf("(checksum %.6g)\n", sink);
  return 0;
}
