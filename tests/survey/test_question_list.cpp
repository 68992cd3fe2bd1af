// The question and answer texts: reading good and malformed description files,
// the text tables by slot, and the browsing order.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "support/census_files.h"
#include "support/description_file.h"
#include "survey/question_list.h"

namespace orbica {
namespace {

constexpr const char* kLoadCaptionText = "Chyba při načítání";

class QuestionFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::WriteAndLoadModel(dir_, test::TestModel::Uniform(1, 10000), model_)); }

  int Load(const std::string& text) {
    test::WriteText(dir_.File("Otazky.txt"), text);
    return questions_.Load(dir_.File("Otazky.txt"), model_, notifier_);
  }

  static std::string Text(const std::string* text) { return text ? *text : "<none>"; }

  test::TempDir dir_;
  CModel model_;
  RecordingNotifier notifier_;
  CQuestionList questions_;
};

TEST_F(QuestionFile, WithTheNaLineEveryQuestionGetsTheNaAnswerFirst) {
  test::DescriptionFile file;
  ASSERT_EQ(Load(file.Text()), 1);
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_TRUE(questions_.Loaded());
  ASSERT_EQ(questions_.QuestionCount(), 24);
  EXPECT_EQ(questions_.SlotCount(), 207);
  for (int q = 0; q < kQuestionCount; ++q) {
    ASSERT_EQ(questions_.AnswerCount(q), AnswerCount(q)) << q;
    EXPECT_EQ(questions_.QuestionText(q), test::DescriptionFile::DefaultQuestion(q));
    EXPECT_EQ(questions_.FirstAnswerSlot(q), AnswerSlot(q, 0));
    EXPECT_EQ(Text(questions_.LongText(q, 0)), "<none>") << "header slot of " << q;
    EXPECT_EQ(Text(questions_.ShortText(q, 0)), "<none>");
    EXPECT_EQ(Text(questions_.LongText(q, 1)), "No answer given");
    EXPECT_EQ(Text(questions_.ShortText(q, 1)), "n/a");
    for (int a = 1; a < AnswerCount(q); ++a) {
      EXPECT_EQ(questions_.AnswerLongText(q, a), test::DescriptionFile::DefaultLong(q, a));
      EXPECT_EQ(questions_.AnswerShortText(q, a), test::DescriptionFile::DefaultShort(q, a));
    }
  }
  EXPECT_EQ(questions_.OrderingKind(), 0);
  std::vector<int> numberOrder(24);
  std::iota(numberOrder.begin(), numberOrder.end(), 0);
  EXPECT_EQ(questions_.QuestionOrder(), numberOrder);
}

TEST_F(QuestionFile, WithoutTheNaLineTheCountsMustEqualTheModels) {
  test::DescriptionFile file;
  file.withNa = false;
  ASSERT_EQ(Load(file.Text()), 1);
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_EQ(questions_.SlotCount(), 207);
  EXPECT_EQ(questions_.AnswerLongText(6, 0), test::DescriptionFile::DefaultLong(6, 0));
  EXPECT_EQ(questions_.AnswerShortText(23, 5), test::DescriptionFile::DefaultShort(23, 5));
}

TEST_F(QuestionFile, SlotsMapBackToTheirQuestionsAndOutOfRangeTextsAreAbsent) {
  ASSERT_EQ(Load(test::DescriptionFile().Text()), 1);
  for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(questions_.QuestionOfSlot(slot), QuestionOfSlot(slot));
  EXPECT_EQ(questions_.QuestionOfSlot(-1), -1);
  EXPECT_EQ(questions_.QuestionOfSlot(207), -1);
  EXPECT_EQ(questions_.ShortText(23, AnswerCount(23) + 1), nullptr);  // beyond the table
  EXPECT_EQ(questions_.ShortText(0, -1), nullptr);
  EXPECT_EQ(questions_.LongText(24, 1), nullptr);
  EXPECT_EQ(questions_.AnswerShortText(23, 40), "");
  // n = answers + 1 of a question in the middle is the next question's header slot.
  EXPECT_EQ(questions_.ShortText(2, AnswerCount(2) + 1), nullptr);
}

