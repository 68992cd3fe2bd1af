// The histogram's data block: one row per shown display slot, in slot order.
#include <gtest/gtest.h>

#include "histogram/histogram_data.h"
#include "survey/description_file.h"
#include "survey/subpopulation_store.h"

namespace orbica {
namespace {

using test::Set;

class Histogram : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestModel m = test::TestModel::Uniform(3, 20000);
    m.weights = {0.2, 0.3, 0.5};
    for (int c = 0; c < 3; ++c)
      for (int q = 0; q < kQuestionCount; ++q) {
        double sum = 0;
        for (int a = 0; a < AnswerCount(q); ++a) sum += m.P(c, q, a) = 1.0 + (a * (c + 2) + q) % 5;
        for (int a = 0; a < AnswerCount(q); ++a) m.P(c, q, a) /= sum;
      }
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, m, model_));
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
  // The row must hold exactly what the engine gives for the slot's conditions.
  void ExpectRow(const HistogramData& data, int row, int slot, int q) {
    const ConditionSet& set = slots_.Subpopulation(slot)->Masks();
    double shares[kMaxAnswers], errors[kMaxAnswers];
    model_.AnswerDistribution(q, set, shares, errors);
    EXPECT_EQ(data.slot[static_cast<std::size_t>(row)], slot);
    EXPECT_EQ(data.size[static_cast<std::size_t>(row)], model_.Probability(set));
    for (int a = 0; a < data.answerCount; ++a) {
      EXPECT_EQ(data.Share(row, a), shares[a]) << "row " << row << " answer " << a;
      EXPECT_EQ(data.Error(row, a), errors[a]) << "row " << row << " answer " << a;
      EXPECT_EQ(data.shares[static_cast<std::size_t>(row * AnswerCount(q) + a)], shares[a]);
    }
  }

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

}  // namespace
}  // namespace orbica
