// The cross table text: layout, counts from the model, widths, and the cases
// where a row, a column or the whole table is empty.
#include <gtest/gtest.h>

#include "crosstable/cross_table.h"
#include "support/census_files.h"
#include "support/description_file.h"
#include "survey/question_list.h"
#include "survey/subpopulation_store.h"

namespace orbica {
namespace {

using test::Set;

std::string Join(const std::vector<std::string>& lines, const std::string& end) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? end : "") + lines[i];
  return text;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST(CrossTableLayout, ReproducesTheTwoByTwoExample) {
  CrossTableCounts counts;
  counts.rows = counts.columns = 2;
  counts.cells = {120, 80, 170, 130};
  counts.rowTotals = {200, 300};
  counts.columnTotals = {290, 210};
  counts.grandTotal = 500;
  CrossTableLabels labels;
  labels.top = 2;
  labels.left = 0;
  labels.topQuestion = "Do you smoke?";
  labels.leftQuestion = "Sex";
  labels.topAnswers = {"yes", "no"};
  labels.leftAnswers = {"male", "female"};
  labels.name = "All respondents";
  const std::vector<std::string> expected = {
      "                    Table for questions 3 and 1   (All respondents)",
      "                        - Do you smoke?",
      "                        - Sex",
      "",
      "                                yes             no             total",
      "---------------------------------------------------.----------------",
      "male                            120             80 |             200 ( 40.00%)",
      "female                          170            130 |             300 ( 60.00%)",
      "---------------------------------------------------+----------------",
      "total                           290            210 |             500",
  };
  EXPECT_EQ(FormatCrossTable(counts, labels, "\r\n"), Join(expected, "\r\n"));
  EXPECT_EQ(CrossTableCaption(2, 0), "Table for questions 3 and 1");
}

TEST(CrossTableLayout, WideTopTextsWidenEveryColumnAndLabelsAreNeverCut) {
  CrossTableCounts counts;
  counts.rows = 2;
  counts.columns = 2;
  counts.cells = {1, 2, 3, 4};
  counts.rowTotals = {3, 7};
  counts.columnTotals = {4, 6};
  counts.grandTotal = 10;
  CrossTableLabels labels;
  labels.topAnswers = {"  twenty characters!", "b"};  // trimmed in the head, counted whole for the width
  labels.leftAnswers = {"a label longer than twenty", "Žena"};
  const std::vector<std::string> lines = Split(FormatCrossTable(counts, labels, "\n"));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "                    Table for questions 1 and 1   ()");
  EXPECT_EQ(lines[4], std::string(20, ' ') + std::string(3, ' ') + "twenty characters!" + std::string(20, ' ') + "b" +
                          std::string(19, ' ') + "total");
  EXPECT_EQ(lines[5], std::string(20 + 2 * 21, '-') + "-.-" + std::string(21, '-'));
  EXPECT_EQ(lines[6], "a label longer than twenty" + std::string(20, ' ') + "1" + std::string(20, ' ') + "2 |" +
                          std::string(21, ' ') + "3 ( 30.00%)");
  // "Žena" is four characters, padded to twenty.
  EXPECT_EQ(lines[7], "Žena" + std::string(16, ' ') + std::string(20, ' ') + "3" + std::string(20, ' ') + "4 |" +
                          std::string(21, ' ') + "7 ( 70.00%)");
}

// Question 7 (answers n/a, yes, no) across, question 2 (n/a, male, female, other)
// down; four components of 1024 respondents put 120, 80, 170 and 130 of them into
// the cells (male, yes), (male, no), (female, yes), (female, no).
class CrossTable : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestModel m = test::TestModel::Uniform(4, 1024);
    m.weights = {120.0 / 1024, 80.0 / 1024, 170.0 / 1024, 130.0 / 1024};
    for (int c = 0; c < 4; ++c) {
      for (const int q : {1, 6})
        for (int a = 0; a < AnswerCount(q); ++a) m.P(c, q, a) = 0.0;
      m.P(c, 1, c < 2 ? 1 : 2) = 1.0;
      m.P(c, 6, c % 2 == 0 ? 1 : 2) = 1.0;
    }
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, m, model_));
    test::DescriptionFile file;
    file.questions[6] = "Do you smoke?";
    file.answers[{6, 1}] = {"Yes, I do", "yes"};
    file.answers[{6, 2}] = {"No, I don't", "no"};
    file.questions[1] = "Sex";
    file.answers[{1, 1}] = {"Male", "male"};
    file.answers[{1, 2}] = {"Female", "female"};
    file.answers[{1, 3}] = {"Other", "other"};
    test::WriteText(dir_.File("Otazky.txt"), file.Text());
    RecordingNotifier notifier;
    ASSERT_EQ(questions_.Load(dir_.File("Otazky.txt"), model_, notifier), 1);
  }
  std::optional<std::string> Table(int top, int left, const std::string& code, const std::string& name = "") {
    return CrossTableText(top, left, model_, questions_, Set(code), name, "\n");
  }

  test::TempDir dir_;
  CModel model_;
  CQuestionList questions_;
};

