// The numbers a histogram window shows: for each shown display slot, the shares
// and errors of the current question's answers and the slot's share of the whole.
#pragma once

#include <array>
#include <cmath>

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

  // A model is loaded with its values as stored, so a share can come out as no
  // usable number: not finite, below 0, or with an error that is not finite.
  // Such a share is missing: nothing shows it and no scale or total counts it.
  bool Missing(int row, int answer) const {
    const double share = Share(row, answer);
    return !std::isfinite(share) || share < 0.0 || !std::isfinite(Error(row, answer));
  }
  // Likewise a row's size, which numbers of persons need besides the share.
  bool SizeMissing(int row) const {
    const double p = size[static_cast<std::size_t>(row)];
    return !std::isfinite(p) || p < 0.0;
  }
  // Whether the number of persons of a share is missing.
  bool CountMissing(int row, int answer) const { return Missing(row, answer) || SizeMissing(row); }
};

// Fills `data` for question index q from the shown display slots, in slot order:
// for each one its answer shares with their deviations and its probability. A
// question index outside 0..23 leaves no rows and answer count 0.
void RecomputeHistogram(HistogramData& data, int q, const CModel& model, const CDisplayedSubpopulations& slots);

}  // namespace orbica
