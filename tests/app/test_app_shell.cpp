// The application shell: start-up, histogram windows and their numbering,
// command states, the mouse, navigation, the answer list, printing and the
// getting-started text.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSet>
#include <QToolBar>
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
#include <QtEndian>
#include <optional>
#include <sys/stat.h>

#include "app/answer_list.h"
#include "app/child_frame.h"
#include "app/dialogs.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/placement.h"
#include "app/qt_notifier.h"
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
  struct State {
    bool enabled = false;
    std::optional<bool> checked;
  };
  static State StateOf(CApp& app, const char* name) {
    const QAction* action = app.MainFrame()->Action(QString::fromLatin1(name));
    State state;
    state.enabled = action->isEnabled();
    if (action->isCheckable()) state.checked = action->isChecked();
    return state;
  }
  static void Trigger(CApp& app, const char* name) { app.MainFrame()->Action(QString::fromLatin1(name))->trigger(); }

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
    QCOMPARE(child->View()->Style(), kStyleBar3D);
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
    Trigger(*started.app, "graph.pie");
    QCOMPARE(view->Style(), kStylePie);
    QCOMPARE(*StateOf(*started.app, "graph.pie").checked, true);
    QCOMPARE(*StateOf(*started.app, "graph.bar3d").checked, false);
    for (const char* name : {"graph.beside", "graph.behind", "graph.arrangement", "graph.errors"})
      QVERIFY2(!StateOf(*started.app, name).enabled, name);
    frame->Action(QStringLiteral("graph.bar2d"))->trigger();
    QVERIFY(!StateOf(*started.app, "graph.beside").enabled);
    QVERIFY(!StateOf(*started.app, "graph.arrangement").enabled);
    QVERIFY(StateOf(*started.app, "graph.errors").enabled);
    frame->Action(QStringLiteral("graph.cylinder"))->trigger();
    QVERIFY(StateOf(*started.app, "graph.beside").enabled);
    frame->Action(QStringLiteral("graph.behind"))->trigger();
    QCOMPARE(*StateOf(*started.app, "graph.behind").checked, true);
    QCOMPARE(*StateOf(*started.app, "graph.beside").checked, false);
    QCOMPARE(*StateOf(*started.app, "graph.arrangement").checked, false);
    QVERIFY(StateOf(*started.app, "histogram.export").enabled);
    // A bare application object has no census session to open another census with.
    QVERIFY(!StateOf(*started.app, "histogram.openCensus").enabled);
  }

  void toolbarOptionsAreTakenOnStyleSwitch() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    CHistogram* view = frame->ActiveView();
    frame->Action(QStringLiteral("graph.errors"))->setChecked(true);
    frame->Action(QStringLiteral("graph.arrangement"))->setChecked(true);
    frame->Action(QStringLiteral("graph.absolute"))->setChecked(true);
    frame->Action(QStringLiteral("graph.cylinder"))->trigger();
    QVERIFY(view->Graph().showErrors);
    QCOMPARE(view->Graph().arrangement, kArrangementBeside);
    QVERIFY(view->Graph().absolute);
    frame->Action(QStringLiteral("graph.errors"))->trigger();  // a click unchecks the button
    QVERIFY(!frame->Action(QStringLiteral("graph.errors"))->isChecked());
    QVERIFY(!view->Graph().showErrors);
    frame->Action(QStringLiteral("graph.errorsInverse"))->trigger();
    QVERIFY(view->Graph().showErrors);
  }

  void mouseShowsTheAnswerAndSelectsIt() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    frame->Action(QStringLiteral("show.answerList"))->trigger();
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
    app.MainFrame()->Action(QStringLiteral("show.answerList"))->trigger();
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

  void sharesWithoutAValueShowAsDashes() {
    // A weight that is no number leaves no share of the model with a value.
    test::TempDir dir;
    test::WriteSmallCensus(dir.Path());
    test::WriteQuietSettings(dir.Path());
    QFile model(QString::fromStdString(dir.File("data.mle")));
    QVERIFY(model.open(QIODevice::ReadWrite) && model.seek(kModelHeaderBytes));
    const quint64 noNumber = qToLittleEndian<quint64>(0x7FF8000000000000ULL);
    QCOMPARE(model.write(reinterpret_cast<const char*>(&noNumber), 8), qint64(8));
    model.close();
    RecordingNotifier notifier;
    CApp app(QString::fromStdString(dir.Path()), &notifier);
    QVERIFY(app.InitInstance());
    CMainFrame* frame = app.MainFrame();
    frame->Action(QStringLiteral("show.answerList"))->trigger();
    CHistogram* view = frame->ActiveView();
    frame->ActiveChildFrame()->setGeometry(0, 0, 600, 420);
    QCoreApplication::processEvents();
    view->grab();
    const HitRegion first = view->Graph().regions.Regions().at(0);
    const QString tip = view->ToolTipText(QPoint((first.left + first.right) / 2, (first.top + first.bottom) / 2));
    QVERIFY2(tip.endsWith(QStringLiteral(" #val: - (-) #err: - (-)")), qPrintable(tip));
    const QString line = app.AnswerList()->List()->item(0)->text();
    QVERIFY2(line.endsWith(QStringLiteral("         - (     - %)")), qPrintable(line));
  }

  void printedPageCarriesTheLegend_data() {
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("style");
    QTest::newRow("portrait bars") << false << QStringLiteral("graph.bar3d");
    QTest::newRow("landscape bars") << true << QStringLiteral("graph.bar2d");
    QTest::newRow("pie") << false << QStringLiteral("graph.pie");
  }

  void printedPageCarriesTheLegend() {
    QFETCH(bool, landscape);
    QFETCH(QString, style);
    test::StartedApp started;
    QVERIFY(started.Start());
    CHistogram* view = started.app->MainFrame()->ActiveView();
    started.app->MainFrame()->Action(style)->trigger();
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
    QCOMPARE(printed.contains(QStringLiteral("Answers")), style != QStringLiteral("graph.pie"));
    QVERIFY(view->Graph().interactive);  // the screen drawing is interactive again
  }

  // A long getting-started text shows its first 2 MB and says so; a named pipe
  // in its place is refused at once instead of freezing the window.
  void gettingStartedReadsLongAndSpecialFilesSafely() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CSettings& settings = started.app->Context().settings;
    const QString path = started.app->CensusFile(QStringLiteral("long.rtf"));
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("{\\rtf1 ");
      const QByteArray line(1023, 'x');
      for (int i = 0; i < 3 * 1024; ++i) file.write(line + ' ');
      file.write("}");
    }
    started.notifier.messages.clear();
    gettingStarted longText(path, settings, started.notifier, nullptr);
    const QString shown = longText.Text()->toPlainText();
    QVERIFY(shown.size() < (2 << 20) + 1000);
    QVERIFY2(shown.endsWith(QStringLiteral("[The rest of long.rtf is left out: only its first 2 MB of 3 MB are shown.]")),
             qPrintable(shown.right(120)));
    QVERIFY(started.notifier.messages.empty());

    const QString pipe = started.app->CensusFile(QStringLiteral("pipe.rtf"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    gettingStarted special(pipe, settings, started.notifier, nullptr);
    QVERIFY(special.Text()->toPlainText().isEmpty());
    QCOMPARE(started.notifier.Texts(),
             std::vector<std::string>{"\"pipe.rtf\" is not a regular file (a named pipe, device or folder); it is not read."});
  }

  void gettingStartedFlag() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CSettings& settings = app.Context().settings;
    QVERIFY(settings.hideGettingStarted);
    // Suppressed at start-up, but the menu command shows it with the box clear.
    test::ModalScript modals;
    bool boxClear = false, textShown = false;
    modals.On<gettingStarted>([&](gettingStarted* dialog) {
      boxClear = !dialog->DontShowAgain()->isChecked();
      textShown = !dialog->Text()->toPlainText().isEmpty();
      dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    app.MainFrame()->Action(QStringLiteral("help.gettingStarted"))->trigger();
    QCOMPARE(modals.Fired(), 1);
    QVERIFY(boxClear && textShown);
    QVERIFY(settings.hideGettingStarted);  // closing with the box clear changes nothing

    settings.hideGettingStarted = false;
    modals.On<gettingStarted>([](gettingStarted* dialog) {
      dialog->DontShowAgain()->setChecked(true);
      dialog->reject();  // Esc: the flag stays as it was
    });
    app.ShowGettingStarted(false);
    QVERIFY(!settings.hideGettingStarted);
    modals.On<gettingStarted>([](gettingStarted* dialog) {
      dialog->DontShowAgain()->setChecked(true);
      dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    app.ShowGettingStarted(false);
    QVERIFY(settings.hideGettingStarted);
    // Once ticked, start-up's call shows nothing.
    modals.On<gettingStarted>([](gettingStarted* dialog) { dialog->reject(); });
    app.ShowGettingStarted(false);
    QCOMPARE(modals.Fired(), 3);
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

  void actionsCarryTheirTextsKeysAndPrompts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tip");
    QTest::newRow("new window") << "histogram.newWindow" << "&New window" << "Ctrl+N" << "Opens new histogram window"
                                << "New window";
    QTest::newRow("print") << "histogram.print" << "&Print ..." << "Ctrl+P" << "Prints the histogram" << "Print";
    QTest::newRow("open census") << "histogram.openCensus" << "&Open census…" << "Ctrl+O"
                                 << "Opens the census of another folder" << "Open census…";
    QTest::newRow("copy graph") << "histogram.copy" << "Cop&y graph" << "Ctrl+C, Ctrl+Ins"
                                << "Copies the histogram to the clipboard as a picture" << "Copy graph";
    QTest::newRow("arrangement") << "graph.arrangement" << "Arrange subpopulations behind or beside each other" << ""
                                 << "Switches the arrangement when displaying more then one subpopulation"
                                 << "Arrange subpopulations behind or beside each other";
    QTest::newRow("answer list") << "show.answerList" << "&Answer list" << "" << "Displays/hides the answer list"
                                 << "Display/show the answer list";
    QTest::newRow("help") << "help.contents" << "Help" << "F1" << "Displays help" << "Help";
    QTest::newRow("context help") << "help.whatsThis" << "Help" << "Shift+F1" << "Displays context help" << "Help";
    QTest::newRow("about") << "help.about" << "&About" << "" << "Display the asbout inforamtion" << "About..";
    QTest::newRow("next question") << "histogram.nextQuestion" << "Next question" << "Ctrl+PgDown, Alt+Right" << ""
                                   << "Next question";
  }

  void actionsCarryTheirTextsKeysAndPrompts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(QString, prompt);
    QFETCH(QString, tip);
    test::StartedApp started;
    QVERIFY(started.Start());
    const QAction* action = started.app->MainFrame()->Action(name);
    QCOMPARE(action->text(), text);
    QStringList shortcuts;
    for (const QKeySequence& key : action->shortcuts()) shortcuts << key.toString(QKeySequence::PortableText);
    QCOMPARE(shortcuts.join(QStringLiteral(", ")), keys);
    QCOMPARE(action->statusTip(), prompt);
    QCOMPARE(action->toolTip(), tip);
  }

  void menusAndToolbarAreBuiltFromTheActions() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    QStringList titles, mnemonics;
    for (const QAction* menu : frame->menuBar()->actions()) {
      titles << menu->text();
      mnemonics << menu->text().section(QLatin1Char('&'), 1).left(1).toLower();
    }
    QCOMPARE(titles, QStringList({"&Histogram", "&Show", "&Graph", "&Analysis", "&Window", "H&elp"}));
    QCOMPARE(QSet<QString>(mnemonics.begin(), mnemonics.end()).size(), titles.size());  // Alt+letter is unique
    QStringList items;
    for (const QAction* item : frame->menuBar()->actions().first()->menu()->actions()) items << item->text();
    QCOMPARE(items, QStringList({"&Open census…", "&Recent censuses", "", "&New window", "&Close window", "",
                                 "&Export…", "Cop&y graph", "", "&Print ...", "Preview", "Page setup", "", "&Exit"}));
    QStringList buttons;
    for (const QAction* button : frame->ToolBar()->actions()) buttons << button->objectName();
    QCOMPARE(buttons, QStringList({"histogram.newWindow", "table.new", "histogram.print", "", "help.whatsThis", "",
                                   "graph.bar2d", "graph.bar3d", "graph.cylinder", "graph.pie", "", "graph.arrangement",
                                   "graph.errors", "show.answerList", "show.subpopulations", "graph.absolute"}));
  }

  void statesFollowActivationAndTheLastWindowClosing() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CMainFrame* frame = app.MainFrame();
    CChildFrame* bars = frame->ActiveChildFrame();
    Trigger(app, "graph.arrangement");
    CChildFrame* pies = frame->NewHistogramWindow();
    Trigger(app, "graph.pie");
    QVERIFY(!StateOf(app, "graph.arrangement").enabled);
    frame->MdiArea()->setActiveSubWindow(bars);
    QCOMPARE(*StateOf(app, "graph.bar3d").checked, true);
    QCOMPARE(*StateOf(app, "graph.arrangement").checked, true);
    QVERIFY(StateOf(app, "graph.arrangement").enabled);
    frame->MdiArea()->setActiveSubWindow(pies);
    QCOMPARE(*StateOf(app, "graph.pie").checked, true);

    // The answer list's menu item and toolbar button are one action and show one state.
    QAction* answers = frame->Action(QStringLiteral("show.answerList"));
    QWidget* button = frame->ToolBar()->widgetForAction(answers);
    QVERIFY(button);
    answers->trigger();
    QVERIFY(app.AnswerList()->isVisible());
    QVERIFY(answers->isChecked() && button->isEnabled());
    app.AnswerList()->close();  // its own close box
    QVERIFY(!answers->isChecked());
    answers->trigger();
    QVERIFY(answers->isChecked());
    CloseAll(app);
    QVERIFY(!app.AnswerList()->isVisible());
    for (const char* name : {"show.answerList", "histogram.print", "histogram.preview", "graph.bar3d", "histogram.export",
                             "histogram.copy"})
      QVERIFY2(!StateOf(app, name).enabled, name);
    QVERIFY(!answers->isChecked() && !button->isEnabled());
    frame->NewHistogramWindow();
    QVERIFY(answers->isEnabled() && button->isEnabled() && StateOf(app, "histogram.print").enabled);
  }

  void windowMenuCascadesKeepingSizesAndListsTheWindows() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    QList<CChildFrame*> windows = {frame->ActiveChildFrame(), frame->NewHistogramWindow(), frame->NewHistogramWindow()};
    const QList<QSize> sizes = {QSize(360, 300), QSize(400, 320), QSize(380, 340)};
    for (int i = 0; i < 3; ++i) windows[i]->setGeometry(QRect(QPoint(5 * i, 40 - 10 * i), sizes[i]));
    windows[1]->View()->Document().StepQuestion(+1);
    Trigger(*started.app, "window.cascade");
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(windows[i]->size(), sizes[i]);
      if (i > 0) QVERIFY(windows[i]->pos().x() > windows[i - 1]->pos().x());
    }
    QCOMPARE(windows[0]->pos(), QPoint(0, 0));
    frame->MdiArea()->setActiveSubWindow(windows[1]);
    QMenu* menu = frame->menuBar()->findChild<QMenu*>(QStringLiteral("menu.window"));
    Q_EMIT menu->aboutToShow();
    QStringList entries, checked;
    for (const QAction* item : menu->actions()) {
      entries << item->text();
      if (item->isChecked()) checked << item->text();
    }
    QCOMPARE(entries, QStringList({"&Cascade", "&Tile", "", "&1 Frequencies for question 1",
                                   "&2 Frequencies for question 2", "&3 Frequencies for question 1"}));
    QCOMPARE(checked, QStringList({"&2 Frequencies for question 2"}));
    menu->actions().last()->trigger();
    QCOMPARE(frame->ActiveChildFrame(), windows[2]);
  }

  void theTitleNamesTheActiveWindowOnce() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    CChildFrame* child = frame->ActiveChildFrame();
    child->showMaximized();
    QCoreApplication::processEvents();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Orbica - Frequencies for question 1"));
    child->View()->Document().StepQuestion(+1);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Orbica - Frequencies for question 2"));
    child->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Orbica - Frequencies for question 2"));
  }

  void keysStepThroughTheQuestions() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CHistogram* view = started.app->MainFrame()->ActiveView();
    started.app->MainFrame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.app->MainFrame()));
    QTest::keyClick(view, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(view->Document().QuestionIndex(), 1);
    QTest::keyClick(view, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(view->Document().QuestionIndex(), 2);
    QTest::keyClick(view, Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(view->Document().QuestionIndex(), 23);
  }

  void theHistogramHasTheFocusAfterTheGettingStartedText() {
    test::TempDir dir;
    test::WriteSmallCensus(dir.Path());
    RecordingNotifier notifier;
    CApp app(QString::fromStdString(dir.Path()), &notifier);
    test::ModalScript modals;
    modals.On<gettingStarted>([](gettingStarted* dialog) { dialog->close(); });
    QVERIFY(app.InitInstance());
    QCOMPARE(modals.Fired(), 1);
    QVERIFY(QTest::qWaitForWindowActive(app.MainFrame()));
    QCOMPARE(QApplication::focusWidget(), app.MainFrame()->ActiveView());
  }

  void restoredPlacesAreClampedAndAbsurdOnesNotRecorded() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CSettings& settings = started.app->Context().settings;
    CMainFrame* frame = started.app->MainFrame();
    CloseAll(*started.app);
    // A histogram window recorded larger than the area and beyond it.
    settings.RecordPlacement({900, 700, 5000, 4000, kDockNone, PlacementKeyOfHistogram(1)});
    CChildFrame* child = frame->NewHistogramWindow();
    const QRect area = frame->MdiArea()->viewport()->rect();
    QVERIFY2(area.contains(child->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(child->x()).arg(child->y())
                                                             .arg(child->width()).arg(child->height())));
    QCOMPARE(child->size(), area.size());
    // A top-level window recorded at x = 2200 comes back onto the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    settings.RecordPlacement({screen.right() + 600, 40, 300, 200, kDockNone, kPlacementAnswerList});
    QWidget window;
    QVERIFY(RestorePlacement(settings, kPlacementAnswerList, &window));
    QCOMPARE(window.geometry(), QRect(screen.right() + 1 - 300, 40, 300, 200));
    // A minimised window or one wholly off the screen keeps the last record.
    window.move(screen.right() + 32767, 5);
    RecordPlacement(settings, kPlacementAnswerList, &window);
    QCOMPARE(settings.Placement(kPlacementAnswerList)->x, screen.right() + 600);
    window.setGeometry(20, 30, 300, 200);
    window.showMinimized();
    RecordPlacement(settings, kPlacementAnswerList, &window);
    QCOMPARE(settings.Placement(kPlacementAnswerList)->x, screen.right() + 600);
    window.showNormal();
    window.setGeometry(20, 30, 300, 200);
    RecordPlacement(settings, kPlacementAnswerList, &window);
    QCOMPARE(settings.Placement(kPlacementAnswerList)->x, window.x());
  }

  void messageBoxesHaveTheirIconAndTheMainWindowAsOwner() {
    test::StartedApp started;
    QVERIFY(started.Start());
    QtNotifier boxes;
    boxes.SetDefaultOwner(started.app->MainFrame());
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
    Qt::WindowFlags flags;
    test::ModalScript modals;
    modals.On<QMessageBox>([&](QMessageBox* box) {
      icon = box->icon();
      owner = box->parentWidget();
      flags = box->windowFlags();
      box->accept();
    });
    boxes.Show(MessageId::ModelNotLoaded, MessageId::StartupCaption, MessageIcon::None);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(owner, started.app->MainFrame());
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  }

  void crossTablesAreToolWindowsOfTheMainWindow() {
    test::StartedApp started;
    QVERIFY(started.Start());
    Trigger(*started.app, "table.new");
    auto* table = started.app->MainFrame()->findChild<QDialog*>(QStringLiteral("crossTable"));
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->windowType(), Qt::Tool);  // kept above its owner by the window system
    QCOMPARE(table->parentWidget(), started.app->MainFrame());
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

QTEST_MAIN(AppShellTest)

#include "test_app_shell.moc"
