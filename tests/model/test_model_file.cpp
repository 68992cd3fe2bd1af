// Loading "data.mle": the file layout, the re-layout into slots and every failure.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/app_context.h"
#include "model/model.h"
#include "support/census_files.h"

namespace orbica {
namespace {

using test::TempDir;
using test::TestModel;
using test::WriteBytes;

// Every packed value distinct, so that a misplaced value shows.
TestModel NumberedModel(int components) {
  TestModel m = TestModel::Uniform(components, 5000);
  for (int c = 0; c < components; ++c) {
    m.weights[static_cast<std::size_t>(c)] = 0.5 + c;
    for (int code = 0; code < kFlatAnswerCount; ++code)
      m.probabilities[static_cast<std::size_t>(c) * kFlatAnswerCount + static_cast<std::size_t>(code)] = c * 1000 + code;
  }
  return m;
}

TEST(ModelFile, SlotLayoutOfTheQuestionnaire) {
  EXPECT_EQ(SlotStart(0), 0);
  EXPECT_EQ(SlotStart(1), 16);
  EXPECT_EQ(SlotStart(2), 21);
  EXPECT_EQ(AnswerSlot(23, 6), 206);
  EXPECT_EQ(FlatCodeStart(2), 19);
  EXPECT_EQ(FlatCodeToSlot(0), 1);
  EXPECT_EQ(FlatCodeToSlot(15), 17);
  EXPECT_EQ(FlatCodeToSlot(19), 22);
  EXPECT_EQ(FlatCodeToSlot(182), 206);
  EXPECT_EQ(FlatCodeToSlot(183), -1);
  EXPECT_EQ(FlatCodeToSlot(-1), -1);
  EXPECT_EQ(QuestionOfSlot(16), 1);
  EXPECT_EQ(QuestionOfSlot(15), 0);
  EXPECT_EQ(QuestionOfSlot(207), -1);
}

TEST(ModelFile, LoadsHeaderWeightsAndRelaysProbabilitiesIntoSlots) {
  TempDir dir;
  const TestModel m = NumberedModel(3);
  std::vector<unsigned char> bytes = m.Bytes(0xAB);  // filler in the uninterpreted header bytes
  bytes.insert(bytes.end(), {1, 2, 3, 4, 5});         // trailing bytes are ignored
  WriteBytes(dir.File("data.mle"), bytes);
  WriteBytes(dir.File("zData.gcd"), {});
  RecordingNotifier notifier;
  CModel model;
  ASSERT_EQ(model.Load(dir.File("data.mle"), notifier), 0);
  EXPECT_TRUE(notifier.messages.empty());
  EXPECT_EQ(model.Components(), 3);
  EXPECT_EQ(model.Respondents(), 5000);
  EXPECT_EQ(model.Stride(), 207);
  EXPECT_DOUBLE_EQ(model.Weight(2), 2.5);
  EXPECT_EQ(model.AnswerTable()[0], 0);
  for (int q = 0; q < kQuestionCount; ++q) EXPECT_EQ(model.AnswerCount(q), kStoredAnswerTable[q + 1] + 1);
  for (int c = 0; c < 3; ++c) {
    for (int q = 0; q < kQuestionCount; ++q) {
      EXPECT_EQ(model.Row(c)[SlotStart(q)], 0.0) << "header slot of question " << q;
      for (int a = 0; a < AnswerCount(q); ++a)
        ASSERT_EQ(model.Row(c)[AnswerSlot(q, a)], c * 1000 + FlatCodeStart(q) + a) << c << ' ' << q << ' ' << a;
    }
  }
}

TEST(ModelFile, ZeroComponentsLoad) {
  TempDir dir;
  WriteBytes(dir.File("data.mle"), TestModel::Uniform(0, 100).Bytes());
  WriteBytes(dir.File("zData.gcd"), {});
  RecordingNotifier notifier;
  CModel model;
  ASSERT_EQ(model.Load(dir.File("data.mle"), notifier), 0);
  EXPECT_EQ(model.Components(), 0);
  EXPECT_EQ(model.Probability(ConditionSet{}), 0.0);
}

TEST(ModelFile, TruncatedFilesAreRefused) {
  TempDir dir;
  const std::vector<unsigned char> whole = TestModel::Uniform(2, 100).Bytes();
  for (const std::size_t size : {std::size_t{0}, std::size_t{11}, std::size_t{12}, whole.size() - 1}) {
    WriteBytes(dir.File("data.mle"), std::vector<unsigned char>(whole.begin(), whole.begin() + static_cast<long>(size)));
    RecordingNotifier notifier;
    CModel model;
    EXPECT_EQ(model.Load(dir.File("data.mle"), notifier), -1) << size;
    ASSERT_EQ(notifier.messages.size(), 1u) << size;
    EXPECT_NE(notifier.messages[0].text.find("truncated"), std::string::npos);
    EXPECT_EQ(notifier.messages[0].caption, "Chyba při načítání");
    EXPECT_FALSE(model.Loaded());
  }
}

TEST(ModelFile, TheLargestComponentCountIsCheckedAgainstTheFileSize) {
  // 65535 components declared in a file of one component: refused with the sizes,
  // before anything of that size is allocated (the fuzz build also caps allocations).
  TempDir dir;
  std::vector<unsigned char> bytes = TestModel::Uniform(1, 100).Bytes();
  bytes[8] = 0xFF;
  bytes[9] = 0xFF;
  WriteBytes(dir.File("data.mle"), bytes);
  RecordingNotifier notifier;
  CModel model;
  EXPECT_EQ(model.Load(dir.File("data.mle"), notifier), -1);
  EXPECT_EQ(notifier.Texts(), std::vector<std::string>{
                                  "The parameters file is truncated: it holds 1484 bytes, a model of 65535 components "
                                  "needs 96467532."});
  EXPECT_FALSE(model.Loaded());
  EXPECT_EQ(model.Components(), 0);
  EXPECT_TRUE(model.Rows().empty() && model.Weights().empty());
}

TEST(ModelFile, MissingModelShowsBothBoxesInOrder) {
  TempDir dir;
  RecordingNotifier notifier;
  AppContext context(notifier, dir.Path());
  EXPECT_EQ(context.StartUp(), -1);
  ASSERT_EQ(notifier.messages.size(), 2u);
  EXPECT_EQ(notifier.messages[0].text, "Parameters file not opened");
  EXPECT_EQ(notifier.messages[0].caption, "Chyba při načítání");
  EXPECT_EQ(notifier.messages[1].text, "Cannot load the model.");
  EXPECT_EQ(notifier.messages[1].caption, "Direzu - error");
}

TEST(ModelFile, MissingCountsFileIsReportedButTheLoadSucceeds) {
  TempDir dir;
  WriteBytes(dir.File("data.mle"), TestModel::Uniform(1, 777).Bytes());
  RecordingNotifier notifier;
  CModel model;
  ASSERT_EQ(model.Load(dir.File("data.mle"), notifier), 0);
  ASSERT_EQ(notifier.messages.size(), 1u);
  EXPECT_EQ(notifier.messages[0].text, "Cannot open the zdata.gcd file");
  EXPECT_EQ(notifier.messages[0].caption, "File not found");
  EXPECT_EQ(model.Counts().WholePopulationCount(), 777);
  EXPECT_EQ(model.Counts().Count(test::Set("1a")), -1);
  EXPECT_EQ(model.Counts().Count(ConditionSet{}), 777);
}

TEST(ModelFile, UnusableValuesLoadAsStoredWithOneWarningThatListsThem) {
  TempDir dir;
  TestModel m = TestModel::Uniform(2, 1000);
  m.weights[1] = std::nan("");
  m.P(0, 2, 1) = -0.25;
  m.P(1, 4, 0) = HUGE_VAL;
  WriteBytes(dir.File("data.mle"), m.Bytes());
  WriteBytes(dir.File("zData.gcd"), {});
  RecordingNotifier notifier;
  CModel model;
  ASSERT_EQ(model.Load(dir.File("data.mle"), notifier), 0);
  EXPECT_TRUE(std::isnan(model.Weight(1)));
  EXPECT_EQ(model.Row(0)[AnswerSlot(2, 1)], -0.25);
  ASSERT_EQ(notifier.messages.size(), 1u);
  const RecordingNotifier::Message& warning = notifier.messages[0];
  EXPECT_EQ(warning.icon, MessageIcon::Warning);
  for (const char* line : {"data.mle: component 2: the weight nan is outside 0..1",
                           "data.mle: the component weights sum to nan, not 1",
                           "data.mle: component 1, question 3 answer b: the probability -0.25 is outside 0..1"})
    EXPECT_NE(warning.text.find(line), std::string::npos) << line << "\n" << warning.text;
  // Five problems are listed, the rest counted.
  EXPECT_NE(warning.text.find("(1 more; orbica-cli validate lists them)"), std::string::npos) << warning.text;
}

TEST(ModelFile, AModelLoadsOnlyOnce) {
  TempDir dir;
  WriteBytes(dir.File("data.mle"), TestModel::Uniform(1, 10).Bytes());
  WriteBytes(dir.File("zData.gcd"), {});
  RecordingNotifier notifier;
  CModel model;
  ASSERT_EQ(model.Load(dir.File("data.mle"), notifier), 0);
  EXPECT_EQ(model.Load(dir.File("data.mle"), notifier), -1);
  EXPECT_EQ(model.Components(), 1);
}

}  // namespace
}  // namespace orbica
