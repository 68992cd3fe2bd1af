// Subpopulations: identities, copies, the derived texts, the size and the
// editing rules.
#include <gtest/gtest.h>

#include "support/census_files.h"
#include "support/description_file.h"
#include "survey/populace.h"
#include "survey/question_list.h"

namespace orbica {
namespace {

using test::Set;

TEST(Identity, NewIdentitiesFollowTheHighestEverGiven) {
  const CBasePopulace big(CBasePopulace::HighestIdentity() + 10);
  const int highest = CBasePopulace::HighestIdentity();
  EXPECT_EQ(highest, big.Identity());
  const CBasePopulace low(2);  // a smaller identity does not lower the counter
  EXPECT_EQ(CBasePopulace::HighestIdentity(), highest);
  const CBasePopulace negative(-3);
  EXPECT_EQ(CBasePopulace::HighestIdentity(), highest);

  const CBasePopulace copy(low, true);
  EXPECT_EQ(copy.Identity(), highest + 1);
  const CPopulace another(low, true);
  EXPECT_EQ(another.Identity(), highest + 2);  // never reused
  const CBasePopulace same(negative, false);
  EXPECT_EQ(same.Identity(), -3);
  EXPECT_EQ(CBasePopulace::HighestIdentity(), highest + 2);

  CPopulace moved(1);
  moved.SetIdentity(highest + 50);
  EXPECT_EQ(CBasePopulace::HighestIdentity(), highest + 50);
}

TEST(Identity, ANewSubpopulationIsTheWholePopulation) {
  const CPopulace whole(1);
  EXPECT_EQ(whole.Name(), "Whole population");
  EXPECT_EQ(whole.Masks(), ConditionSet{});
  EXPECT_FALSE(whole.FileName().has_value());
  EXPECT_EQ(whole.Note(), "");
}

TEST(Copies, TakeMasksNameAndOnlyAListedSubpopulationsNote) {
  CPopulace listed = CPopulace::FromFile("/nonexistent/x.pop", 7);
  ASSERT_TRUE(listed.FileName().has_value());
  listed.Masks() = Set("3ac 12b");
  listed.SetName("Listed");
  listed.SetNote("A note");
  const CPopulace copy(listed, false);
  EXPECT_EQ(copy.Identity(), 7);
  EXPECT_EQ(copy.Masks(), listed.Masks());
  EXPECT_EQ(copy.Name(), "Listed");
  EXPECT_EQ(copy.Note(), "A note");
  EXPECT_FALSE(copy.FileName().has_value());

  CInfPopulace result(-1);
  result.Masks() = Set("5b");
  result.SetName("Result");
  result.criterionValue = 2.5;
  const CPopulace fromResult(result, false);
  EXPECT_EQ(fromResult.Identity(), -1);
  EXPECT_EQ(fromResult.Masks(), Set("5b"));
  EXPECT_EQ(fromResult.Name(), "Result");
  EXPECT_EQ(fromResult.Note(), "");
  const CInfPopulace resultCopy(result);
  EXPECT_EQ(resultCopy.criterionValue, 2.5);
}

TEST(Names, KeepAtMost255Characters) {
  CBasePopulace p(0);
  p.SetName(std::string(300, 'n'));
  EXPECT_EQ(p.Name(), std::string(255, 'n'));
  p.SetName(std::string(254, 'n') + "čč");  // 256 characters, 258 bytes
  EXPECT_EQ(p.Name(), std::string(254, 'n') + "č");
}

class Derived : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestModel m = test::TestModel::Uniform(1, 1000);
    for (int a = 0; a < AnswerCount(2); ++a) m.P(0, 2, a) = 0.0;
    m.P(0, 2, 0) = 0.1239;
    m.P(0, 2, 1) = 1.0 - 0.1239;
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, m, model_));
    test::DescriptionFile file;
    file.answers[{2, 2}] = {"long", "third"};
    test::WriteText(dir_.File("Otazky.txt"), file.Text());
    RecordingNotifier notifier;
    ASSERT_EQ(questions_.Load(dir_.File("Otazky.txt"), model_, notifier), 1);
  }
  test::TempDir dir_;
  CModel model_;
  CQuestionList questions_;
};