TEST_F(CrossTable, CountsComeFromTheModelAndExcludedAnswersGiveZeroRowsAndColumns) {
  const auto text = Table(6, 1, "2bc 7bc", "All respondents");
  ASSERT_TRUE(text.has_value());
  const std::vector<std::string> expected = {
      "                    Table for questions 7 and 2   (All respondents)",
      "                        - Do you smoke?",
      "                        - Sex",
      "",
      "                                n/a            yes             no             total",
      "------------------------------------------------------------------.----------------",
      "n/a                               0              0              0 |               0 (  0.00%)",
      "male                              0            120             80 |             200 ( 40.00%)",
      "female                            0            170            130 |             300 ( 60.00%)",
      "other                             0              0              0 |               0 (  0.00%)",
      "------------------------------------------------------------------+----------------",
      "total                             0            290            210 |             500",
  };
  EXPECT_EQ(*text, Join(expected, "\n"));
  // Without conditions the same cells come out: the other answers have no respondents.
  const CrossTableCounts whole = ComputeCrossTable(6, 1, model_, ConditionSet{});
  EXPECT_EQ(whole.cells, ComputeCrossTable(6, 1, model_, Set("2bc 7bc")).cells);
  // A condition on the top question leaves only its allowed column.
  const CrossTableCounts yes = ComputeCrossTable(6, 1, model_, Set("7b"));
  EXPECT_EQ(yes.columnTotals, (std::vector<std::int64_t>{0, 290, 0}));
  EXPECT_EQ(yes.rowTotals, (std::vector<std::int64_t>{0, 120, 170, 0}));
}

TEST_F(CrossTable, SeveralAllowedAnswersEachShowOnlyTheirOwnRespondents) {
  const CrossTableCounts counts = ComputeCrossTable(6, 1, model_, Set("2bd"));
  EXPECT_EQ(counts.Cell(1, 1), 120);
  EXPECT_EQ(counts.Cell(1, 2), 80);
  EXPECT_EQ(counts.rowTotals[2], 0);  // female is excluded
  EXPECT_EQ(counts.rowTotals[3], 0);  // other is allowed but empty
  EXPECT_EQ(counts.grandTotal, model_.Size(Set("2bd")));
}

TEST_F(CrossTable, TheSameQuestionTwiceFillsOnlyTheDiagonal) {
  const CrossTableCounts counts = ComputeCrossTable(1, 1, model_, ConditionSet{});
  for (int a = 0; a < counts.rows; ++a)
    for (int b = 0; b < counts.columns; ++b) {
      ConditionSet one{};
      one[1] = 1u << a;
      EXPECT_EQ(counts.Cell(a, b), a == b ? model_.Size(one) : 0) << a << ' ' << b;
    }
  EXPECT_EQ(counts.Cell(2, 2), 300);
}

TEST_F(CrossTable, WithoutRespondentsThePercentagesReadNa) {
  const auto text = Table(6, 1, "7a");  // nobody answers n/a to question 7
  ASSERT_TRUE(text.has_value());
  const std::vector<std::string> lines = Split(*text);
  ASSERT_EQ(lines.size(), 12u);
  for (int row = 6; row < 10; ++row)
    EXPECT_EQ(lines[static_cast<std::size_t>(row)].substr(20 + 45), " |               0 (   n/a%)") << row;
  EXPECT_EQ(lines[11].substr(20 + 45), " |               0");
  EXPECT_EQ(lines[0], "                    Table for questions 7 and 2   ()");
}

TEST_F(CrossTable, CellsAreTruncatedNotRounded) {
  test::TestModel m = test::TestModel::Uniform(1, 100);
  for (int a = 0; a < 3; ++a) m.P(0, 6, a) = a == 0 ? 0.0099 : 0.49505;  // 0.99 and 49.505 persons
  test::TempDir other;
  CModel model;
  ASSERT_TRUE(test::WriteAndLoadModel(other, m, model));
  const CrossTableCounts counts = ComputeCrossTable(6, 6, model, ConditionSet{});
  EXPECT_EQ(counts.Cell(0, 0), 0);
  EXPECT_EQ(counts.Cell(1, 1), 49);
  EXPECT_EQ(counts.grandTotal, 98);  // short of trunc(N x P) = 100
}

TEST_F(CrossTable, QuestionsOutsideTheQuestionnaireGiveNoText) {
  for (const auto& [top, left] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {24, 0}, {0, 24}, {100, 3}})
    EXPECT_FALSE(Table(top, left, "").has_value()) << top << ' ' << left;
  EXPECT_TRUE(Table(23, 0, "").has_value());
}

TEST_F(CrossTable, TheFirstShownSlotIsDescribed) {
  CSubpopulationList list(dir_.File("Populace"));
  RecordingNotifier notifier;
  CDisplayedSubpopulations slots(list, notifier);
  EXPECT_EQ(CrossTableSubpopulation(slots), nullptr);
  ASSERT_TRUE(list.Build());
  ASSERT_TRUE(slots.Init());
  auto p = std::make_unique<CPopulace>(0);
  p->Masks() = Set("7b");
  slots.Put(2, std::move(p));
  slots.Show(2, true);
  EXPECT_EQ(CrossTableSubpopulation(slots), slots.Subpopulation(0));
  slots.Show(0, false);
  EXPECT_EQ(CrossTableSubpopulation(slots), slots.Subpopulation(2));
  slots.Show(1, true);
  EXPECT_EQ(CrossTableSubpopulation(slots), slots.Subpopulation(1));
}

}  // namespace
}  // namespace orbica
