// The six criteria on small hand-made models, the lookup tables, the pair table,
// the condition sets of ranked conditions and the run titles.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_census.h"

namespace orbica {
namespace {

using test::Code;
using test::Slot;

AnalysisCondition Cond(std::uint32_t n, int s1, int s2 = 0, int s3 = 0) { return {n, s1, s2, s3}; }

class Criteria : public ::testing::Test {
 protected:
  // Loads `m` with an empty records file.
  void Load(const test::TestModel& m) { census_.Write(m, {}); }
  CAnalysis& A() { return *census_.analysis; }
  test::AnalysisCensus census_;
};

TEST_F(Criteria, SizeErrorsOfOneComponent) {
  test::TestModel m = test::TestModel::Uniform(1, 1000);
  m.weights = {1.0};
  m.P(0, 2, 0) = 0.2;
  m.P(0, 3, 1) = 0.25;
  Load(m);
  EXPECT_DOUBLE_EQ(A().Evaluate(Cond(250, Slot(2, 0)), 0), 0.05);
  EXPECT_DOUBLE_EQ(A().Evaluate(Cond(250, Slot(2, 0)), 1), 0.2);
  // The model probability equals the observed share: no error.
  EXPECT_EQ(A().Evaluate(Cond(250, Slot(3, 1)), 0), 0.0);
  EXPECT_EQ(A().Evaluate(Cond(250, Slot(3, 1)), 1), 0.0);
  // Two answers: P = 0.2 x 0.25 = 0.05 against 20 / 1000.
  EXPECT_DOUBLE_EQ(A().Evaluate(Cond(20, Slot(2, 0), Slot(3, 1)), 0), 0.03);
  EXPECT_DOUBLE_EQ(A().Evaluate(Cond(20, Slot(2, 0), Slot(3, 1)), 1), 1.5);
}

TEST_F(Criteria, AnswerFrequenciesOfTwoComponents) {
  test::TestModel m = test::TestModel::Uniform(2, 1000);
  m.weights = {0.5, 0.5};
  m.P(0, 0, 0) = 0.2, m.P(1, 0, 0) = 0.6;  // the condition: answer a of question 1
  m.P(0, 4, 2) = 0.5, m.P(1, 4, 2) = 0.1;  // X: answer c of question 5
  m.P(0, 4, 3) = 0.3, m.P(1, 4, 3) = 0.2;  // answer d of question 5
  m.P(0, 6, 0) = 0.4, m.P(1, 6, 0) = 0.9;  // answer a of question 7
  Load(m);
  const AnalysisCondition cond = Cond(0, Slot(0, 0));
  A().firstChoice = Slot(4, 2);
  // P(cond) = 0.4; T = 0.5 x 0.2 x 0.5 + 0.5 x 0.6 x 0.1 = 0.08.
  EXPECT_DOUBLE_EQ(A().Evaluate(cond, 5), 0.08);
  EXPECT_DOUBLE_EQ(A().Evaluate(cond, 4), 0.2);
  // Answers of one question: X or Y. T = 0.5 x 0.2 x 0.8 + 0.5 x 0.6 x 0.3 = 0.17.
  A().secondChoice = Slot(4, 3);
  EXPECT_DOUBLE_EQ(A().Evaluate(cond, 5), 0.17);
  EXPECT_DOUBLE_EQ(A().Evaluate(cond, 4), 0.425);
  // Answers of two questions: X and Y. T = 0.5 x 0.2 x 0.2 + 0.5 x 0.6 x 0.09 = 0.047.
  A().secondChoice = Slot(6, 0);
  EXPECT_DOUBLE_EQ(A().Evaluate(cond, 5), 0.047);
  EXPECT_DOUBLE_EQ(A().Evaluate(cond, 4), 0.1175);
  EXPECT_LE(A().Evaluate(cond, 5), A().Evaluate(cond, 4));
  // A condition on the question of X or of Y does not apply.
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(0, 0), Slot(4, 1)), 4), kNotApplicable);
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(0, 0), Slot(2, 0), Slot(6, 2)), 5), kNotApplicable);
  EXPECT_EQ(A().secondChoice, Slot(6, 0));
}

TEST_F(Criteria, SecondAnswerEqualToFirstIsClearedOnFirstApplicableEvaluation) {
  test::TestModel m = test::TestModel::Uniform(2, 1000);
  m.weights = {0.3, 0.7};
  m.P(0, 4, 2) = 0.5, m.P(1, 4, 2) = 0.1;
  Load(m);
  A().firstChoice = A().secondChoice = Slot(4, 2);
  // Not applicable: nothing is cleared.
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(4, 0)), 4), kNotApplicable);
  EXPECT_EQ(A().secondChoice, Slot(4, 2));
  const double value = A().Evaluate(Cond(0, Slot(0, 3)), 4);
  EXPECT_EQ(A().secondChoice, -1);
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(0, 3)), 4), value);
  EXPECT_DOUBLE_EQ(value, 0.3 * 0.5 + 0.7 * 0.1);
}