TEST_F(Derived, CodeAnswerDescriptionAndSize) {
  CBasePopulace p(0);
  EXPECT_EQ(p.Code(), "Celá");
  EXPECT_EQ(p.AnswerDescription(questions_), "");
  EXPECT_EQ(p.Size(model_), 1000);
  p.Masks() = Set("3ac 12b");
  EXPECT_EQ(p.Code(), " 3ac 12b ");
  EXPECT_EQ(p.AnswerDescription(questions_), "n/a third q12a1 ");
  p.Masks() = Set("3a");
  EXPECT_EQ(p.Size(model_), 123);  // trunc(1000 x 0.1239)
  // Bits beyond the question's answers have no text of another question.
  p.Masks()[2] = (1u << 11) | 1u;
  EXPECT_EQ(p.AnswerDescription(questions_), "n/a ");
}

// One component; question 7 has answers of 1612, 1611 and the rest of 2^20
// respondents, every other question is answered "a" by everyone.
class Editing : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestModel m = test::TestModel::Uniform(1, 1 << 20);
    for (int q = 0; q < kQuestionCount; ++q)
      for (int a = 0; a < AnswerCount(q); ++a) m.P(0, q, a) = a == 0 ? 1.0 : 0.0;
    m.P(0, 6, 0) = 1612.0 / (1 << 20);
    m.P(0, 6, 1) = 1611.0 / (1 << 20);
    m.P(0, 6, 2) = (double((1 << 20) - 3223)) / (1 << 20);
    m.weights = {1.0};
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, m, model_));
  }
  EditResult Edit(int q, int a, bool allow) { return EditAnswer(population_, q, a, allow, model_, notifier_); }

  test::TempDir dir_;
  CModel model_;
  RecordingNotifier notifier_;
  CPopulace population_{0};
};

TEST_F(Editing, TheSizeMustStayAtLeast1612) {
  EXPECT_EQ(Edit(6, 1, true), EditResult::TooSmall);  // 1611
  EXPECT_EQ(population_.Masks(), ConditionSet{});
  EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{"Defined subpopulation is too small!"});
  EXPECT_EQ(Edit(6, 0, true), EditResult::Accepted);  // 1612
  EXPECT_EQ(population_.Masks()[6], 1u);
  EXPECT_EQ(Edit(6, 1, true), EditResult::Accepted);  // 3223
  EXPECT_EQ(population_.Masks()[6], 3u);
  EXPECT_EQ(Edit(6, 0, false), EditResult::TooSmall);  // would leave 1611
  EXPECT_EQ(population_.Masks()[6], 3u);
  EXPECT_EQ(Edit(6, 1, false), EditResult::Accepted);  // leaves 1612
  EXPECT_EQ(population_.Masks()[6], 1u);
  EXPECT_EQ(Edit(6, 0, false), EditResult::Accepted);  // no condition left: the whole population
  EXPECT_EQ(population_.Masks(), ConditionSet{});
  EXPECT_EQ(notifier_.messages.size(), 2u);
  EXPECT_EQ(notifier_.messages[1].text, "Defined subpopulation is too small!");
}

TEST_F(Editing, AtMostFifteenQuestionsMayBeConstrained) {
  for (int q = 0; q < 14; ++q) {
    if (q == 6) continue;
    ASSERT_EQ(Edit(q, 0, true), EditResult::Accepted) << q;
  }
  ASSERT_EQ(population_.ConstrainedQuestions(), 13);
  EXPECT_EQ(Edit(14, 0, true), EditResult::Accepted);
  EXPECT_EQ(Edit(15, 0, true), EditResult::Accepted);
  ASSERT_EQ(population_.ConstrainedQuestions(), 15);
  EXPECT_TRUE(notifier_.messages.empty());
  const ConditionSet before = population_.Masks();
  EXPECT_EQ(Edit(16, 0, true), EditResult::TooManyConditions);  // a sixteenth question
  EXPECT_EQ(Edit(0, 1, true), EditResult::TooManyConditions);   // another answer of a constrained one
  EXPECT_EQ(population_.Masks(), before);
  EXPECT_EQ(notifier_.Texts(), std::vector<std::string>(2, "Too many conditions or too small subpopulation!"));
  // Allowing what is allowed and forbidding what is not change nothing and say nothing.
  EXPECT_EQ(Edit(0, 0, true), EditResult::Accepted);
  EXPECT_EQ(Edit(0, 3, false), EditResult::Accepted);
  EXPECT_EQ(population_.Masks(), before);
  EXPECT_EQ(notifier_.messages.size(), 2u);
  // Removing a condition is always possible here, and then a new one may be added.
  EXPECT_EQ(Edit(0, 0, false), EditResult::Accepted);
  EXPECT_EQ(Edit(16, 0, true), EditResult::Accepted);
}

}  // namespace
}  // namespace orbica
