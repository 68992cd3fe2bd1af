// orbica-cli validate: a sound census passes; every kind of broken file is
// reported with one line per problem, repeated kinds are counted, and every file
// is checked whatever was found before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "cli/sample_census.h"
#include "model/binary_io.h"
#include "support/census_files.h"
#include "support/cli_runner.h"
#include "support/description_file.h"
#include "survey/pop_format.h"

namespace orbica {
namespace {

using test::Set;

// validate's exit code and output lines.
struct Validation {
  int exit = -1;
  std::vector<std::string> lines;  // standard output
  std::string err;
  bool Has(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
  std::size_t Containing(const std::string& part) const {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
  }
  std::string Text() const {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text + err;
  }
};

Validation RunValidate(const test::TempDir& dir, const std::string& args = "") {
  const test::ProgramRun run = test::RunCli(dir, "validate " + args);
  return {run.exit, test::Split(run.out), run.err};
}

// Line number of question q's text in a description file made by DescriptionFile.
int QuestionLine(int q) {
  int line = 5;  // count, answer counts, n/a line, separator
  for (int i = 0; i < q; ++i) line += 1 + 2 * (AnswerCount(i) - 1);
  return line;
}

TEST(ValidateSample, TheSampleCensusHasNoProblems) {
  test::TempDir dir;
  SampleOptions options;  // what "orbica-cli sample" writes by default
  SampleSummary summary;
  std::string error;
  ASSERT_TRUE(WriteSampleCensus(dir.Path(), options, summary, error)) << error;
  const Validation run = RunValidate(dir);
  EXPECT_EQ(run.exit, 0) << run.Text();
  EXPECT_EQ(run.lines, std::vector<std::string>{"no problems found"}) << run.Text();
}

// A small sound census: two components in which every answer is equally likely,
// 100,000 respondents, counts that match the model, the descriptions and one
// saved subpopulation.
class Validate : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(File("Populace"));
    model_ = test::TestModel::Uniform(2, 100000);
    // Model sizes: whole population 100000, 1a 6666, 2a 25000, 1a2a 1666.
    records_ = {{100000, {-1, -1, -1}}, {6666, {0, -1, -1}}, {25000, {15, -1, -1}}, {1666, {0, 15, -1}}};
    PopContents towns;
    towns.masks = Set("2b");
    towns.name = "Towns";
    pops_["2b.pop"] = EncodePop(towns);
  }
  std::string Folder() const { return dir_.Path(); }
  std::string File(const std::string& name) const { return Folder() + "/" + name; }
  void Write() {
    test::WriteBytes(File("data.mle"), model_.Bytes());
    test::WriteBytes(File("zData.gcd"), test::RecordsBytes(records_));
    test::WriteText(File("Otazky.txt"), description_.Text());
    for (const auto& [name, bytes] : pops_) test::WriteBytes(File("Populace/" + name), bytes);
  }
  Validation Run(const std::string& args = "") {
    Write();
    return RunValidate(dir_, args);
  }