TEST_F(Criteria, EntropyOfTheAnalysedQuestion) {
  test::TestModel m = test::TestModel::Uniform(1, 1000);
  m.weights = {1.0};
  m.P(0, 0, 0) = 0.2;
  // Question 7 has three answers; two equally likely and one impossible: ln 2.
  m.P(0, 6, 0) = 0.5, m.P(0, 6, 1) = 0.5, m.P(0, 6, 2) = 0.0;
  Load(m);
  A().firstChoice = 6;
  EXPECT_DOUBLE_EQ(A().Evaluate(Cond(0, Slot(0, 0)), 2), std::log(2.0));
  // Not applicable when any condition answer belongs to X.
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(0, 0), Slot(6, 1)), 2), kNotApplicable);
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(6, 0)), 2), kNotApplicable);
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(0, 0), Slot(1, 0), Slot(6, 2)), 2), kNotApplicable);
}

TEST_F(Criteria, EntropyLiesBetweenZeroAndLogAnswers) {
  const test::TestModel m = test::RandomModel(9, 5);
  Load(m);
  for (int x = 0; x < kQuestionCount; x += 5) {
    A().firstChoice = x;
    for (const AnalysisCondition& c :
         {Cond(0, Slot((x + 1) % 24, 0)), Cond(0, Slot((x + 2) % 24, 1), Slot((x + 3) % 24, 2))}) {
      const double h = A().Evaluate(c, 2);
      EXPECT_GE(h, 0.0);
      EXPECT_LE(h, std::log(AnswerCount(x)) + 1e-12);
    }
  }
}

TEST_F(Criteria, InformationBetweenTwoQuestions) {
  // Two components that tie answer a of question 1 to answer a of question 6,
  // and b to b: within any condition true to both, the information is ln 2.
  test::TestModel m = test::TestModel::Uniform(2, 1000);
  m.weights = {0.5, 0.5};
  for (int a = 0; a < AnswerCount(0); ++a) m.P(0, 0, a) = m.P(1, 0, a) = m.P(0, 5, a) = m.P(1, 5, a) = 0.0;
  m.P(0, 0, 0) = m.P(0, 5, 0) = 1.0;
  m.P(1, 0, 1) = m.P(1, 5, 1) = 1.0;
  Load(m);
  A().firstChoice = 0, A().secondChoice = 5;
  EXPECT_NEAR(A().Evaluate(Cond(0, Slot(2, 0)), 3), std::log(2.0), 1e-14);
  // Questions answered independently (one component): no information.
  A().firstChoice = 2, A().secondChoice = 9;
  EXPECT_NEAR(A().Evaluate(Cond(0, Slot(3, 1), Slot(7, 0)), 3), 0.0, 1e-13);
  // X = Y gives exactly 1 unless the condition concerns that question.
  A().secondChoice = 2;
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(3, 1)), 3), 1.0);
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(3, 1), Slot(2, 0)), 3), kNotApplicable);
  A().firstChoice = 0, A().secondChoice = 5;
  EXPECT_EQ(A().Evaluate(Cond(0, Slot(2, 0), Slot(5, 3)), 3), kNotApplicable);
}

TEST_F(Criteria, UnknownCriterionAndBadChoices) {
  Load(test::TestModel::Uniform(1, 1000));
  for (const int id : {6, -1, 100}) EXPECT_EQ(A().Evaluate(Cond(1, Slot(0, 0)), id), kUnknownCriterion);
  // Choices that name no question or answer do not apply, and nothing is read out of range.
  A().firstChoice = -1;
  EXPECT_EQ(A().Evaluate(Cond(1, Slot(0, 0)), 2), kNotApplicable);
  A().firstChoice = 24;
  EXPECT_EQ(A().Evaluate(Cond(1, Slot(0, 0)), 3), kNotApplicable);
  A().firstChoice = 500;
  EXPECT_EQ(A().Evaluate(Cond(1, Slot(0, 0)), 4), kNotApplicable);
}

