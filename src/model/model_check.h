// Checks of the values a loaded model holds: what `orbica-cli validate` lists
// for the model file, and the warning the program gives at start-up when some
// of them cannot be used at all.
#pragma once

#include <string>
#include <vector>

#include "model/model.h"

namespace orbica {

struct ModelProblem {
  std::string kind;  // problems of one kind are counted together
  std::string text;
};

// Every problem of the model's values, in file order: a respondent count that
// is not positive, no components, weights and probabilities outside 0..1 (not
// a number and infinities included), weights and answer probabilities that do
// not sum to 1.
std::vector<ModelProblem> CheckModelValues(const CModel& model);

// True when a weight or probability is not a number, infinite or negative.
bool HasUnusableValues(const CModel& model);

// The start-up warning about a model with unusable values (HasUnusableValues),
// listing the first problems CheckModelValues finds.
Message UnusableValuesWarning(const CModel& model, const std::string& fileName);

}  // namespace orbica
