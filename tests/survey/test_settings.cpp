// The settings file: defaults, the byte layout, the rules for the record count,
// placements by key and safe writing.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/binary_io.h"
#include "survey/settings.h"
#include "support/census_files.h"

namespace orbica {
namespace {

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::vector<unsigned char> bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
  return bytes;
}

PlacementRecord Record(int key, int x = 10, int y = 20, int width = 300, int height = 200, int dock = kDockNone) {
  return PlacementRecord{x, y, width, height, dock, key};
}

class Settings : public ::testing::Test {
 protected:
  std::string Path() const { return dir_.File("Status.dat"); }
  test::TempDir dir_;
  RecordingNotifier notifier_;
};

TEST_F(Settings, WithoutAFileTheDefaultsStay) {
  CSettings settings;
  settings.Load(Path());
  EXPECT_EQ(settings.colors[0], 0x8080FFu);
  EXPECT_EQ(settings.colors[1], 0x80FF80u);
  EXPECT_EQ(settings.colors[2], 0x80FFFFu);
  EXPECT_EQ(settings.colors[3], 0xFF8080u);
  EXPECT_EQ(settings.colors[15], 0x000000u);
  EXPECT_EQ(settings.gradientTop, 0xC0C0C0u);
  EXPECT_EQ(settings.gradientBottom, 0xFFFFFFu);
  EXPECT_FALSE(settings.hideGettingStarted);
  EXPECT_FALSE(settings.directDrawing);
  EXPECT_TRUE(settings.placements.empty());
}

TEST_F(Settings, SavesTheFileOrderByteForByte) {
  CSettings settings;
  settings.colors[0] = 0x00112233;
  settings.colors[15] = 0x00ABCDEF;
  settings.gradientTop = 0x00010203;
  settings.gradientBottom = 0x00040506;
  settings.directDrawing = true;
  settings.hideGettingStarted = true;
  settings.RecordPlacement(Record(kPlacementPanel, -5, 7, 180, 400, kDockTop));
  settings.RecordPlacement(Record(PlacementKeyOfHistogram(1), 1, 2, 3, 4));
  ASSERT_TRUE(settings.Save(Path(), notifier_));
  EXPECT_TRUE(notifier_.messages.empty());

  const std::vector<unsigned char> bytes = FileBytes(Path());
  ASSERT_EQ(bytes.size(), 77u + 2 * 24 + 1);
  EXPECT_EQ(ReadLE<std::uint32_t>(bytes.data()), 0x00112233u);
  EXPECT_EQ(ReadLE<std::uint32_t>(bytes.data() + 4), 0x80FF80u);
  EXPECT_EQ(ReadLE<std::uint32_t>(bytes.data() + 60), 0x00ABCDEFu);
  EXPECT_EQ(ReadLE<std::uint32_t>(bytes.data() + 64), 0x00010203u);
  EXPECT_EQ(ReadLE<std::uint32_t>(bytes.data() + 68), 0x00040506u);
  EXPECT_EQ(bytes[72], 1);
  EXPECT_EQ(ReadLE<std::int32_t>(bytes.data() + 73), 2);
  const std::int32_t first[6] = {-5, 7, 180, 400, 50, 102};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ReadLE<std::int32_t>(bytes.data() + 77 + 4 * i), first[i]) << i;
  EXPECT_EQ(ReadLE<std::int32_t>(bytes.data() + 77 + 24 + 20), 11);
  EXPECT_EQ(bytes[125], 1);
  EXPECT_EQ(bytes, settings.Bytes());
}

// Settings whose every value differs from the defaults and from those of any
// other `variant`, with the two flags as given.
CSettings Variant(int variant, bool hideGettingStarted, bool directDrawing) {
  CSettings s;
  for (std::size_t i = 0; i < s.colors.size(); ++i) s.colors[i] = 0x00A00000u + 0x100u * variant + i;
  s.gradientTop = 0x00B00000u + variant;
  s.gradientBottom = 0x00C00000u + variant;
  s.hideGettingStarted = hideGettingStarted;
  s.directDrawing = directDrawing;
  for (int r = 0; r <= variant; ++r)
    s.RecordPlacement(Record(PlacementKeyOfHistogram(10 * variant + r), -variant - r, variant + 2 * r,
                             100 + variant + r, 200 + variant + r, kDockTop + (variant + r) % 4));
  return s;
}

