// orbica-cli's CODE argument: ParseSubpopulationCode on any text. A code that
// parses names answers of the questionnaire and reads back from the code the
// program writes for it; one that does not says why.
#include <cstdint>

#include "fuzz_support.h"
#include "survey/subpopulation_code.h"

using namespace orbica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ConditionSet set;
  std::string error;
  if (!ParseSubpopulationCode(text, set, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  FUZZ_CHECK(error.empty());
  for (int q = 0; q < kQuestionCount; ++q) FUZZ_CHECK((set[static_cast<std::size_t>(q)] & ~ValidAnswerBits(q)) == 0);
  ConditionSet again;
  FUZZ_CHECK(ParseSubpopulationCode(SubpopulationCode(set), again, error) && again == set);
  FUZZ_CHECK(ParseSubpopulationCode(CompactCode(set), again, error) && again == set);
  return 0;
}
