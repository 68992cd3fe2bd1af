// The last steps of the six criteria: from the sums over the components to the
// criterion value. Shared by the one-condition evaluation and the search so that
// both give the same values bit for bit.
#pragma once

#include <cmath>
#include <cstdint>

namespace orbica::criteria {

// Criterion 0: |P - n / N|.
inline double AbsoluteSizeError(double p, std::uint32_t count, std::int32_t respondents) {
  return std::fabs(p - static_cast<double>(count) / static_cast<double>(respondents));
}

// Criterion 1: |(P x N - n) / n|.
inline double RelativeSizeError(double p, std::uint32_t count, std::int32_t respondents) {
  const double n = static_cast<double>(count);
  return std::fabs((p * static_cast<double>(respondents) - n) / n);
}

// Criterion 2: entropy of the answers with joint probabilities j[0..answers-1],
// renormalised by their total; never below 0.
inline double Entropy(const double* j, int answers) {
  double total = 0.0;
  for (int x = 0; x < answers; ++x) total += j[x];
  double s = 0.0;
  for (int x = 0; x < answers; ++x)
    if (j[x] != 0.0) s += j[x] * std::log(j[x]);
  const double h = std::log(total) - s / total;
  return h > 0.0 ? h : 0.0;
}

// Criterion 3: mutual information of two questions from the joint probabilities
// pxy[x * answersY + y] and the single ones px, py.
inline double Information(const double* pxy, const double* px, const double* py, int answersX, int answersY) {
  double b = 0.0, s = 0.0;
  for (int x = 0; x < answersX; ++x)
    for (int y = 0; y < answersY; ++y) {
      const double joint = pxy[x * answersY + y];
      b += joint;
      if (joint != 0.0 && px[x] != 0.0 && py[y] != 0.0) s += joint * std::log(joint / (px[x] * py[y]));
    }
  return std::log(b) + s / b;
}

}  // namespace orbica::criteria