// Every value saved, set or cleared, reads back over settings that hold other
// values everywhere, so that no value can pass by staying what it was.
TEST_F(Settings, EveryValueReadsBackOverOtherValues) {
  const CSettings variants[] = {Variant(0, false, false), Variant(1, false, true), Variant(2, true, false),
                                Variant(3, true, true)};
  for (int v = 0; v < 4; ++v) {
    const CSettings& saved = variants[v];
    ASSERT_TRUE(saved.Save(Path(), notifier_));
    CSettings loaded = variants[3 - v];  // both flags the other way
    loaded.Load(Path());
    EXPECT_EQ(loaded.colors, saved.colors) << v;
    EXPECT_EQ(loaded.gradientTop, saved.gradientTop) << v;
    EXPECT_EQ(loaded.gradientBottom, saved.gradientBottom) << v;
    EXPECT_EQ(loaded.hideGettingStarted, saved.hideGettingStarted) << v;
    EXPECT_EQ(loaded.directDrawing, saved.directDrawing) << v;
    EXPECT_EQ(loaded.placements, saved.placements) << v;
  }
}

TEST_F(Settings, SavesTheFiveLatestRecordsAndAFileWithMoreLoadsNone) {
  // Three histograms, the panel, the answer list and the question list: six
  // records in a session; the first histogram is recorded again last.
  CSettings settings;
  settings.hideGettingStarted = true;
  for (const int key : {11, 12, 13, kPlacementPanel, kPlacementAnswerList, kPlacementQuestionList, 11})
    settings.RecordPlacement(Record(key));
  ASSERT_EQ(settings.placements.size(), 6u);  // recording has no limit
  ASSERT_TRUE(settings.Save(Path(), notifier_));
  CSettings back;
  back.Load(Path());
  std::vector<int> keys;
  for (const PlacementRecord& r : back.placements) keys.push_back(r.key);
  EXPECT_EQ(keys, (std::vector<int>{13, kPlacementPanel, kPlacementAnswerList, kPlacementQuestionList, 11}));
  EXPECT_TRUE(back.hideGettingStarted);

  std::vector<unsigned char> six = CSettings().Bytes();
  six[73] = 6;
  six.insert(six.end() - 1, 6 * 24, 0x22);
  test::WriteBytes(Path(), six);
  CSettings tooMany;
  tooMany.Load(Path());
  EXPECT_TRUE(tooMany.placements.empty());

  std::vector<unsigned char> bytes = CSettings().Bytes();
  bytes[73] = 0xFF, bytes[74] = 0xFF, bytes[75] = 0xFF, bytes[76] = 0xFF;  // -1
  bytes.insert(bytes.end() - 1, 24, 0x11);
  test::WriteBytes(Path(), bytes);
  CSettings negative;
  negative.placements.push_back(Record(1));
  negative.Load(Path());
  EXPECT_TRUE(negative.placements.empty());
  EXPECT_EQ(negative.colors, kDefaultPalette);
}

TEST_F(Settings, OfRecordsWithTheSameKeyTheFirstIsKept) {
  // Found by fuzzing: a second record of a key was loaded and saved again for
  // ever, though only the first is used or updated.
  CSettings written;
  written.placements = {Record(kPlacementPanel, 1, 1), Record(kPlacementPanel, 2, 2), Record(11), Record(11, 5)};
  written.hideGettingStarted = true;
  test::WriteBytes(Path(), written.Bytes());
  CSettings loaded;
  loaded.Load(Path());
  EXPECT_EQ(loaded.placements, (std::vector<PlacementRecord>{Record(kPlacementPanel, 1, 1), Record(11)}));
  EXPECT_TRUE(loaded.hideGettingStarted);  // still read after all four records
  loaded.RecordPlacement(Record(kPlacementPanel, 7, 7));
  ASSERT_TRUE(loaded.Save(Path(), notifier_));
  CSettings again;
  again.Load(Path());
  EXPECT_EQ(again.placements, (std::vector<PlacementRecord>{Record(11), Record(kPlacementPanel, 7, 7)}));
}

