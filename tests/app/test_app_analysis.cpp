// The analysis in the application: the parameters dialog and its rules, runs
// behind the progress dialog (completed, stopped, empty or missing records), the
// results dialog and what a completed run changes in the windows.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <algorithm>
#include <numeric>

#include "app/analysis_dialog.h"
#include "app/analysis_results.h"
#include "app/analysis_run.h"
#include "app/child_frame.h"
#include "app/dokument.h"
#include "app/main_frame.h"
#include "app/progress_dialog.h"
#include "app_fixture.h"
#include "cli/sample_census.h"
#include "survey/question_list.h"

using namespace orbica;

namespace {

int ThreadCount() {
  return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

// Records messages and whether all came on the user-interface thread.
struct ThreadNotifier final : Notifier {
  void Show(const Message& text, const Message& caption, MessageIcon) override {
    texts.push_back(English(text) + " | " + English(caption));
    onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
  }
  Reply Ask(const Message&, const Message&) override { return Reply::No; }
  std::vector<std::string> texts;
  bool onUiThread = true;
};

// A started application on a sample census of `components` components.
struct CensusApp {
  test::TempDir dir;
  ThreadNotifier notifier;
  std::unique_ptr<CApp> app;
  explicit CensusApp(int components) {
    SampleOptions options;
    options.components = components;
    SampleSummary summary;
    std::string error;
    if (!WriteSampleCensus(dir.Path(), options, summary, error)) qFatal("census: %s", error.c_str());
    test::WriteQuietSettings(dir.Path());
    app = std::make_unique<CApp>(QString::fromStdString(dir.Path()), &notifier);
    if (!app->InitInstance()) qFatal("start-up failed");
  }
  CAnalysis& Analysis() { return app->Context().analysis; }
};

bool ShowResultsEnabled(CApp& app) {
  return app.MainFrame()->Action(QStringLiteral("analysis.results"))->isEnabled();
}

// The state of the parameters dialog in one line.
QString Describe(const CAnalDlg& d) {
  const auto list = [](QComboBox* l) {
    return QStringLiteral("%1 of %2 %3").arg(l->currentIndex()).arg(l->count()).arg(l->isEnabled() ? "on" : "off");
  };
  return QStringLiteral("criterion %1, first %2, second %3, length %4, threshold %5, slider %6 (%7)")
      .arg(d.CriterionList()->currentIndex())
      .arg(list(d.FirstList()), list(d.SecondList()), d.LengthList()->currentText(), d.ThresholdField()->text())
      .arg(d.Slider()->value())
      .arg(d.SliderLabel()->text());
}

// EditParameters on the application's analysis; `act` gets the open dialog.
bool Edit(CApp& app, std::function<void(CAnalDlg&)> act) {
  test::ModalScript modals;
  modals.On<CAnalDlg>([act](CAnalDlg* dialog) { act(*dialog); });
  AppContext& c = app.Context();
  return EditParameters(c.analysis, c.questions, app.Notifier(), app.MainFrame());
}

}  // namespace

class AppAnalysisTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void firstUseAndReopening() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    QString shown;
    QVERIFY(!Edit(app, [&](CAnalDlg& d) { shown = Describe(d), d.reject(); }));
    QCOMPARE(shown, "criterion 0, first -1 of 0 off, second -1 of 0 off, length 2, threshold 0, slider 0 (0 %)");

