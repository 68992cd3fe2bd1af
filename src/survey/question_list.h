// Question and answer texts read from "Otazky.txt", and the order in which the
// questions are browsed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/notifier.h"
#include "model/questionnaire.h"

namespace orbica {

class CQuestionList {
 public:
  // Reads the description file (UTF-8, or windows-1250 when it is not valid UTF-8)
  // and checks it against the model's answer counts. Returns 1 on success, -1 on
  // failure (after its own message). A malformed file loads with default texts
  // for what could not be read, after a message.
  int Load(const std::string& fileName, const CModel& model, Notifier& notifier);

  bool Loaded() const { return loaded_; }
  int QuestionCount() const { return static_cast<int>(questionTexts_.size()); }
  // Answers of question index q, the "n/a" answer included when the file declares one.
  int AnswerCount(int q) const { return answerCounts_[static_cast<std::size_t>(q)]; }
  int SlotCount() const { return slotCount_; }
  const std::string& QuestionText(int q) const { return questionTexts_[static_cast<std::size_t>(q)]; }
  // start(q) + 1: the slot of answer 0 of question q.
  int FirstAnswerSlot(int q) const;
  // Question index whose header or answer slots include slot s (-1 when there is none).
  int QuestionOfSlot(int slot) const;
  // Texts of (question q, n) at slot start(q) + n; n = a + 1 for answer a, n = 0 is the
  // header slot, which has no text. Null when there is no text (or the slot is outside the table).
  const std::string* LongText(int q, int n) const;
  const std::string* ShortText(int q, int n) const;
  // Texts of answer a (0-based); empty when there is none.
  std::string AnswerLongText(int q, int a) const;
  std::string AnswerShortText(int q, int a) const;

  // Re-orders the questions: kind 0 by number; 1, 2, 3 by the largest, average
  // and total difference between the answer distributions of the shown condition
  // sets (`shown`: the shown display slots, in slot order), descending, values
  // closer than 0.001 counting as equal. Nothing happens when `kind` is the
  // current kind (or not 0..3).
  void Order(int kind, const CModel& model, const std::vector<ConditionSet>& shown);
  // The value v(q) of every question that ordering `kind` (1, 2 or 3) sorts by:
  // -q with fewer than two shown sets, otherwise the largest value over the pairs
  // of shown sets of: 1 the largest absolute difference of an answer's shares,
  // 2 the mean absolute difference over the question's answers, 3 the sum of the
  // absolute differences.
  std::vector<double> DifferenceValues(int kind, const CModel& model, const std::vector<ConditionSet>& shown) const;
  int OrderingKind() const { return orderingKind_; }
  const std::vector<int>& QuestionOrder() const { return order_; }
  // The question `offset` places after question q in the current order, cyclically
  // (a question not in the order counts as standing one past its end).
  int Step(int q, int offset) const;

 private:
  int LoadText(const std::string& fileName, const CModel& model, Notifier& notifier);
  std::vector<int> answerCounts_;
  int slotCount_ = 0;
  std::vector<std::string> questionTexts_;
  std::vector<std::optional<std::string>> longTexts_;   // by slot
  std::vector<std::optional<std::string>> shortTexts_;  // by slot
  std::vector<int> order_;
  int orderingKind_ = -1;
  bool loaded_ = false;
};

}  // namespace orbica
