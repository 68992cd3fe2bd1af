// Byte layout of a ".pop" subpopulation file: 24 little-endian answer masks,
// a 256-byte zero-terminated name buffer, then the note to the end of the file.
#pragma once

#include <string>
#include <vector>

#include "model/questionnaire.h"

namespace orbica {

inline constexpr std::size_t kNameBufferBytes = 256;
inline constexpr std::size_t kPopHeaderBytes = 4 * kQuestionCount + kNameBufferBytes;  // 352

struct PopContents {
  ConditionSet masks{};
  std::string name;  // at most 255 bytes
  std::string note;
};

// The file's bytes; a name longer than 255 bytes is cut to 255.
std::vector<unsigned char> EncodePop(const PopContents& contents);

// Reads as far as the bytes go: missing masks stay 0, a missing name is empty,
// a missing note is empty. The name ends at its first zero byte.
PopContents DecodePop(const std::vector<unsigned char>& bytes);

}  // namespace orbica
