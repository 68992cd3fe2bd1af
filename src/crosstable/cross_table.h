// The cross table of two questions for one subpopulation: estimated numbers of
// respondents for every pair of answers, with row and column totals, as
// monospaced text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/questionnaire.h"

namespace orbica {

class CQuestionList;
class CDisplayedSubpopulations;
class CPopulace;

// Left margin of the table (the width of the row labels).
inline constexpr std::size_t kCrossTableLabelWidth = 20;

// Estimated numbers of respondents for every pair (left answer a, top answer b):
// trunc(N x P) of the condition set with the left question narrowed to a and the
// top question to b, 0 where the set excludes a or b; totals are sums of the cells.
struct CrossTableCounts {
  int rows = 0;     // answers of the left question
  int columns = 0;  // answers of the top question
  std::vector<std::int64_t> cells;  // row a, column b at a * columns + b
  std::vector<std::int64_t> rowTotals;
  std::vector<std::int64_t> columnTotals;
  std::int64_t grandTotal = 0;

  std::int64_t Cell(int a, int b) const {
    return cells[static_cast<std::size_t>(a) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(b)];
  }
};

// The texts around the numbers.
struct CrossTableLabels {
  int top = 0, left = 0;  // question indexes (shown as index + 1)
  std::string topQuestion, leftQuestion;
  std::vector<std::string> topAnswers, leftAnswers;  // short texts, one per answer
  std::string name;                                  // of the subpopulation; may be empty
};

// Both question indexes must lie in 0..23.
CrossTableCounts ComputeCrossTable(int top, int left, const CModel& model, const ConditionSet& conditions);

// The table's text; lines are separated by `lineEnd` (no line end after the last).
std::string FormatCrossTable(const CrossTableCounts& counts, const CrossTableLabels& labels,
                             const std::string& lineEnd);

// The table's text for top question `top` (columns) and left question `left`
// (rows), both 0-based, inside the condition set `conditions` named `name`;
// lines are separated by `lineEnd` (no line end after the last line). None when
// a question index lies outside the questionnaire.
std::optional<std::string> CrossTableText(int top, int left, const CModel& model, const CQuestionList& questions,
                                          const ConditionSet& conditions, const std::string& name,
                                          const std::string& lineEnd);

// "Table for questions %d and %d" with the two question numbers (index + 1).
std::string CrossTableCaption(int top, int left);

// The subpopulation a table describes: the one in the first shown display slot
// (null when no slot is shown).
const CPopulace* CrossTableSubpopulation(const CDisplayedSubpopulations& slots);

// Text helpers, counting characters of UTF-8 text; none of them cuts.
std::string RepeatText(const std::string& text, std::size_t times);
std::string FillLeft(const std::string& text, std::size_t width);
std::string FillRight(const std::string& text, std::size_t width, char fill = ' ');

}  // namespace orbica