TEST_F(QuestionFile, CountsThatDoNotFitTheModelFailWithTheConsistencyBox) {
  test::DescriptionFile naWithFullCounts;
  naWithFullCounts.withNa = false;
  naWithFullCounts.naLine = "";
  std::string text = naWithFullCounts.Text();
  text.insert(text.find("=========="), "n/a:x:y:\n");  // full counts plus the n/a answer: one too many
  std::string shortCounts = test::DescriptionFile().Text();
  const std::size_t naLine = shortCounts.find("n/a:");
  shortCounts.erase(naLine, shortCounts.find('\n', naLine) + 1 - naLine);  // counts one below, no "n/a"
  test::DescriptionFile wrongQuestion;
  std::string oneCountOff = wrongQuestion.Text();
  oneCountOff.replace(oneCountOff.find("14 3 10"), 7, "14 4 10");
  for (const std::string& bad : {text, shortCounts, oneCountOff, std::string("23\n") + text.substr(3), std::string("x"),
                                 std::string("24\n14 3 10\n")}) {
    RecordingNotifier notifier;
    CQuestionList questions;
    test::WriteText(dir_.File("Otazky.txt"), bad);
    EXPECT_EQ(questions.Load(dir_.File("Otazky.txt"), model_, notifier), -1) << bad.substr(0, 80);
    ASSERT_EQ(notifier.messages.size(), 1u) << bad.substr(0, 80);
    EXPECT_EQ(notifier.messages[0].text, "Model file and its descritpion aren't consistent.");
    EXPECT_EQ(notifier.messages[0].caption, kLoadCaptionText);
    EXPECT_FALSE(questions.Loaded());
  }
}

TEST_F(QuestionFile, AMissingFileFailsWithItsOwnBox) {
  EXPECT_EQ(questions_.Load(dir_.File("absent.txt"), model_, notifier_), -1);
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_EQ(notifier_.messages[0].text, "Cannot load the question descriptions.");
  EXPECT_EQ(notifier_.messages[0].caption, kLoadCaptionText);
}

TEST_F(QuestionFile, WithoutTheSeparatorEverythingGetsTheDefaultTextsAndOneBox) {
  test::DescriptionFile file;
  file.separator = "----------";
  ASSERT_EQ(Load(file.Text()), 1);
  ASSERT_EQ(notifier_.Texts(), std::vector<std::string>{"Inconsistency in model file description"});
  EXPECT_EQ(notifier_.messages[0].caption, kLoadCaptionText);
  for (int q = 0; q < kQuestionCount; ++q) {
    EXPECT_EQ(questions_.QuestionText(q), "Question");
    EXPECT_EQ(questions_.LongText(q, 0), nullptr);
    for (int a = 0; a < AnswerCount(q); ++a) {
      EXPECT_EQ(questions_.AnswerLongText(q, a), "answer") << q << ' ' << a;
      EXPECT_EQ(questions_.AnswerShortText(q, a), "Ans") << q << ' ' << a;
    }
  }
}

TEST_F(QuestionFile, AMalformedAnswerCompletesItsQuestionAndDefaultsTheRest) {
  for (const bool missingDash : {true, false}) {
    test::DescriptionFile file;
    std::string text = file.Header() + file.separator + "\n";
    for (int q = 0; q < 4; ++q) text += file.Question(q);
    std::string broken = file.Question(4);
    const std::string bad = missingDash ? "    - " + test::DescriptionFile::DefaultLong(4, 2) + "\n"
                                        : "      /" + test::DescriptionFile::DefaultShort(4, 2) + "/\n";
    const std::string good = missingDash ? "      " + test::DescriptionFile::DefaultLong(4, 2) + "\n"
                                         : "      " + test::DescriptionFile::DefaultShort(4, 2) + "\n";
    broken.replace(broken.find(bad), bad.size(), good);
    text += broken;
    for (int q = 5; q < kQuestionCount; ++q) text += file.Question(q);

    RecordingNotifier notifier;
    CQuestionList questions;
    test::WriteText(dir_.File("Otazky.txt"), text);
    ASSERT_EQ(questions.Load(dir_.File("Otazky.txt"), model_, notifier), 1);
    EXPECT_EQ(notifier.Texts(), std::vector<std::string>{"Inconsistency in model file description"});
    EXPECT_EQ(questions.QuestionText(3), test::DescriptionFile::DefaultQuestion(3));
    EXPECT_EQ(questions.QuestionText(4), test::DescriptionFile::DefaultQuestion(4));
    EXPECT_EQ(questions.AnswerShortText(4, 1), test::DescriptionFile::DefaultShort(4, 1));
    EXPECT_EQ(questions.AnswerLongText(4, 2), missingDash ? "answer" : test::DescriptionFile::DefaultLong(4, 2));
    EXPECT_EQ(questions.AnswerShortText(4, 2), missingDash ? test::DescriptionFile::DefaultShort(4, 2) : "Ans");
    // The rest of question 5 is still read from the file.
    EXPECT_EQ(questions.AnswerLongText(4, 6), test::DescriptionFile::DefaultLong(4, 6));
    EXPECT_EQ(questions.AnswerShortText(4, 0), "n/a");
    for (int q = 5; q < kQuestionCount; ++q) {
      EXPECT_EQ(questions.QuestionText(q), "Question");
      EXPECT_EQ(questions.AnswerLongText(q, 0), "answer");
      EXPECT_EQ(questions.AnswerShortText(q, AnswerCount(q) - 1), "Ans");
    }
  }
}

