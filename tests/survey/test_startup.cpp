// The start-up sequence after the model: settings, question texts, the list of
// saved subpopulations and the display slots, with their failure boxes.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/app_context.h"
#include "support/census_files.h"
#include "support/description_file.h"
#include "survey/pop_format.h"

namespace orbica {
namespace {

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    CModel scratch;
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, test::TestModel::Uniform(2, 5000), scratch));
    test::WriteText(dir_.File("Otazky.txt"), test::DescriptionFile().Text());
    std::filesystem::create_directory(dir_.File("Populace"));
    PopContents pop;
    pop.masks = test::Set("2b");
    pop.name = "Towns";
    test::WriteBytes(dir_.File("Populace/2b.pop"), EncodePop(pop));
  }
  std::vector<std::pair<std::string, std::string>> Boxes() const {
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const auto& m : notifier_.messages) boxes.emplace_back(m.text, m.caption);
    return boxes;
  }

  test::TempDir dir_;
  RecordingNotifier notifier_;
  AppContext context_{notifier_, dir_.Path()};
};

TEST_F(StartUp, LoadsEverythingWithoutAMessage) {
  CSettings saved;
  saved.colors[0] = 0x00010203;
  saved.hideGettingStarted = true;
  ASSERT_TRUE(saved.Save(dir_.File("Status.dat"), notifier_));
  ASSERT_EQ(context_.StartUp(), 0);
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_TRUE(context_.questions.Loaded());
  EXPECT_EQ(context_.questions.QuestionText(0), test::DescriptionFile::DefaultQuestion(0));
  ASSERT_EQ(context_.subpopulations.Entries().size(), 2u);
  EXPECT_EQ(context_.subpopulations.Find(2)->Name(), "Towns");
  EXPECT_EQ(context_.displayed.ShownCount(), 1);
  EXPECT_EQ(context_.displayed.Subpopulation(0)->Identity(), 1);
  EXPECT_EQ(context_.settings.colors[0], 0x00010203u);
  EXPECT_TRUE(context_.settings.hideGettingStarted);

  // Storing goes to the census folder's "Populace".
  CPopulace copy(*context_.displayed.Subpopulation(0), false);
  copy.Masks() = test::Set("3c");
  context_.subpopulations.Store(copy, copy.Identity(), notifier_);
  EXPECT_TRUE(std::filesystem::exists(dir_.File("Populace/3c.pop")));

  context_.settings.gradientTop = 0x00224466;
  ASSERT_TRUE(context_.SaveSettings());
  CSettings back;
  back.Load(dir_.File("Status.dat"));
  EXPECT_EQ(back.gradientTop, 0x00224466u);
}

TEST_F(StartUp, AMissingDescriptionFileEndsWithTwoBoxes) {
  std::filesystem::remove(dir_.File("Otazky.txt"));
  EXPECT_EQ(context_.StartUp(), -1);
  EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{
                         {"Cannot load the question descriptions.", "Chyba při načítání"},
                         {"Cannot load question list.", "Direzu - error"}}));
  EXPECT_TRUE(context_.subpopulations.Entries().empty());  // later steps did not run
  EXPECT_EQ(context_.displayed.Subpopulation(0), nullptr);
}

TEST_F(StartUp, AnInconsistentDescriptionEndsWithTwoBoxes) {
  test::DescriptionFile file;
  file.withNa = false;
  file.naLine = "";
  test::WriteText(dir_.File("Otazky.txt"), file.Header() + "n/a:x:y:\n" + file.separator + "\n");
  EXPECT_EQ(context_.StartUp(), -1);
  EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{
                         {"Model file and its descritpion aren't consistent.", "Chyba při načítání"},
                         {"Cannot load question list.", "Direzu - error"}}));
}

TEST_F(StartUp, AMalformedDescriptionStillStartsAfterItsBox) {
  test::DescriptionFile file;
  file.separator = "";
  test::WriteText(dir_.File("Otazky.txt"), file.Text());
  EXPECT_EQ(context_.StartUp(), 0);
  EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{"Inconsistency in model file description"});
}

TEST_F(StartUp, AnUnlistableSubpopulationFolderListsTheWholePopulationAndSaysWhyOnce) {
  std::filesystem::remove_all(dir_.File("Populace"));
  test::WriteText(dir_.File("Populace"), "not a folder");
  ASSERT_EQ(context_.StartUp(), 0);
  EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{
                         {"The saved subpopulations could not be read from \"" + dir_.File("Populace") +
                              "\": Not a directory. Only the whole population is listed.",
                          "Saved subpopulations not read"}}));
  EXPECT_EQ(context_.subpopulations.Entries().size(), 1u);
  ASSERT_NE(context_.displayed.Subpopulation(0), nullptr);
}

TEST_F(StartUp, AMissingSubpopulationFolderIsAnEmptyList) {
  std::filesystem::remove_all(dir_.File("Populace"));
  ASSERT_EQ(context_.StartUp(), 0);
  EXPECT_EQ(context_.subpopulations.Entries().size(), 1u);
  EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(StartUp, AMissingModelStopsBeforeTheQuestionTexts) {
  std::filesystem::remove(dir_.File("data.mle"));
  EXPECT_EQ(context_.StartUp(), -1);
  EXPECT_EQ(notifier_.Texts(), (std::vector<std::string>{"Parameters file not opened", "Cannot load the model."}));
  EXPECT_FALSE(context_.questions.Loaded());
}

}  // namespace
}  // namespace orbica
