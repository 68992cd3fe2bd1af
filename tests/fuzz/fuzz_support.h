// Helpers shared by the fuzz targets: a per-process scratch folder for the files
// the readers open, small valid census files to read the input against, and a
// check that aborts (so that libFuzzer reports it) when a reader breaks a promise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/notifier.h"
#include "survey/question_list.h"

namespace orbica::fuzz {

// Aborts with a message: a broken promise of a reader is a finding like a crash.
[[noreturn]] void Fail(const char* what, const char* file, int line);
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) ::orbica::fuzz::Fail(#condition, __FILE__, __LINE__); \
  } while (0)

// A folder of this process below /dev/shm (or the system's temporary folder),
// made on first use and removed at exit.
const std::string& ScratchFolder();
// Writes `size` bytes to `name` in the scratch folder and returns its path.
std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);
std::string WriteScratchFile(const std::string& name, const std::string& text);

// A model of `components` components with distinct, valid weights and
// probabilities, loaded once per process (without records).
const CModel& SmallModel(int components);
// The question texts of test::DescriptionFile (with the "n/a" line), loaded once
// per process against SmallModel(2).
const CQuestionList& SmallQuestionList();

// True when `text` is well-formed UTF-8.
bool Utf8(const std::string& text);

}  // namespace orbica::fuzz
