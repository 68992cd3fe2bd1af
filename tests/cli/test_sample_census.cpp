// The sample census: complete, loadable, deterministic, and shaped like a real
// fitted model with its observed counts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "cli/sample_census.h"
#include "engine/app_context.h"
#include "model/binary_io.h"
#include "support/census_files.h"
#include "support/cli_runner.h"
#include "survey/pop_format.h"

namespace orbica {
namespace {

class SampleCensus : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    SampleOptions options;
    options.components = 6;
    options.seed = 7;
    std::string error;
    ASSERT_TRUE(WriteSampleCensus(dir_->Path(), options, summary_, error)) << error;
  }
  static void TearDownTestSuite() { delete dir_; }
  static std::vector<unsigned char> Bytes(const std::string& name) {
    std::vector<unsigned char> bytes;
    EXPECT_TRUE(ReadWholeFile(dir_->File(name), bytes)) << name;
    return bytes;
  }
  static test::TempDir* dir_;
  static SampleSummary summary_;
};
test::TempDir* SampleCensus::dir_ = nullptr;
SampleSummary SampleCensus::summary_;

TEST_F(SampleCensus, LoadsWithoutAnyMessage) {
  RecordingNotifier notifier;
  AppContext context(notifier, dir_->Path());
  ASSERT_EQ(context.StartUp(), 0);
  EXPECT_TRUE(notifier.messages.empty());
  EXPECT_EQ(context.model.Components(), 6);
  EXPECT_EQ(context.model.Respondents(), 10'000'000);
  EXPECT_EQ(context.model.Counts().RecordsRead(), summary_.records);
  EXPECT_EQ(context.model.Counts().RecordsSkipped(), 0);
  EXPECT_NEAR(context.model.Probability(ConditionSet{}), 1.0, 1e-12);
  for (const char* name : {"Otazky.txt", "start.rtf"}) EXPECT_FALSE(Bytes(name).empty()) << name;
}

TEST_F(SampleCensus, RecordsCoverEveryCombinationInAscendingOrder) {
  const std::vector<unsigned char> bytes = Bytes("zData.gcd");
  ASSERT_EQ(bytes.size() % 16, 0u);
  const std::size_t n = bytes.size() / 16;
  EXPECT_EQ(static_cast<std::int64_t>(n), summary_.records);
  EXPECT_GT(n, 850'000u);  // nearly all of the 890,926 combinations occur
  EXPECT_LE(n, 890'926u);
  auto codesOf = [&](std::size_t r) {
    std::vector<int> codes;
    for (int k = 0; k < 3; ++k) {
      const int code = ReadLE<std::int32_t>(bytes.data() + 16 * r + 4 + 4 * k);
      if (code == -1) break;
      codes.push_back(code);
    }
    return codes;
  };
  EXPECT_TRUE(codesOf(0).empty());
  EXPECT_EQ(ReadLE<std::int32_t>(bytes.data()), 10'000'000);
  std::vector<int> previous;
  for (std::size_t r = 1; r < n; ++r) {
    const std::vector<int> codes = codesOf(r);
    ASSERT_GT(ReadLE<std::int32_t>(bytes.data() + 16 * r), 0) << r;
    ASSERT_FALSE(codes.empty());
    for (std::size_t k = 1; k < codes.size(); ++k)
      ASSERT_LT(QuestionOfFlatCode(codes[k - 1]), QuestionOfFlatCode(codes[k])) << "record " << r;
    ASSERT_TRUE(codes.size() > previous.size() || (codes.size() == previous.size() && codes > previous)) << r;
    previous = codes;
  }
}

TEST_F(SampleCensus, ModelDiffersFromTheCountsAsAFittedModelWould) {
  RecordingNotifier notifier;
  AppContext context(notifier, dir_->Path());
  ASSERT_EQ(context.StartUp(), 0);
  int exact = 0, close = 0, total = 0;
  for (int q = 0; q < kQuestionCount; ++q) {
    for (int a = 1; a < AnswerCount(q); ++a) {  // answer 0 is the rare "n/a"
      ConditionSet set{};
      set[static_cast<std::size_t>(q)] = 1u << a;
      double deviation = 0;
      const double p = context.model.Probability(set, &deviation);
      ++total;
      if (deviation == 0.0) ++exact;
      if (deviation < 0.25 * p) ++close;
    }
  }
  EXPECT_LT(exact, total / 10);
  EXPECT_GT(close, total * 9 / 10);
}

TEST_F(SampleCensus, SavedSubpopulationsAreValid) {
  RecordingNotifier notifier;
  AppContext context(notifier, dir_->Path());
  ASSERT_EQ(context.StartUp(), 0);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_->File("Populace"))) {
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(ReadWholeFile(entry.path().string(), bytes));
    const PopContents pop = DecodePop(bytes);
    EXPECT_FALSE(pop.name.empty());
    EXPECT_FALSE(pop.note.empty());
    EXPECT_GE(context.model.Size(pop.masks), 1612) << pop.name;
    ++files;
  }
  EXPECT_EQ(files, 3);
}

TEST(SampleCensusOptions, SameSeedSameFilesAndBadOptionsRefused) {
  test::TempDir a, b, c;
  SampleOptions options;
  options.components = 2;
  SampleSummary summary;
  std::string error;
  ASSERT_TRUE(WriteSampleCensus(a.Path(), options, summary, error));
  ASSERT_TRUE(WriteSampleCensus(b.Path(), options, summary, error));
  options.seed = 2;
  ASSERT_TRUE(WriteSampleCensus(c.Path(), options, summary, error));
  for (const char* name : {"data.mle", "zData.gcd"}) {
    EXPECT_EQ(test::ReadText(a.File(name)), test::ReadText(b.File(name))) << name;
    EXPECT_NE(test::ReadText(a.File(name)), test::ReadText(c.File(name))) << name;
  }
  options.components = 0;
  EXPECT_FALSE(WriteSampleCensus(a.Path(), options, summary, error));
  EXPECT_NE(error.find("component"), std::string::npos);
}

TEST(SampleCensusOptions, PlantedLinksAtTemporaryNamesAreNotFollowed) {
  test::TempDir dir;
  const std::string victim = dir.File("victim");
  test::WriteText(victim, "precious");
  const std::filesystem::path sample = dir.File("sample");
  std::filesystem::create_directories(sample / "Populace");
  for (const char* name : {"data.mle", "zData.gcd", "Otazky.txt", "start.rtf", "paper.pdf", "Populace/2b13g.pop",
                           "Populace/3fg4fg7c.pop", "Populace/6m8b.pop"})
    std::filesystem::create_symlink(victim, (sample / name).string() + ".tmp");
  // Options may come before the folder too.
  const test::ProgramRun run = test::RunCli(dir, "sample --components 2 sample --respondents 1000");
  EXPECT_EQ(run.exit, 0) << run.err;
  EXPECT_EQ(run.out.rfind("wrote a census of 2 components, 1000 respondents and ", 0), 0u) << run.out;
  EXPECT_EQ(test::ReadText(victim), "precious");
  EXPECT_GT(std::filesystem::file_size(sample / "paper.pdf"), 0u);
}

}  // namespace
}  // namespace orbica
