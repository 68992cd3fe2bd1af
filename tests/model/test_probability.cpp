// P(S), the deviation D(S) and answer distributions on a two-component model
// whose numbers are worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "model/model.h"
#include "support/census_files.h"

namespace orbica {
namespace {

using test::Set;

constexpr int kQ2 = 1;  // 4 answers
constexpr int kQ7 = 6;  // 3 answers

// Weights 0.25 and 0.75; question 7 answers (0.1, 0.6, 0.3) and (0.2, 0.2, 0.6);
// question 2 answers (0.1, 0.2, 0.3, 0.4) and (0.4, 0.3, 0.2, 0.1); the rest uniform.
test::TestModel HandModel(std::int32_t respondents) {
  test::TestModel m = test::TestModel::Uniform(2, respondents);
  m.weights = {0.25, 0.75};
  const double q7[2][3] = {{0.1, 0.6, 0.3}, {0.2, 0.2, 0.6}};
  const double q2[2][4] = {{0.1, 0.2, 0.3, 0.4}, {0.4, 0.3, 0.2, 0.1}};
  for (int c = 0; c < 2; ++c) {
    for (int a = 0; a < 3; ++a) m.P(c, kQ7, a) = q7[c][a];
    for (int a = 0; a < 4; ++a) m.P(c, kQ2, a) = q2[c][a];
  }
  return m;
}

class Probability : public ::testing::Test {
 protected:
  void Load(std::int32_t respondents, const std::vector<CountRecord>& records) {
    test::WriteBytes(dir_.File("data.mle"), HandModel(respondents).Bytes());
    test::WriteBytes(dir_.File("zData.gcd"), test::RecordsBytes(records));
    ASSERT_EQ(model_.Load(dir_.File("data.mle"), notifier_), 0);
  }
  test::TempDir dir_;
  RecordingNotifier notifier_;
  CModel model_;
};

// Flat code of answer a of question 7.
int Q7Code(int a) { return FlatCodeStart(kQ7) + a; }

TEST_F(Probability, MixtureSums) {
  Load(1000, {});
  EXPECT_DOUBLE_EQ(model_.Probability(ConditionSet{}), 1.0);
  EXPECT_DOUBLE_EQ(model_.Probability(Set("7b")), 0.30);
  EXPECT_DOUBLE_EQ(model_.Probability(Set("7bc")), 0.825);
  EXPECT_DOUBLE_EQ(model_.Probability(Set("2d 7b")), 0.075);
  // Allowing every answer is the same as no condition.
  EXPECT_DOUBLE_EQ(model_.Probability(Set("7abc")), model_.Probability(ConditionSet{}));
  // Bits beyond the question's answers are not looked at.
  ConditionSet high = Set("7b");
  high[kQ7] |= 1u << 20;
  EXPECT_DOUBLE_EQ(model_.Probability(high), 0.30);
  EXPECT_EQ(model_.Size(Set("7b")), 300);
}

TEST_F(Probability, DeviationUsesTheObservedCountWhenThereIsOne) {
  Load(1000, {{320, {Q7Code(1), -1, -1}}});
  double deviation = -1;
  EXPECT_DOUBLE_EQ(model_.Probability(Set("7b"), &deviation), 0.30);
  EXPECT_NEAR(deviation, 0.02, 1e-15);
  // Answer c has a sibling record in the root, so its count is 0 rather than unknown.
  model_.Probability(Set("7c"), &deviation);
  EXPECT_NEAR(deviation, std::fabs(0.0 - (0.25 * 0.3 + 0.75 * 0.6)), 1e-15);
}

TEST_F(Probability, DeviationIsEstimatedWithoutACount) {
  Load(1000, {{320, {Q7Code(1), -1, -1}}});
  double deviation = -1;
  model_.Probability(Set("2d 7b"), &deviation);  // no record starts with answer d of question 2
  EXPECT_NEAR(deviation, 0.00813737998221674, 1e-15);
  EXPECT_GT(deviation, 0.0);  // N < 1612
}

TEST_F(Probability, DeviationSignFollowsTheRespondentCount) {
  Load(100000, {});
  double deviation = 0;
  model_.Probability(Set("2d 7b"), &deviation);
  EXPECT_LT(deviation, 0.0);
}

TEST_F(Probability, DeviationIsZeroWhenTheFormulaWouldDivideByZero) {
  Load(1612, {});
  double deviation = -1;
  model_.Probability(Set("2d 7b"), &deviation);
  EXPECT_EQ(deviation, 0.0);
}

TEST_F(Probability, AnswerDistributionWithinASubpopulation) {
  // Answer a of question 2 with answer c of question 7 has 120 observed respondents.
  Load(1000, {{120, {FlatCodeStart(kQ2), Q7Code(2), -1}}});
  double shares[4], deviations[4];
  model_.AnswerDistribution(kQ2, Set("7c"), shares, deviations);
  // P(2x 7c) = 0.1875, 0.15, 0.1125, 0.075; total 0.525.
  const double expected[] = {0.1875 / 0.525, 0.15 / 0.525, 0.1125 / 0.525, 0.075 / 0.525};
  for (int a = 0; a < 4; ++a) EXPECT_NEAR(shares[a], expected[a], 1e-15) << a;
  // Deviations are divided by the same total: |0.12 - 0.1875| / 0.525 from the count,
  // then p ln p (-0.02 / ln 1.612) / 0.525 for p = 0.15, 0.1125 and 0.075.
  const double deviation[] = {0.1285714285714286, 0.022704164625415444, 0.019610293225625037, 0.015499771394698552};
  for (int a = 0; a < 4; ++a) EXPECT_NEAR(deviations[a], deviation[a], 1e-15) << a;
}

TEST_F(Probability, WholePopulationIsTheSumOfWeightsThatDoNotAddUpToOne) {
  test::TestModel m = HandModel(1000);
  m.weights = {0.5, 0.25};
  test::WriteBytes(dir_.File("data.mle"), m.Bytes());
  test::WriteBytes(dir_.File("zData.gcd"), {});
  ASSERT_EQ(model_.Load(dir_.File("data.mle"), notifier_), 0);
  EXPECT_DOUBLE_EQ(model_.Probability(ConditionSet{}), 0.75);
  EXPECT_EQ(model_.Size(ConditionSet{}), 750);
  EXPECT_DOUBLE_EQ(model_.Probability(Set("7b")), 0.5 * 0.6 + 0.25 * 0.2);
  EXPECT_DOUBLE_EQ(model_.Probability(Set("7abc")), 0.75);
}

TEST_F(Probability, ConstrainedQuestionShowsOnlyItsAllowedAnswers) {
  Load(1000, {});
  double shares[4], deviations[4];
  model_.AnswerDistribution(kQ2, Set("2bd"), shares, deviations);
  EXPECT_EQ(shares[0], 0.0);
  EXPECT_EQ(shares[2], 0.0);
  EXPECT_EQ(deviations[0], 0.0);
  EXPECT_NEAR(shares[1] + shares[3], 1.0, 1e-15);
  // 0.25 * 0.2 + 0.75 * 0.3 against 0.25 * 0.4 + 0.75 * 0.1
  EXPECT_NEAR(shares[1], 0.275 / 0.45, 1e-15);
}

TEST_F(Probability, EmptyDistributionIsZeroNotNaN) {
  Load(1000, {});
  test::TestModel zero = HandModel(1000);
  zero.weights = {0.0, 0.0};
  test::TempDir other;
  test::WriteBytes(other.File("data.mle"), zero.Bytes());
  test::WriteBytes(other.File("zData.gcd"), {});
  CModel model;
  ASSERT_EQ(model.Load(other.File("data.mle"), notifier_), 0);
  double shares[4] = {9, 9, 9, 9}, deviations[4] = {9, 9, 9, 9};
  model.AnswerDistribution(kQ2, ConditionSet{}, shares, deviations);
  for (int a = 0; a < 4; ++a) {
    EXPECT_EQ(shares[a], 0.0);
    EXPECT_EQ(deviations[a], 0.0);
  }
}

TEST(PersonsOf, TruncatesTowardZero) {
  EXPECT_EQ(PersonsOf(1000, 0.1239), 123);
  EXPECT_EQ(PersonsOf(1000, 0.9999), 999);
  EXPECT_EQ(PersonsOf(1000, -0.0019), -1);
  EXPECT_EQ(PersonsOf(1000, std::nan("")), 0);
}

}  // namespace
}  // namespace orbica