TEST_F(Criteria, IndexTables) {
  Load(test::TestModel::Uniform(1, 1000));
  A().PrepareIndexTables();
  for (int q = 0; q < kQuestionCount; ++q) {
    EXPECT_EQ(A().FirstAnswerSlot(q), SlotStart(q) + 1);
    for (int s = SlotStart(q); s <= SlotStart(q) + AnswerCount(q); ++s) EXPECT_EQ(A().SlotQuestion(s), q) << s;
    for (int a = 0; a < AnswerCount(q); ++a) EXPECT_EQ(A().CodeQuestion(Code(q, a)), q);
  }
  EXPECT_EQ(A().SlotQuestion(16), 1);  // header slot of question 2
  EXPECT_EQ(A().CodeQuestion(15), 1);
  EXPECT_TRUE(census_.notifier.messages.empty());
}

TEST_F(Criteria, ConditionSetOfRankedSlots) {
  Load(test::TestModel::Uniform(1, 1000));
  EXPECT_EQ(A().BuildConditionSet(Slot(2, 0), Slot(2, 2), Slot(11, 1)), test::Set("3ac 12b"));
  EXPECT_EQ(A().BuildConditionSet(Slot(4, 6), 0, -1), test::Set("5g"));
  EXPECT_EQ(A().BuildConditionSet(0, 0, 0), ConditionSet{});
  // A header slot lies before its question's first answer.
  EXPECT_EQ(A().BuildConditionSet(SlotStart(3), Slot(0, 1), 0), test::Set("1b"));
  ASSERT_EQ(census_.notifier.messages.size(), 1u);
  EXPECT_EQ(census_.notifier.messages[0].text, "Chyba, k<0");
  EXPECT_EQ(census_.notifier.messages[0].caption, "");
}

TEST(PairValueTable, SortedAppendsAndLookups) {
  CPairValueTable table;
  EXPECT_EQ(table.Capacity(), 183u * 183u);
  EXPECT_EQ(table.Insert(0, 5, 0.5), 1);
  EXPECT_EQ(table.Insert(9, 0, 0.9), 1);   // stored as (0, 9)
  EXPECT_EQ(table.Insert(0, 7, 0.7), -1);  // smaller than the last key
  EXPECT_EQ(table.Insert(0, 9, 1.9), 1);   // equal keys are appended again
  EXPECT_EQ(table.Insert(30, 12, 2.5), 1);
  EXPECT_EQ(table.Lookup(5, 0), 0.5);
  EXPECT_EQ(table.Lookup(0, 9), 0.9);  // the first of equal keys
  EXPECT_EQ(table.Lookup(12, 30), 2.5);
  EXPECT_EQ(table.Lookup(0, 7), 0.0);
  EXPECT_EQ(table.Lookup(1, 2), 0.0);
  EXPECT_EQ(table.Size(), 4u);
  EXPECT_EQ(CPairValueTable::Key(12, 30), 12u * 65536u + 30u);

  CPairValueTable small(2);
  EXPECT_EQ(small.Insert(0, 1, 1.0), 1);
  EXPECT_EQ(small.Insert(0, 2, 2.0), 1);
  EXPECT_EQ(small.Insert(0, 3, 3.0), -1);  // full
  EXPECT_EQ(small.Lookup(0, 3), 0.0);
  CPairValueTable none(0);
  EXPECT_EQ(none.Insert(0, 1, 1.0), -1);
  EXPECT_EQ(none.Lookup(0, 1), 0.0);
}

TEST_F(Criteria, RunTitles) {
  Load(test::TestModel::Uniform(1, 1000));
  const CQuestionList& q = census_.questions;
  EXPECT_EQ(AnalysisTitle(0, -1, -1, q), "Absolute subpopulation size error");
  EXPECT_EQ(AnalysisTitle(1, 3, 4, q), "Relative subpopulation size error");
  EXPECT_EQ(AnalysisTitle(2, 4, -1, q), "Conditional question entropy - Question 5");
  EXPECT_EQ(AnalysisTitle(3, 0, 5, q), "Information measure between two questions - Questions 1 and 6");
  EXPECT_EQ(AnalysisTitle(4, Slot(4, 2), -1, q), "Relative answer frequency - Answer 5c");
  EXPECT_EQ(AnalysisTitle(4, Slot(4, 2), Slot(6, 0), q), "Relative answer frequency - Answers 5c and 7a");
  EXPECT_EQ(AnalysisTitle(5, Slot(23, 6), Slot(9, 9), q), "Absolute answer frequency - Answers 24g and 10j");
  A().criterion = 5, A().firstChoice = Slot(0, 14), A().secondChoice = -1;
  EXPECT_EQ(A().MakeTitle(), "Absolute answer frequency - Answer 1o");
  EXPECT_EQ(A().title, "Absolute answer frequency - Answer 1o");
}

}  // namespace
}  // namespace orbica
