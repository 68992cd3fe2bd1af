// "Status.dat": CSettings::Load on any bytes. At most five placements load, and
// what was loaded is written and read back unchanged.
#include <cstdint>

#include "fuzz_support.h"
#include "survey/settings.h"

using namespace orbica;

namespace {

bool Same(const CSettings& a, const CSettings& b) {
  return a.colors == b.colors && a.gradientTop == b.gradientTop && a.gradientBottom == b.gradientBottom &&
         a.hideGettingStarted == b.hideGettingStarted && a.directDrawing == b.directDrawing &&
         a.placements == b.placements;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteScratchFile("Status.dat", data, size);
  CSettings settings;
  settings.Load(path);
  FUZZ_CHECK(settings.placements.size() <= static_cast<std::size_t>(kMaxLoadedPlacements));
  for (const PlacementRecord& record : settings.placements) {
    const std::optional<PlacementRecord> usable = settings.Placement(record.key);
    if (!usable) continue;
    FUZZ_CHECK(usable->x >= 0 && usable->y >= 0);
    FUZZ_CHECK(usable->width >= kMinPlacementExtent && usable->height >= kMinPlacementExtent);
  }
  const std::vector<unsigned char> bytes = settings.Bytes();
  const std::string copy = fuzz::WriteScratchFile("Status-copy.dat", bytes.data(), bytes.size());
  CSettings reread;
  reread.Load(copy);
  FUZZ_CHECK(Same(settings, reread));
  // Recording keeps one record per key.
  settings.RecordPlacement({1, 2, 300, 200, kDockNone, kPlacementPanel});
  std::size_t panels = 0;
  for (const PlacementRecord& record : settings.placements) panels += record.key == kPlacementPanel;
  FUZZ_CHECK(panels == 1);
  return 0;
}
