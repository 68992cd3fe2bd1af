#include "survey/pop_format.h"

#include <algorithm>

#include "model/binary_io.h"

namespace orbica {

std::vector<unsigned char> EncodePop(const PopContents& contents) {
  std::vector<unsigned char> bytes;
  bytes.reserve(kPopHeaderBytes + contents.note.size());
  for (const std::uint32_t mask : contents.masks) AppendLE(bytes, mask);
  const std::size_t nameLength = std::min(contents.name.size(), kNameBufferBytes - 1);
  bytes.insert(bytes.end(), contents.name.begin(), contents.name.begin() + static_cast<std::ptrdiff_t>(nameLength));
  bytes.resize(kPopHeaderBytes, 0);
  bytes.insert(bytes.end(), contents.note.begin(), contents.note.end());
  return bytes;
}

PopContents DecodePop(const std::vector<unsigned char>& bytes) {
  PopContents contents;
  for (std::size_t q = 0; q < kQuestionCount && 4 * q + 4 <= bytes.size(); ++q)
    contents.masks[q] = ReadLE<std::uint32_t>(bytes.data() + 4 * q);
  const std::size_t nameStart = 4 * kQuestionCount;
  if (bytes.size() > nameStart) {
    const std::size_t end = std::min(bytes.size(), kPopHeaderBytes);
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(nameStart);
    const auto last = bytes.begin() + static_cast<std::ptrdiff_t>(end);
    contents.name.assign(first, std::find(first, last, 0));
    if (contents.name.size() > kNameBufferBytes - 1) contents.name.resize(kNameBufferBytes - 1);
  }
  if (bytes.size() > kPopHeaderBytes)
    contents.note.assign(bytes.begin() + static_cast<std::ptrdiff_t>(kPopHeaderBytes), bytes.end());
  return contents;
}

}  // namespace orbica
