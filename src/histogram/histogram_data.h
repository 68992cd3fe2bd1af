// The numbers a histogram window shows: for each shown display slot, the shares
// and errors of the current question's answers and the slot's share of the whole.
#pragma once

#include <array>

#include "model/model.h"

namespace orbica {

class CDisplayedSubpopulations;

inline constexpr int kHistogramRows = 4;
inline constexpr int kHistogramAnswers = 30;

struct HistogramData {
  int shownCount = 0;   // rows = shown display slots, 0..4
  int answerCount = 0;  // answers of the current question
  // Row r, answer a at r * answerCount + a.
  std::array<double, kHistogramRows * kHistogramAnswers> shares{};
  std::array<double, kHistogramRows * kHistogramAnswers> errors{};
  std::array<int, kHistogramRows> slot{};      // display slot (0..3) of each row
  std::array<double, kHistogramRows> size{};   // P of each row's subpopulation

  double Share(int row, int answer) const { return shares[static_cast<std::size_t>(row * answerCount + answer)]; }
  double Error(int row, int answer) const { return errors[static_cast<std::size_t>(row * answerCount + answer)]; }
};

// Fills `data` for question index q from the shown display slots, in slot order:
// for each one its answer shares with their deviations and its probability. A
// question index outside 0..23 leaves no rows and answer count 0.
void RecomputeHistogram(HistogramData& data, int q, const CModel& model, const CDisplayedSubpopulations& slots);

}  // namespace orbica