TEST_F(QuestionFile, AFileThatEndsEarlyDefaultsWhatIsMissing) {
  test::DescriptionFile file;
  std::string text = file.Header() + file.separator + "\n" + file.Question(0) + file.Question(1);
  text += test::DescriptionFile::DefaultQuestion(2) + "\n    - only one\n";
  ASSERT_EQ(Load(text), 1);
  EXPECT_EQ(notifier_.Texts(), std::vector<std::string>{"Inconsistency in model file description"});
  EXPECT_EQ(questions_.AnswerShortText(1, 3), test::DescriptionFile::DefaultShort(1, 3));
  EXPECT_EQ(questions_.QuestionText(2), test::DescriptionFile::DefaultQuestion(2));
  EXPECT_EQ(questions_.AnswerLongText(2, 1), "only one");
  EXPECT_EQ(questions_.AnswerShortText(2, 1), "Ans");
  EXPECT_EQ(questions_.AnswerLongText(2, 2), "answer");
  EXPECT_EQ(questions_.QuestionText(3), "Question");
}

TEST_F(QuestionFile, LineSyntaxBlanksSlashesAndNaFields) {
  test::DescriptionFile file;
  file.naLine = "n/a::Unknown answer::unk\t";
  std::string text = file.Text();
  const std::string q1 = file.Question(0);
  std::string custom = "   \t  Where do you live?\n";
  custom += "  -     Capital city   \n    before/Capital  /after\n";
  custom += "-Plains\n/Plains\n";
  custom += "\t- Lakes\n  /  Lakes / x /\n";
  for (int a = 4; a < AnswerCount(0); ++a)
    custom += "    - L" + std::to_string(a) + "\n      /S" + std::to_string(a) + "/\n";
  text.replace(text.find(q1), q1.size(), custom);
  ASSERT_EQ(Load(text), 1);
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_EQ(questions_.QuestionText(0), "Where do you live?");
  EXPECT_EQ(questions_.AnswerLongText(0, 0), "Unknown answer");
  EXPECT_EQ(questions_.AnswerShortText(0, 0), "unk\t");  // the last field runs to the line end
  EXPECT_EQ(questions_.AnswerLongText(0, 1), "Capital city   ");
  EXPECT_EQ(questions_.AnswerShortText(0, 1), "Capital");
  EXPECT_EQ(questions_.AnswerLongText(0, 2), "Plains");
  EXPECT_EQ(questions_.AnswerShortText(0, 2), "Plains");  // no second '/': the rest of the line
  EXPECT_EQ(questions_.AnswerShortText(0, 3), "  Lakes");
  EXPECT_EQ(questions_.AnswerShortText(0, 14), "S14");
}

TEST_F(QuestionFile, CrLfLineEndsReadLikeLf) {
  test::DescriptionFile lf, crlf;
  crlf.lineEnd = "\r\n";
  crlf.naLine = "n/a:No answer given:n/a";  // the last field runs to the line end, without it
  ASSERT_EQ(Load(crlf.Text()), 1);
  EXPECT_TRUE(notifier_.messages.empty());
  CQuestionList reference;
  RecordingNotifier quiet;
  test::WriteText(dir_.File("lf.txt"), lf.Text());
  ASSERT_EQ(reference.Load(dir_.File("lf.txt"), model_, quiet), 1);
  for (int q = 0; q < kQuestionCount; ++q) {
    EXPECT_EQ(questions_.QuestionText(q), reference.QuestionText(q));
    for (int a = 0; a < AnswerCount(q); ++a) {
      EXPECT_EQ(questions_.AnswerLongText(q, a), reference.AnswerLongText(q, a));
      EXPECT_EQ(questions_.AnswerShortText(q, a), reference.AnswerShortText(q, a));
    }
  }
}

