// "Otazky.txt": CQuestionList::Load on any text against a loaded model. A load
// fails after one message, or succeeds with the model's shape, UTF-8 texts for
// every answer and a question order that browsing can step through; either may
// follow one warning about bad UTF-8.
#include <cstdint>

#include "fuzz_support.h"
#include "survey/question_list.h"

using namespace orbica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const CModel& model = fuzz::SmallModel(2);
  const std::string path = fuzz::WriteScratchFile("Otazky.txt", data, size);
  RecordingNotifier notifier;
  CQuestionList list;
  const int status = list.Load(path, model, notifier);
  const std::size_t warnings =
      !notifier.messages.empty() && notifier.messages[0].icon == MessageIcon::Warning ? 1 : 0;
  if (status != 1) {
    FUZZ_CHECK(status == -1);
    FUZZ_CHECK(notifier.messages.size() == warnings + 1);
    FUZZ_CHECK(!list.Loaded());
    return 0;
  }
  FUZZ_CHECK(notifier.messages.size() <= warnings + 1);
  FUZZ_CHECK(list.QuestionCount() == kQuestionCount);
  FUZZ_CHECK(list.SlotCount() == kSlotCount);
  for (int q = 0; q < kQuestionCount; ++q) {
    FUZZ_CHECK(list.AnswerCount(q) == model.AnswerCount(q));
    FUZZ_CHECK(list.FirstAnswerSlot(q) == AnswerSlot(q, 0));
    FUZZ_CHECK(fuzz::Utf8(list.QuestionText(q)));
    FUZZ_CHECK(list.LongText(q, 0) == nullptr && list.ShortText(q, 0) == nullptr);
    for (int a = 0; a < list.AnswerCount(q); ++a) {
      FUZZ_CHECK(list.LongText(q, a + 1) != nullptr && list.ShortText(q, a + 1) != nullptr);
      FUZZ_CHECK(fuzz::Utf8(list.AnswerLongText(q, a)) && fuzz::Utf8(list.AnswerShortText(q, a)));
      FUZZ_CHECK(list.QuestionOfSlot(AnswerSlot(q, a)) == q);
    }
  }
  FUZZ_CHECK(list.ShortText(kQuestionCount - 1, 100) == nullptr);
  ConditionSet first{}, second{};
  first[2] = 0b11;
  second[5] = 0b100;
  for (const int kind : {1, 2, 3, 0}) {
    list.Order(kind, model, {first, second});
    std::vector<bool> seen(kQuestionCount, false);
    for (const int q : list.QuestionOrder()) {
      FUZZ_CHECK(q >= 0 && q < kQuestionCount && !seen[static_cast<std::size_t>(q)]);
      seen[static_cast<std::size_t>(q)] = true;
    }
  }
  FUZZ_CHECK(list.Step(kQuestionCount - 1, 1) == 0);
  return 0;
}
