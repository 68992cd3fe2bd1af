// The index of observed counts: records file, insertion order rules, lookups
// and counts of condition sets with answer groups.
#include <gtest/gtest.h>

#include <limits>

#include "model/observed_counts.h"
#include "support/census_files.h"

namespace orbica {
namespace {

using test::Set;

class ObservedCounts : public ::testing::Test {
 protected:
  // Loads the given records with N = 1000.
  void LoadRecords(const std::vector<CountRecord>& records, std::vector<unsigned char> tail = {}) {
    std::vector<unsigned char> bytes = test::RecordsBytes(records);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    test::WriteBytes(dir_.File("zData.gcd"), bytes);
    ASSERT_EQ(counts_.Load(dir_.File("zData.gcd"), 1000, notifier_), 0);
    EXPECT_TRUE(notifier_.messages.empty());
  }
  test::TempDir dir_;
  RecordingNotifier notifier_;
  CObservedCounts counts_;
};

TEST_F(ObservedCounts, FieldsAfterTheFirstEndMarkerAreIgnored) {
  LoadRecords({{12, {0, -1, 55}}});
  const int slot = 1;
  EXPECT_EQ(counts_.Lookup(&slot, 1), 12);
  EXPECT_EQ(counts_.Count(Set("1a")), 12);
  EXPECT_EQ(counts_.RecordsRead(), 1);
  EXPECT_EQ(counts_.RecordsSkipped(), 0);
}

TEST_F(ObservedCounts, PairsAndAnswerGroupsAreSummedAtLookup) {
  LoadRecords({{5, {15, 19, -1}}, {8, {15, 20, -1}}});
  const int slots[] = {17, 22};
  EXPECT_EQ(counts_.Lookup(slots, 2), 5);
  EXPECT_EQ(counts_.Count(Set("2a 3a")), 5);
  EXPECT_EQ(counts_.Count(Set("2a 3ab")), 13);
  // The prefix exists but no record has answer c of question 3: 0, not "not available".
  EXPECT_EQ(counts_.Count(Set("2a 3c")), 0);
  EXPECT_EQ(counts_.Count(Set("2a 3ac")), 5);
  // No record starts with answer b of question 2.
  EXPECT_EQ(counts_.Count(Set("2b 3a")), -1);
  EXPECT_EQ(counts_.Count(Set("2ab 3a")), -1);
}

TEST_F(ObservedCounts, WholePopulationCountDefaultsToNAndCanBeReplaced) {
  LoadRecords({});
  EXPECT_EQ(counts_.Count(ConditionSet{}), 1000);
  EXPECT_EQ(counts_.Count(Set("1a")), -1);

  CObservedCounts replaced;
  test::WriteBytes(dir_.File("zData.gcd"), test::RecordsBytes({{7, {-1, -1, -1}}}));
  ASSERT_EQ(replaced.Load(dir_.File("zData.gcd"), 1000, notifier_), 0);
  EXPECT_EQ(replaced.WholePopulationCount(), 7);
}

TEST_F(ObservedCounts, MoreThanThreeConstrainedQuestionsHaveNoCount) {
  LoadRecords({{3, {0, 15, 19}}});
  EXPECT_EQ(counts_.Count(Set("1a 2a 3a")), 3);
  EXPECT_EQ(counts_.Count(Set("1a 2a 3a 4a")), -1);
}

TEST_F(ObservedCounts, BadRecordsAreSkippedAndCounted) {
  LoadRecords({{4, {30, 15, 40}},    // disorder before the last code: dropped
               {6, {19, 15, -1}},    // disorder at the last code: kept under (22, 17)
               {9, {183, -1, -1}},   // code out of range
               {9, {-5, -1, -1}},    // negative code
               {2, {0, -1, -1}}},
              {1, 2, 3, 4, 5, 6, 7});  // a partial record at the end
  EXPECT_EQ(counts_.RecordsRead(), 5);
  EXPECT_EQ(counts_.RecordsSkipped(), 3);
  const int kept[] = {22, 17};
  EXPECT_EQ(counts_.Lookup(kept, 2), 6);
  // The dropped record's slots are (34, 17, 45). No lookup can reach a key that
  // descends, so what it left is counted instead: beside the root, only the node
  // for 34 walked before the disorder showed, and the kept pair's node for 22.
  EXPECT_EQ(counts_.NodeCount(), 3u);
  EXPECT_EQ(counts_.Count(Set("1a")), 2);
}

TEST_F(ObservedCounts, CountsOfADamagedFileStayCountsOrNotAvailable) {
  // Found by fuzzing: a negative count was stored (and a whole-population record
  // with one replaced N), so Count gave negative numbers other than -1; answer
  // groups whose counts add up beyond 2^31 - 1 wrapped around.
  const std::int32_t most = std::numeric_limits<std::int32_t>::max();
  LoadRecords({{-196608, {-1, -1, -1}},
               {-5, {0, -1, -1}},
               {-1, {15, 19, -1}},
               {3, {15, 20, -1}},
               {most, {16, -1, -1}},
               {most, {17, -1, -1}},
               {most, {18, -1, -1}}});
  EXPECT_EQ(counts_.RecordsRead(), 7);
  EXPECT_EQ(counts_.RecordsSkipped(), 3);
  EXPECT_EQ(counts_.Count(ConditionSet{}), 1000);
  EXPECT_EQ(counts_.Count(Set("1a")), 0);  // the prefix exists, the record was skipped
  EXPECT_EQ(counts_.Count(Set("2a 3a")), 0);
  EXPECT_EQ(counts_.Count(Set("2a 3ab")), 3);
  EXPECT_EQ(counts_.Count(Set("2b")), most);
  EXPECT_EQ(counts_.Count(Set("2bcd")), most);
  EXPECT_EQ(counts_.Count(Set("2ab")), most);
}

TEST_F(ObservedCounts, LaterRecordsOverwriteEarlierOnes) {
  LoadRecords({{4, {0, 15, -1}}, {11, {0, 15, -1}}});
  EXPECT_EQ(counts_.Count(Set("1a 2a")), 11);
}

TEST_F(ObservedCounts, LookupRejectsDescendingPrefixes) {
  LoadRecords({{4, {0, 15, 19}}});
  const int ok[] = {1, 17, 22};
  const int descending[] = {17, 1, 22};
  EXPECT_EQ(counts_.Lookup(ok, 3), 4);
  EXPECT_EQ(counts_.Lookup(descending, 3), -1);
}

TEST(ObservedCountsFile, MissingFileIsOneMessage) {
  test::TempDir dir;
  RecordingNotifier notifier;
  CObservedCounts counts;
  EXPECT_EQ(counts.Load(dir.File("zData.gcd"), 55, notifier), -1);
  EXPECT_EQ(notifier.Texts(), std::vector<std::string>{"Cannot open the zdata.gcd file"});
  EXPECT_EQ(counts.Count(ConditionSet{}), 55);
}

}  // namespace
}  // namespace orbica
