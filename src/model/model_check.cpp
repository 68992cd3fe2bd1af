#include "model/model_check.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace orbica {

namespace {

// How far a sum of probabilities or weights may be from 1.
constexpr double kSumTolerance = 1e-6;
// Problems listed in the start-up warning; the rest are counted.
constexpr std::size_t kWarningLines = 5;

std::string Number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string Component(int c) { return "component " + std::to_string(c + 1); }

bool Unusable(double v) { return !std::isfinite(v) || v < 0.0; }

}  // namespace

std::vector<ModelProblem> CheckModelValues(const CModel& model) {
  std::vector<ModelProblem> problems;
  const int components = model.Components();
  if (model.Respondents() <= 0)
    problems.push_back(
        {"respondents", "the respondent count " + std::to_string(model.Respondents()) + " is not positive"});
  if (components == 0) problems.push_back({"components", "the model has no components"});

  double weightSum = 0.0;
  for (int c = 0; c < components; ++c) {
    const double w = model.Weight(c);
    weightSum += w;
    if (!(w >= 0.0 && w <= 1.0))
      problems.push_back({"weight outside 0..1", Component(c) + ": the weight " + Number(w) + " is outside 0..1"});
  }
  if (components > 0 && !(std::fabs(weightSum - 1.0) <= kSumTolerance))
    problems.push_back(
        {"weights do not sum to 1", "the component weights sum to " + Number(weightSum) + ", not 1"});

  for (int c = 0; c < components; ++c) {
    const double* row = model.Row(c);
    for (int q = 0; q < kQuestionCount; ++q) {
      const std::string question = "question " + std::to_string(q + 1);
      double sum = 0.0;
      for (int a = 0; a < model.AnswerCount(q); ++a) {
        const double p = row[AnswerSlot(q, a)];
        sum += p;
        if (!(p >= 0.0 && p <= 1.0))
          problems.push_back({"probability outside 0..1", Component(c) + ", " + question + " answer " +
                                                              std::string(1, static_cast<char>('a' + a)) +
                                                              ": the probability " + Number(p) + " is outside 0..1"});
      }
      if (!(std::fabs(sum - 1.0) <= kSumTolerance))
        problems.push_back({"answer probabilities do not sum to 1", Component(c) + ", " + question +
                                                                        ": the answer probabilities sum to " +
                                                                        Number(sum) + ", not 1"});
    }
  }
  return problems;
}

bool HasUnusableValues(const CModel& model) {
  for (const double w : model.Weights())
    if (Unusable(w)) return true;
  for (const double p : model.Rows())
    if (Unusable(p)) return true;
  return false;
}

Message UnusableValuesWarning(const CModel& model, const std::string& fileName) {
  const std::string name = std::filesystem::path(fileName).filename().string();
  const std::vector<ModelProblem> problems = CheckModelValues(model);
  // The problem lines are the ones validate prints, each after a line break.
  std::string lines;
  for (std::size_t i = 0; i < problems.size() && i < kWarningLines; ++i) lines += "\n" + name + ": " + problems[i].text;
  if (problems.size() > kWarningLines)
    return {MessageId::UnusableValuesMore, {name, lines, std::to_string(problems.size() - kWarningLines)}};
  return {MessageId::UnusableValues, {name, lines}};
}

}  // namespace orbica
