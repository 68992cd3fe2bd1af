// The application shell: start-up, histogram windows and their numbering,
// command states, the mouse, navigation, the answer list, printing and the
// getting-started text.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "app/answer_list.h"
#include "app/child_frame.h"
#include "app/dialogs.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/nav_panel.h"
#include "app/subpopulation_panel.h"
#include "app_fixture.h"
#include "survey/question_list.h"

using namespace orbica;

class AppShellTest : public QObject {
  Q_OBJECT

 private:
  // Closes every histogram window of the running application.
  static void CloseAll(CApp& app) {
    app.MainFrame()->MdiArea()->closeAllSubWindows();
    FinishClosing();
  }
  // Closed windows are deleted by the event loop; let it run.
  static void FinishClosing() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static CommandState StateOf(CApp& app, int id) {
    app.MainFrame()->UpdateCommandStates();
    QAction* action = app.MainFrame()->Action(id);
    CommandState state;
    state.enabled = action->isEnabled();
    if (action->isCheckable()) state.checked = action->isChecked();
    return state;
  }

 private Q_SLOTS:
  void init() { CChildFrame::ResetNumbering(); }

  void missingModelShowsBothBoxesAndNoWindow() {
    test::TempDir dir;
    RecordingNotifier notifier;
    CApp app(QString::fromStdString(dir.Path()), &notifier);
    QVERIFY(!app.InitInstance());
    QCOMPARE(notifier.Texts(), (std::vector<std::string>{"Parameters file not opened", "Cannot load the model."}));
    QCOMPARE(notifier.messages[1].caption, std::string("Direzu - error"));
    QVERIFY(app.MainFrame() == nullptr);
  }

  void missingDescriptionsEndStartUp() {
    test::TempDir dir;
    test::WriteSmallCensus(dir.Path());
    QFile::remove(QString::fromStdString(dir.File("Otazky.txt")));
    RecordingNotifier notifier;
    CApp app(QString::fromStdString(dir.Path()), &notifier);
    QVERIFY(!app.InitInstance());
    QCOMPARE(notifier.Texts(),
             (std::vector<std::string>{"Cannot load the question descriptions.", "Cannot load question list."}));
    QVERIFY(app.MainFrame() == nullptr);
  }

