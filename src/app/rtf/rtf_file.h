// A rich text file read for display: opened safely, read up to a limit and
// turned into HTML.
#pragma once

#include <cstdint>
#include <string>

#include "model/binary_io.h"

namespace orbica {

// What the getting-started dialog reads of its text at most.
inline constexpr std::uint64_t kRtfDisplayLimit = std::uint64_t{2} << 20;

struct RtfFileHtml {
  InputStatus status = InputStatus::CannotOpen;
  std::string html;            // empty unless status is Ok
  std::uint64_t fileSize = 0;  // bytes the file holds
  bool cut = false;            // only the first `maxBytes` were read
};

// Reads at most `maxBytes` of the rich text file `path` and converts them; a
// file cut at the limit ends where the limit fell.
RtfFileHtml ReadRtfFileAsHtml(const std::string& path, std::uint64_t maxBytes = kRtfDisplayLimit);

}  // namespace orbica
