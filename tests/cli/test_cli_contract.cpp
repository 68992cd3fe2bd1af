// orbica-cli's output contract and exit codes, run as a separate process.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/app_context.h"
#include "support/census_files.h"
#include "support/cli_runner.h"
#include "survey/subpopulation_code.h"

namespace orbica {
namespace {

using test::ProgramRun;
using test::RunCli;

class CliContract : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestModel m = test::TestModel::Uniform(2, 1000);
    m.weights = {0.25, 0.75};
    m.P(0, 6, 0) = 0.1, m.P(0, 6, 1) = 0.6, m.P(0, 6, 2) = 0.3;
    m.P(1, 6, 0) = 0.2, m.P(1, 6, 1) = 0.2, m.P(1, 6, 2) = 0.6;
    test::WriteBytes(dir_.File("data.mle"), m.Bytes());
    test::WriteBytes(dir_.File("zData.gcd"),
                     test::RecordsBytes({{1000, {-1, -1, -1}}, {320, {FlatCodeStart(6) + 1, -1, -1}}, {5, {500, -1, -1}}}));
    ASSERT_EQ(context_.LoadModel(), 0);
  }
  test::TempDir dir_;
  RecordingNotifier notifier_;
  AppContext context_{notifier_, dir_.Path()};
};

TEST_F(CliContract, InfoLines) {
  const ProgramRun run = RunCli(dir_, "info");
  EXPECT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(test::Split(run.out), (std::vector<std::string>{"components 2", "respondents 1000", "records 3", "skipped 1"}));
}

TEST_F(CliContract, ProbPrintsExactNumbersSizeAndCount) {
  for (const char* code : {"7b", "' 7b '", "'3ac12b'", "''", "Celá"}) {
    const ProgramRun run = RunCli(dir_, std::string("prob ") + code);
    ASSERT_EQ(run.exit, 0) << code << run.err;
    std::istringstream in(run.out);
    double p = -1, d = -1;
    long long size = -1, count = -2;
    in >> p >> d >> size >> count;
    ASSERT_FALSE(in.fail()) << run.out;
    std::string unquoted(code);
    std::erase(unquoted, '\'');
    ConditionSet set{};
    std::string error;
    ASSERT_TRUE(ParseSubpopulationCode(unquoted, set, error));
    double deviation = 0;
    EXPECT_EQ(p, context_.model.Probability(set, &deviation)) << code;  // %.17g round-trips exactly
    EXPECT_EQ(d, deviation) << code;
    EXPECT_EQ(size, context_.model.Size(set)) << code;
    EXPECT_EQ(count, context_.model.Counts().Count(set)) << code;
  }
  const ProgramRun seven = RunCli(dir_, "prob 7b");
  EXPECT_EQ(test::Split(seven.out)[0].substr(test::Split(seven.out)[0].rfind(' ')), " 320");
}

TEST_F(CliContract, DistPrintsOneLinePerAnswer) {
  const ProgramRun run = RunCli(dir_, "dist 7 ''");
  ASSERT_EQ(run.exit, 0) << run.err;
  const auto lines = test::Split(run.out);
  ASSERT_EQ(lines.size(), 3u);
  double shares[3], deviations[3];
  context_.model.AnswerDistribution(6, ConditionSet{}, shares, deviations);
  for (int a = 0; a < 3; ++a) {
    std::istringstream in(lines[static_cast<std::size_t>(a)]);
    double share = -1, deviation = -1;
    in >> share >> deviation;
    EXPECT_EQ(share, shares[a]);
    EXPECT_EQ(deviation, deviations[a]);
  }
}

TEST_F(CliContract, BadInputExitsTwoAndNamesTheBadPart) {
  struct Case {
    const char* args;
    const char* mentions;
  };
  for (const Case& c : {Case{"prob 7x", "'x'"}, Case{"prob 25a", "25"}, Case{"dist 0 ''", "\"0\""},
                        Case{"dist 25 7b", "\"25\""}, Case{"dist seven 7b", "seven"}, Case{"prob", "usage"},
                        Case{"frobnicate", "frobnicate"}}) {
    const ProgramRun run = RunCli(dir_, c.args);
    EXPECT_EQ(run.exit, 2) << c.args;
    EXPECT_NE(run.err.find(c.mentions), std::string::npos) << c.args << ": " << run.err;
  }
}

TEST(CliLoadFailure, MissingModelExitsOneWithTheProgramsMessages) {
  test::TempDir empty;
  const ProgramRun run = RunCli(empty, "info");
  EXPECT_EQ(run.exit, 1);
  EXPECT_LT(run.err.find("Parameters file not opened"), run.err.find("Cannot load the model."));
  EXPECT_TRUE(run.out.empty());
}

}  // namespace
}  // namespace orbica
