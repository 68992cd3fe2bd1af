// The histogram's data block: one row per shown display slot, in slot order.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "histogram/histogram_data.h"
#include "support/census_files.h"
#include "support/description_file.h"
#include "survey/subpopulation_store.h"

namespace orbica {
namespace {

using test::Set;

class Histogram : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = test::TestModel::Uniform(3, kRespondents);
    file_.weights = {0.2, 0.3, 0.5};
    for (int c = 0; c < 3; ++c)
      for (int q = 0; q < kQuestionCount; ++q) {
        double sum = 0;
        for (int a = 0; a < AnswerCount(q); ++a) sum += file_.P(c, q, a) = 1.0 + (a * (c + 2) + q) % 5;
        for (int a = 0; a < AnswerCount(q); ++a) file_.P(c, q, a) /= sum;
      }
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, file_, model_));
    ASSERT_TRUE(list_.Build());
    ASSERT_TRUE(slots_.Init());
    Put(1, "4b");
    Put(2, "2ac 7b");
    Put(3, "1c 4ab");
  }
  void Put(int slot, const std::string& code) {
    auto p = std::make_unique<CPopulace>(0);
    p->Masks() = Set(code);
    slots_.Put(slot, std::move(p));
  }
  // The row against the model file's own parameters: the share of answer a is
  // P(S and a) / P(S); no combination has an observed count, so its error is the
  // estimate p ln p (-0.02 / ln(1612 / N)) of p = P(S and a), divided by P(S) too.
  void ExpectRow(const HistogramData& data, int row, int slot, int q) {
    const ConditionSet& set = slots_.Subpopulation(slot)->Masks();
    const double whole = file_.ProbabilityOf(set);
    const double scale = -0.02 / std::log(1612.0 / kRespondents);
    EXPECT_EQ(data.slot[static_cast<std::size_t>(row)], slot);
    EXPECT_NEAR(data.size[static_cast<std::size_t>(row)], whole, 1e-12 * whole);
    for (int a = 0; a < data.answerCount; ++a) {
      ConditionSet withAnswer = set;
      const bool allowed = set[static_cast<std::size_t>(q)] == 0 || (set[static_cast<std::size_t>(q)] & (1u << a));
      withAnswer[static_cast<std::size_t>(q)] = 1u << a;
      const double p = allowed ? file_.ProbabilityOf(withAnswer) : 0.0;
      const double error = p > 0 ? p * std::log(p) * scale / whole : 0.0;
      EXPECT_NEAR(data.Share(row, a), p / whole, 1e-12) << "row " << row << " answer " << a;
      EXPECT_NEAR(data.Error(row, a), error, 1e-12) << "row " << row << " answer " << a;
    }
  }

  static constexpr std::int32_t kRespondents = 20000;
  test::TestModel file_;
  test::TempDir dir_;
  CModel model_;
  RecordingNotifier notifier_;
  CSubpopulationList list_{dir_.File("Populace")};
  CDisplayedSubpopulations slots_{list_, notifier_};
};

TEST_F(Histogram, RowsFollowTheShownSlotsAndSkipTheHiddenOnes) {
  HistogramData data;
  slots_.Show(0, false);
  slots_.Show(1, true);
  slots_.Show(3, true);
  RecomputeHistogram(data, 3, model_, slots_);
  EXPECT_EQ(data.shownCount, 2);
  EXPECT_EQ(data.answerCount, 7);
  ExpectRow(data, 0, 1, 3);
  ExpectRow(data, 1, 3, 3);

  for (int i = 0; i < 4; ++i) slots_.Show(i, true);
  RecomputeHistogram(data, 0, model_, slots_);
  EXPECT_EQ(data.shownCount, 4);
  EXPECT_EQ(data.answerCount, 15);
  for (int row = 0; row < 4; ++row) ExpectRow(data, row, row, 0);
  EXPECT_NEAR(data.size[0], 1.0, 1e-12);

  slots_.Show(1, false);
  slots_.Show(2, false);
  RecomputeHistogram(data, 6, model_, slots_);
  EXPECT_EQ(data.shownCount, 2);
  ExpectRow(data, 0, 0, 6);
  ExpectRow(data, 1, 3, 6);
}

