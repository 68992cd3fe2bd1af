// Hand-made "Otazky.txt" texts for tests. By default every question and answer
// gets a text that names it ("Question number 3", "Long text 3.2", "q3a2");
// Labelled() gives short labels instead; a test may set any text of its own.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "model/questionnaire.h"

namespace orbica::test {

struct DescriptionFile {
  // With the "n/a" line the file lists answers 1..A-1 of each question and
  // declares one answer fewer; without it, answers 0..A-1.
  bool withNa = true;
  std::string naLine = "n/a:No answer given:n/a:";
  std::string separator = "==========";
  std::string lineEnd = "\n";
  std::map<int, std::string> questions;                                  // by question index
  std::map<std::pair<int, int>, std::pair<std::string, std::string>> answers;  // (q, a) -> long, short

  static std::string DefaultQuestion(int q) { return Named("Question number ", q + 1, "", -1); }
  static std::string DefaultLong(int q, int a) { return Named("Long text ", q + 1, ".", a); }
  static std::string DefaultShort(int q, int a) { return Named("q", q + 1, "a", a); }
  static std::string Named(std::string text, int first, const char* between, int second) {
    text += std::to_string(first);
    if (second >= 0) text.append(between).append(std::to_string(second));
    return text;
  }

  // Every answer listed, without the "n/a" line: question q reads "Question <q+1>",
  // answer a of it has the long text "Long <q+1>.<a+1>" and the short text
  // "S<q+1>.<a+1>"; `tail` follows each text.
  static DescriptionFile Labelled(const std::string& tail = "") {
    DescriptionFile file;
    file.withNa = false;
    for (int q = 0; q < kQuestionCount; ++q) {
      file.questions[q] = Named("Question ", q + 1, "", -1) + tail;
      for (int a = 0; a < AnswerCount(q); ++a)
        file.answers[{q, a}] = {Named("Long ", q + 1, ".", a + 1) + tail, Named("S", q + 1, ".", a + 1) + tail};
    }
    return file;
  }

  std::string Header() const {
    std::string text = std::to_string(kQuestionCount) + lineEnd;
    for (int q = 0; q < kQuestionCount; ++q) {
      if (q) text += ' ';
      text += std::to_string(AnswerCount(q) - (withNa ? 1 : 0));
    }
    text += lineEnd;
    if (withNa) text += naLine + lineEnd;
    return text;
  }

  std::string Question(int q) const {
    const auto question = questions.find(q);
    std::string text = (question != questions.end() ? question->second : DefaultQuestion(q)) + lineEnd;
    for (int a = withNa ? 1 : 0; a < AnswerCount(q); ++a) {
      const auto answer = answers.find({q, a});
      const std::string longText = answer != answers.end() ? answer->second.first : DefaultLong(q, a);
      const std::string shortText = answer != answers.end() ? answer->second.second : DefaultShort(q, a);
      text += "    - " + longText + lineEnd + "      /" + shortText + "/" + lineEnd;
    }
    return text;
  }

  std::string Text() const {
    std::string text = Header() + separator + lineEnd;
    for (int q = 0; q < kQuestionCount; ++q) text += Question(q);
    return text;
  }
};

}  // namespace orbica::test