    // After a run of criterion 4 on answer 3 of question 5 with significance 0.29.
    CAnalysis& analysis = app.Context().analysis;
    const int answer = app.Context().questions.FirstAnswerSlot(4) + 2;
    analysis.criterion = 4, analysis.firstChoice = answer, analysis.weight = 0.29;
    analysis.threshold = 0.015, analysis.maxLength = 3;
    QVERIFY(!Edit(app, [&](CAnalDlg& d) { shown = Describe(d), d.reject(); }));
    QCOMPARE(shown, QStringLiteral("criterion 4, first %1 of 207 on, second -1 of 207 on, length 3, threshold 0.015, "
                                   "slider 29 (29 %)").arg(answer));
    QCOMPARE(analysis.weight, 0.29);  // cancel changes nothing
  }

  void criterionSwitchesAndFocusLoss() {
    test::StartedApp started;
    QVERIFY(started.Start());
    const CQuestionList& questions = started.app->Context().questions;
    CAnalDlg dialog(questions, started.notifier, nullptr, {.criterion = 4});
    dialog.show();
    QComboBox* criteria = dialog.CriterionList();
    QComboBox* first = dialog.FirstList();
    QComboBox* second = dialog.SecondList();
    QCOMPARE(first->itemText(questions.FirstAnswerSlot(2) - 1), QString::fromStdString(questions.QuestionText(2)));
    QCOMPARE(first->itemText(questions.FirstAnswerSlot(2) + 1),
             "  - " + QString::fromStdString(questions.AnswerLongText(2, 1)));
    const auto loseFocus = [](QWidget* w, Qt::FocusReason reason) {
      QFocusEvent out(QEvent::FocusOut, reason);
      QApplication::sendEvent(w, &out);
    };

    // A question line becomes the question's first answer when the focus leaves
    // (not when it only moves into the open list).
    const int header = questions.FirstAnswerSlot(6) - 1;
    first->setCurrentIndex(header);
    loseFocus(first, Qt::PopupFocusReason);
    QCOMPARE(first->currentIndex(), header);
    loseFocus(first, Qt::TabFocusReason);
    QCOMPARE(first->currentIndex(), header + 1);
    second->setCurrentIndex(questions.FirstAnswerSlot(9));

    criteria->setCurrentIndex(5);  // 4 -> 5 keeps both answers
    const QString kept = QStringLiteral("first %1 of 207 on, second %2 of 207 on");
    QCOMPARE(Describe(dialog).section(", ", 1, 2), kept.arg(header + 1).arg(questions.FirstAnswerSlot(9)));
    criteria->setCurrentIndex(2);  // answers -> questions: both cleared
    QCOMPARE(Describe(dialog).section(", ", 1, 2), "first -1 of 24 on, second -1 of 24 off");
    first->setCurrentIndex(7);
    loseFocus(first, Qt::TabFocusReason);  // questions stay questions
    criteria->setCurrentIndex(3);          // 2 -> 3 keeps the first question only
    QCOMPARE(Describe(dialog).section(", ", 1, 2), "first 7 of 24 on, second -1 of 24 on");
    second->setCurrentIndex(8);
    criteria->setCurrentIndex(4);  // 3 -> 4 clears both
    QCOMPARE(Describe(dialog).section(", ", 1, 2), "first -1 of 207 on, second -1 of 207 on");
    QCOMPARE(dialog.ListedCriterion(), 4);
    criteria->setCurrentIndex(1);
    QCOMPARE(Describe(dialog).section(", ", 1, 2), "first -1 of 0 off, second -1 of 0 off");
  }

  void runChecksChoicesAndThreshold() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CAnalysis& analysis = app.Context().analysis;
    const CQuestionList& questions = app.Context().questions;
    // Criterion 3 with one question; a threshold that is not a number; then
    // criterion 4 with a question line still chosen, accepted with Enter.
    bool stayedOpen = false;
    QVERIFY(Edit(app, [&](CAnalDlg& d) {
      d.CriterionList()->setCurrentIndex(3);
      d.FirstList()->setCurrentIndex(2);
      d.RunButton()->click();
      stayedOpen = d.isVisible();
      d.SecondList()->setCurrentIndex(2);
      d.ThresholdField()->setText(QStringLiteral("0.1x"));
      d.RunButton()->click();
      stayedOpen = stayedOpen && d.isVisible();
      d.ThresholdField()->setText(QStringLiteral(" 0.25 "));
      d.CriterionList()->setCurrentIndex(4);
      d.FirstList()->setCurrentIndex(questions.FirstAnswerSlot(4) - 1);
      d.SecondList()->setCurrentIndex(questions.FirstAnswerSlot(6) + 2);
      d.LengthList()->setCurrentIndex(0);
      d.Slider()->setValue(40);
      stayedOpen = stayedOpen && d.SliderLabel()->text() == QStringLiteral("40 %");
      QTest::keyClick(&d, Qt::Key_Return);
    }));
    QVERIFY(stayedOpen);
    QCOMPARE(started.notifier.Texts(),
             (std::vector<std::string>{"Choose parameters for the analysis", "Enter a number."}));
    QCOMPARE(started.notifier.messages[0].caption, std::string("Analysis"));
    QCOMPARE(analysis.criterion, 4);
    QCOMPARE(analysis.firstChoice, questions.FirstAnswerSlot(4));  // the question's first answer
    QCOMPARE(analysis.secondChoice, questions.FirstAnswerSlot(6) + 2);
    QCOMPARE(analysis.maxLength, 1);
    QCOMPARE(analysis.threshold, 0.25);
    QCOMPARE(analysis.weight, 0.4);
    QCOMPARE(analysis.title, std::string("Relative answer frequency - Answers 5a and 7c"));

    // Criterion 3 with the same question twice is accepted.
    QVERIFY(Edit(app, [](CAnalDlg& d) {
      d.CriterionList()->setCurrentIndex(3);
      d.FirstList()->setCurrentIndex(5);
      d.SecondList()->setCurrentIndex(5);
      d.RunButton()->click();
    }));
    QCOMPARE(analysis.title, std::string("Information measure between two questions - Questions 6 and 6"));
    QCOMPARE(started.notifier.messages.size(), std::size_t{2});
  }

  void completedRunFillsSlotThreeAndResults() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CAnalysis& analysis = app.Context().analysis;
    QVERIFY(!ShowResultsEnabled(app));
    int rows = -1;
    QString firstCell;
    test::ModalScript modals;
    modals.On<CAnalDlg>([&](CAnalDlg* dialog) {
      dialog->CriterionList()->setCurrentIndex(1);
      modals.On<CAnalSeznam>([&](CAnalSeznam* results) {
        rows = results->Model()->rowCount();
        firstCell = results->Model()->index(0, 0).data().toString();
        results->accept();
      });
      dialog->RunButton()->click();
    });
    app.MainFrame()->Action(QStringLiteral("analysis.run"))->trigger();
    QVERIFY(analysis.ResultCount() > 0);
    QCOMPARE(rows, analysis.ResultCount());
    QCOMPARE(firstCell, QString::fromStdString(analysis.Result(0).Code()));
    const CDisplayedSubpopulations& slots = app.Context().displayed;
    QVERIFY(slots.Shown(kResultSlot));
    QCOMPARE(slots.Subpopulation(kResultSlot)->Masks(), analysis.Result(0).Masks());
    const HistogramData& data = app.MainFrame()->ChildFrames().front()->Document()->Data();
    QCOMPARE(data.shownCount, 2);
    QCOMPARE(data.slot[1], kResultSlot);
    QVERIFY(ShowResultsEnabled(app));
    QVERIFY(started.notifier.messages.empty());
  }

  void longRunMovesTheBarAndStopKeepsResults() {
    CensusApp census(256);
    CApp& app = *census.app;
    CAnalysis& analysis = census.Analysis();
    analysis.criterion = 3, analysis.firstChoice = 0, analysis.secondChoice = 5, analysis.maxLength = 3;
    std::vector<int> values;
    test::ModalScript modals;
    modals.On<Progress>([&](Progress* progress) {
      QObject::connect(progress->Bar(), &QProgressBar::valueChanged, [&values](int v) { values.push_back(v); });
    });
    QVERIFY(RunSearch(analysis, app.Notifier(), app.MainFrame()));
    QVERIFY(values.size() > 10 && std::is_sorted(values.begin(), values.end()) && values.back() >= 99);
    QCOMPARE(analysis.ResultCount(), kRankedCapacity);
    const std::string best = analysis.Result(0).Name();
    const int threads = ThreadCount();

    // Stopped runs (the button twice, Esc, the close box and accept()): the dialog
    // waits for the worker and the results stay. Enter does nothing. A dialog whose
    // loop ends from outside (hidden) stops the run and waits for the worker too.
    for (int way = 0; way < 4; ++way) {
      bool enterIgnored = false, stoppedButOpen = false;
      modals.On<Progress>([&, way](Progress* progress) {
        QTest::keyClick(progress, Qt::Key_Return);
        enterIgnored = progress->isVisible() && !analysis.StopRequested();
        if (way == 0) progress->StopButton()->click(), progress->StopButton()->click();
        if (way == 1) QTest::keyClick(progress, Qt::Key_Escape);
        if (way == 2) progress->close(), progress->accept();
        if (way == 3) progress->hide();
        stoppedButOpen = way == 3 || (progress->isVisible() && analysis.StopRequested());
      });
      QVERIFY(!RunSearch(analysis, app.Notifier(), app.MainFrame()));
      QVERIFY(enterIgnored && stoppedButOpen);
      QVERIFY(analysis.Outcome() == SearchOutcome::Stopped);
      QCOMPARE(analysis.ResultCount(), kRankedCapacity);
      QCOMPARE(analysis.Result(0).Name(), best);
    }
    // Every run's threads are gone (a joined thread leaves the task list a moment
    // after the join, so the count taken above may still hold one of them).
    QTRY_VERIFY2(ThreadCount() <= threads, qPrintable(QString::number(ThreadCount())));
    QVERIFY(census.notifier.texts.empty());
  }

  void emptyAndMissingRecordsFiles() {
    CensusApp census(4);
    CApp& app = *census.app;
    CAnalysis& analysis = census.Analysis();
    const QString records = QString::fromStdString(census.dir.File("zData.gcd"));
    QVERIFY(QFile::resize(records, 0));
    int rows = -1;
    test::ModalScript modals;
    modals.On<CAnalDlg>([&](CAnalDlg* dialog) {
      modals.On<CAnalSeznam>([&](CAnalSeznam* results) {
        rows = results->Model()->rowCount();
        results->accept();
      });
      dialog->RunButton()->click();
    });
    app.RunAnalysis();
    QCOMPARE(rows, 0);
    QVERIFY(analysis.HasResults() && analysis.ResultCount() == 0);
    QVERIFY(app.Context().displayed.Subpopulation(kResultSlot) == nullptr);
    QVERIFY(!app.Context().displayed.Shown(kResultSlot));
    QVERIFY(ShowResultsEnabled(app));

    // Without the file the worker's message is shown on the user-interface thread.
    QVERIFY(QFile::remove(records));
    QVERIFY(RunSearch(analysis, app.Notifier(), app.MainFrame()));
    QCOMPARE(census.notifier.texts, (std::vector<std::string>{"Cannot open the zdata.gcd file | File not found"}));
    QVERIFY(census.notifier.onUiThread);
  }

  void resultsDialogRowsAndDescriptions() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CAnalysis& analysis = started.app->Context().analysis;
    const CQuestionList& questions = started.app->Context().questions;
    analysis.maxLength = 3;
    analysis.MakeTitle();
    QVERIFY(RunSearch(analysis, started.notifier, nullptr));
    QVERIFY(analysis.ResultCount() > 2);
    CAnalSeznam dialog(analysis, questions, nullptr);
    dialog.show();
    AnalysisResultsModel* model = dialog.Model();
    QCOMPARE(model->rowCount(), analysis.ResultCount());
    QCOMPARE(model->columnCount(), 5);
    const CInfPopulace& second = analysis.Result(1);
    const auto cells = [model](int row) {
      QStringList texts;
      for (int c = 0; c < model->columnCount(); ++c) texts << model->index(row, c).data().toString();
      return texts;
    };
    QCOMPARE(cells(1), QStringList({QString::fromStdString(second.Code()),
                                    QString::fromStdString(second.AnswerDescription(questions)),
                                    QString::asprintf("%f", second.criterionValue),
                                    QString::asprintf("%f", second.difference), QString::asprintf("%f", second.trueSize)}));
    QCOMPARE(model->headerData(1, Qt::Vertical).toInt(), 2);

    // The description lists one line per allowed answer.
    QString questionLines, answerLines;
    for (int q = 0; q < kQuestionCount; ++q)
      for (int a = 0; a < questions.AnswerCount(q); ++a)
        if (second.Masks()[static_cast<std::size_t>(q)] & (1u << a)) {
          questionLines += QString::fromStdString(questions.QuestionText(q)) + '\n';
          answerLines += QString::fromStdString(questions.AnswerLongText(q, a)) + '\n';
        }
    dialog.SelectRow(1);
    QCOMPARE(dialog.QuestionsText()->text(), questionLines);
    QCOMPARE(dialog.AnswersText()->text(), answerLines);
    // Shown whole: the texts wrap inside their frame instead of running out of it.
    for (QLabel* text : {dialog.QuestionsText(), dialog.AnswersText()})
      QVERIFY(text->wordWrap() && dialog.findChild<QGroupBox*>()->geometry().contains(
                                      text->geometry().translated(text->parentWidget()->pos())));

    QCOMPARE(dialog.Title()->text(), QString::fromStdString(analysis.title));
    QCOMPARE(dialog.Title()->palette().color(QPalette::WindowText), QColor(102, 51, 0));
    QVERIFY(dialog.Title()->font().bold());
  }

  // Sorting a column reorders the rows (equal values keep their rank order);
  // sorting on no column brings the rank order back, and the selection follows its result.
  void resultsModelSortsAndReturnsToRankOrder() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CAnalysis& analysis = started.app->Context().analysis;
    analysis.maxLength = 2;
    analysis.MakeTitle();
    QVERIFY(RunSearch(analysis, started.notifier, nullptr));
    QVERIFY(analysis.ResultCount() > 3);
    CAnalSeznam dialog(analysis, started.app->Context().questions, nullptr);
    AnalysisResultsModel& model = *dialog.Model();
    const auto ranks = [&model] {
      std::vector<int> r;
      for (int row = 0; row < model.rowCount(); ++row) r.push_back(model.ResultAt(row));
      return r;
    };
    std::vector<int> rank(static_cast<std::size_t>(analysis.ResultCount()));
    std::iota(rank.begin(), rank.end(), 0);
    QCOMPARE(ranks(), rank);
    dialog.SelectRow(0);
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
      model.sort(AnalysisResultsModel::kTrueSize, order);
      std::vector<int> expected = rank;
      std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
        const double x = analysis.Result(a).trueSize, y = analysis.Result(b).trueSize;
        return order == Qt::AscendingOrder ? x < y : x > y;
      });
      QCOMPARE(ranks(), expected);
      const int selected = dialog.Table()->selectionModel()->currentIndex().row();
      QCOMPARE(model.ResultAt(selected), 0);
      QCOMPARE(model.headerData(selected, Qt::Vertical).toInt(), 1);
    }
    model.sort(-1);
    QCOMPARE(ranks(), rank);
    QCOMPARE(model.ResultAt(-1), -1);
    QCOMPARE(model.ResultAt(model.rowCount()), -1);
  }
};

QTEST_MAIN(AppAnalysisTest)

#include "test_app_analysis.moc"
