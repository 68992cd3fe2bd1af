// orbica-cli's table, order and pops commands, run as a separate process and
// compared with the engine in this process.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"

#include <filesystem>
#include <sstream>

#include "crosstable/cross_table.h"
#include "engine/app_context.h"
#include "survey/description_file.h"
#include "survey/pop_format.h"
#include "survey/subpopulation_code.h"

namespace orbica {
namespace {

using test::CliRun;
using test::RunCli;

class CliSurvey : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestModel m = test::TestModel::Uniform(3, 50000);
    m.weights = {0.2, 0.3, 0.5};
    for (int c = 0; c < 3; ++c)
      for (int q = 0; q < kQuestionCount; ++q) {
        double sum = 0;
        for (int a = 0; a < AnswerCount(q); ++a) sum += m.P(c, q, a) = 1.0 + (a * (c + 2) + q * (c + 1)) % 7;
        for (int a = 0; a < AnswerCount(q); ++a) m.P(c, q, a) /= sum;
      }
    CModel scratch;
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, m, scratch));
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
  std::string EngineOrder(int kind, const std::vector<std::string>& codes) {
    std::vector<ConditionSet> sets;
    for (const std::string& code : codes) sets.push_back(test::Set(code));
    CQuestionList questions;
    RecordingNotifier notifier;
    EXPECT_EQ(questions.Load(dir_.File("Otazky.txt"), context_.model, notifier), 1);
    questions.Order(kind, context_.model, sets);
    std::string line;
    for (const int q : questions.QuestionOrder()) {
      if (!line.empty()) line += ' ';
      line += std::to_string(q + 1);
    }
    return line + "\n";
  }

  test::TempDir dir_;
  RecordingNotifier notifier_;
  AppContext context_{notifier_, dir_.Path()};
};

TEST_F(CliSurvey, TablePrintsTheCrossTableWithLfLineEnds) {
  const CliRun whole = RunCli(dir_, "table 7 2 ''");
  ASSERT_EQ(whole.exit, 0) << whole.err;
  EXPECT_EQ(whole.out,
            *CrossTableText(6, 1, context_.model, context_.questions, ConditionSet{}, "Whole population", "\n") + "\n");
  EXPECT_EQ(whole.out.find('\r'), std::string::npos);
  EXPECT_EQ(whole.out.substr(0, whole.out.find('\n')),
            std::string(20, ' ') + "Table for questions 7 and 2   (Whole population)");

  const CliRun narrowed = RunCli(dir_, "table 7 2 '3ac 7bc'");
  ASSERT_EQ(narrowed.exit, 0) << narrowed.err;
  EXPECT_EQ(narrowed.out, *CrossTableText(6, 1, context_.model, context_.questions, test::Set("3ac 7bc"),
                                          "n/a q3a2 yes no ", "\n") +
                              "\n");
}

TEST_F(CliSurvey, OrderPrintsTheQuestionNumbersOfTheEnginesOrder) {
  const CliRun run = RunCli(dir_, "order 1 '' 2b 5c '3ac 13g'");
  ASSERT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(run.out, EngineOrder(1, {"", "2b", "5c", "3ac 13g"}));
  EXPECT_NE(run.out, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24\n");
  for (const int kind : {2, 3}) {
    const CliRun other = RunCli(dir_, "order " + std::to_string(kind) + " 2b 5c");
    ASSERT_EQ(other.exit, 0) << other.err;
    EXPECT_EQ(other.out, EngineOrder(kind, {"2b", "5c"})) << kind;
  }
  for (const char* args : {"order 0 2b 5c", "order 3 2b"}) {
    const CliRun numbers = RunCli(dir_, args);
    ASSERT_EQ(numbers.exit, 0) << numbers.err;
    EXPECT_EQ(numbers.out, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24\n") << args;
  }
}

TEST_F(CliSurvey, PopsListsTheSavedSubpopulationsInFileNameOrder) {
  const CliRun run = RunCli(dir_, "pops");
  ASSERT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(run.out, "2\t2b13g\tCommuters\n3\t5c\tFives\n");
  std::filesystem::remove_all(dir_.File("Populace"));
  const CliRun none = RunCli(dir_, "pops");
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
    const CliRun run = RunCli(dir_, c.args);
    EXPECT_EQ(run.exit, 2) << c.args;
    EXPECT_NE(run.err.find(c.mentions), std::string::npos) << c.args << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << c.args;
  }
}

TEST_F(CliSurvey, ACensusThatCannotBeLoadedExitsOneWithTheProgramsMessages) {
  std::filesystem::remove(dir_.File("Otazky.txt"));
  for (const char* args : {"table 1 2 ''", "order 1 2b 5c", "pops"}) {
    const CliRun run = RunCli(dir_, args);
    EXPECT_EQ(run.exit, 1) << args;
    EXPECT_LT(run.err.find("Cannot load the question descriptions."), run.err.find("Cannot load question list."))
        << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

}  // namespace
}  // namespace orbica
