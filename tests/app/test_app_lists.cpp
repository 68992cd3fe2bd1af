// The question list, the cross table windows and the subpopulation list.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QFontInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <sys/wait.h>
#include <unistd.h>

#include "app/child_frame.h"
#include "app/cross_table_window.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/pro_controls.h"
#include "app/question_list_dialog.h"
#include "app/subpopulation_list_dialog.h"
#include "app_fixture.h"
#include "crosstable/cross_table.h"

using namespace orbica;

namespace {

const CPopulace* EntryNamed(CApp& app, const std::string& name) {
  for (const auto& entry : app.Context().subpopulations.Entries())
    if (entry->Name() == name) return entry.get();
  return nullptr;
}

QStringList Lines(const QListWidget& list) {
  QStringList lines;
  for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
  return lines;
}

QStringList QuestionTexts(CApp& app, const std::vector<int>& order) {
  QStringList texts;
  for (const int q : order) texts << QString::fromStdString(app.Context().questions.QuestionText(q));
  return texts;
}

QString Expected(CApp& app, int top, int left, const CPopulace& population, const char* lineEnd) {
  AppContext& c = app.Context();
  return QString::fromStdString(
      *CrossTableText(top, left, c.model, c.questions, population.Masks(), population.Name(), lineEnd));
}

}  // namespace

class AppListsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { CChildFrame::ResetNumbering(); }

  void sortKindsOrderTheListAndCancelKeepsQuestionAndOrder() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    AppContext& c = app.Context();
    QVERIFY(c.displayed.Select(1, EntryNamed(app, "Pensioners living alone")->Identity()));
    QVERIFY(c.displayed.Show(1, true));
    CDokument& document = app.MainFrame()->ActiveView()->Document();
    document.SetQuestion(4);
    test::ModalScript modals;
    modals.On<ListOtazek>([&](ListOtazek* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Question list"));
      QCOMPARE(dialog->size(), QSize(405, 300));  // nothing recorded yet
      QComboBox* sort = dialog->SortBox();
      QCOMPARE(sort->count(), 4);
      QCOMPARE(sort->itemText(3), QStringLiteral("Total difference"));
      QCOMPARE(sort->currentIndex(), 0);
      QCOMPARE(Lines(*dialog->List()), QuestionTexts(app, c.questions.QuestionOrder()));
      QCOMPARE(dialog->List()->currentRow(), 4);
      for (const int kind : {1, 3, 2}) {
        sort->setCurrentIndex(kind);
        const std::vector<int>& order = c.questions.QuestionOrder();
        QCOMPARE(c.questions.OrderingKind(), kind);
        QVERIFY(!std::is_sorted(order.begin(), order.end()));  // two different groups shown
        const std::vector<double> v = c.questions.DifferenceValues(kind, c.model, c.displayed.ShownConditionSets());
        for (std::size_t i = 1; i < order.size(); ++i)
          QVERIFY(v[static_cast<std::size_t>(order[i])] <= v[static_cast<std::size_t>(order[i - 1])] + 0.001);
        QCOMPARE(Lines(*dialog->List()), QuestionTexts(app, order));
        QCOMPARE(dialog->List()->currentItem()->text(), QString::fromStdString(c.questions.QuestionText(4)));
        QCOMPARE(dialog->ChosenQuestion(), 4);
      }
      dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    app.MainFrame()->Action(QStringLiteral("show.questionList"))->trigger();
    QCOMPARE(modals.Fired(), 1);
    QCOMPARE(document.QuestionIndex(), 4);
    QCOMPARE(c.questions.OrderingKind(), 2);  // the order stays after Cancel
    const std::vector<int> order = c.questions.QuestionOrder();
    const auto at = std::find(order.begin(), order.end(), 4) - order.begin();
    document.StepQuestion(+1);
    QCOMPARE(document.QuestionIndex(), order[static_cast<std::size_t>((at + 1) % 24)]);
  }

  void choosingWithOkAndDoubleClickAndTheDialogsPlace() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    QVERIFY(app.chooseQuestion);
    test::ModalScript modals;
    modals.On<ListOtazek>([](ListOtazek* dialog) {
      // The list grows with the window; the buttons keep their size at the bottom right.
      const auto fromCorner = [dialog](QWidget* w) {
        return w->geometry().translated(-dialog->width(), -dialog->height());
      };
      auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"));
      auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
      const QSize list = dialog->List()->size();
      const QList<QRect> buttons{fromCorner(cancel), fromCorner(ok), fromCorner(dialog->SortBox())};
      dialog->resize(dialog->width() + 195, dialog->height() + 100);
      QTRY_COMPARE(dialog->List()->size(), list + QSize(195, 100));
      QCOMPARE((QList<QRect>{fromCorner(cancel), fromCorner(ok), fromCorner(dialog->SortBox())}), buttons);
      dialog->resize(600, 400);
      dialog->List()->setCurrentRow(7);
      dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    QCOMPARE(app.chooseQuestion(app, 0), std::optional<int>(7));

    // Reopened at its recorded size; a double click chooses and closes.
    CDokument& document = app.MainFrame()->ActiveView()->Document();
    modals.On<ListOtazek>([](ListOtazek* dialog) {
      QCOMPARE(dialog->size(), QSize(600, 400));
      QCOMPARE(dialog->List()->currentRow(), 0);
      QListWidget* list = dialog->List();
      const QRect line = list->visualItemRect(list->item(2));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
    });
    document.ChooseQuestion();
    QCOMPARE(document.QuestionIndex(), 2);
    QCOMPARE(document.Title(), QStringLiteral("Frequencies for question 3"));
  }

  void printedListHoldsEveryQuestion() {
    auto split = [](const char* text, int q) {
      const PrintedQuestionLine line = SplitQuestionForPrint(text, q);
      return line.label + "|" + line.text;
    };
    QCOMPARE(split("12. Age group", 11), std::string("12.|Age group"));
    QCOMPARE(split("Region of residence", 0), std::string("1.|Region of residence"));  // nothing is lost
    QCOMPARE(split("Age", 5), std::string("6.|Age"));

    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    ListOtazek dialog(app, 0, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString(started.dir.File("questions.pdf"));
    printer.setOutputFileName(pdf);
    dialog.PrintList(printer);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    // Compatibility forms spell out the ligatures ("fl") of the PDF's text.
    const QString printed =
        QString::fromUtf8(text.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
    QVERIFY2(printed.startsWith(QStringLiteral("Question list")), qPrintable(printed));
    qsizetype last = 0;
    for (int q = 0; q < 24; ++q) {
      const QString line = QString::number(q + 1) + QStringLiteral(". ") +
                           QString::fromStdString(app.Context().questions.QuestionText(q));
      const qsizetype at = printed.indexOf(line.simplified());
      QVERIFY2(at > last, qPrintable(line));  // every question, in the browsing order
      last = at;
    }
  }

  void crossTablesFollowTheirListsAndTheSlots() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    AppContext& c = app.Context();
    app.MainFrame()->Action(QStringLiteral("table.new"))->trigger();
    app.MainFrame()->Action(QStringLiteral("table.new"))->trigger();
    const QList<C2DTable*> tables = app.MainFrame()->findChildren<C2DTable*>();
    QCOMPARE(tables.size(), 2);
    C2DTable* first = tables[0];
    C2DTable* second = tables[1];
    QVERIFY(first->isVisible() && !first->isModal());
    const CPopulace whole(*c.displayed.Subpopulation(0), false);  // the slot's copy is replaced below
    QCOMPARE(first->windowTitle(), QStringLiteral("Table for questions 1 and 2"));
    QCOMPARE(first->TableText(), Expected(app, 0, 1, whole, "\r\n"));
    QCOMPARE(first->Table()->toPlainText(), Expected(app, 0, 1, whole, "\n"));
    QVERIFY(QFontInfo(first->Table()->font()).fixedPitch());
    QCOMPARE(first->LeftList()->itemText(23), QString::fromStdString(c.questions.QuestionText(23)));

    // A list change rebuilds that table only.
    first->TopList()->setCurrentIndex(6);
    QCOMPARE(first->windowTitle(), QStringLiteral("Table for questions 7 and 2"));
    QCOMPARE(first->TableText(), Expected(app, 6, 1, whole, "\r\n"));
    first->LeftList()->setCurrentIndex(6);
    QCOMPARE(first->TableText(), Expected(app, 6, 6, whole, "\r\n"));
    QCOMPARE(second->windowTitle(), QStringLiteral("Table for questions 1 and 2"));

    // A slot change shows at the next activation, edits are discarded.
    QVERIFY(c.displayed.Select(0, EntryNamed(app, "Pensioners living alone")->Identity()));
    const CPopulace& pensioners = *c.displayed.Subpopulation(0);
    second->Table()->setPlainText(QStringLiteral("typed over"));
    QCOMPARE(second->TableText(), Expected(app, 0, 1, whole, "\r\n"));
    const int before = second->Rebuilds();
    second->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(second));
    QVERIFY(second->Rebuilds() > before);
    QCOMPARE(second->TableText(), Expected(app, 0, 1, pensioners, "\r\n"));
    QCOMPARE(second->Table()->toPlainText(), Expected(app, 0, 1, pensioners, "\n"));

    second->resize(900, 500);
    QTRY_COMPARE(second->Table()->width(), 900 - 2 * second->Table()->x());
    const QRect text = second->Table()->geometry();
    QCOMPARE(text.height(), 500 - text.y() - text.x());

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(app.MainFrame()->findChildren<C2DTable*>().size(), 1);
  }

  void subpopulationListDeletesEntryAndFile() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    AppContext& c = app.Context();
    using Hook = void (*)(CApp&);
    const Hook* hook = app.showSubpopulationList.target<Hook>();
    QVERIFY(hook && *hook == &RunSubpopulationList);
    // A stand-in panel that counts its refills.
    if (app.PanelVisible()) app.TogglePanel();
    app.createPanel = [](CApp& a) {
      auto* panel = new QWidget(a.MainFrame());
      panel->show();
      return panel;
    };
    app.TogglePanel();
    QVERIFY(app.PanelVisible());
    int refills = 0;
    app.refillPanel = [&refills](CApp&) { ++refills; };

    const CPopulace* pensioners = EntryNamed(app, "Pensioners living alone");
    const int identity = pensioners->Identity();
    const QString file = QString::fromStdString(pensioners->PathIn(c.subpopulations.Folder()));
    QVERIFY(QFile::exists(file));
    test::ModalScript modals;
    modals.On<CSeznamPop>([&](CSeznamPop* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Dialog"));
      CPROList* list = dialog->List();
      QStringList names;
      for (int row = 0; row < list->Count(); ++row) names << list->Text(row);
      QCOMPARE(names, QStringList({"City dwellers commuting by public transport", "Pensioners living alone",
                                   "Whole population", "Women aged 30-49 with a university degree"}));
      QCOMPARE(list->ItemData(1).toInt(), identity);
      auto* remove = dialog->findChild<QPushButton*>(QStringLiteral("deleteButton"));
      remove->click();  // nothing selected
      QCOMPARE(list->Count(), 4);
      dialog->findChild<QPushButton*>(QStringLiteral("noteButton"))->click();  // "Note" does nothing
      QVERIFY(dialog->isVisible());
      list->setCurrentIndex(list->model()->index(1, 0));
      started.notifier.replies = {Reply::No, Reply::Yes};
      remove->click();  // No: nothing goes
      QCOMPARE(list->Count(), 4);
      QVERIFY(QFile::exists(file));
      remove->click();
      QCOMPARE(started.notifier.Texts(),
               std::vector<std::string>(2, "Delete the saved subpopulation \"Pensioners living alone\"?"));
      QVERIFY(started.notifier.messages.back().question);
      QCOMPARE(list->Count(), 3);
      QCOMPARE(list->SelectedRow(), -1);  // the selection does not move on to a neighbour
      remove->click();
      QCOMPARE(list->Count(), 3);
      QCOMPARE(list->Text(1), QStringLiteral("Whole population"));
      list->setCurrentIndex(list->model()->index(1, 0));
      remove->click();  // the whole population has no file and stays, without a question
      QCOMPARE(list->Count(), 3);
      QCOMPARE(started.notifier.messages.size(), std::size_t{2});
      dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    app.MainFrame()->Action(QStringLiteral("show.subpopulationList"))->trigger();
    QCOMPARE(modals.Fired(), 1);
    QVERIFY(!QFile::exists(file));
    QVERIFY(c.subpopulations.Find(identity) == nullptr);
    QCOMPARE(c.subpopulations.Entries().size(), std::size_t{3});
    QCOMPARE(refills, 1);
  }

  void aSecondProgramOnTheFolderOpensReadOnlyOrQuits() {
    test::TempDir dir;
    test::WriteSmallCensus(dir.Path());
    test::WriteQuietSettings(dir.Path());
    const QString folder = QString::fromStdString(dir.Path());
    const QString lockPath = QDir(folder).filePath(QString::fromLatin1(kCensusLockFileName));
    const std::string status = test::ReadText(dir.File("Status.dat"));
    QLockFile other(lockPath);  // the program that has the census open
    QVERIFY(other.tryLock());
    {
      RecordingNotifier notifier;
      notifier.replies = {Reply::No};
      CApp app(folder, &notifier);
      QVERIFY(!app.InitInstance());
      QCOMPARE(notifier.messages.size(), std::size_t{1});
      QVERIFY(notifier.messages[0].question);
      QVERIFY(notifier.messages[0].text.find("is open in another Orbica") != std::string::npos);
    }
    {
      RecordingNotifier notifier;
      notifier.replies = {Reply::Yes};
      CApp app(folder, &notifier);
      QVERIFY(app.InitInstance());
      QVERIFY(app.Context().ReadOnly());
      CPopulace edited(*app.Context().subpopulations.Entries().back(), false);
      edited.Masks()[0] = 1;
      QVERIFY(app.Context().subpopulations.Store(edited, 0, notifier) == nullptr);
      app.Context().settings.gradientTop = 0x123456;
      app.ExitInstance();
    }
    QCOMPARE(test::ReadText(dir.File("Status.dat")), status);
    QCOMPARE(QDir(folder + QStringLiteral("/Populace")).entryList(QDir::Files).size(), 3);
    other.unlock();

    // A lock left by a program that ended is taken over without a question.
    const pid_t child = fork();
    if (child == 0) {
      QLockFile left(lockPath);
      _exit(left.tryLock() ? 0 : 1);  // ends without unlocking
    }
    int exitStatus = -1;
    waitpid(child, &exitStatus, 0);
    QVERIFY(WIFEXITED(exitStatus) && WEXITSTATUS(exitStatus) == 0);
    QVERIFY(QFile::exists(lockPath));
    RecordingNotifier notifier;
    CApp app(folder, &notifier);
    QVERIFY(app.InitInstance());
    QVERIFY(notifier.messages.empty());
    QVERIFY(!app.Context().ReadOnly());
    QVERIFY(!QLockFile(lockPath).tryLock());  // held again
  }
};

QTEST_MAIN(AppListsTest)

#include "test_app_lists.moc"