TEST_F(QuestionFile, LongLinesAreSplitAt254Characters) {
  for (const std::string& unit : {std::string("x"), std::string("č")}) {  // characters, not bytes
    test::DescriptionFile fits, splits;
    std::string t253, t254;
    for (int i = 0; i < 253; ++i) t253 += unit;
    t254 = t253 + unit;
    fits.questions[7] = t253;
    splits.questions[7] = t254;
    RecordingNotifier first, second;
    CQuestionList a, b;
    test::WriteText(dir_.File("a.txt"), fits.Text());
    test::WriteText(dir_.File("b.txt"), splits.Text());
    ASSERT_EQ(a.Load(dir_.File("a.txt"), model_, first), 1);
    EXPECT_TRUE(first.messages.empty());
    EXPECT_EQ(a.QuestionText(7), t253);
    // 254 characters and the line end do not fit: the line end is read as the next
    // line, which is not an answer line.
    ASSERT_EQ(b.Load(dir_.File("b.txt"), model_, second), 1);
    EXPECT_EQ(second.Texts(), std::vector<std::string>{"Inconsistency in model file description"});
    EXPECT_EQ(b.QuestionText(7), t254);
    EXPECT_EQ(b.AnswerLongText(7, 1), "answer");
    EXPECT_EQ(b.QuestionText(8), "Question");
  }
  // The rest of a long answer line becomes the short-text line.
  test::DescriptionFile file;
  const std::string longAnswer = std::string(254, 'y') + "/tail/";
  file.answers[{2, 3}] = {longAnswer, "never read"};
  ASSERT_EQ(Load(file.Text()), 1);
  EXPECT_EQ(questions_.AnswerLongText(2, 3), std::string(248, 'y'));  // 254 - "    - "
  EXPECT_EQ(questions_.AnswerShortText(2, 3), "tail");
}

TEST_F(QuestionFile, OneBadByteInUtf8TextSpoilsOnlyItselfAndIsReported) {
  test::DescriptionFile file;
  file.questions[1] = "Pohlaví";
  file.answers[{1, 1}] = {"Mu\xC5\xBE \xFF", "M"};  // "Muž " and a byte that is no UTF-8
  file.answers[{1, 2}] = {"\xC5\xBD" "ena \xE2\x82", "\xC5\xBD"};  // a character cut short
  ASSERT_EQ(Load(file.Text()), 1);
  EXPECT_EQ(questions_.QuestionText(1), "Pohlaví");
  EXPECT_EQ(questions_.AnswerLongText(1, 1), "Muž \uFFFD");
  EXPECT_EQ(questions_.AnswerLongText(1, 2), "Žena \uFFFD");
  EXPECT_EQ(questions_.AnswerShortText(1, 2), "Ž");
  const std::string text = file.Text();
  const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(text.find('\xFF')), '\n'));
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_EQ(notifier_.messages[0].text, "Otazky.txt is not valid UTF-8 on line " + std::to_string(line) +
                                            " and in 1 more place; the bad bytes are shown as \"\uFFFD\".");
  EXPECT_EQ(notifier_.messages[0].icon, MessageIcon::Warning);
}

