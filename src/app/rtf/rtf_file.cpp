#include "app/rtf/rtf_file.h"

#include <new>
#include <string_view>
#include <vector>

#include "app/rtf/rtf_reader.h"

namespace orbica {

RtfFileHtml ReadRtfFileAsHtml(const std::string& path, std::uint64_t maxBytes) {
  RtfFileHtml result;
  std::vector<unsigned char> bytes;
  result.status = ReadInputFile(path, bytes, maxBytes, &result.fileSize);
  if (result.status != InputStatus::Ok) return result;
  result.cut = result.fileSize > bytes.size();
  try {
    result.html = RtfToHtml(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const std::bad_alloc&) {
    result.html.clear();
    result.status = InputStatus::NoMemory;
  }
  return result;
}

}  // namespace orbica