  void startUpOpensOneWindowOnQuestionOne() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    QVERIFY(frame->isMaximized());
    QCOMPARE(frame->ChildFrames().size(), 1);
    CChildFrame* child = frame->ChildFrames().first();
    QCOMPARE(child->Number(), 1);
    QCOMPARE(child->windowTitle(), QStringLiteral("Frequencies for question 1"));
    QCOMPARE(frame->windowTitle(), QStringLiteral("Orbica - Frequencies for question 1"));
    QCOMPARE(child->View()->StyleCommand(), cmd::k3DBar);
    QVERIFY(started.notifier.messages.empty());
  }

  void windowsAreNumberedAndKeepTheirPlaces() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    CloseAll(*started.app);
    QCOMPARE(CChildFrame::OpenCount(), 0);
    CChildFrame* w1 = frame->NewHistogramWindow();
    CChildFrame* w2 = frame->NewHistogramWindow();
    CChildFrame* w3 = frame->NewHistogramWindow();
    QCOMPARE(QList<int>({w1->Number(), w2->Number(), w3->Number()}), QList<int>({1, 2, 3}));
    w3->setGeometry(31, 41, 400, 300);
    w3->close();
    FinishClosing();
    const auto record = started.app->Context().settings.Placement(13);
    QVERIFY(record.has_value());
    QCOMPARE(QRect(record->x, record->y, record->width, record->height), QRect(31, 41, 400, 300));
    CChildFrame* again = frame->NewHistogramWindow();
    QCOMPARE(again->Number(), 3);
    QCOMPARE(again->geometry(), QRect(31, 41, 400, 300));  // the place recorded under key 13
    w2->close();
    FinishClosing();
    QCOMPARE(frame->NewHistogramWindow()->Number(), 4);
    CloseAll(*started.app);
    QCOMPARE(frame->NewHistogramWindow()->Number(), 1);
    for (int i = 2; i <= 20; ++i) frame->NewHistogramWindow();
    QCOMPARE(frame->NewHistogramWindow()->Number(), 1);  // the 21st in a row wraps
  }

  void commandStatesFollowTheStyle() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    CHistogram* view = frame->ActiveView();
    frame->Route(cmd::kPie);
    QCOMPARE(view->StyleCommand(), cmd::kPie);
    QCOMPARE(*StateOf(*started.app, cmd::kPie).checked, true);
    QCOMPARE(*StateOf(*started.app, cmd::k3DBar).checked, false);
    for (const int id : {cmd::kBeside, cmd::kBehind, cmd::kArrangement, cmd::kDisplayErrors})
      QVERIFY2(!StateOf(*started.app, id).enabled, qPrintable(QString::number(id)));
    frame->Route(cmd::k2DBar);
    QVERIFY(!StateOf(*started.app, cmd::kBeside).enabled);
    QVERIFY(!StateOf(*started.app, cmd::kArrangement).enabled);
    QVERIFY(StateOf(*started.app, cmd::kDisplayErrors).enabled);
    frame->Route(cmd::kCylinder);
    QVERIFY(StateOf(*started.app, cmd::kBeside).enabled);
    frame->Route(cmd::kBehind);
    QCOMPARE(*StateOf(*started.app, cmd::kBehind).checked, true);
    QCOMPARE(*StateOf(*started.app, cmd::kBeside).checked, false);
    QCOMPARE(*StateOf(*started.app, cmd::kArrangement).checked, false);
    // Export has no handler; the copy accelerator has none either.
    QVERIFY(!StateOf(*started.app, cmd::kExport).enabled);
    QVERIFY(!StateOf(*started.app, cmd::kCopy).enabled);
    // Without a histogram window the answer list commands are disabled.
    CloseAll(*started.app);
    QVERIFY(!StateOf(*started.app, cmd::kAnswerList).enabled);
    QVERIFY(!StateOf(*started.app, cmd::kAnswerListButton).enabled);
  }

  void toolbarOptionsAreTakenOnStyleSwitch() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    CHistogram* view = frame->ActiveView();
    frame->Action(cmd::kDisplayErrors)->setChecked(true);
    frame->Action(cmd::kArrangement)->setChecked(true);
    frame->Action(cmd::kAbsolute)->setChecked(true);
    frame->Route(cmd::kCylinder);
    QVERIFY(view->Graph().showErrors);
    QCOMPARE(view->Graph().arrangement, kArrangementBeside);
    QVERIFY(view->Graph().absolute);
    frame->Action(cmd::kDisplayErrors)->setChecked(false);
    frame->Route(cmd::kDisplayErrors);
    QVERIFY(!view->Graph().showErrors);
    frame->Route(cmd::kErrorsInverse);
    QVERIFY(view->Graph().showErrors);
  }

  void mouseShowsTheAnswerAndSelectsIt() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    frame->Route(cmd::kAnswerList);
    QVERIFY(started.app->AnswerList() && started.app->AnswerList()->isVisible());
    CHistogram* view = frame->ActiveView();
    frame->ActiveChildFrame()->setGeometry(0, 0, 600, 420);  // inside the offscreen screen
    QCoreApplication::processEvents();
    view->grab();  // paints, which records the answer columns
    const auto& regions = view->Graph().regions.Regions();
    QVERIFY(regions.size() >= 3);
    const HitRegion third = regions[2];
    const QPoint inside((third.left + third.right) / 2, (third.top + third.bottom) / 2);
    QCOMPARE(view->HitTest(inside), third.answer);
    QTest::mouseMove(view, inside);
    QCOMPARE(frame->StatusText(),
             QString::fromStdString(*started.app->Context().questions.LongText(view->Document().QuestionIndex(), third.answer)));
    QVERIFY(view->ToolTipText(inside).contains(QStringLiteral("#val: ")));
    QTest::mouseClick(view, Qt::LeftButton, {}, inside);
    QCOMPARE(view->SelectedAnswer(), third.answer);
    QCOMPARE(started.app->AnswerList()->List()->currentRow(), third.answer - 1);
    QTest::mouseMove(view, QPoint(1, 1));
    QCOMPARE(frame->StatusText(), QString());
    // The next question starts again at answer 1.
    view->Document().StepQuestion(+1);
    QCOMPARE(view->SelectedAnswer(), 1);
  }

  void navigationIsCyclicBothWays() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CHistogram* view = started.app->MainFrame()->ActiveView();
    auto* back = view->NavigationPanel().findChild<QPushButton*>(QStringLiteral("previousButton"));
    auto* next = view->NavigationPanel().findChild<QPushButton*>(QStringLiteral("nextButton"));
    QVERIFY(back && next);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(view->Document().QuestionIndex(), 23);
    QCOMPARE(view->parentWidget()->windowTitle(), QStringLiteral("Frequencies for question 24"));
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(view->Document().QuestionIndex(), 1);
  }

  void answerListLinesAndClipboard() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    app.Context().displayed.Show(1, true);
    app.RefreshAllHistograms();
    app.MainFrame()->Route(cmd::kAnswerList);
    CListBoxEx* list = app.AnswerList()->List();
    const CDokument& doc = app.MainFrame()->ActiveView()->Document();
    QCOMPARE(list->count(), doc.Data().answerCount);
    // Two shown subpopulations: two " %9d (%6.2f %%)" groups on every line.
    const QString line = list->item(1)->text();
    QCOMPARE(line.count(QStringLiteral(" %)")), 2);
    const QString longest = QString::fromStdString(app.Context().questions.AnswerLongText(0, 0));
    QVERIFY(line.startsWith(QString::fromStdString(app.Context().questions.AnswerLongText(0, 1))));
    QVERIFY(!longest.isEmpty());
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->item(4)->setSelected(true);
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied, list->item(0)->text() + "\r\n" + list->item(2)->text() + "\r\n" + list->item(4)->text() + "\r\n");
  }

  void answerListNumbersOfAHandMadeRow() {
    // A share of 0.5 in a subpopulation with P = 0.2 and N = 1000 shows 100 and 50.00 %.
    test::StartedApp started;
    QVERIFY(started.Start());
    HistogramData data;
    data.shownCount = 1;
    data.answerCount = 2;
    data.shares[0] = 0.5;
    data.shares[1] = 0.5;
    data.size[0] = 0.2;
    const QStringList lines = AnswerListLines(6, data, started.app->Context().questions, 1000);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].endsWith(QStringLiteral("       100 ( 50.00 %)")), qPrintable(lines[0]));
    data.shownCount = 0;
    const QStringList bare = AnswerListLines(6, data, started.app->Context().questions, 1000);
    QCOMPARE(bare[0].trimmed(), QString::fromStdString(started.app->Context().questions.AnswerLongText(6, 0)));
  }

  void printedPageCarriesTheLegend_data() {
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("style");
    QTest::newRow("portrait bars") << false << cmd::k3DBar;
    QTest::newRow("landscape bars") << true << cmd::k2DBar;
    QTest::newRow("pie") << false << cmd::kPie;
  }

  void printedPageCarriesTheLegend() {
    QFETCH(bool, landscape);
    QFETCH(int, style);
    test::StartedApp started;
    QVERIFY(started.Start());
    CHistogram* view = started.app->MainFrame()->ActiveView();
    started.app->MainFrame()->Route(style);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString(started.dir.File("page.pdf"));
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    view->PrintPage(printer);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(printed.contains(QStringLiteral("Displayed subpopulations")), qPrintable(printed));
    QVERIFY(printed.contains(QStringLiteral("Whole population")));
    QCOMPARE(printed.contains(QStringLiteral("Answers")), style != cmd::kPie);
    QVERIFY(view->Graph().interactive);  // the screen drawing is interactive again
  }

  void gettingStartedFlag() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CSettings& settings = app.Context().settings;
    QVERIFY(settings.hideGettingStarted);
    // Suppressed at start-up, but the menu command shows it with the box clear.
    bool opened = false;
    test::OnNextModal([&](QWidget* w) {
      opened = true;
      auto* dialog = qobject_cast<gettingStarted*>(w);
      QVERIFY(dialog);
      QVERIFY(!dialog->DontShowAgain()->isChecked());
      QVERIFY(!dialog->Text()->toPlainText().isEmpty());
      dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    app.MainFrame()->Route(cmd::kGettingStarted);
    QVERIFY(opened);
    QVERIFY(settings.hideGettingStarted);  // closing with the box clear changes nothing

    settings.hideGettingStarted = false;
    test::OnNextModal([](QWidget* w) {
      auto* dialog = qobject_cast<gettingStarted*>(w);
      dialog->DontShowAgain()->setChecked(true);
      dialog->reject();  // Esc: the flag stays as it was
    });
    app.ShowGettingStarted(false);
    QVERIFY(!settings.hideGettingStarted);
    test::OnNextModal([](QWidget* w) {
      auto* dialog = qobject_cast<gettingStarted*>(w);
      dialog->DontShowAgain()->setChecked(true);
      dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    app.ShowGettingStarted(false);
    QVERIFY(settings.hideGettingStarted);
    opened = false;
    test::OnNextModal([&](QWidget* w) {
      opened = true;
      qobject_cast<QDialog*>(w)->reject();
    });
    app.ShowGettingStarted(false);
    QVERIFY(!opened);
    QTest::qWait(100);  // let the pending check run out
  }

  void everythingComesBackAfterARestart() {
    test::StartedApp started;
    QVERIFY(started.Start());
    const QString folder = QString::fromStdString(started.dir.Path());
    {
      CApp& app = *started.app;
      // A new saved subpopulation, the panel docked at the top, a window placed.
      CPopulace women(1);
      women.Masks() = test::Set("7c");
      women.SetName("Women");
      QVERIFY(app.Context().subpopulations.Store(women, 0, app.Notifier()) != nullptr);
      auto* panel = app.MainFrame()->findChild<CMPanel*>();
      QVERIFY(panel);
      app.MainFrame()->addDockWidget(Qt::TopDockWidgetArea, panel);
      app.MainFrame()->ChildFrames().first()->setGeometry(12, 34, 420, 330);
      app.MainFrame()->close();
      FinishClosing();
      app.ExitInstance();
      started.app.reset();
    }
    CChildFrame::ResetNumbering();
    RecordingNotifier notifier;
    CApp again(folder, &notifier);
    QVERIFY(again.InitInstance());
    bool listed = false;
    for (const auto& entry : again.Context().subpopulations.Entries()) listed = listed || entry->Name() == "Women";
    QVERIFY(listed);
    auto* panel = again.MainFrame()->findChild<CMPanel*>();
    QVERIFY(panel);
    QCOMPARE(panel->DockCode(), kDockTop);
    QCOMPARE(again.MainFrame()->ChildFrames().first()->geometry(), QRect(12, 34, 420, 330));
    QVERIFY(notifier.messages.empty());
  }

  void helpPagesShowWithTheirStyleSheet() {
    test::StartedApp started;
    QVERIFY(started.Start());
    started.app->MainFrame()->ShowHelp(QStringLiteral("files.html"));
    auto* help = started.app->MainFrame()->findChild<QTextBrowser*>(QStringLiteral("helpWindow"));
    QVERIFY(help);
    QVERIFY(help->toPlainText().contains(QStringLiteral("The census files")));
    // The heading takes its colour from the shared style sheet.
    QTextCursor cursor = help->document()->find(QStringLiteral("The census files"));
    QVERIFY(!cursor.isNull());
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(0x1f, 0x4b, 0x8c));
  }

  void aboutShowsTheModelCounts() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CAboutDlg about(started.app->Context().model, nullptr);
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("componentsValue"))->text(), QStringLiteral("4"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("respondentsValue"))->text(), QStringLiteral("10000000"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Orbica"));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Q_INIT_RESOURCE(orbica);
  AppShellTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_app_shell.moc"
