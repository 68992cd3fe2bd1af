// The census model: a finite mixture of product components read from "data.mle",
// with the observed counts of "zData.gcd", and the probability queries on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/notifier.h"
#include "model/observed_counts.h"
#include "model/questionnaire.h"

namespace orbica {

inline constexpr std::size_t kModelHeaderBytes = 12;

class CModel {
 public:
  CModel() = default;
  CModel(const CModel&) = delete;
  CModel& operator=(const CModel&) = delete;

  // Loads the model file and, from the same folder, "zData.gcd". Returns 0, or -1
  // after showing its own message. Only a fresh model may be loaded. Without
  // `withCounts` the records file is not read: the index of counts then holds
  // only the whole-population count N.
  int Load(const std::string& fileName, Notifier& notifier, bool withCounts = true);

  bool Loaded() const { return ownsArrays_; }
  int Components() const { return components_; }
  std::int32_t Respondents() const { return respondents_; }
  int Stride() const { return stride_; }
  // Answers of question index q (0..23) from the program's table.
  int AnswerCount(int q) const { return answerTable_[static_cast<std::size_t>(q) + 1]; }
  // The answer-count table as held now: entry 0 placeholder, entry q for question index q - 1.
  const std::array<std::int8_t, kAnswerTableLength>& AnswerTable() const { return answerTable_; }
  double Weight(int c) const { return weights_[static_cast<std::size_t>(c)]; }
  // Probability row of component c in slot layout (207 values).
  const double* Row(int c) const { return rows_.data() + static_cast<std::size_t>(c) * kSlotCount; }
  const std::vector<double>& Weights() const { return weights_; }
  const std::vector<double>& Rows() const { return rows_; }
  const CObservedCounts& Counts() const { return counts_; }

  // P(S): the model's probability that a respondent satisfies S. When `deviation`
  // is given it receives D(S), the distance to the observed count of S.
  double Probability(const ConditionSet& set, double* deviation = nullptr) const;
  // Shares of the answers of question q inside S (and their deviations), indexed
  // by answer; callers provide AnswerCount(q) entries.
  void AnswerDistribution(int q, const ConditionSet& set, double* shares, double* deviations = nullptr) const;
  // Estimated number of respondents: trunc(N x P(S)).
  std::int64_t Size(const ConditionSet& set) const;
  // Deviation of a probability p given the observed count (-1: none).
  double Deviation(double p, std::int32_t observed) const;

  // Minimum file size for a model of `components` components.
  static std::uint64_t RequiredFileSize(std::uint64_t components);

 private:
  int components_ = 0;
  int tableLength_ = 0;
  std::array<std::int8_t, kAnswerTableLength> answerTable_{};
  int stride_ = 0;
  std::int32_t respondents_ = 0;
  std::vector<double> rows_;
  std::vector<double> weights_;
  bool ownsArrays_ = false;
  CObservedCounts counts_;
};

// trunc(n x p) as a whole number of persons, clamped to the 64-bit range.
std::int64_t PersonsOf(std::int32_t respondents, double p);

}  // namespace orbica
