// The ranked search on tiny records files: bounds and differences, ties, the 150
// limit, the pair table, progress and stop, skipped records, the result
// subpopulations, and identical results whatever the threads and vector width.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

#include "analysis/analysis_census.h"
#include "analysis/kernels.h"
#include "analysis/literal_search.h"
#include "survey/subpopulation_code.h"

namespace orbica {
namespace {

using test::Code;
using test::Rec;
using test::Slot;

// With all weights 0 every model probability is 0, so criterion 0 gives n / N:
// the counts of the records choose the values.
test::TestModel ZeroWeights() {
  test::TestModel m = test::TestModel::Uniform(3, 1000);
  m.weights = {0.0, 0.0, 0.0};
  return m;
}

class Search : public ::testing::Test {
 protected:
  void Load(const test::TestModel& m, const std::vector<CountRecord>& records) { census_.Write(m, records); }
  CAnalysis& A() { return *census_.analysis; }
  std::vector<AnalysisHit> Run() { return census_.Run(); }
  test::AnalysisCensus census_;
};

// Slots of a hit for compact comparisons.
std::vector<int> Slots(const AnalysisHit& h) { return {h.s1, h.s2, h.s3}; }

TEST_F(Search, ThresholdWeightAndDifference) {
  // a = 1a, b = 2a, c = 3a; values 0.05, 0.03, 0.01; pairs {a, b} 0.08 and {a, c} 0.055.
  Load(ZeroWeights(),
       {Rec(50, {{0, 0}}), Rec(30, {{1, 0}}), Rec(10, {{2, 0}}), Rec(80, {{0, 0}, {1, 0}}), Rec(55, {{0, 0}, {2, 0}})});
  A().threshold = 0.01;
  A().weight = 0.4;
  const std::vector<AnalysisHit> hits = Run();
  ASSERT_EQ(hits.size(), 4u);
  // {a, b}: bound 0.07 above both parts, difference 0.08 - 0.05, score 0.08 x 0.6 + 0.03 x 0.4 = 0.06.
  EXPECT_EQ(Slots(hits[0]), (std::vector<int>{Slot(0, 0), Slot(1, 0), 0}));
  EXPECT_DOUBLE_EQ(hits[0].value, 0.08);
  EXPECT_DOUBLE_EQ(hits[0].difference, 0.03);
  EXPECT_DOUBLE_EQ(hits[0].score, 0.06);
  EXPECT_EQ(hits[0].count, 80.0);
  // The singles: difference 0, score = value x 0.6. {a, c} (bound 0.045) is dropped: a reaches it.
  EXPECT_EQ(Slots(hits[1]), (std::vector<int>{Slot(0, 0), 0, 0}));
  EXPECT_DOUBLE_EQ(hits[1].score, 0.05 * 0.6);
  EXPECT_EQ(hits[1].difference, 0.0);
  EXPECT_EQ(Slots(hits[2]), (std::vector<int>{Slot(1, 0), 0, 0}));
  EXPECT_EQ(Slots(hits[3]), (std::vector<int>{Slot(2, 0), 0, 0}));
}

TEST_F(Search, PairsMustBeatBothPartsWithoutThreshold) {
  // Parts absent from the table count as 0.0; equal to a part is not enough.
  Load(ZeroWeights(), {Rec(40, {{0, 0}}), Rec(30, {{1, 0}}), Rec(40, {{0, 0}, {1, 0}}), Rec(41, {{0, 0}, {1, 1}}),
                       Rec(5, {{3, 0}, {4, 0}})});
  const std::vector<AnalysisHit> hits = Run();
  ASSERT_EQ(hits.size(), 4u);
  EXPECT_EQ(Slots(hits[0]), (std::vector<int>{Slot(0, 0), Slot(1, 1), 0}));
  EXPECT_DOUBLE_EQ(hits[0].difference, 0.001);  // the margin over part a
  EXPECT_EQ(Slots(hits[1]), (std::vector<int>{Slot(0, 0), 0, 0}));
  EXPECT_EQ(Slots(hits[2]), (std::vector<int>{Slot(1, 0), 0, 0}));
  EXPECT_EQ(Slots(hits[3]), (std::vector<int>{Slot(3, 0), Slot(4, 0), 0}));
  EXPECT_DOUBLE_EQ(hits[3].difference, 0.005);
}

TEST_F(Search, TriplesAndKeysOutOfOrder) {
  // The pair {b, c} comes before {a, b}: the later, smaller key is not stored, so
  // the triple is compared with 0.0 for {a, b} and survives although {a, b} is larger.
  Load(ZeroWeights(), {Rec(10, {{0, 0}}), Rec(10, {{1, 0}}), Rec(10, {{2, 0}}), Rec(30, {{1, 0}, {2, 0}}),
                       Rec(600, {{0, 0}, {1, 0}}), Rec(20, {{0, 0}, {2, 0}}), Rec(500, {{0, 0}, {1, 0}, {2, 0}})});
  A().maxLength = 3;
  std::vector<AnalysisHit> hits = Run();
  ASSERT_EQ(hits.size(), 7u);
  EXPECT_EQ(Slots(hits[0]), (std::vector<int>{Slot(0, 0), Slot(1, 0), 0}));
  EXPECT_EQ(Slots(hits[1]), (std::vector<int>{Slot(0, 0), Slot(1, 0), Slot(2, 0)}));
  EXPECT_DOUBLE_EQ(hits[1].difference, 0.5 - 0.03);  // best of the stored parts: {b, c}
  // With length 2 the triple is not read at all.
  A().maxLength = 2;
  hits = Run();
  EXPECT_EQ(hits.size(), 6u);
  for (const AnalysisHit& h : hits) EXPECT_EQ(h.s3, 0);
}

TEST_F(Search, LengthOneRanksSinglesByValue) {
  Load(ZeroWeights(),
       {Rec(10, {{0, 0}}), Rec(70, {{0, 1}, {1, 0}}), Rec(30, {{5, 0}}), Rec(20, {{2, 0}, {3, 0}, {4, 0}})});
  A().maxLength = 1;
  A().weight = 0.25;
  const std::vector<AnalysisHit> hits = Run();
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(Slots(hits[0]), (std::vector<int>{Slot(5, 0), 0, 0}));
  EXPECT_EQ(hits[0].score, 0.03 * 0.75);
  EXPECT_EQ(hits[1].difference, 0.0);
}

TEST_F(Search, EqualScoresKeepReadingOrderAndTheBufferHoldsAtMost150) {
  std::vector<CountRecord> records;
  for (int c = 0; c < kFlatAnswerCount; ++c) records.push_back({7, {c, -1, -1}});
  Load(ZeroWeights(), records);
  std::vector<AnalysisHit> hits = Run();
  ASSERT_EQ(hits.size(), static_cast<std::size_t>(kRankedCapacity));
  for (int i = 0; i < kRankedCapacity; ++i) EXPECT_EQ(hits[static_cast<std::size_t>(i)].s1, FlatCodeToSlot(i));

  // Distinct counts: the 150 largest in order; one late record beats the last and pushes it out.
  records.clear();
  for (int c = 0; c < kFlatAnswerCount; ++c) records.push_back({c + 1, {c, -1, -1}});
  records.push_back({40, {5, -1, -1}});
  census_.WriteRecords(records);
  hits = Run();
  ASSERT_EQ(hits.size(), static_cast<std::size_t>(kRankedCapacity));
  EXPECT_EQ(hits.front().count, 183.0);
  EXPECT_EQ(hits[142].count, 41.0);
  EXPECT_EQ(hits[143].count, 40.0);  // code 39, read first
  EXPECT_EQ(hits[143].s1, FlatCodeToSlot(39));
  EXPECT_EQ(hits[144].s1, FlatCodeToSlot(5));
  EXPECT_EQ(hits.back().count, 35.0);
}

TEST_F(Search, EntropyRanksTheLowestFirst) {
  // Two components with different answers to question 7; the condition answers
  // shift the weight between them and so the entropy of question 7.
  test::TestModel m = test::TestModel::Uniform(2, 1000);
  m.weights = {0.5, 0.5};
  m.P(0, 6, 0) = 1.0, m.P(0, 6, 1) = 0.0, m.P(0, 6, 2) = 0.0;
  for (int a = 0; a < 4; ++a) m.P(0, 1, a) = 0.1 + 0.2 * a, m.P(1, 1, a) = 0.25;
  Load(m, {Rec(1, {{1, 0}}), Rec(1, {{1, 3}}), Rec(1, {{1, 1}}), Rec(1, {{6, 0}}), Rec(1, {{1, 2}})});
  A().criterion = 2;
  A().firstChoice = 6;
  const std::vector<AnalysisHit> hits = Run();
  ASSERT_EQ(hits.size(), 4u);  // the record on question 7 itself does not apply
  const int expected[] = {3, 2, 1, 0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(hits[static_cast<std::size_t>(i)].s1, Slot(1, expected[i]));
    EXPECT_EQ(hits[static_cast<std::size_t>(i)].score, -hits[static_cast<std::size_t>(i)].value);
  }
  EXPECT_LT(hits[0].value, hits[3].value);
}

TEST_F(Search, EntropyThresholdAdmitsPairsSlightlyWorseThanTheirParts) {
  test::TestModel m = test::TestModel::Uniform(2, 1000);
  m.weights = {0.5, 0.5};
  m.P(0, 6, 0) = 1.0, m.P(0, 6, 1) = 0.0, m.P(0, 6, 2) = 0.0;
  m.P(0, 1, 0) = 0.7, m.P(0, 1, 1) = 0.1, m.P(0, 1, 2) = 0.1, m.P(0, 1, 3) = 0.1;
  m.P(0, 2, 0) = 0.05;
  Load(m, {Rec(1, {{1, 0}}), Rec(1, {{2, 0}}), Rec(1, {{1, 0}, {2, 0}})});
  A().criterion = 2;
  A().firstChoice = 6;
  A().PrepareIndexTables();
  const double a = A().Evaluate({1, Slot(1, 0), 0, 0}, 2), b = A().Evaluate({1, Slot(2, 0), 0, 0}, 2);
  const double ab = A().Evaluate({1, Slot(1, 0), Slot(2, 0), 0}, 2);
  ASSERT_GT(ab, std::min(a, b));  // the pair is worse than its better part
  // It survives when the threshold covers the excess; its difference is then negative.
  A().threshold = ab - std::min(a, b) + 1e-9;
  std::vector<AnalysisHit> hits = Run();
  ASSERT_EQ(hits.size(), 3u);
  const auto pair = std::find_if(hits.begin(), hits.end(), [](const AnalysisHit& h) { return h.s2 != 0; });
  ASSERT_NE(pair, hits.end());
  EXPECT_EQ(pair->difference, -ab - -std::min(a, b));
  EXPECT_LT(pair->difference, 0.0);
  A().threshold = ab - std::min(a, b) - 1e-9;
  hits = Run();
  EXPECT_EQ(hits.size(), 2u);
}

TEST_F(Search, SkippedRecordsAndCodesAfterTheFirstEmptyPosition) {
  Load(ZeroWeights(), {Rec(900, {}),
                       {800, {183, -1, -1}},
                       {700, {3, 200, -1}},
                       {600, {-5, -1, -1}},
                       {20, {4, -1, 190}},
                       {10, {16, -1, 30}},
                       {0, {5, -1, -1}}});
  A().maxLength = 3;
  std::vector<AnalysisHit> hits = Run();
  // Only the codes before the first -1 count: codes 4, 16 and 5 as single answers.
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(Slots(hits[0]), (std::vector<int>{FlatCodeToSlot(4), 0, 0}));
  EXPECT_EQ(Slots(hits[1]), (std::vector<int>{FlatCodeToSlot(16), 0, 0}));
  EXPECT_EQ(Slots(hits[2]), (std::vector<int>{FlatCodeToSlot(5), 0, 0}));
  // The relative error skips the record observed 0 times.
  A().criterion = 1;
  hits = Run();
  EXPECT_EQ(hits.size(), 2u);
  for (const AnalysisHit& h : hits) EXPECT_TRUE(std::isfinite(h.value));
}

TEST_F(Search, ProgressAfterEveryRecordOfASmallFile) {
  Load(ZeroWeights(), {Rec(1, {{0, 0}}), Rec(2, {{1, 0}}), Rec(3, {{0, 0}, {1, 0}})});
  A().maxLength = 3;
  test::RecordingObserver observer;
  census_.Run(&observer);
  // Range d first, then one checkpoint per record read over the three passes.
  std::vector<std::pair<std::int64_t, std::int64_t>> expected = {{0, 3}};
  for (int g = 1; g <= 9; ++g) expected.push_back({100 * g / 9, 100});
  EXPECT_EQ(observer.progress, expected);
  EXPECT_EQ(observer.doneRecords, 3);
  EXPECT_EQ(A().Outcome(), SearchOutcome::Completed);
}

TEST_F(Search, CheckpointsEveryHundredthOfTheFile) {
  std::vector<CountRecord> records;
  for (int i = 0; i < 250; ++i) records.push_back({1, {i % kFlatAnswerCount, -1, -1}});
  Load(ZeroWeights(), records);
  test::RecordingObserver observer;
  census_.Run(&observer);
  // d = 250, every 2 records, two passes: 250 checkpoints.
  ASSERT_EQ(observer.progress.size(), 251u);
  EXPECT_EQ(observer.progress[1], (std::pair<std::int64_t, std::int64_t>{100 * 2 / 500, 100}));
  EXPECT_EQ(observer.progress.back(), (std::pair<std::int64_t, std::int64_t>{100, 100}));
}

// Asks for Stop during the n-th progress report.
class StoppingObserver : public test::RecordingObserver {
 public:
  StoppingObserver(CAnalysis& analysis, std::size_t at) : analysis_(analysis), at_(at) {}
  void Progress(std::int64_t position, std::int64_t range) override {
    RecordingObserver::Progress(position, range);
    if (progress.size() == at_) analysis_.RequestStop();
  }

