// The subpopulation editor and its note dialog: the editing rules with their
// messages, the live size and proposed name, the buttons, the stored files and
// the placement of the window.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <filesystem>

#include "app/info_dialog.h"
#include "app/pop_dialog.h"
#include "app_fixture.h"
#include "support/description_file.h"
#include "survey/question_list.h"

using namespace orbica;

namespace {

constexpr std::int32_t kRespondents = 1 << 20;

// One component: question 7 has answers of 1612, 1611 and the rest of the
// respondents; every other question is answered "a" by everyone.
struct EditorCensus {
  test::TempDir dir;
  RecordingNotifier notifier;
  std::unique_ptr<CApp> app;

  bool Start() {
    test::TestModel m = test::TestModel::Uniform(1, kRespondents);
    for (int q = 0; q < kQuestionCount; ++q)
      for (int a = 0; a < AnswerCount(q); ++a) m.P(0, q, a) = a == 0 ? 1.0 : 0.0;
    m.P(0, 6, 0) = 1612.0 / kRespondents;
    m.P(0, 6, 1) = 1611.0 / kRespondents;
    m.P(0, 6, 2) = double(kRespondents - 3223) / kRespondents;
    test::WriteBytes(dir.File("data.mle"), m.Bytes());
    test::WriteBytes(dir.File("zData.gcd"), test::RecordsBytes({{kRespondents, {-1, -1, -1}}}));
    test::WriteText(dir.File("Otazky.txt"), test::DescriptionFile().Text());
    test::WriteQuietSettings(dir.Path());
    app = std::make_unique<CApp>(QString::fromStdString(dir.Path()), &notifier);
    return app->InitInstance();
  }
};

// Ticks or unticks an answer of the selected question as a click does.
void Tick(QListWidget* list, int row, bool on) { list->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked); }
bool Ticked(QListWidget* list, int row) { return list->item(row)->checkState() == Qt::Checked; }

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensOnTheWholePopulation() {
    EditorCensus census;
    QVERIFY(census.Start());
    CPopulace whole(0);
    PopDialog dialog(*census.app, whole);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Subpopulation properties"));
    QCOMPARE(dialog.QuestionList()->count(), kQuestionCount);
    for (int q = 0; q < kQuestionCount; ++q) QVERIFY(!Ticked(dialog.QuestionList(), q));
    QCOMPARE(dialog.QuestionList()->currentRow(), 0);
    QCOMPARE(dialog.AnswerList()->count(), AnswerCount(0));
    QCOMPARE(dialog.SizeText()->text(), QString::number(kRespondents));
    QCOMPARE(dialog.NameBox()->text(), QStringLiteral("Whole population"));
    QCOMPARE(dialog.StoredIdentity(), 0);
  }

  void opensOnTheFirstConstrainedQuestion() {
    EditorCensus census;
    QVERIFY(census.Start());
    CPopulace population(0);
    population.Masks() = test::Set("7a 9a");
    population.SetName("Mine");
    PopDialog dialog(*census.app, population);
    QCOMPARE(dialog.QuestionList()->currentRow(), 6);
    QVERIFY(Ticked(dialog.QuestionList(), 6) && Ticked(dialog.QuestionList(), 8));
    QVERIFY(Ticked(dialog.AnswerList(), 0) && !Ticked(dialog.AnswerList(), 1));
    QCOMPARE(dialog.SizeText()->text(), QStringLiteral("1612"));
    QCOMPARE(dialog.NameBox()->text(), QStringLiteral("Mine"));  // not the proposed name
  }

  void sizeLimitRefuses1611AndAccepts1612() {
    EditorCensus census;
    QVERIFY(census.Start());
    CPopulace population(0);
    PopDialog dialog(*census.app, population);
    dialog.QuestionList()->setCurrentRow(6);
    QListWidget* answers = dialog.AnswerList();

    Tick(answers, 1, true);  // 1611 respondents
    QCOMPARE(census.notifier.Texts(), std::vector<std::string>{"Defined subpopulation is too small!"});
    QVERIFY(!Ticked(answers, 1));
    QCOMPARE(dialog.WorkingMasks(), ConditionSet{});
    QVERIFY(!Ticked(dialog.QuestionList(), 6));

    Tick(answers, 0, true);  // 1612
    QCOMPARE(census.notifier.messages.size(), std::size_t{1});
    QCOMPARE(dialog.SizeText()->text(), QStringLiteral("1612"));
    QVERIFY(Ticked(dialog.QuestionList(), 6));
    QCOMPARE(dialog.NameBox()->text(), QStringLiteral("n/a "));  // answer a's short text

    Tick(answers, 1, true);  // 3223
    QCOMPARE(dialog.SizeText()->text(), QStringLiteral("3223"));
    QCOMPARE(dialog.NameBox()->text(), QStringLiteral("n/a q7a1 "));
    Tick(answers, 0, false);  // back to 1611: refused, answer a ticked again
    QCOMPARE(census.notifier.Texts().back(), std::string("Defined subpopulation is too small!"));
    QVERIFY(Ticked(answers, 0));
    QCOMPARE(dialog.WorkingMasks(), test::Set("7ab"));
    QCOMPARE(dialog.SizeText()->text(), QStringLiteral("3223"));
    QCOMPARE(population.Masks(), ConditionSet{});  // nothing reaches the subpopulation before OK
  }

  void fifteenConstrainedQuestionsAreTheLimit() {
    EditorCensus census;
    QVERIFY(census.Start());
    CPopulace population(0);
    for (int q = 8; q < 8 + kMaxConstrainedQuestions; ++q) population.Masks()[static_cast<std::size_t>(q)] = 1;
    PopDialog dialog(*census.app, population);
    dialog.QuestionList()->setCurrentRow(0);
    Tick(dialog.AnswerList(), 0, true);  // a 16th question
    QCOMPARE(census.notifier.Texts(), std::vector<std::string>{"Too many conditions or too small subpopulation!"});
    QVERIFY(!Ticked(dialog.AnswerList(), 0));
    QVERIFY(!Ticked(dialog.QuestionList(), 0));
    dialog.QuestionList()->setCurrentRow(8);
    Tick(dialog.AnswerList(), 1, true);  // another answer of a constrained question
    QCOMPARE(census.notifier.messages.size(), std::size_t{2});
    QCOMPARE(dialog.WorkingMasks()[8], 1u);
    Tick(dialog.AnswerList(), 0, false);  // dropping a condition is allowed
    QCOMPARE(dialog.WorkingMasks()[8], 0u);
    QVERIFY(!Ticked(dialog.QuestionList(), 8));
    QCOMPARE(census.notifier.messages.size(), std::size_t{2});
  }

  void typedNameIsReplacedAndUntickedQuestionDropsItsConditions() {
    EditorCensus census;
    QVERIFY(census.Start());
    CPopulace population(0);
    population.Masks() = test::Set("7ab 9a");
    PopDialog dialog(*census.app, population);
    dialog.NameBox()->setText(QStringLiteral("typed"));
    dialog.QuestionList()->setCurrentRow(9);
    Tick(dialog.AnswerList(), 1, true);  // question 10 answer b: nobody, refused, the name is proposed all the same
    QCOMPARE(census.notifier.Texts(), std::vector<std::string>{"Defined subpopulation is too small!"});
    QCOMPARE(dialog.NameBox()->text(), QStringLiteral("n/a q7a1 n/a "));
    dialog.NameBox()->setText(QStringLiteral("typed again"));
    // Unticking question 7 (not the selected one) drops its conditions without a size check.
    Tick(dialog.QuestionList(), 6, false);
    QCOMPARE(dialog.QuestionList()->currentRow(), 6);
    QCOMPARE(dialog.WorkingMasks(), test::Set("9a"));
    QVERIFY(!Ticked(dialog.AnswerList(), 0) && !Ticked(dialog.AnswerList(), 1));
    QCOMPARE(dialog.NameBox()->text(), QStringLiteral("n/a "));
    QCOMPARE(dialog.SizeText()->text(), QString::number(kRespondents));
    // Ticking a question without answers leaves it unticked.
    Tick(dialog.QuestionList(), 2, true);
    QVERIFY(!Ticked(dialog.QuestionList(), 2));
    QCOMPARE(census.notifier.messages.size(), std::size_t{1});
  }

  void okCancelClearAndNotes() {
    EditorCensus census;
    QVERIFY(census.Start());
    CPopulace population(0);
    population.Masks() = test::Set("9a");
    population.SetNote("old\r\nnote");
    {
      PopDialog dialog(*census.app, population);
      QCOMPARE(dialog.NoteField(), QStringLiteral("old\nnote"));
      dialog.QuestionList()->setCurrentRow(6);
      Tick(dialog.AnswerList(), 0, true);
      dialog.Button(2)->click();
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(population.Masks(), test::Set("9a"));
    {
      PopDialog dialog(*census.app, population);
      dialog.NameBox()->setText(QStringLiteral("Renamed"));
      dialog.Button(1)->click();
      QVERIFY(dialog.Changed());
      QCOMPARE(dialog.StoredIdentity(), 0);
    }
    QCOMPARE(population.Name(), std::string("Renamed"));
    QCOMPARE(population.Note(), std::string("old\r\nnote"));  // an untouched note keeps its bytes
    {
      PopDialog dialog(*census.app, population);
      bool sawCaption = false;
      test::ModalScript modals;
      modals.On<InfoDlg>([&](InfoDlg* info) {
        sawCaption = info->windowTitle() == QStringLiteral("Subpopulation description: Renamed");
        info->NoteEdit()->setPlainText(QStringLiteral("first"));
        info->NoteEdit()->moveCursor(QTextCursor::End);
        QTest::keyClick(info->NoteEdit(), Qt::Key_Return);
        QVERIFY(info->isVisible());  // Enter starts a new line
        QTest::keyClicks(info->NoteEdit(), QStringLiteral("second"));
        info->OkButton()->click();
      });
      dialog.Button(1045)->click();
      QVERIFY(sawCaption);
      QCOMPARE(dialog.NoteField(), QStringLiteral("first\nsecond"));
      dialog.Button(1)->click();
    }
    QCOMPARE(population.Note(), std::string("first\nsecond"));
    {
      PopDialog dialog(*census.app, population);
      test::ModalScript modals;
      modals.On<InfoDlg>([](InfoDlg* info) {
        info->NoteEdit()->setPlainText(QStringLiteral("discarded"));
        info->reject();  // Cancel
      });
      dialog.Button(1045)->click();
      QCOMPARE(modals.Fired(), 1);
      QCOMPARE(dialog.NoteField(), QStringLiteral("first\nsecond"));
      dialog.Button(3020)->click();  // Clear
      QCOMPARE(dialog.WorkingMasks(), ConditionSet{});
      QCOMPARE(dialog.NoteField(), QString());
      QCOMPARE(dialog.NameBox()->text(), QString());
      QVERIFY(!Ticked(dialog.QuestionList(), 8));
      dialog.Button(2)->click();
    }
    QCOMPARE(population.Note(), std::string("first\nsecond"));
  }

  void nameBoxTakesAtMost255Characters() {
    EditorCensus census;
    QVERIFY(census.Start());
    CPopulace population(0);
    PopDialog dialog(*census.app, population);
    const QString c = QString::fromUtf8("č");
    dialog.NameBox()->setText(c.repeated(254));
    QTest::keyClick(dialog.NameBox(), Qt::Key_End);
    QTest::keyClicks(dialog.NameBox(), QStringLiteral("xy"));
    QCOMPARE(dialog.NameBox()->text(), c.repeated(254) + QLatin1Char('x'));
    dialog.Button(1)->click();
    QCOMPARE(population.Name(), c.repeated(254).toStdString() + "x");
  }

  void saveRenamesTheFileAndAddMakesASecondEntry() {
    EditorCensus census;
    QVERIFY(census.Start());
    AppContext& context = census.app->Context();
    CPopulace first(0);
    first.Masks() = test::Set("9a");
    first.SetName("Nine");
    const int identity = context.subpopulations.Store(first, 0, census.notifier)->Identity();
    const std::filesystem::path folder = context.subpopulations.Folder();
    QVERIFY(std::filesystem::exists(folder / "9a.pop"));

    CPopulace copy(*context.subpopulations.Find(identity), false);
    {
      PopDialog dialog(*census.app, copy);
      dialog.QuestionList()->setCurrentRow(6);
      Tick(dialog.AnswerList(), 0, true);
      dialog.Button(3012)->click();  // Save
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.StoredIdentity(), identity);
    }
    QVERIFY(std::filesystem::exists(folder / "7a9a.pop"));
    QVERIFY(!std::filesystem::exists(folder / "9a.pop"));
    QCOMPARE(context.subpopulations.Entries().size(), std::size_t{2});
    QCOMPARE(context.subpopulations.Find(identity)->Masks(), test::Set("7a 9a"));

    // Add without a change would write the saved entry's file: asked first. No keeps
    // the editor open with nothing stored; Yes replaces the other entry.
    const std::string question = "A saved subpopulation \"" + context.subpopulations.Find(identity)->Name() +
                                 "\" has the same conditions. Replace it?";
    census.notifier.replies = {Reply::No, Reply::Yes};
    {
      PopDialog dialog(*census.app, copy);
      dialog.Button(3010)->click();  // Add
      QCOMPARE(census.notifier.Texts(), std::vector<std::string>{question});
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(dialog.StoredIdentity(), 0);
      QCOMPARE(copy.Identity(), identity);
      QCOMPARE(context.subpopulations.Entries().size(), std::size_t{2});
      dialog.Button(3010)->click();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QVERIFY(dialog.StoredIdentity() != 0 && dialog.StoredIdentity() != identity);
      QCOMPARE(copy.Identity(), dialog.StoredIdentity());
    }
    QCOMPARE(census.notifier.messages.size(), std::size_t{2});
    QCOMPARE(context.subpopulations.Entries().size(), std::size_t{2});
    QVERIFY(context.subpopulations.Find(identity) == nullptr);
    QCOMPARE(*context.subpopulations.Entries()[1]->FileName(), (folder / "7a9a.pop").string());
  }

  void placementAndResizeRules() {
    EditorCensus census;
    QVERIFY(census.Start());
    CSettings& settings = census.app->Context().settings;
    CPopulace population(0);
    {
      PopDialog dialog(*census.app, population);
      dialog.show();  // the layout follows the size of a visible window
      QCOMPARE(dialog.size(), QSize(450, 400));
      const int ids[] = {1, 2, 3012, 3010, 3020, 1045};
      const auto buttonPlaces = [&] {
        QList<QRect> places;
        for (const int id : ids) places << dialog.Button(id)->geometry().translated(-dialog.width(), 0);
        return places;
      };
      const QList<QRect> buttonsBefore = buttonPlaces();
      const QSize questionsBefore = dialog.QuestionList()->size(), answersBefore = dialog.AnswerList()->size();
      dialog.resize(640, 520);
      // Both lists and the name grow with the window; the buttons keep their size and
      // place at the right edge, and the size stays below the answers.
      QTRY_COMPARE(dialog.QuestionList()->size(), questionsBefore + QSize(190, 60));
      QCOMPARE(dialog.AnswerList()->size(), answersBefore + QSize(190, 60));
      QCOMPARE(dialog.NameBox()->width(), dialog.QuestionList()->width());
      QCOMPARE(buttonPlaces(), buttonsBefore);
      QVERIFY(dialog.SizeText()->y() > dialog.AnswerList()->geometry().bottom());
      dialog.Button(2)->click();
    }
    const std::optional<PlacementRecord> record = settings.Placement(kPlacementEditor);
    QVERIFY(record.has_value());
    QCOMPARE(QSize(record->width, record->height), QSize(640, 520));
    PopDialog again(*census.app, population);
    QCOMPARE(again.size(), QSize(640, 520));
  }
};

QTEST_MAIN(EditorTest)

#include "test_app_editor.moc"