  test::TempDir dir_;
  test::TestModel model_;
  std::vector<CountRecord> records_;
  test::DescriptionFile description_;
  std::map<std::string, std::vector<unsigned char>> pops_;
};

TEST_F(Validate, ASoundHandMadeCensusHasNoProblems) {
  const Validation run = Run();
  EXPECT_EQ(run.exit, 0) << run.Text();
  EXPECT_EQ(run.lines, std::vector<std::string>{"no problems found"}) << run.Text();
}

TEST_F(Validate, ModelValuesOutsideTheirRangeAndSumsOtherThanOne) {
  model_.weights = {0.25, 0.8};
  model_.P(0, 2, 0) = 1.5;
  model_.P(1, 5, 3) = std::nan("");
  records_.push_back({90000, {1, -1, -1}});  // far from the model, but the model itself is wrong
  const Validation run = Run();
  EXPECT_EQ(run.exit, 1);
  EXPECT_TRUE(run.Has("data.mle: the component weights sum to 1.05, not 1")) << run.Text();
  EXPECT_TRUE(run.Has("data.mle: component 1, question 3 answer a: the probability 1.5 is outside 0..1")) << run.Text();
  EXPECT_EQ(run.Containing("data.mle: component 1, question 3: the answer probabilities sum to 2.409"), 1u)
      << run.Text();
  EXPECT_TRUE(run.Has("data.mle: component 2, question 6 answer d: the probability nan is outside 0..1")) << run.Text();
  EXPECT_TRUE(run.Has("data.mle: component 2, question 6: the answer probabilities sum to nan, not 1")) << run.Text();
  EXPECT_EQ(run.Containing("zData.gcd"), 0u) << "counts are compared with a sound model only\n" << run.Text();
  EXPECT_EQ(run.lines.back(), "5 problems found");

  model_ = test::TestModel::Uniform(2, 100000);
  model_.weights = {-0.5, 1.5};
  EXPECT_TRUE(Run().Has("data.mle: component 1: the weight -0.5 is outside 0..1"));
}

TEST_F(Validate, ATruncatedModelDoesNotStopTheOtherChecks) {
  std::vector<unsigned char> bytes = model_.Bytes();
  bytes.resize(bytes.size() - 8);
  records_.push_back({5, {200, -1, -1}});
  description_.separator = "----------";
  pops_["short.pop"] = {1, 2, 3};
  Write();
  test::WriteBytes(File("data.mle"), bytes);
  Validation run = RunValidate(dir_);
  EXPECT_EQ(run.exit, 1);
  EXPECT_TRUE(run.Has("data.mle: truncated: it holds 2948 bytes, a model of 2 components needs 2956")) << run.Text();
  EXPECT_EQ(run.Containing("zData.gcd: record 5: the code 200 is outside 0..182"), 1u) << run.Text();
  EXPECT_EQ(run.Containing("Otazky.txt:4: the separator line beginning with '=' is missing"), 1u) << run.Text();
  EXPECT_EQ(run.Containing("Populace/short.pop: holds 3 bytes"), 1u) << run.Text();
  EXPECT_EQ(run.lines.back(), "5 problems found") << run.Text();  // short.pop's conditions differ from its name too

  std::filesystem::remove(File("data.mle"));
  std::filesystem::remove(File("zData.gcd"));
  std::filesystem::remove(File("Otazky.txt"));
  run = RunValidate(dir_);
  EXPECT_EQ(run.exit, 3) << "files that cannot be read at all";
  EXPECT_TRUE(run.Has("data.mle: is missing (the program does not start without it)")) << run.Text();
  EXPECT_TRUE(run.Has("zData.gcd: is missing (no observed counts: every error is an estimate)")) << run.Text();
  EXPECT_TRUE(run.Has("Otazky.txt: is missing (the program does not start without it)")) << run.Text();
}

TEST_F(Validate, BadRecordsOneLineEach) {
  records_.push_back({7, {0, 15, 500}});   // record 5
  records_.push_back({7, {19, 15, -1}});   // 6: question 3 before question 2
  records_.push_back({7, {0, 3, -1}});     // 7: two answers of question 1
  records_.push_back({-4, {15, -1, -1}});  // 8: negative, and 2a again
  std::vector<unsigned char> bytes = test::RecordsBytes(records_);
  bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
  Write();
  test::WriteBytes(File("zData.gcd"), bytes);
  const Validation run = RunValidate(dir_);
  EXPECT_EQ(run.exit, 1);
  const std::vector<std::string> expected = {
      "zData.gcd: ends with a partial record of 5 bytes (ignored)",
      "zData.gcd: record 5: the code 500 is outside 0..182 (the record is skipped)",
      "zData.gcd: record 6: the codes 19 and 15 are not in increasing question order (the record is never used)",
      "zData.gcd: record 7: the codes 0 and 3 belong to the same question (the record is never used)",
      "zData.gcd: record 8: the count -4 is negative",
      "zData.gcd: record 8: the same answers (2a) as record 3; the later count is used",
      "6 problems found"};
  EXPECT_EQ(run.lines, expected) << run.Text();
}

TEST_F(Validate, CountsFarFromTheModelBeyondTheFactorAndTheMinimum) {
  // Model sizes: 1a 6666, 2a 25000, 1a2a 1666, 1a2a3a 151.
  records_ = {
      {100000, {-1, -1, -1}}, {20000, {0, -1, -1}}, {12000, {15, -1, -1}}, {3000, {0, 15, -1}}, {400, {0, 15, 19}}};
  Validation run = Run();
  EXPECT_EQ(run.exit, 1);
  const std::vector<std::string> byDefault = {
      // factor 2, counts of at least 1% of the respondents
      "zData.gcd: record 2: 1a: observed 20000, the model gives 6666 (more than a factor 2 apart)",
      "zData.gcd: record 3: 2a: observed 12000, the model gives 25000 (more than a factor 2 apart)",
      "2 problems found"};
  EXPECT_EQ(run.lines, byDefault) << run.Text();

  run = Run("--factor 3.5");
  EXPECT_EQ(run.exit, 0) << run.Text();
  run = Run("--factor 1.5");
  EXPECT_EQ(run.lines.back(), "3 problems found") << run.Text();
  EXPECT_TRUE(run.Has("zData.gcd: record 4: 1a2a: observed 3000, the model gives 1666 (more than a factor 1.5 apart)"))
      << run.Text();
  run = Run("--min-count 100");
  EXPECT_TRUE(run.Has("zData.gcd: record 5: 1a2a3a: observed 400, the model gives 151 (more than a factor 2 apart)"))
      << run.Text();
  EXPECT_EQ(run.lines.back(), "3 problems found") << run.Text();
  run = Run("--min-count 30000");
  EXPECT_EQ(run.exit, 0) << run.Text();
}

TEST_F(Validate, ManyProblemsOfOneKindAreCountedNotListed) {
  for (int i = 0; i < 2500; ++i) records_.push_back({1, {183 + i, -1, -1}});
  for (int i = 0; i < 3; ++i) records_.push_back({-1, {20 + i, -1, -1}});
  const Validation run = Run();
  EXPECT_EQ(run.exit, 1);
  EXPECT_EQ(run.Containing("is outside 0..182"), 10u) << run.Text();
  EXPECT_EQ(run.Containing("is negative"), 3u) << run.Text();
  EXPECT_TRUE(run.Has("zData.gcd: 2490 more of this kind, not listed: code out of range")) << run.Text();
  EXPECT_EQ(run.lines.back(), "2503 problems found");
  EXPECT_EQ(run.lines.size(), 15u) << run.Text();
}

TEST_F(Validate, DescriptionProblems) {
  // An answer count that does not fit the model: the program refuses the file.
  std::string text = description_.Text();
  text.replace(text.find(" 6 6 14"), 7, " 5 6 14");
  Write();
  test::WriteText(File("Otazky.txt"), text);
  Validation run = RunValidate(dir_);
  EXPECT_EQ(run.lines, (std::vector<std::string>{"Otazky.txt: question 4 has 6 answers with n/a, the model has 7 (the "
                                                 "program refuses the file)",
                                                 "1 problem found"}))
      << run.Text();

  // Question 3 loses the short text of its second listed answer, question 8 has
  // one answer too many, question 10 has an empty short text and a line that is too long.
  description_ = test::DescriptionFile();
  description_.answers[{9, 2}] = {std::string(300, 'L'), "ok"};
  description_.answers[{9, 3}] = {"fine", ""};
  text = description_.Text();
  const std::string lost = "      /" + test::DescriptionFile::DefaultShort(2, 2) + "/\n";
  text.erase(text.find(lost), lost.size());
  const std::string extra = "    - one more\n      /more/\n";
  text.insert(text.find(test::DescriptionFile::DefaultQuestion(8) + "\n"), extra);
  Write();
  test::WriteText(File("Otazky.txt"), text);
  run = RunValidate(dir_);
  const std::vector<std::string> expected = {
      "Otazky.txt:" + std::to_string(QuestionLine(2) + 4) +
          ": question 3 answer c: expected its short text between '/' and '/'; from here on the program shows default "
          "texts",
      "Otazky.txt:" + std::to_string(QuestionLine(2)) +
          ": question 3 lists 10 long answer texts and 9 short ones, it "
          "should have 10",
      "Otazky.txt:" + std::to_string(QuestionLine(7) - 1) +
          ": question 8 lists 5 long answer texts and 5 short "
          "ones, it should have 4",
      "Otazky.txt:" + std::to_string(QuestionLine(9) - 1 + 2 + 3) +  // one line less, two more, its third line
          ": the line is longer than 254 characters; the rest is read as the next line",
      "4 problems found"};
  EXPECT_EQ(run.lines, expected) << run.Text();

  // Without the layout break the empty short text is found.
  description_ = test::DescriptionFile();
  description_.answers[{9, 3}] = {"fine", ""};
  run = Run();
  EXPECT_EQ(run.lines, (std::vector<std::string>{"Otazky.txt:" + std::to_string(QuestionLine(9) + 6) +
                                                     ": question 10 answer d has no short text",
                                                 "1 problem found"}))
      << run.Text();
}

TEST_F(Validate, InvalidUtf8InTheDescriptionsIsListedByLine) {
  description_.questions[3] = "Vzdělání: čtyřleté \xE1 \xED";  // UTF-8 with two windows-1250 bytes
  const Validation run = Run();
  const std::string where = "Otazky.txt:" + std::to_string(QuestionLine(3)) + ": ";
  const std::string what = "bytes that are not valid UTF-8 (the program shows \"\uFFFD\" for them)";
  EXPECT_EQ(run.lines, (std::vector<std::string>{where + what, where + what, "2 problems found"})) << run.Text();
}

TEST_F(Validate, SubpopulationFileProblems) {
  PopContents contents;
  contents.masks = Set("5a");
  contents.name = "Fives";
  pops_["3ac.pop"] = EncodePop(contents);
  contents.masks[6] = 0x0F;  // question 7 has three answers
  pops_["7abcd5a.pop"] = EncodePop(contents);
  std::vector<unsigned char> unterminated = EncodePop(PopContents{Set("9b"), "", ""});
  std::fill(unterminated.begin() + 96, unterminated.end(), 'x');
  pops_["9b.pop"] = unterminated;
  pops_["Celá.pop"] = std::vector<unsigned char>(200, 0);
  const Validation run = Run();
  const std::vector<std::string> expected = {
      "Populace/3ac.pop: holds the conditions 5a, which are saved as 5a.pop (saving it again renames it)",
      "Populace/7abcd5a.pop: question 7 allows answers it does not have (mask 0x0000000F, the question has 3 answers)",
      "Populace/9b.pop: the name has no terminating zero byte (it is cut to 255 bytes)",
      "Populace/Celá.pop: holds 200 bytes, less than the 352 of its conditions and name (read as far as it goes)",
      "4 problems found"};
  EXPECT_EQ(run.lines, expected) << run.Text();
}

TEST_F(Validate, BadOptionsExitTwo) {
  for (const char* args :
       {"--factor 1", "--factor abc", "--factor", "--min-count -1", "--min-count 1.5", "--strict", "extra"}) {
    const Validation run = Run(args);
    EXPECT_EQ(run.exit, 2) << args;
    EXPECT_TRUE(run.lines.empty()) << args;
    EXPECT_NE(run.err.find("orbica-cli: "), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace orbica
