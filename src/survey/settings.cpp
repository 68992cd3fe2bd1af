#include "survey/settings.h"

#include <algorithm>

#include "model/binary_io.h"

namespace orbica {

namespace {

constexpr std::size_t kColorsOffset = 0;
constexpr std::size_t kGradientTopOffset = 64;
constexpr std::size_t kGradientBottomOffset = 68;
constexpr std::size_t kDirectDrawingOffset = 72;
constexpr std::size_t kCountOffset = 73;
constexpr std::size_t kRecordsOffset = 77;
constexpr std::size_t kRecordBytes = 24;

}  // namespace

void CSettings::Load(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes)) return;
  const std::size_t size = bytes.size();
  auto has = [&](std::size_t offset, std::size_t length) { return offset + length <= size; };
  auto u32 = [&](std::size_t offset) { return ReadLE<std::uint32_t>(bytes.data() + offset); };

  for (std::size_t i = 0; i < colors.size(); ++i)
    if (has(kColorsOffset + 4 * i, 4)) colors[i] = u32(kColorsOffset + 4 * i);
  if (has(kGradientTopOffset, 4)) gradientTop = u32(kGradientTopOffset);
  if (has(kGradientBottomOffset, 4)) gradientBottom = u32(kGradientBottomOffset);
  if (has(kDirectDrawingOffset, 1)) directDrawing = bytes[kDirectDrawingOffset] != 0;

  placements.clear();
  if (!has(kCountOffset, 4)) return;
  const std::int32_t count = ReadLE<std::int32_t>(bytes.data() + kCountOffset);
  if (count < 0) return;  // the flag's place is unknown
  if (count >= 1 && count <= kMaxLoadedPlacements) {
    for (std::int32_t r = 0; r < count; ++r) {
      const std::size_t offset = kRecordsOffset + kRecordBytes * static_cast<std::size_t>(r);
      if (!has(offset, kRecordBytes)) break;
      PlacementRecord record;
      record.x = ReadLE<std::int32_t>(bytes.data() + offset);
      record.y = ReadLE<std::int32_t>(bytes.data() + offset + 4);
      record.width = ReadLE<std::int32_t>(bytes.data() + offset + 8);
      record.height = ReadLE<std::int32_t>(bytes.data() + offset + 12);
      record.dock = ReadLE<std::int32_t>(bytes.data() + offset + 16);
      record.key = ReadLE<std::int32_t>(bytes.data() + offset + 20);
      // Only the first record of a key is ever used or updated; a later one with
      // the same key would only take up one of the five places for good.
      const auto sameKey = [&](const PlacementRecord& r) { return r.key == record.key; };
      if (std::any_of(placements.begin(), placements.end(), sameKey)) continue;
      placements.push_back(record);
    }
  }
  // The flag follows all the records the file holds, also when there are too many to load.
  const std::size_t flagOffset = kRecordsOffset + kRecordBytes * static_cast<std::size_t>(count);
  if (has(flagOffset, 1)) hideGettingStarted = bytes[flagOffset] != 0;
}

std::vector<unsigned char> CSettings::Bytes() const {
  std::vector<unsigned char> bytes;
  bytes.reserve(kRecordsOffset + kRecordBytes * placements.size() + 1);
  for (const Color c : colors) AppendLE(bytes, c);
  AppendLE(bytes, gradientTop);
  AppendLE(bytes, gradientBottom);
  bytes.push_back(directDrawing ? 1 : 0);
  // A file with more than five records would load none: keep the latest five.
  const std::size_t first = placements.size() > kMaxLoadedPlacements ? placements.size() - kMaxLoadedPlacements : 0;
  AppendLE(bytes, static_cast<std::int32_t>(placements.size() - first));
  for (std::size_t i = first; i < placements.size(); ++i) {
    const PlacementRecord& r = placements[i];
    for (const std::int32_t v : {r.x, r.y, r.width, r.height, r.dock, r.key}) AppendLE(bytes, v);
  }
  bytes.push_back(hideGettingStarted ? 1 : 0);
  return bytes;
}

bool CSettings::Save(const std::string& path, Notifier& notifier) const {
  const std::vector<unsigned char> bytes = Bytes();
  std::string error;
  if (WriteFileAtomically(path, bytes.data(), bytes.size(), &error)) return true;
  notifier.Show({MessageId::SettingsNotSaved, {path, error}}, MessageId::SettingsNotSavedCaption,
                MessageIcon::Warning);
  return false;
}

std::optional<PlacementRecord> CSettings::Placement(int key) const {
  for (const PlacementRecord& r : placements) {
    if (r.key != key) continue;
    if (r.width < kMinPlacementExtent || r.height < kMinPlacementExtent) return std::nullopt;
    PlacementRecord usable = r;
    if (usable.x < 0) usable.x = 0;
    if (usable.y < 0) usable.y = 0;
    return usable;
  }
  return std::nullopt;
}

void CSettings::RecordPlacement(const PlacementRecord& record) {
  // The records stay in the order they were last recorded, the latest at the end.
  std::erase_if(placements, [&](const PlacementRecord& r) { return r.key == record.key; });
  placements.push_back(record);
}

}  // namespace orbica
