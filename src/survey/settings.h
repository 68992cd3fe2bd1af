// Colours, two user flags and window placements, kept in "Status.dat".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/notifier.h"

namespace orbica {

using Color = std::uint32_t;  // 0x00BBGGRR

inline constexpr std::array<Color, 16> kDefaultPalette = {
    0x8080FF, 0x80FF80, 0x80FFFF, 0xFF8080, 0xFFFF80, 0xFF80FF, 0x80FF80, 0x808080,
    0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFFFF00, 0xFF00FF, 0x00FF00, 0x000000};

// Window placement keys.
inline constexpr int kPlacementAnswerList = 1;
inline constexpr int kPlacementPanel = 102;
inline constexpr int kPlacementQuestionList = 204;
inline constexpr int kPlacementEditor = 205;
inline constexpr int PlacementKeyOfHistogram(int n) { return 10 + n; }

// Dock codes of a placement.
inline constexpr int kDockNone = 0, kDockFloating = 1, kDockTop = 50, kDockBottom = 51, kDockLeft = 52,
                     kDockRight = 53;

// More records than this in the file load as none; narrower or lower records are not used.
inline constexpr int kMaxLoadedPlacements = 5;
inline constexpr int kMinPlacementExtent = 10;

struct PlacementRecord {
  std::int32_t x = 0, y = 0, width = 0, height = 0, dock = kDockNone, key = 0;
  bool operator==(const PlacementRecord&) const = default;
};

class CSettings {
 public:
  std::array<Color, 16> colors = kDefaultPalette;
  Color gradientTop = 0xC0C0C0;
  Color gradientBottom = 0xFFFFFF;
  bool hideGettingStarted = false;
  bool directDrawing = false;
  std::vector<PlacementRecord> placements;

  // Reads the file; a missing or short file leaves the current values for what it
  // does not hold; more than five records, or a negative count, loads none; of
  // records with the same key only the first is kept. The
  // hide getting-started flag is read from its place after all the records the
  // file holds (with a negative count it keeps its value).
  void Load(const std::string& path);
  // The file's bytes: 16 colours, the two gradient colours, the direct drawing
  // flag, the record count and the five most recently recorded records (all of
  // them when there are fewer), the hide getting-started flag.
  std::vector<unsigned char> Bytes() const;
  // Writes the file safely (temporary file, then renamed). On failure tells the
  // user, keeps the old file and returns false.
  bool Save(const std::string& path, Notifier& notifier) const;
  // The record with `key`, x and y raised to 0; none when missing or narrower or
  // lower than 10.
  std::optional<PlacementRecord> Placement(int key) const;
  // Replaces the record with the same key, or adds it, as the most recent one (the
  // count is not limited here; the file keeps the latest five).
  void RecordPlacement(const PlacementRecord& record);
};

}  // namespace orbica
