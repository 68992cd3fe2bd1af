// "start.rtf": the rich text reader and its HTML writer on any bytes. The HTML
// is UTF-8 and grows at most linearly with the input.
#include <cstdint>
#include <string_view>

#include "app/rtf/rtf_reader.h"
#include "fuzz_support.h"

using namespace orbica;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  const RtfDocument document = ParseRtf(rtf);
  FUZZ_CHECK(document.paragraphs.size() <= size + 1);
  for (const RtfParagraph& paragraph : document.paragraphs) {
    FUZZ_CHECK(fuzz::Utf8(paragraph.marker));
    for (const RtfRun& run : paragraph.runs) FUZZ_CHECK(fuzz::Utf8(run.text));
  }
  const std::string html = RtfDocumentToHtml(document);
  FUZZ_CHECK(fuzz::Utf8(html));
  // The widest growth: a styled run of one character per few input bytes.
  FUZZ_CHECK(html.size() <= 4096 + 128 * size);
  FUZZ_CHECK(html == RtfToHtml(rtf));
  return 0;
}
