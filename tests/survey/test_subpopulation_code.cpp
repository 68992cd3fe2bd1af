// The subpopulation code: writing it, reading it back, and refusing bad codes.
#include <gtest/gtest.h>

#include "survey/pop_format.h"
#include "survey/subpopulation_code.h"
#include "support/census_files.h"

namespace orbica {
namespace {

TEST(SubpopulationCode, WritesQuestionNumbersInTwoCharactersAndAnswerLetters) {
  ConditionSet set{};
  EXPECT_EQ(SubpopulationCode(set), "Celá");
  set[2] = 0b101;
  set[11] = 0b10;
  EXPECT_EQ(SubpopulationCode(set), " 3ac 12b ");
  EXPECT_EQ(CompactCode(set), "3ac12b");
  ConditionSet nine{}, ten{};
  nine[8] = 1;
  ten[9] = 1;
  EXPECT_EQ(SubpopulationCode(nine), " 9a ");
  EXPECT_EQ(SubpopulationCode(ten), "10a ");
}

TEST(SubpopulationCode, ReadsCodesWithOrWithoutBlanks) {
  ConditionSet expected{};
  expected[2] = 0b101;
  expected[11] = 0b10;
  for (const char* text : {"3ac12b", " 3ac 12b ", "3ac 12b", "\t3ac12b\n"}) {
    ConditionSet set{};
    std::string error;
    ASSERT_TRUE(ParseSubpopulationCode(text, set, error)) << text << ": " << error;
    EXPECT_EQ(set, expected) << text;
  }
  for (const char* whole : {"", "   ", "Celá", " Celá "}) {
    ConditionSet set{};
    set[0] = 1;
    std::string error;
    ASSERT_TRUE(ParseSubpopulationCode(whole, set, error)) << whole;
    EXPECT_EQ(set, ConditionSet{}) << whole;
  }
}

TEST(SubpopulationCode, RoundTripsEveryAnswerOfEveryQuestion) {
  ConditionSet set{};
  for (int q = 0; q < kQuestionCount; ++q) set[static_cast<std::size_t>(q)] = ValidAnswerBits(q);
  ConditionSet back{};
  std::string error;
  ASSERT_TRUE(ParseSubpopulationCode(SubpopulationCode(set), back, error)) << error;
  EXPECT_EQ(back, set);
}

TEST(SubpopulationCode, NamesTheBadPart) {
  struct Case {
    const char* code;
    const char* mentions;
  };
  for (const Case& c : {Case{"25a", "25"}, Case{"0a", "0"}, Case{"7d", "'d'"}, Case{"3", "no answer letters"},
                        Case{"3a3b", "twice"}, Case{"abc", "abc"}, Case{"3a-", "-"}, Case{"1234a", "123"}}) {
    ConditionSet set{};
    std::string error;
    EXPECT_FALSE(ParseSubpopulationCode(c.code, set, error)) << c.code;
    EXPECT_NE(error.find(c.mentions), std::string::npos) << c.code << " -> " << error;
  }
}

TEST(PopFormat, RoundTripAndShortFiles) {
  PopContents contents;
  contents.masks = test::Set("3ac 12b");
  contents.name = "Women";
  contents.note = std::string(5000, 'n');
  const std::vector<unsigned char> bytes = EncodePop(contents);
  ASSERT_EQ(bytes.size(), 352u + 5000u);
  EXPECT_EQ(bytes[8], 0b101);
  EXPECT_EQ(bytes[96], 'W');
  EXPECT_EQ(bytes[101], 0);
  const PopContents back = DecodePop(bytes);
  EXPECT_EQ(back.masks, contents.masks);
  EXPECT_EQ(back.name, "Women");
  EXPECT_EQ(back.note, contents.note);

  const PopContents cut = DecodePop(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 99));
  EXPECT_EQ(cut.masks, contents.masks);
  EXPECT_EQ(cut.name, "Wom");
  EXPECT_TRUE(cut.note.empty());

  contents.name = std::string(300, 'x');
  EXPECT_EQ(DecodePop(EncodePop(contents)).name.size(), 255u);
}

}  // namespace
}  // namespace orbica
