// "data.mle": CModel::Load on any bytes. A load either succeeds on a file that
// holds everything its header declares (warning once about values that are no
// probabilities), or fails after exactly one message.
#include <cstdint>

#include "fuzz_support.h"
#include "model/binary_io.h"
#include "model/model.h"
#include "model/model_check.h"

using namespace orbica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteScratchFile("data.mle", data, size);
  RecordingNotifier notifier;
  CModel model;
  const int status = model.Load(path, notifier, false);
  if (status != 0) {
    FUZZ_CHECK(status == -1);
    FUZZ_CHECK(notifier.messages.size() == 1);
    FUZZ_CHECK(!model.Loaded());
    return 0;
  }
  // Values that are not a number, infinite or negative load with one warning.
  FUZZ_CHECK(notifier.messages.size() == (HasUnusableValues(model) ? 1u : 0u));
  FUZZ_CHECK(size >= CModel::RequiredFileSize(model.Components()));
  FUZZ_CHECK(model.Components() == ReadLE<std::uint16_t>(data + 8));
  FUZZ_CHECK(model.Counts().WholePopulationCount() == model.Respondents());
  // The queries on what was read: any stored values (NaN, infinities, negative
  // weights) give numbers, never a fault.
  ConditionSet set{};
  double deviation = 0.0;
  (void)model.Probability(set, &deviation);
  (void)model.Size(set);
  set[0] = 0b101;
  set[11] = 0xFFFFFFFFu;
  double shares[kMaxAnswers], deviations[kMaxAnswers];
  model.AnswerDistribution(3, set, shares, deviations);
  model.AnswerDistribution(0, set, shares, deviations);
  for (int c = 0; c < model.Components(); ++c)
    for (int q = 0; q < kQuestionCount; ++q) FUZZ_CHECK(model.Row(c)[SlotStart(q)] == 0.0);
  return 0;
}