 private:
  CAnalysis& analysis_;
  std::size_t at_;
};

TEST_F(Search, StopIsHonouredAtTheNextCheckpointAndKeepsTheResults) {
  std::vector<CountRecord> records;
  for (int c = 0; c < 50; ++c) records.push_back({c + 1, {c, -1, -1}});
  Load(ZeroWeights(), records);
  bool completed = false;
  census_.Run(nullptr, &completed);
  ASSERT_TRUE(completed);
  ASSERT_EQ(A().ResultCount(), 50);

  // The checkpoint of record 4 (the fifth report) sees the flag: records 1..3 were ranked.
  StoppingObserver observer(A(), 5);
  ASSERT_TRUE(A().BeginRun());
  A().threads = 2;
  A().Search(observer, census_.notifier);
  EXPECT_EQ(observer.doneCalls, 1);
  EXPECT_EQ(observer.progress.size(), 5u);
  EXPECT_EQ(A().Outcome(), SearchOutcome::Stopped);
  EXPECT_EQ(A().Ranked().size(), 3u);
  EXPECT_FALSE(A().FinishRun());
  EXPECT_EQ(A().ResultCount(), 50);  // the previous results stay
  // A run whose search never started changes nothing either.
  ASSERT_TRUE(A().BeginRun());
  EXPECT_FALSE(A().FinishRun());
  EXPECT_EQ(A().ResultCount(), 50);
}

TEST_F(Search, StopBetweenCheckpointsEndsTheRunAtOnce) {
  std::vector<CountRecord> records;
  for (int c = 0; c < 2 * kFlatAnswerCount; ++c) records.push_back({c + 1, {c % kFlatAnswerCount, -1, -1}});
  Load(ZeroWeights(), records);
  // Stop asked during the first report (range d), before any checkpoint: no
  // record is merged and no further report is made.
  StoppingObserver observer(A(), 1);
  ASSERT_TRUE(A().BeginRun());
  A().Search(observer, census_.notifier);
  EXPECT_EQ(A().Outcome(), SearchOutcome::Stopped);
  EXPECT_EQ(observer.progress.size(), 1u);
  EXPECT_TRUE(A().Ranked().empty());
  EXPECT_FALSE(A().FinishRun());
}

// Something that is not a regular file under the records file's name (a fifo
// nobody writes to, a folder) is refused at once like a missing file.
TEST_F(Search, RecordsFileThatIsNotARegularFileIsRefused) {
  Load(ZeroWeights(), {Rec(5, {{0, 0}})});
  const std::string path = census_.dir.File("zData.gcd");
  const std::function<int()> makers[] = {[&] { return ::mkfifo(path.c_str(), 0600); },
                                         [&] { return ::mkdir(path.c_str(), 0700); }};
  for (const auto& make : makers) {
    std::remove(path.c_str());
    ASSERT_EQ(make(), 0);
    census_.notifier.messages.clear();
    test::RecordingObserver observer;
    EXPECT_TRUE(census_.Run(&observer).empty());
    EXPECT_EQ(A().Outcome(), SearchOutcome::NoRecordsFile);
    EXPECT_EQ(observer.doneRecords, 0);
    EXPECT_EQ(census_.notifier.Texts(), std::vector<std::string>{"Cannot open the zdata.gcd file"});
  }
}

TEST_F(Search, EmptyMissingAndUnknown) {
  Load(ZeroWeights(), {});
  test::RecordingObserver empty;
  bool completed = false;
  EXPECT_TRUE(census_.Run(&empty, &completed).empty());
  EXPECT_TRUE(completed);
  EXPECT_EQ(empty.progress, (std::vector<std::pair<std::int64_t, std::int64_t>>{{0, 0}}));
  EXPECT_EQ(empty.doneRecords, 0);
  EXPECT_TRUE(A().HasResults());
  EXPECT_EQ(A().ResultCount(), 0);

  census_.WriteRecords({Rec(5, {{0, 0}}), Rec(6, {{0, 1}})});
  A().criterion = 7;
  test::RecordingObserver unknown;
  EXPECT_TRUE(census_.Run(&unknown).empty());
  EXPECT_EQ(census_.notifier.Texts(), std::vector<std::string>{"Unknown analysis type"});
  EXPECT_EQ(A().Outcome(), SearchOutcome::UnknownCriterion);
  EXPECT_EQ(unknown.doneRecords, 2);

  A().criterion = 0;
  std::remove(census_.dir.File("zData.gcd").c_str());
  test::RecordingObserver missing;
  EXPECT_TRUE(census_.Run(&missing, &completed).empty());
  EXPECT_TRUE(completed);
  EXPECT_EQ(A().Outcome(), SearchOutcome::NoRecordsFile);
  EXPECT_EQ(missing.doneRecords, 0);
  ASSERT_EQ(census_.notifier.messages.size(), 2u);
  EXPECT_EQ(census_.notifier.messages[1].text, "Cannot open the zdata.gcd file");
  EXPECT_EQ(census_.notifier.messages[1].caption, "File not found");
}

TEST_F(Search, SecondAnswerEqualToTheFirstIsDroppedByTheRun) {
  test::TestModel m = test::RandomModel(4, 3);
  Load(m, {Rec(1, {{4, 0}}), Rec(1, {{0, 0}}), Rec(1, {{1, 2}})});
  A().criterion = 4;
  A().firstChoice = A().secondChoice = Slot(4, 2);
  std::vector<AnalysisHit> both = Run();
  EXPECT_EQ(A().secondChoice, -1);
  const std::vector<AnalysisHit> one = Run();
  ASSERT_EQ(both.size(), 2u);
  for (std::size_t i = 0; i < both.size(); ++i) EXPECT_EQ(both[i].value, one[i].value);
}

TEST_F(Search, ResultSubpopulations) {
  Load(ZeroWeights(), {Rec(50, {{2, 0}}), Rec(123, {{2, 0}, {11, 1}}), Rec(30, {{11, 1}})});
  A().weight = 0.5;
  Run();
  ASSERT_EQ(A().ResultCount(), 3);
  const CInfPopulace& best = A().Result(0);
  EXPECT_EQ(best.Identity(), -1);
  EXPECT_EQ(best.Masks(), test::Set("3a 12b"));
  // The code, then the answers' short texts.
  EXPECT_EQ(best.Name(), " 3a 12b  - S3.1 S12.2      (0.098000)");
  EXPECT_EQ(best.criterionValue, 0.123);
  EXPECT_DOUBLE_EQ(best.difference, 0.073);
  EXPECT_EQ(best.trueSize, 0.123);
  EXPECT_EQ(A().Result(2).Identity(), -3);
  EXPECT_EQ(A().Result(2).Name(), "12b  - S12.2      (0.015000)");

  // The next completed run replaces them.
  census_.WriteRecords({Rec(0, {{0, 0}})});
  Run();
  ASSERT_EQ(A().ResultCount(), 1);
  EXPECT_EQ(A().Result(0).trueSize, 0.0);
  EXPECT_EQ(A().Result(0).Name(), " 1a  - S1.1      (0.000000)");
}

// The search gives the same ranking, bit for bit, for any number of threads and
// any vector width, and every ranked value is the criterion's value of its condition.
TEST_F(Search, IdenticalForAllThreadCountsAndVectorWidths) {
  const test::TestModel m = test::RandomModel(21, 11);
  // Sparse records, then dense runs that share all answers but the last: every
  // pair of 1c, every triple of 1c 4b, and the triples of 2a 6b in descending order.
  std::vector<CountRecord> records = test::SomeRecords(7, 37, 311);
  for (int c = FlatCodeStart(1); c < kFlatAnswerCount; ++c) records.push_back({c * 7 % 400, {2, c, -1}});
  for (int c = FlatCodeStart(4); c < kFlatAnswerCount; ++c) records.push_back({c * 5 % 300, {2, Code(3, 1), c}});
  for (int c = kFlatAnswerCount - 1; c >= FlatCodeStart(6); --c)
    records.push_back({c * 3 % 200, {Code(1, 0), Code(5, 1), c}});
  Load(m, records);
  struct Setting {
    int criterion, first, second;
  };
  const Setting settings[] = {{0, -1, -1},
                              {1, -1, -1},
                              {2, 0, -1},
                              {2, 6, -1},
                              {3, 0, 5},
                              {3, 1, 6},
                              {3, 12, 2},  // eight answers of X fill their rows: Py is summed apart
                              {4, Slot(4, 2), -1},
                              {4, Slot(4, 2), Slot(4, 5)},
                              {5, Slot(9, 1), Slot(0, 3)}};
  std::vector<KernelLevel> levels = {KernelLevel::Generic};
  if (&kernels::SelectKernels(KernelLevel::Avx2) != kernels::GenericKernels()) levels.push_back(KernelLevel::Avx2);
  if (&kernels::SelectKernels(KernelLevel::Avx512) != &kernels::SelectKernels(KernelLevel::Avx2))
    levels.push_back(KernelLevel::Avx512);
  for (const Setting& s : settings) {
    A().criterion = s.criterion, A().firstChoice = s.first, A().secondChoice = s.second;
    A().maxLength = 3;
    A().threshold = 0.0001;
    A().weight = 0.3;
    A().threads = 1;
    A().kernelLevel = KernelLevel::Generic;
    const std::vector<AnalysisHit> reference = Run();
    ASSERT_FALSE(reference.empty());
    for (const AnalysisHit& h : reference) {
      const double value = A().Evaluate({static_cast<std::uint32_t>(h.count), h.s1, h.s2, h.s3}, s.criterion);
      EXPECT_EQ(std::memcmp(&value, &h.value, sizeof value), 0) << s.criterion << " " << value << " " << h.value;
    }
    for (const KernelLevel level : levels)
      for (const int threads : {1, 2, 3}) {
        A().threads = threads;
        A().kernelLevel = level;
        const std::vector<AnalysisHit> hits = Run();
        ASSERT_EQ(hits.size(), reference.size()) << s.criterion;
        for (std::size_t i = 0; i < hits.size(); ++i) {
          EXPECT_EQ(Slots(hits[i]), Slots(reference[i])) << s.criterion << " threads " << threads;
          EXPECT_EQ(std::memcmp(&hits[i].score, &reference[i].score, 4 * sizeof(double)), 0) << s.criterion;
        }
      }
  }
}

// Records of every single answer, every pair and a sample of triples on a model
// in which question 16 has answer b for certain: a condition with 16b has the
// probability of the rest of it exactly and gets the count of the rest, so its
// value equals that of its part without 16b. The other answers of 16, never
// given, have no records.
void MakeOneAnswerCertain(test::TestModel& m, std::vector<CountRecord>& records) {
  constexpr int kQuestion = 15, kAnswer = 1;
  for (std::size_t c = 0; c < m.weights.size(); ++c)
    for (int a = 0; a < AnswerCount(kQuestion); ++a) m.P(static_cast<int>(c), kQuestion, a) = a == kAnswer ? 1.0 : 0.0;
  const auto never = [&](std::int32_t code) { return QuestionOfFlatCode(code) == kQuestion && code != Code(kQuestion, kAnswer); };
  std::erase_if(records, [&](const CountRecord& r) { return std::any_of(r.codes.begin(), r.codes.end(), never); });
  std::map<std::array<std::int32_t, 3>, std::int32_t> counts;
  for (const CountRecord& r : records) counts[r.codes] = r.count;
  for (CountRecord& r : records) {
    std::array<std::int32_t, 3> rest = {-1, -1, -1};
    std::copy_if(r.codes.begin(), r.codes.end(), rest.begin(), [](std::int32_t c) { return c != Code(kQuestion, kAnswer); });
    if (rest == r.codes) continue;
    r.count = rest[0] == -1 ? m.respondents : counts.at(rest);
  }
}

// A file of more than one read range (65,536 records) on a model of 64
// components: every criterion at every length ranks what the literal search
// ranks, bit for bit, whether the ranges are read one window at a time or
// several side by side. Without a threshold, conditions whose value only equals
// that of a part are left out by both.
TEST_F(Search, LargeFileMatchesTheLiteralSearch) {
  test::TestModel m = test::RandomModel(64, 29);
  std::vector<CountRecord> records = test::SomeRecords(13, 1, 16);
  MakeOneAnswerCertain(m, records);
  ASSERT_GT(records.size(), 65536u + 1000u);
  Load(m, records);
  struct Setting {
    int criterion, first, second;
  };
  // Criteria 2 and 3 on questions of few answers keep the literal search quick.
  const Setting settings[] = {{0, -1, -1},          {1, -1, -1},          {2, 1, -1},
                              {3, 1, 6},            {4, Slot(4, 2), Slot(6, 0)}, {5, Slot(9, 1), Slot(9, 3)}};
  for (const Setting& s : settings)
    for (int length = 1; length <= 3; ++length)
      for (const double threshold : {0.0001, 0.0}) {
        const std::string where = std::to_string(s.criterion) + " length " + std::to_string(length) +
                                  " threshold " + std::to_string(threshold);
        test::LiteralSearch literal(census_.model, {s.criterion, s.first, s.second, length, threshold, 0.3});
        const std::vector<test::LiteralHit> expected = literal.Run(census_.dir.File("zData.gcd"));
        ASSERT_FALSE(expected.empty());
        for (const int threads : {1, 3}) {
          A().criterion = s.criterion, A().firstChoice = s.first, A().secondChoice = s.second;
          A().maxLength = length, A().threshold = threshold, A().weight = 0.3, A().threads = threads;
          const std::vector<AnalysisHit> hits = Run();
          ASSERT_EQ(hits.size(), expected.size()) << where;
          for (std::size_t i = 0; i < hits.size(); ++i) {
            const test::LiteralHit& e = expected[i];
            EXPECT_EQ(Slots(hits[i]), (std::vector<int>{e.s1, e.s2, e.s3})) << where;
            const double want[4] = {e.score, e.value, e.difference, e.count};
            EXPECT_EQ(std::memcmp(&hits[i].score, want, sizeof want), 0) << where;
          }
        }
      }
}

}  // namespace
}  // namespace orbica
