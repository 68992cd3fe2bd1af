#include "survey/subpopulation_code.h"

#include <cctype>

namespace orbica {

std::string SubpopulationCode(const ConditionSet& set) {
  std::string code;
  for (int q = 0; q < kQuestionCount; ++q) {
    const std::uint32_t mask = set[static_cast<std::size_t>(q)];
    if (mask == 0) continue;
    const int number = q + 1;
    code += number < 10 ? ' ' : static_cast<char>('0' + number / 10);
    code += static_cast<char>('0' + number % 10);
    for (int a = 0; a < 32; ++a)
      if (mask & (std::uint32_t{1} << a)) code += static_cast<char>('a' + a);
    code += ' ';
  }
  return code.empty() ? std::string(kWholePopulationCode) : code;
}

std::string CompactCode(const ConditionSet& set) {
  std::string code;
  for (const char c : SubpopulationCode(set))
    if (c != ' ') code += c;
  return code;
}

bool ParseSubpopulationCode(const std::string& text, ConditionSet& set, std::string& error) {
  set.fill(0);
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  };
  skipBlanks();
  std::size_t end = text.size();
  while (end > i && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  if (text.compare(i, end - i, kWholePopulationCode) == 0) return true;
  while (skipBlanks(), i < text.size()) {
    const std::size_t start = i;
    int number = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 3)
      number = number * 10 + (text[i++] - '0');
    if (i == start) {
      error = "expected a question number at \"" + text.substr(start) + "\"";
      return false;
    }
    if (number < 1 || number > kQuestionCount) {
      error = "question " + text.substr(start, i - start) + " does not exist (questions are 1..24)";
      return false;
    }
    const int q = number - 1;
    if (set[static_cast<std::size_t>(q)] != 0) {
      error = "question " + std::to_string(number) + " appears twice";
      return false;
    }
    std::uint32_t mask = 0;
    while (i < text.size() && std::islower(static_cast<unsigned char>(text[i]))) {
      const int a = text[i] - 'a';
      if (a >= AnswerCount(q)) {
        error = std::string("answer '") + text[i] + "' is not an answer of question " + std::to_string(number) +
                " (a.." + static_cast<char>('a' + AnswerCount(q) - 1) + ")";
        return false;
      }
      mask |= std::uint32_t{1} << a;
      ++i;
    }
    if (mask == 0) {
      error = "question " + std::to_string(number) + " has no answer letters";
      return false;
    }
    set[static_cast<std::size_t>(q)] = mask;
  }
  return true;
}

}  // namespace orbica
