// ".pop" subpopulation files: DecodePop and CPopulace::FromFile on any bytes.
// What is decoded encodes back to the same contents; a subpopulation read from
// a file has a UTF-8 name of at most 255 characters and a UTF-8 note, and its code
// and file name come from its masks alone.
#include <cstdint>

#include "fuzz_support.h"
#include "survey/pop_format.h"
#include "survey/populace.h"
#include "survey/subpopulation_code.h"

using namespace orbica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<unsigned char> bytes(data, data + size);
  const PopContents decoded = DecodePop(bytes);
  FUZZ_CHECK(decoded.name.size() < kNameBufferBytes);
  FUZZ_CHECK(decoded.name.find('\0') == std::string::npos);
  FUZZ_CHECK(decoded.note.size() == (size > kPopHeaderBytes ? size - kPopHeaderBytes : 0));
  const PopContents again = DecodePop(EncodePop(decoded));
  FUZZ_CHECK(again.masks == decoded.masks && again.name == decoded.name && again.note == decoded.note);

  const std::string path = fuzz::WriteScratchFile("subpopulation.pop", data, size);
  const CPopulace population = CPopulace::FromFile(path, 2);
  FUZZ_CHECK(population.Identity() == 2);
  FUZZ_CHECK(population.FileName() && *population.FileName() == path);
  // A file too short to hold every mask keeps the defaults (no condition).
  FUZZ_CHECK(population.Masks() == (size >= 4 * kQuestionCount ? decoded.masks : ConditionSet{}));
  // A name keeps at most 255 characters, however many bytes they take in UTF-8.
  std::size_t characters = 0;
  for (const char c : population.Name()) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  FUZZ_CHECK(characters <= kMaxNameBytes && fuzz::Utf8(population.Name()));
  FUZZ_CHECK(fuzz::Utf8(population.Note()));
  const std::string stem = PopFileStem(population.Masks());
  FUZZ_CHECK(!stem.empty() && stem.find('/') == std::string::npos && stem.find('.') == std::string::npos);
  FUZZ_CHECK(population.PathIn("Populace") == "Populace/" + stem + ".pop");
  (void)population.AnswerDescription(fuzz::SmallQuestionList());
  (void)population.ConstrainedQuestions();

  // Masks that name answers of the questionnaire read back from their code.
  bool valid = true;
  for (int q = 0; q < kQuestionCount; ++q)
    if (population.Masks()[static_cast<std::size_t>(q)] & ~ValidAnswerBits(q)) valid = false;
  if (valid) {
    ConditionSet parsed;
    std::string error;
    FUZZ_CHECK(ParseSubpopulationCode(population.Code(), parsed, error) && parsed == population.Masks());
    FUZZ_CHECK(ParseSubpopulationCode(stem, parsed, error) && parsed == population.Masks());
  }
  return 0;
}
