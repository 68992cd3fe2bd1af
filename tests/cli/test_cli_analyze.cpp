// orbica-cli analyze as a separate process: its lines against the engine's run,
// thread counts, missing files and bad options.
#include <gtest/gtest.h>

#include <sstream>

#include "analysis/analysis_census.h"
#include "support/cli_runner.h"
#include "survey/subpopulation_code.h"

namespace orbica {
namespace {

using test::ProgramRun;
using test::RunCli;

using test::Split;

class CliAnalyze : public ::testing::Test {
 protected:
  void SetUp() override { census_.Write(test::RandomModel(11, 4, 20000), test::SomeRecords(3, 23, 997)); }
  test::AnalysisCensus census_;
};

TEST_F(CliAnalyze, PrintsTheTitleAndOneLinePerRankedCondition) {
  const ProgramRun run = RunCli(census_.dir, "analyze --criterion 4 --first 5c --second 7a --length 3 --weight 0.25");
  ASSERT_EQ(run.exit, 0) << run.err;
  const std::vector<std::string> lines = Split(run.out, '\n');
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Relative answer frequency - Answers 5c and 7a");

  CAnalysis& a = *census_.analysis;
  a.criterion = 4, a.firstChoice = AnswerSlot(4, 2), a.secondChoice = AnswerSlot(6, 0);
  a.maxLength = 3, a.weight = 0.25;
  const std::vector<AnalysisHit> hits = census_.Run();
  ASSERT_EQ(lines.size(), hits.size() + 1);
  for (std::size_t i = 0; i < hits.size(); ++i) {
    const std::vector<std::string> cells = Split(lines[i + 1], '\t');
    ASSERT_EQ(cells.size(), 6u) << lines[i + 1];
    EXPECT_EQ(cells[0], std::to_string(i + 1));
    EXPECT_EQ(cells[1], CompactCode(a.BuildConditionSet(hits[i].s1, hits[i].s2, hits[i].s3)));
    // %.17g reads back exactly.
    EXPECT_EQ(std::stod(cells[2]), hits[i].score);
    EXPECT_EQ(std::stod(cells[3]), hits[i].value);
    EXPECT_EQ(std::stod(cells[4]), hits[i].difference);
    EXPECT_EQ(std::stod(cells[5]), hits[i].count / 20000.0);
  }
}

TEST_F(CliAnalyze, SameLinesForAnyThreadCount) {
  const ProgramRun one = RunCli(census_.dir, "analyze --criterion 3 --first 1 --second 6 --length 3 --threads 1");
  const ProgramRun two = RunCli(census_.dir, "analyze --criterion 3 --first 1 --second 6 --length 3 --threads 2");
  ASSERT_EQ(one.exit, 0) << one.err;
  EXPECT_EQ(Split(one.out, '\n')[0], "Information measure between two questions - Questions 1 and 6");
  EXPECT_GT(Split(one.out, '\n').size(), 10u);
  EXPECT_EQ(one.out, two.out);
  const ProgramRun entropy = RunCli(census_.dir, "analyze --criterion 2 --first 7 --threshold 0.01");
  ASSERT_EQ(entropy.exit, 0) << entropy.err;
  EXPECT_EQ(Split(entropy.out, '\n')[0], "Conditional question entropy - Question 7");
}

TEST_F(CliAnalyze, MissingFilesExitOneWithTheProgramsMessage) {
  std::remove(census_.dir.File("zData.gcd").c_str());
  ProgramRun run = RunCli(census_.dir, "analyze --criterion 0");
  EXPECT_EQ(run.exit, 1);
  EXPECT_NE(run.err.find("Cannot open the zdata.gcd file"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty());
  std::remove(census_.dir.File("Otazky.txt").c_str());
  run = RunCli(census_.dir, "analyze --criterion 0");
  EXPECT_EQ(run.exit, 1);
  EXPECT_NE(run.err.find("Cannot load question list."), std::string::npos) << run.err;
  std::remove(census_.dir.File("data.mle").c_str());
  run = RunCli(census_.dir, "analyze --criterion 0");
  EXPECT_EQ(run.exit, 1);
  EXPECT_LT(run.err.find("Parameters file not opened"), run.err.find("Cannot load the model."));
}

TEST_F(CliAnalyze, BadOptionsExitTwo) {
  for (const char* args :
       {"analyze", "analyze --criterion 6", "analyze --criterion x", "analyze --criterion 2",
        "analyze --criterion 3 --first 1", "analyze --criterion 2 --first 25", "analyze --criterion 4 --first 5z",
        "analyze --criterion 4 --first 7d", "analyze --criterion 5 --first c5", "analyze --criterion 0 --first 1",
        "analyze --criterion 2 --first 1 --second 2", "analyze --criterion 0 --length 4",
        "analyze --criterion 0 --weight 1.5", "analyze --criterion 0 --threshold abc",
        "analyze --criterion 0 --threads 0", "analyze --criterion 0 --frobnicate 1",
        "analyze --criterion 0 --length"}) {
    const ProgramRun run = RunCli(census_.dir, args);
    EXPECT_EQ(run.exit, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
  }
}

}  // namespace
}  // namespace orbica
