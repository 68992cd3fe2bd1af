// orbica-cli's table, order and pops commands, run as a separate process and
// compared with the engine in this process or with values worked out here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <sstream>

#include "crosstable/cross_table.h"
#include "engine/app_context.h"
#include "support/census_files.h"
#include "support/cli_runner.h"
#include "support/description_file.h"
#include "survey/pop_format.h"
#include "survey/subpopulation_code.h"

namespace orbica {
namespace {

using test::ProgramRun;
using test::RunCli;

class CliSurvey : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = test::TestModel::Uniform(3, 50000);
    file_.weights = {0.2, 0.3, 0.5};
    for (int c = 0; c < 3; ++c)
      for (int q = 0; q < kQuestionCount; ++q) {
        double sum = 0;
        for (int a = 0; a < AnswerCount(q); ++a) sum += file_.P(c, q, a) = 1.0 + (a * (c + 2) + q * (c + 1)) % 7;
        for (int a = 0; a < AnswerCount(q); ++a) file_.P(c, q, a) /= sum;
      }
    CModel scratch;
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, file_, scratch));
    test::DescriptionFile file;
    file.questions[6] = "Do you smoke?";
    file.answers[{6, 1}] = {"Yes", "yes"};
    file.answers[{6, 2}] = {"No", "no"};
    test::WriteText(dir_.File("Otazky.txt"), file.Text());
    std::filesystem::create_directory(dir_.File("Populace"));
    Save("5c", "Fives");
    Save("2b 13g", "Commuters");
    ASSERT_EQ(context_.StartUp(), 0);
  }
  void Save(const std::string& code, const std::string& name) {
    PopContents pop;
    pop.masks = test::Set(code);
    pop.name = name;
    test::WriteBytes(dir_.File("Populace/" + CompactCode(pop.masks) + ".pop"), EncodePop(pop));
  }
  // How much the shown sets differ on question q, from the model file's parameters:
  // the largest over the pairs of sets of the largest (kind 1), the answer-averaged
  // (kind 2) or the summed (kind 3) absolute difference of the answer shares.
  double Difference(int kind, int q, const std::vector<ConditionSet>& sets) const {
    std::vector<std::vector<double>> shares;
    for (const ConditionSet& set : sets) {
      std::vector<double>& row = shares.emplace_back(static_cast<std::size_t>(AnswerCount(q)), 0.0);
      for (int a = 0; a < AnswerCount(q); ++a) {
        if (set[static_cast<std::size_t>(q)] != 0 && !(set[static_cast<std::size_t>(q)] & (1u << a))) continue;
        ConditionSet withAnswer = set;
        withAnswer[static_cast<std::size_t>(q)] = 1u << a;
        row[static_cast<std::size_t>(a)] = file_.ProbabilityOf(withAnswer) / file_.ProbabilityOf(set);
      }
    }
    double value = 0;
    for (std::size_t j = 0; j < sets.size(); ++j)
      for (std::size_t k = j + 1; k < sets.size(); ++k) {
        double largest = 0, sum = 0;
        for (std::size_t a = 0; a < shares[j].size(); ++a) {
          largest = std::max(largest, std::fabs(shares[j][a] - shares[k][a]));
          sum += std::fabs(shares[j][a] - shares[k][a]);
        }
        value = std::max(value, kind == 1 ? largest : kind == 2 ? sum / AnswerCount(q) : sum);
      }
    return value;
  }
  // The printed line holds every question number once, and no question stands
  // before one whose difference is larger by 0.001 or more.
  void ExpectOrder(const ProgramRun& run, int kind, const std::vector<std::string>& codes) const {
    ASSERT_EQ(run.exit, 0) << run.err;
    std::vector<ConditionSet> sets;
    for (const std::string& code : codes) sets.push_back(test::Set(code));
    std::vector<int> order;
    for (const std::string& number : test::Split(run.out, ' ')) order.push_back(std::stoi(number) - 1);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> all(kQuestionCount);
    std::iota(all.begin(), all.end(), 0);
    ASSERT_EQ(sorted, all) << run.out;
    for (std::size_t i = 1; i < order.size(); ++i)
      EXPECT_LT(Difference(kind, order[i], sets) - Difference(kind, order[i - 1], sets), 0.001)
          << "kind " << kind << ": question " << order[i] + 1 << " after " << order[i - 1] + 1 << " in " << run.out;
  }

  test::TestModel file_;
  test::TempDir dir_;
  RecordingNotifier notifier_;
  AppContext context_{notifier_, dir_.Path()};
};

