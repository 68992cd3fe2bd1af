#include "crosstable/cross_table.h"

#include <algorithm>
#include <cstdio>

#include "survey/question_list.h"
#include "survey/subpopulation_store.h"
#include "survey/text_encoding.h"

namespace orbica {

namespace {

constexpr std::size_t kMinColumnWidth = 15;

std::string Trimmed(const std::string& text) {
  auto white = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
  std::size_t begin = 0, end = text.size();
  while (begin < end && white(text[begin])) ++begin;
  while (end > begin && white(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// A blank, then the number right-aligned in width - 1 characters.
std::string Number(std::int64_t value, std::size_t width) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, " %*lld", static_cast<int>(width - 1), static_cast<long long>(value));
  return buffer;
}

// " (%6.2f%)" of part / whole; without a whole, "n/a" in the same ten characters.
std::string Percent(std::int64_t part, std::int64_t whole) {
  if (whole == 0) return " (   n/a%)";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, " (%6.2f%%)", static_cast<double>(part) / static_cast<double>(whole) * 100.0);
  return buffer;
}

std::string TextOrEmpty(const std::string* text) { return text ? *text : std::string(); }

}  // namespace

std::string RepeatText(const std::string& text, std::size_t times) {
  std::string out;
  out.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += text;
  return out;
}

std::string FillLeft(const std::string& text, std::size_t width) {
  const std::size_t length = Utf8Length(text);
  return length >= width ? text : std::string(width - length, ' ') + text;
}

std::string FillRight(const std::string& text, std::size_t width, char fill) {
  const std::size_t length = Utf8Length(text);
  return length >= width ? text : text + std::string(width - length, fill);
}

std::string CrossTableCaption(int top, int left) {
  return "Table for questions " + std::to_string(top + 1) + " and " + std::to_string(left + 1);
}

const CPopulace* CrossTableSubpopulation(const CDisplayedSubpopulations& slots) {
  for (int i = 0; i < kDisplaySlots; ++i)
    if (slots.Shown(i) && slots.Subpopulation(i)) return slots.Subpopulation(i);
  return nullptr;
}

CrossTableCounts ComputeCrossTable(int top, int left, const CModel& model, const ConditionSet& conditions) {
  CrossTableCounts counts;
  counts.rows = model.AnswerCount(left);
  counts.columns = model.AnswerCount(top);
  const std::size_t rows = static_cast<std::size_t>(counts.rows), columns = static_cast<std::size_t>(counts.columns);
  counts.cells.assign(rows * columns, 0);
  counts.rowTotals.assign(rows, 0);
  counts.columnTotals.assign(columns, 0);
  const std::size_t leftQ = static_cast<std::size_t>(left), topQ = static_cast<std::size_t>(top);
  for (std::size_t a = 0; a < rows; ++a) {
    for (std::size_t b = 0; b < columns; ++b) {
      ConditionSet set = conditions;
      const std::uint32_t bitA = std::uint32_t{1} << a, bitB = std::uint32_t{1} << b;
      if (set[leftQ] != 0 && !(set[leftQ] & bitA)) continue;
      set[leftQ] = bitA;
      if (set[topQ] != 0 && !(set[topQ] & bitB)) continue;
      set[topQ] = bitB;
      const std::int64_t cell = PersonsOf(model.Respondents(), model.Probability(set));
      counts.cells[a * columns + b] = cell;
      counts.rowTotals[a] += cell;
      counts.columnTotals[b] += cell;
      counts.grandTotal += cell;
    }
  }
  return counts;
}

std::string FormatCrossTable(const CrossTableCounts& counts, const CrossTableLabels& labels,
                             const std::string& lineEnd) {
  auto topAnswer = [&](int b) {
    return static_cast<std::size_t>(b) < labels.topAnswers.size() ? labels.topAnswers[static_cast<std::size_t>(b)]
                                                                   : std::string();
  };
  auto leftAnswer = [&](int a) {
    return static_cast<std::size_t>(a) < labels.leftAnswers.size() ? labels.leftAnswers[static_cast<std::size_t>(a)]
                                                                    : std::string();
  };
  std::size_t width = kMinColumnWidth;
  for (int b = 0; b < counts.columns; ++b) width = std::max(width, 1 + Utf8Length(topAnswer(b)));

  const std::string margin(kCrossTableLabelWidth, ' ');
  std::string text;
  text += margin + CrossTableCaption(labels.top, labels.left) + "   (" + labels.name + ")" + lineEnd;
  text += margin + "    - " + labels.topQuestion + lineEnd;
  text += margin + "    - " + labels.leftQuestion + lineEnd;
  text += lineEnd;

  text += margin;
  for (int b = 0; b < counts.columns; ++b) text += FillLeft(Trimmed(topAnswer(b)), width);
  text += FillLeft("total", width + 3) + lineEnd;

  const std::string bar = RepeatText("-", kCrossTableLabelWidth + width * static_cast<std::size_t>(counts.columns));
  const std::string totalBar = RepeatText("-", width);
  text += bar + "-.-" + totalBar + lineEnd;
  for (int a = 0; a < counts.rows; ++a) {
    text += FillRight(leftAnswer(a), kCrossTableLabelWidth);
    for (int b = 0; b < counts.columns; ++b) text += Number(counts.Cell(a, b), width);
    const std::int64_t total = counts.rowTotals[static_cast<std::size_t>(a)];
    text += " | " + Number(total, width) + Percent(total, counts.grandTotal) + lineEnd;
  }
  text += bar + "-+-" + totalBar + lineEnd;
  text += FillRight("total", kCrossTableLabelWidth);
  for (int b = 0; b < counts.columns; ++b) text += Number(counts.columnTotals[static_cast<std::size_t>(b)], width);
  text += " | " + Number(counts.grandTotal, width);
  return text;
}

std::optional<std::string> CrossTableText(int top, int left, const CModel& model, const CQuestionList& questions,
                                          const ConditionSet& conditions, const std::string& name,
                                          const std::string& lineEnd) {
  const int questionCount = std::min(questions.QuestionCount(), kQuestionCount);
  if (top < 0 || left < 0 || top >= questionCount || left >= questionCount) return std::nullopt;
  const CrossTableCounts counts = ComputeCrossTable(top, left, model, conditions);
  CrossTableLabels labels;
  labels.top = top;
  labels.left = left;
  labels.topQuestion = questions.QuestionText(top);
  labels.leftQuestion = questions.QuestionText(left);
  for (int b = 0; b < counts.columns; ++b) labels.topAnswers.push_back(TextOrEmpty(questions.ShortText(top, b + 1)));
  for (int a = 0; a < counts.rows; ++a) labels.leftAnswers.push_back(TextOrEmpty(questions.ShortText(left, a + 1)));
  labels.name = name;
  return FormatCrossTable(counts, labels, lineEnd);
}

}  // namespace orbica
