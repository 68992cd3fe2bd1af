// Opening a census: the command line, switching to another census, a failed
// open, the start dialog with the sample census; and export of a histogram
// window as pictures, numbers and a clipboard image.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QAbstractButton>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMdiArea>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>

#include "app/app.h"
#include "app/census_opener.h"
#include "app/child_frame.h"
#include "app/dokument.h"
#include "app/export.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/start_dialog.h"
#include "app_fixture.h"
#include "support/cli_runner.h"
#include "survey/subpopulation_code.h"

using namespace orbica;

namespace {

QString Path(const test::TempDir& dir) { return QDir(QString::fromStdString(dir.Path())).canonicalPath(); }

// A quiet census (no getting-started dialog) in a new folder.
std::unique_ptr<test::TempDir> NewCensus() {
  auto dir = std::make_unique<test::TempDir>();
  test::WriteSmallCensus(dir->Path());
  test::WriteQuietSettings(dir->Path());
  return dir;
}

QString SampleCopyFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("sample"));
}

}  // namespace

class AppCensusTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QCoreApplication::setOrganizationName(QStringLiteral("OrbicaTest"));
    QCoreApplication::setApplicationName(QStringLiteral("OrbicaTest"));
    first_ = NewCensus();
    second_ = NewCensus();
  }
  void init() {
    QSettings().remove(QStringLiteral("recentCensuses"));
    QDir(SampleCopyFolder()).removeRecursively();
    CChildFrame::ResetNumbering();
    startDir_ = QDir::currentPath();
  }
  void cleanup() { QDir::setCurrent(startDir_); }

  void commandLineArguments() {
    const QString file = QDir(Path(*first_)).filePath(QStringLiteral("data.mle"));
    struct Case {
      QStringList words;
      StartArguments::Action action;
      QString folder;
      bool choose;
    };
    for (const Case& c : {Case{{}, StartArguments::Action::kRun, {}, false},
                          Case{{"/census"}, StartArguments::Action::kRun, "/census", false},
                          Case{{"--choose", file}, StartArguments::Action::kRun, Path(*first_), true},
                          Case{{"/census", "--help"}, StartArguments::Action::kHelp, {}, false},
                          Case{{"--version"}, StartArguments::Action::kVersion, {}, false},
                          Case{{"--frob"}, StartArguments::Action::kError, {}, false},
                          Case{{"/a", "/b"}, StartArguments::Action::kError, {}, false}}) {
      const StartArguments start = ParseStartArguments(QStringList{QStringLiteral("orbica")} + c.words);
      QCOMPARE(start.action, c.action);
      if (c.action == StartArguments::Action::kRun) {
        QCOMPARE(start.folder, c.folder);
        QCOMPARE(start.choose, c.choose);
      }
    }
  }

  // `orbica FOLDER` starts there; opening another census closes every window
  // of the first and keeps both in the recent list, newest first.
  void folderArgumentAndOpenCensus() {
    RecordingNotifier notifier;
    CensusSession session(&notifier);
    StartArguments start;
    start.folder = Path(*first_);
    QVERIFY(session.Start(start));
    QCOMPARE(QDir::currentPath(), Path(*first_));
    QCOMPARE(QString::fromStdString(session.App()->Context().folder), Path(*first_));
    QPointer<CMainFrame> firstFrame = session.App()->MainFrame();
    firstFrame->NewHistogramWindow();
    QList<QPointer<CChildFrame>> firstWindows;
    for (CChildFrame* frame : firstFrame->ChildFrames()) firstWindows << frame;
    QCOMPARE(firstWindows.size(), 2);

    QSignalSpy opened(&session, &CensusSession::CensusOpened);
    QVERIFY(session.Open(Path(*second_)));
    QCOMPARE(opened.count(), 1);
    QVERIFY(firstFrame.isNull());
    for (const QPointer<CChildFrame>& window : firstWindows) QVERIFY(window.isNull());
    QCOMPARE(QDir::currentPath(), Path(*second_));
    QCOMPARE(QString::fromStdString(session.App()->Context().folder), Path(*second_));
    QCOMPARE(session.App()->MainFrame()->ChildFrames().size(), 1);
    QCOMPARE(session.App()->MainFrame()->ChildFrames()[0]->Number(), 1);
    QCOMPARE(RecentCensuses(), (QStringList{Path(*second_), Path(*first_)}));
    QVERIFY(notifier.messages.empty());

    // "Recent censuses" in the running program: its second entry goes back to
    // the first census once the menu's handler has returned.
    QCOMPARE(SessionOf(*session.App()), &session);
    CMainFrame* frame = session.App()->MainFrame();
    QVERIFY(frame->Action(QStringLiteral("histogram.openCensus"))->isEnabled());
    auto* histogram = frame->menuBar()->findChild<QMenu*>(QStringLiteral("menu.histogram"));
    Q_EMIT histogram->aboutToShow();  // the list is read as the menu opens
    QMenu* recent = frame->Action(QStringLiteral("histogram.recentCensuses"))->menu();
    QVERIFY(recent && frame->Action(QStringLiteral("histogram.recentCensuses"))->isEnabled());
    QCOMPARE(recent->actions().size(), 2);
    recent->actions()[1]->trigger();
    QCOMPARE(session.Folder(), Path(*second_));
    QTRY_COMPARE(session.Folder(), Path(*first_));
    session.Finish();
  }

  // The recent list keeps the last eight folders, without repeats.
  void recentCensusesKeepTheLastEight() {
    for (int i = 0; i < 10; ++i) AddRecentCensus(QStringLiteral("/census/%1").arg(i));
    AddRecentCensus(QStringLiteral("/census/5"));
    const QStringList recent = RecentCensuses();
    QCOMPARE(recent.size(), kRecentCensusCount);
    QCOMPARE(recent.first(), QStringLiteral("/census/5"));
    QCOMPARE(recent.count(QStringLiteral("/census/5")), 1);
    QVERIFY(!recent.contains(QStringLiteral("/census/1")));
  }

  // A folder without a census gives the load's boxes and the running census
  // stays; so does cancelling the question about an unsaved slot.
  void failedOpenKeepsTheCurrentCensus() {
    RecordingNotifier notifier;
    CensusSession session(&notifier);
    QVERIFY(session.StartOn(Path(*first_)));
    CApp* app = session.App();
    QPointer<CMainFrame> frame = app->MainFrame();

    test::TempDir empty;
    QVERIFY(!session.Open(Path(empty)));
    QCOMPARE(notifier.Texts(), (std::vector<std::string>{"Parameters file not opened", "Cannot load the model."}));
    QCOMPARE(session.App(), app);
    QVERIFY(!frame.isNull());
    QCOMPARE(session.Folder(), Path(*first_));
    QCOMPARE(QDir::currentPath(), Path(*first_));

    notifier.messages.clear();
    app->Context().displayed.SetModified(0, true);
    notifier.replies = {Reply::Cancel};
    QVERIFY(!session.Open(Path(*second_)));
    QCOMPARE(notifier.Texts(), std::vector<std::string>{English(MessageId::NotSavedQuestion)});
    QCOMPARE(session.App(), app);
    QVERIFY(!frame.isNull());
    session.Finish();
  }

  // --choose in a folder without a census: the start dialog's "Open the sample
  // census" copies the read-only sample once into the user's data folder and
  // starts there; a second start reuses the copy.
  void startDialogOpensTheSampleFromAWritableCopy() {
    test::TempDir sample;
    test::WriteSmallCensus(sample.Path());
    test::WriteQuietSettings(sample.Path());
    const QString source = Path(sample);
    for (const QString& name : QDir(source).entryList(QDir::Files))
      QFile::setPermissions(QDir(source).filePath(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    test::TempDir empty;
    StartArguments start;
    start.folder = Path(empty);
    start.choose = true;
    for (int run = 0; run < 2; ++run) {
      RecordingNotifier notifier;
      CensusSession session(&notifier);
      session.SetSampleSource(source);
      test::ModalScript modals;
      modals.On<StartDialog>([](StartDialog* dialog) { QTest::mouseClick(dialog->SampleButton(), Qt::LeftButton); });
      QVERIFY(session.Start(start));
      QCOMPARE(modals.Fired(), 1);
      QCOMPARE(session.Folder(), SampleCopyFolder());
      QVERIFY(session.App()->Context().model.Components() > 0);
      const QFileInfo copied(QDir(SampleCopyFolder()).filePath(QStringLiteral("data.mle")));
      QVERIFY(copied.permission(QFile::WriteOwner));
      QVERIFY(!QFileInfo(QDir(source).filePath(QStringLiteral("data.mle"))).permission(QFile::WriteOwner));
      QVERIFY(notifier.messages.empty());
      QCOMPARE(RecentCensuses().first(), SampleCopyFolder());
      session.Finish();
    }

    // The recent folders are offered too: choosing one starts on it.
    RecordingNotifier notifier;
    CensusSession session(&notifier);
    AddRecentCensus(Path(*second_));
    test::ModalScript modals;
    int offered = 0;
    QString firstOffered;
    modals.On<StartDialog>([&](StartDialog* dialog) {
      offered = dialog->RecentList()->count();
      firstOffered = dialog->RecentList()->item(0)->toolTip();
      dialog->OpenRecent(0);
    });
    QVERIFY(session.Start(start));
    QCOMPARE(offered, 2);
    QCOMPARE(firstOffered, Path(*second_));
    QCOMPARE(session.Folder(), Path(*second_));
    session.Finish();
  }

  // A census folder that cannot be written opens; the user is told once.
  void readOnlyFolderIsToldOnce() {
    auto census = NewCensus();
    const QString folder = Path(*census);
    RecordingNotifier notifier;
    CensusSession session(&notifier);
    // A probe that fails as it does in a read-only folder, for the superuser too.
    session.folderWritable = [&](const QString& f) { return f != folder; };
    QVERIFY(session.StartOn(folder));
    QVERIFY(session.Open(folder));
    QVERIFY(session.Open(Path(*first_)));
    QVERIFY(session.Open(folder));
    const auto told = std::count_if(notifier.messages.begin(), notifier.messages.end(), [](const auto& message) {
      return message.text.find("cannot be written: ") != std::string::npos;
    });
    QCOMPARE(told, 1);
    session.Finish();
  }

  // Export writes pictures of the window's size (or the typed size) and a CSV
  // whose numbers are orbica-cli dist's; Ctrl+C's image has the window's size.
  void exportPicturesNumbersAndClipboard() {
    RecordingNotifier notifier;
    CensusSession session(&notifier);
    QVERIFY(session.StartOn(Path(*first_)));
    CApp& app = *session.App();
    auto population = std::make_unique<CPopulace>(kWholePopulationIdentity);
    population->Masks() = test::Set("5c");
    app.Context().displayed.Put(1, std::move(population));
    app.Context().displayed.Show(1, true);
    app.RefreshAllHistograms();
    CHistogram& view = *app.MainFrame()->ActiveView();
    view.Document().SetQuestion(8);
    view.resize(640, 420);
    const QSize size = view.size();

    test::TempDir out;
    const QDir dir(Path(out));
    QString error;
    for (const char* name : {"q.png", "q.svg", "q.pdf", "q.csv"})
      QVERIFY2(ExportHistogram(app, view, dir.filePath(QLatin1String(name)), QSize(), &error), qPrintable(error));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("q.png"))).size(), size);
    QCOMPARE(QSvgRenderer(dir.filePath(QStringLiteral("q.svg"))).viewBox(), QRect(QPoint(0, 0), size));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {dir.filePath(QStringLiteral("q.pdf"))});
    QVERIFY(info.waitForFinished(30000));
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info.readAllStandardOutput());
    QVERIFY(page.hasMatch());
    QVERIFY(qAbs(page.captured(1).toDouble() - size.width() * 0.75) < 1.0);  // 96 pixels an inch
    QVERIFY(qAbs(page.captured(2).toDouble() - size.height() * 0.75) < 1.0);
    QVERIFY(ExportHistogram(app, view, dir.filePath(QStringLiteral("typed.png")), QSize(300, 200), &error));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("typed.png"))).size(), QSize(300, 200));
    QVERIFY(!ExportHistogram(app, view, dir.filePath(QStringLiteral("q.gif")), QSize(), &error));
    QVERIFY(!ExportHistogram(app, view, dir.filePath(QStringLiteral("no/such/folder/q.csv")), QSize(), &error));

    QFile csvFile(dir.filePath(QStringLiteral("q.csv")));
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csvFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("question,answer,answer_text,subpopulation,share,error,persons"));
    const int answers = app.Context().questions.AnswerCount(8);
    QCOMPARE(lines.size(), 1 + 2 * answers);
    for (int row = 0; row < 2; ++row) {
      const test::ProgramRun dist = test::RunCli(Path(*first_).toStdString(), row ? "dist 9 5c" : "dist 9 ''");
      QCOMPARE(dist.exit, 0);
      const QStringList distLines = QString::fromStdString(dist.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
      QCOMPARE(distLines.size(), answers);
      for (int a = 0; a < answers; ++a) {
        const QStringList fields = lines[1 + a * 2 + row].split(QLatin1Char(','));
        QCOMPARE(fields.first(), QStringLiteral("9"));
        QCOMPARE(fields[1], QString::number(a + 1));
        // Answer texts hold no commas in the sample; share and error are the last three but one fields.
        QCOMPARE(fields[fields.size() - 3] + QLatin1Char(' ') + fields[fields.size() - 2], distLines[a]);
      }
    }

    CopyHistogramImage(app, view);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), size);
    session.Finish();
  }

 private:
  std::unique_ptr<test::TempDir> first_, second_;
  QString startDir_;
};

QTEST_MAIN(AppCensusTest)
#include "test_app_census.moc"