TEST_F(QuestionFile, Windows1250TextIsReadAsUtf8) {
  test::DescriptionFile file;
  // "Pohlaví", "Muž", "Žena", "Vzdělání: čtyřleté", "Úřad" in windows-1250.
  file.questions[1] = "Pohlav\xED";
  file.answers[{1, 1}] = {"Mu\x9E", "M"};
  file.answers[{1, 2}] = {"\x8E" "ena", "\x8E"};
  file.answers[{1, 3}] = {"Vzd\xECl\xE1n\xED: \xE8ty\xF8let\xE9", "\xDA\xF8" "ad"};
  ASSERT_EQ(Load(file.Text()), 1);
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_EQ(questions_.QuestionText(1), "Pohlaví");
  EXPECT_EQ(questions_.AnswerLongText(1, 1), "Muž");
  EXPECT_EQ(questions_.AnswerLongText(1, 2), "Žena");
  EXPECT_EQ(questions_.AnswerShortText(1, 2), "Ž");
  EXPECT_EQ(questions_.AnswerLongText(1, 3), "Vzdělání: čtyřleté");
  EXPECT_EQ(questions_.AnswerShortText(1, 3), "Úřad");

  // The same texts in UTF-8 (with a byte order mark) are taken as they are.
  test::DescriptionFile utf8;
  utf8.questions[1] = "Pohlaví";
  utf8.answers[{1, 1}] = {"Muž", "M"};
  CQuestionList again;
  test::WriteText(dir_.File("utf8.txt"), "\xEF\xBB\xBF" + utf8.Text());
  ASSERT_EQ(again.Load(dir_.File("utf8.txt"), model_, notifier_), 1);
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_EQ(again.QuestionText(1), "Pohlaví");
  EXPECT_EQ(again.AnswerLongText(1, 1), "Muž");
}

// Two components of equal weight; slot 0 holds the first (answer a of question 1),
// slot 1 the second (answer b), so the answer distributions of any other question
// inside the two sets are the two components' own probabilities.
class QuestionOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestModel m = test::TestModel::Uniform(2, 100000);
    for (int a = 0; a < AnswerCount(0); ++a) m.P(0, 0, a) = m.P(1, 0, a) = 0.0;
    m.P(0, 0, 0) = 1.0;
    m.P(1, 0, 1) = 1.0;
    // Largest per-answer differences: question 6 0.5, 11 0.3, 13 0.3004, 21 0.3015.
    Spread(m, 5, 0.5);
    Spread(m, 10, 0.3);
    Spread(m, 12, 0.3004);
    Spread(m, 20, 0.3015);
    ASSERT_TRUE(test::WriteAndLoadModel(dir_, m, model_));
    test::WriteText(dir_.File("Otazky.txt"), test::DescriptionFile().Text());
    ASSERT_EQ(questions_.Load(dir_.File("Otazky.txt"), model_, notifier_), 1);
    first_[0] = 1u << 0;
    second_[0] = 1u << 1;
  }
  // Question q gets answers 0 and 1 only: one half each in the first component,
  // 0.5 + d and 0.5 - d in the second.
  static void Spread(test::TestModel& m, int q, double d) {
    for (int a = 0; a < AnswerCount(q); ++a) m.P(0, q, a) = m.P(1, q, a) = 0.0;
    m.P(0, q, 0) = m.P(0, q, 1) = 0.5;
    m.P(1, q, 0) = 0.5 + d;
    m.P(1, q, 1) = 0.5 - d;
  }
  std::vector<int> First(std::size_t n) const {
    std::vector<int> numbers = Numbers();
    numbers.resize(n);
    return numbers;
  }
  std::vector<int> Numbers() const {
    std::vector<int> numbers;
    for (const int q : questions_.QuestionOrder()) numbers.push_back(q + 1);
    return numbers;
  }

  test::TempDir dir_;
  CModel model_;
  RecordingNotifier notifier_;
  CQuestionList questions_;
  ConditionSet first_{}, second_{};
};

TEST_F(QuestionOrder, DifferenceValuesOfTheThreeKinds) {
  const std::vector<double> largest = questions_.DifferenceValues(1, model_, {first_, second_});
  const std::vector<double> average = questions_.DifferenceValues(2, model_, {first_, second_});
  const std::vector<double> total = questions_.DifferenceValues(3, model_, {first_, second_});
  EXPECT_NEAR(largest[0], 1.0, 1e-12);
  EXPECT_NEAR(total[0], 2.0, 1e-12);
  EXPECT_NEAR(largest[5], 0.5, 1e-12);
  EXPECT_NEAR(total[5], 1.0, 1e-12);
  EXPECT_NEAR(largest[20], 0.3015, 1e-12);
  EXPECT_NEAR(total[12], 0.6008, 1e-12);
  for (int q = 0; q < kQuestionCount; ++q) EXPECT_NEAR(average[q], total[q] / AnswerCount(q), 1e-12) << q;
  EXPECT_EQ(largest[1], 0.0);
  // The largest pair decides: a third set equal to the first changes nothing.
  EXPECT_EQ(questions_.DifferenceValues(1, model_, {first_, second_, first_}), largest);
  // Fewer than two sets: -q, the number order.
  EXPECT_EQ(questions_.DifferenceValues(3, model_, {first_})[7], -7.0);
}