TEST_F(Histogram, AQuestionTheSetConstrainsHasOnlyItsAllowedAnswers) {
  HistogramData data;
  slots_.Show(0, false);
  slots_.Show(3, true);
  RecomputeHistogram(data, 3, model_, slots_);  // slot 3 allows answers a and b of question 4
  ASSERT_EQ(data.shownCount, 1);
  double sum = 0;
  for (int a = 0; a < data.answerCount; ++a) {
    if (a >= 2) {
      EXPECT_EQ(data.Share(0, a), 0.0) << a;
      EXPECT_EQ(data.Error(0, a), 0.0) << a;
    } else {
      EXPECT_GT(data.Share(0, a), 0.0) << a;
    }
    sum += data.Share(0, a);
  }
  EXPECT_NEAR(sum, 1.0, 1e-12);
}

TEST_F(Histogram, NoShownSlotStillSetsTheAnswerCount) {
  HistogramData data;
  data.shownCount = 3;
  slots_.Show(0, false);
  RecomputeHistogram(data, 6, model_, slots_);
  EXPECT_EQ(data.shownCount, 0);
  EXPECT_EQ(data.answerCount, 3);
  RecomputeHistogram(data, 24, model_, slots_);  // not a question
  EXPECT_EQ(data.shownCount, 0);
  EXPECT_EQ(data.answerCount, 0);
}

TEST(HistogramValues, UnusableSharesErrorsAndSizesAreMissing) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  struct Case {
    double share, error, size;
    bool missing, countMissing;
  };
  const Case cases[] = {
      {0.25, 0.01, 0.5, false, false}, {0.0, 0.0, 0.0, false, false},  {1.5, -0.01, 1.0, false, false},
      {nan, 0.01, 1.0, true, true},    {inf, 0.01, 1.0, true, true},   {-inf, 0.01, 1.0, true, true},
      {-0.01, 0.0, 1.0, true, true},   {0.25, nan, 1.0, true, true},   {0.25, -inf, 1.0, true, true},
      {0.25, 0.01, nan, false, true},  {0.25, 0.01, inf, false, true}, {0.25, 0.01, -0.5, false, true},
  };
  for (const Case& c : cases) {
    HistogramData data;
    data.shownCount = 1;
    data.answerCount = 1;
    data.shares[0] = c.share;
    data.errors[0] = c.error;
    data.size[0] = c.size;
    EXPECT_EQ(data.Missing(0, 0), c.missing) << c.share << " " << c.error << " " << c.size;
    EXPECT_EQ(data.CountMissing(0, 0), c.countMissing) << c.share << " " << c.error << " " << c.size;
  }
}

TEST_F(Histogram, AModelsUnusableValuesComeOutMissing) {
  // Slot 0 shows the whole population. A negative probability spoils its answer
  // alone; a weight that is no number spoils every share and the size.
  // Such models load, with a warning.
  const auto load = [&](CModel& model) {
    test::WriteBytes(dir_.File("data.mle"), file_.Bytes());
    RecordingNotifier warned;
    return model.Load(dir_.File("data.mle"), warned) == 0;
  };
  for (int c = 0; c < 3; ++c) file_.P(c, 3, 0) = -0.2;
  CModel negative;
  ASSERT_TRUE(load(negative));
  HistogramData data;
  RecomputeHistogram(data, 3, negative, slots_);
  ASSERT_EQ(data.shownCount, 1);
  for (int a = 0; a < data.answerCount; ++a) EXPECT_EQ(data.Missing(0, a), a == 0) << a;

  file_.weights[1] = std::numeric_limits<double>::quiet_NaN();
  CModel noNumber;
  ASSERT_TRUE(load(noNumber));
  RecomputeHistogram(data, 3, noNumber, slots_);
  for (int a = 0; a < data.answerCount; ++a) EXPECT_TRUE(data.Missing(0, a)) << a;
  EXPECT_TRUE(data.SizeMissing(0));
}

}  // namespace
}  // namespace orbica
