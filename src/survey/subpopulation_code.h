// The subpopulation code: a short text of question numbers and answer letters
// that names a condition set (" 3ac 12b " = answers a, c of question 3 and b of 12).
#pragma once

#include <string>

#include "model/questionnaire.h"

namespace orbica {

// Code of the all-zero set.
inline constexpr const char* kWholePopulationCode = "Celá";

// For each constrained question: its number in two characters, the letters of its
// allowed answers, a blank. The all-zero set gives "Celá".
std::string SubpopulationCode(const ConditionSet& set);

// The code without its blanks: the stem of a ".pop" file name and of result lines.
std::string CompactCode(const ConditionSet& set);

// Reads a code with optional blanks ("3ac12b", " 3ac 12b "); "" and "Celá" are the
// whole population. On a malformed code returns false and says which part is bad.
bool ParseSubpopulationCode(const std::string& text, ConditionSet& set, std::string& error);

}  // namespace orbica