TEST_F(QuestionOrder, DifferenceOrdersSortDescendingAndTreatValuesWithin0001AsEqual) {
  questions_.Order(1, model_, {first_, second_});
  EXPECT_EQ(questions_.OrderingKind(), 1);
  // 21 (0.3015) goes before 11 (0.3); 13 (0.3004) counts as equal to 11 and stays behind it.
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 6, 21, 11, 13, 2, 3, 4, 5, 7, 8, 9, 10, 12, 14, 15, 16, 17, 18, 19, 20,
                                         22, 23, 24}));
  // Asking for the current kind does nothing, even with other sets.
  questions_.Order(1, model_, {first_});
  EXPECT_EQ(Numbers()[2], 21);
  questions_.Order(0, model_, {first_, second_});
  EXPECT_EQ(Numbers()[2], 3);
  // Average difference (divided by the question's answer count): 11 (0.6 / 6) and
  // 21 (0.603 / 6) count as equal, 13 (0.6008 / 8) and 6 (1.0 / 15) fall behind.
  questions_.Order(2, model_, {first_, second_});
  EXPECT_EQ(First(5), (std::vector<int>{1, 11, 21, 13, 6}));
  questions_.Order(3, model_, {first_, second_});
  EXPECT_EQ(First(5), (std::vector<int>{1, 6, 21, 11, 13}));
}

TEST_F(QuestionOrder, SlowlyRisingValuesEndDescendingOverTheWholeList) {
  // Neighbours differ by only 0.0004, so no single step is 0.001 or more, yet
  // question 24 (0.0092) must come well before question 2 (0.0004).
  test::TestModel m = test::TestModel::Uniform(2, 100000);
  for (int a = 0; a < AnswerCount(0); ++a) m.P(0, 0, a) = m.P(1, 0, a) = 0.0;
  m.P(0, 0, 0) = 1.0;
  m.P(1, 0, 1) = 1.0;
  for (int q = 1; q < kQuestionCount; ++q) Spread(m, q, 0.0004 * q);
  test::TempDir dir;
  CModel model;
  ASSERT_TRUE(test::WriteAndLoadModel(dir, m, model));
  questions_.Order(1, model, {first_, second_});
  const std::vector<double> v = questions_.DifferenceValues(1, model, {first_, second_});
  const std::vector<int>& order = questions_.QuestionOrder();
  for (std::size_t i = 0; i < order.size(); ++i)
    for (std::size_t j = i + 1; j < order.size(); ++j)
      ASSERT_GE(v[order[i]], v[order[j]] - 0.001) << "question " << order[i] + 1 << " before " << order[j] + 1;
  // Each place takes the first question in number order that nothing left exceeds by 0.001.
  EXPECT_EQ(First(7), (std::vector<int>{1, 22, 23, 24, 19, 20, 21}));
}

TEST_F(QuestionOrder, WithOneShownSetEveryKindKeepsTheNumberOrder) {
  for (const int kind : {1, 2, 3}) {
    questions_.Order(0, model_, {});
    questions_.Order(kind, model_, {second_});
    std::vector<int> numbers(24);
    std::iota(numbers.begin(), numbers.end(), 1);
    EXPECT_EQ(Numbers(), numbers) << kind;
  }
}

TEST_F(QuestionOrder, StepWalksTheCurrentOrderCyclically) {
  EXPECT_EQ(questions_.Step(0, 1), 1);
  EXPECT_EQ(questions_.Step(23, 1), 0);
  EXPECT_EQ(questions_.Step(0, -1), 23);
  questions_.Order(1, model_, {first_, second_});
  const std::vector<int>& order = questions_.QuestionOrder();
  EXPECT_EQ(questions_.Step(order[0], 1), order[1]);
  EXPECT_EQ(questions_.Step(order[23], 1), order[0]);
  EXPECT_EQ(questions_.Step(order[0], -1), order[23]);
  EXPECT_EQ(questions_.Step(order[5], 3), order[8]);
  EXPECT_EQ(questions_.Step(99, -1), order[23]);  // a question not in the order counts as one past the end
}

}  // namespace
}  // namespace orbica
