// The fixed shape of the questionnaire: answer counts, slot layout, flat codes
// and the condition set type shared by every part of the engine.
#pragma once

#include <array>
#include <cstdint>

namespace orbica {

inline constexpr int kQuestionCount = 24;     // questions of the questionnaire
inline constexpr int kAnswerTableLength = 25; // placeholder entry + one entry per question
inline constexpr int kFlatAnswerCount = 183;  // answers of all questions together
inline constexpr int kSlotCount = 207;        // per question: one header slot + its answer slots
inline constexpr int kMaxAnswers = 15;        // largest answer count of a question

// The answer-count table as built into the program, in its stored form:
// entry q (1..24) is (answers of question index q - 1) - 1; entry 0 is a placeholder.
inline constexpr std::array<std::int8_t, kAnswerTableLength> kStoredAnswerTable = {
    0, 14, 3, 10, 6, 6, 14, 2, 4, 14, 9, 5, 5, 7, 4, 9, 3, 7, 4, 6, 6, 5, 4, 6, 6};

// One 32-bit answer mask per question index: 0 = unconstrained, bit a = answer a allowed.
using ConditionSet = std::array<std::uint32_t, kQuestionCount>;

// Answers of question index q (0..23).
constexpr int AnswerCount(int q) { return kStoredAnswerTable[static_cast<std::size_t>(q) + 1] + 1; }

// Bits of the answers that question index q really has.
constexpr std::uint32_t ValidAnswerBits(int q) { return (std::uint32_t{1} << AnswerCount(q)) - 1; }

// Header slot of question index q; its answers follow at SlotStart(q) + 1 + a.
constexpr int SlotStart(int q) {
  int start = 0;
  for (int i = 0; i < q; ++i) start += AnswerCount(i) + 1;
  return start;
}

constexpr int AnswerSlot(int q, int a) { return SlotStart(q) + 1 + a; }

// First flat answer code of question index q; answer a of q has code FlatCodeStart(q) + a.
constexpr int FlatCodeStart(int q) {
  int start = 0;
  for (int i = 0; i < q; ++i) start += AnswerCount(i);
  return start;
}

// Question index holding flat code c, or -1 when c lies outside 0..182.
constexpr int QuestionOfFlatCode(int code) {
  if (code < 0 || code >= kFlatAnswerCount) return -1;
  int q = 0;
  while (FlatCodeStart(q + 1) <= code) ++q;
  return q;
}

// Slot of flat code c (c + question index + 1), or -1 when c is out of range.
constexpr int FlatCodeToSlot(int code) {
  const int q = QuestionOfFlatCode(code);
  return q < 0 ? -1 : code + q + 1;
}

// Question index whose header or answer slots include slot s, or -1 outside 0..206.
constexpr int QuestionOfSlot(int slot) {
  if (slot < 0 || slot >= kSlotCount) return -1;
  int q = 0;
  while (q + 1 < kQuestionCount && SlotStart(q + 1) <= slot) ++q;
  return q;
}

static_assert(SlotStart(kQuestionCount) == kSlotCount);
static_assert(FlatCodeStart(kQuestionCount) == kFlatAnswerCount);

}  // namespace orbica