TEST_F(Settings, AShortFileLeavesWhatItDoesNotHold) {
  CSettings saved;
  saved.colors.fill(0x00123456);
  saved.gradientTop = 0x00AAAAAA;
  saved.hideGettingStarted = true;
  saved.RecordPlacement(Record(1));
  saved.RecordPlacement(Record(2));
  std::vector<unsigned char> bytes = saved.Bytes();
  for (const std::size_t size : {std::size_t{10}, std::size_t{66}, std::size_t{80}, std::size_t{77 + 24 + 5}}) {
    test::WriteBytes(Path(), std::vector<unsigned char>(bytes.begin(), bytes.begin() + static_cast<long>(size)));
    CSettings loaded;
    loaded.Load(Path());
    EXPECT_EQ(loaded.colors[1], size >= 8 ? 0x00123456u : kDefaultPalette[1]) << size;
    EXPECT_EQ(loaded.colors[2], size >= 12 ? 0x00123456u : kDefaultPalette[2]) << size;  // no half values
    EXPECT_EQ(loaded.gradientTop, size >= 68 ? 0x00AAAAAAu : 0xC0C0C0u) << size;
    EXPECT_EQ(loaded.placements.size(), size >= 77 + 24 ? 1u : 0u) << size;
    EXPECT_FALSE(loaded.hideGettingStarted) << size;
  }
}

TEST_F(Settings, PlacementsByKey) {
  CSettings settings;
  settings.RecordPlacement(Record(kPlacementEditor, -30, -4, 450, 400));
  settings.RecordPlacement(Record(kPlacementAnswerList, 5, 6, 9, 100));
  settings.RecordPlacement(Record(kPlacementQuestionList, 5, 6, 100, 9));
  settings.RecordPlacement(Record(kPlacementPanel, 5, 6, 10, 10, kDockFloating));
  const auto editor = settings.Placement(kPlacementEditor);
  ASSERT_TRUE(editor.has_value());
  EXPECT_EQ(*editor, Record(kPlacementEditor, 0, 0, 450, 400));
  EXPECT_FALSE(settings.Placement(kPlacementAnswerList).has_value());    // width 9
  EXPECT_FALSE(settings.Placement(kPlacementQuestionList).has_value());  // height 9
  EXPECT_FALSE(settings.Placement(PlacementKeyOfHistogram(1)).has_value());
  EXPECT_EQ(settings.Placement(kPlacementPanel)->dock, kDockFloating);

  settings.RecordPlacement(Record(kPlacementEditor, 1, 1, 500, 500));
  EXPECT_EQ(settings.placements.size(), 4u);  // overwritten, not added
  EXPECT_EQ(settings.Placement(kPlacementEditor)->width, 500);
  EXPECT_EQ(settings.placements.back().key, kPlacementEditor);  // now the latest
}

TEST_F(Settings, AFailedSaveKeepsTheOldFileAndTellsTheUser) {
  CSettings old;
  old.gradientTop = 0x00777777;
  ASSERT_TRUE(old.Save(Path(), notifier_));
  const std::vector<unsigned char> oldBytes = FileBytes(Path());
  // Whatever the user's rights, a folder in the file's place cannot be replaced;
  // the file "Status.dat" inside the folder stands for the old file.
  const std::string blocked = dir_.File("blocked/Status.dat");
  std::filesystem::create_directories(blocked);
  test::WriteBytes(blocked + "/Status.dat", oldBytes);
  CSettings changed;
  EXPECT_FALSE(changed.Save(blocked, notifier_));
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_EQ(notifier_.messages[0].caption, "Settings not saved");
  EXPECT_NE(notifier_.messages[0].text.find("Status.dat"), std::string::npos);
  EXPECT_EQ(FileBytes(blocked + "/Status.dat"), oldBytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.File("blocked")), {}), 1);  // no temporary left

  EXPECT_FALSE(changed.Save(dir_.File("missing/Status.dat"), notifier_));
  EXPECT_EQ(notifier_.messages.size(), 2u);
}

}  // namespace
}  // namespace orbica