TEST_F(CliSurvey, TablePrintsTheCrossTableWithLfLineEnds) {
  const ProgramRun whole = RunCli(dir_, "table 7 2 ''");
  ASSERT_EQ(whole.exit, 0) << whole.err;
  EXPECT_EQ(whole.out,
            *CrossTableText(6, 1, context_.model, context_.questions, ConditionSet{}, "Whole population", "\n") + "\n");
  EXPECT_EQ(whole.out.find('\r'), std::string::npos);
  EXPECT_EQ(whole.out.substr(0, whole.out.find('\n')),
            std::string(20, ' ') + "Table for questions 7 and 2   (Whole population)");

  const ProgramRun narrowed = RunCli(dir_, "table 7 2 '3ac 7bc'");
  ASSERT_EQ(narrowed.exit, 0) << narrowed.err;
  EXPECT_EQ(narrowed.out, *CrossTableText(6, 1, context_.model, context_.questions, test::Set("3ac 7bc"),
                                          "n/a q3a2 yes no ", "\n") +
                              "\n");
}

TEST_F(CliSurvey, OrderPrintsTheQuestionNumbersByDescendingDifference) {
  ExpectOrder(RunCli(dir_, "order 1 '' 2b 5c '3ac 13g'"), 1, {"", "2b", "5c", "3ac 13g"});
  for (const int kind : {2, 3}) ExpectOrder(RunCli(dir_, "order " + std::to_string(kind) + " 2b 5c"), kind, {"2b", "5c"});
  for (const char* args : {"order 0 2b 5c", "order 3 2b"}) {
    const ProgramRun numbers = RunCli(dir_, args);
    ASSERT_EQ(numbers.exit, 0) << numbers.err;
    EXPECT_EQ(numbers.out, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24\n") << args;
  }
}

TEST_F(CliSurvey, PopsListsTheSavedSubpopulationsInFileNameOrder) {
  const ProgramRun run = RunCli(dir_, "pops");
  ASSERT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(run.out, "2\t2b13g\tCommuters\n3\t5c\tFives\n");
  std::filesystem::remove_all(dir_.File("Populace"));
  const ProgramRun none = RunCli(dir_, "pops");
  EXPECT_EQ(none.exit, 0);
  EXPECT_EQ(none.out, "");
}

TEST_F(CliSurvey, BadInputExitsTwoAndNamesTheBadPart) {
  struct Case {
    const char* args;
    const char* mentions;
  };
  for (const Case& c : {Case{"table 0 1 ''", "\"0\""}, Case{"table 1 25 ''", "\"25\""}, Case{"table 1 2 9z", "'z'"},
                        Case{"table 1 2", "usage"}, Case{"order 4 ''", "\"4\""}, Case{"order x 2b", "\"x\""},
                        Case{"order 1 2b 3a 4a 5a 6a", "at most four"}, Case{"order 1 2b 30a", "30"},
                        Case{"order 1", "usage"}, Case{"pops extra", "usage"}}) {
    const ProgramRun run = RunCli(dir_, c.args);
    EXPECT_EQ(run.exit, 2) << c.args;
    EXPECT_NE(run.err.find(c.mentions), std::string::npos) << c.args << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << c.args;
  }
}

TEST_F(CliSurvey, ACensusThatCannotBeLoadedExitsOneWithTheProgramsMessages) {
  std::filesystem::remove(dir_.File("Otazky.txt"));
  for (const char* args : {"table 1 2 ''", "order 1 2b 5c", "pops"}) {
    const ProgramRun run = RunCli(dir_, args);
    EXPECT_EQ(run.exit, 1) << args;
    EXPECT_LT(run.err.find("Cannot load the question descriptions."), run.err.find("Cannot load question list."))
        << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

}  // namespace
}  // namespace orbica
