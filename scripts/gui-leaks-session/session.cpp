// A scripted session of the viewer on the offscreen platform, for leak checking:
// starts on a sample census, opens and restyles histogram windows, the panel,
// the answer list, cross tables, the dialogs and the help, prints to PDF and to
// the preview, runs an analysis and shows its results, then closes everything
// the way a user would and ends the program normally.
//   orbica-gui-session WORK_FOLDER
// Exits 1 when a step did not happen as planned or a message box came up.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>
#include <set>

#include "app/analysis_dialog.h"
#include "app/app.h"
#include "app/child_frame.h"
#include "app/dokument.h"
#include "app/main_frame.h"
#include "cli/sample_census.h"
#include "engine/app_context.h"

namespace {

using namespace orbica;

int failures = 0;

void Fail(const QString& what) {
  std::fprintf(stderr, "gui session: %s\n", qPrintable(what));
  ++failures;
}

void Settle(int ms = 100) {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  } while (clock.elapsed() < ms);
}

// Answers the modal dialogs as they come up: by object name or class, once per dialog.
class ModalHandler : public QObject {
 public:
  ModalHandler() {
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(20);
  }
  void On(const QString& name, std::function<void(QWidget*)> action) { actions_[name] = std::move(action); }
  int Seen(const QString& name) const { return seen_.count(name) ? seen_.at(name) : 0; }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || handled_.count(modal)) return;
    handled_.insert(modal);
    // A later dialog may be built at the same address (a dialog on the stack).
    connect(modal, &QObject::destroyed, this, [this, modal] { handled_.erase(modal); });
    const QString name =
        modal->objectName().isEmpty() ? QString::fromLatin1(modal->metaObject()->className()) : modal->objectName();
    ++seen_[name];
    const auto action = actions_.find(name);
    if (action != actions_.end()) {
      QTimer::singleShot(50, modal, [modal, act = action->second] { act(modal); });
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal))
      Fail(QStringLiteral("message box: ") + box->text());
    else
      Fail(QStringLiteral("unexpected dialog ") + name);
    QTimer::singleShot(50, modal, [modal] { static_cast<QDialog*>(modal)->reject(); });
  }

  QTimer timer_;
  std::map<QString, std::function<void(QWidget*)>> actions_;
  std::map<QString, int> seen_;
  std::set<QWidget*> handled_;
};

void Reject(QWidget* w) { static_cast<QDialog*>(w)->reject(); }
void Accept(QWidget* w) { static_cast<QDialog*>(w)->accept(); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbica-gui-session WORK_FOLDER\n");
    return 2;
  }
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orbica"));
  Q_INIT_RESOURCE(orbica);
  const std::string folder = argv[1];
  SampleOptions options;
  options.components = 16;
  SampleSummary summary;
  std::string error;
  if (!WriteSampleCensus(folder, options, summary, error)) {
    std::fprintf(stderr, "gui session: %s\n", error.c_str());
    return 1;
  }

  ModalHandler modals;
  // The getting-started text comes up at start-up: tick "Don't show this again." and close it.
  modals.On(QStringLiteral("gettingStarted"), [](QWidget* w) {
    if (auto* box = w->findChild<QCheckBox*>()) box->setChecked(true);
    Accept(w);
  });
  modals.On(QStringLiteral("aboutDialog"), Accept);
  modals.On(QStringLiteral("questionList"), Reject);
  modals.On(QStringLiteral("subpopulationList"), Reject);
  modals.On(QStringLiteral("QPrintDialog"), Accept);
  modals.On(QStringLiteral("QPrintPreviewDialog"), Reject);
  modals.On(QStringLiteral("analysisDialog"), [](QWidget* w) {
    auto* dialog = static_cast<CAnalDlg*>(w);
    dialog->CriterionList()->setCurrentIndex(1);
    dialog->RunButton()->click();
  });
  modals.On(QStringLiteral("progressDialog"), [](QWidget*) {});  // closes itself when the search ends
  modals.On(QStringLiteral("analysisResults"), Accept);

  {
    CApp app(QString::fromStdString(folder));
    if (!app.InitInstance()) {
      Fail(QStringLiteral("start-up failed"));
      return 1;
    }
    Settle(300);
    CMainFrame& frame = *app.MainFrame();
    frame.resize(1280, 900);
    if (modals.Seen(QStringLiteral("gettingStarted")) != 1) Fail(QStringLiteral("no getting-started text at start-up"));

    // Two more histogram windows, every style and option in each, stepping through questions.
    frame.Action(QStringLiteral("histogram.newWindow"))->trigger();
    frame.Action(QStringLiteral("histogram.newWindow"))->trigger();
    Settle();
    int question = 0;
    for (CChildFrame* child : frame.ChildFrames()) {
      frame.MdiArea()->setActiveSubWindow(child);
      for (const char* style : {"graph.bar2d", "graph.bar3d", "graph.cylinder", "graph.pie", "graph.bar3d"}) {
        frame.Action(QString::fromLatin1(style))->trigger();
        child->Document()->SetQuestion(question++ % kQuestionCount);
        Settle(30);
      }
      for (const char* option : {"graph.behind", "graph.errors", "graph.absolute", "graph.beside", "graph.absolute"}) {
        frame.Action(QString::fromLatin1(option))->trigger();
        Settle(30);
      }
    }
    if (frame.ChildFrames().size() != 3) Fail(QStringLiteral("expected three histogram windows"));
    frame.MdiArea()->tileSubWindows();

    // Saved subpopulations into slots 1 and 2.
    CDisplayedSubpopulations& slots = app.Context().displayed;
    const auto& entries = app.Context().subpopulations.Entries();
    for (int slot = 1; slot <= 2 && slot < static_cast<int>(entries.size()); ++slot) {
      slots.Select(slot, entries[static_cast<std::size_t>(slot)]->Identity());
      slots.Show(slot, true);
    }
    if (app.refillPanel) app.refillPanel(app);
    app.RefreshAllHistograms();
    Settle();

    // The answer list, the panel closed and opened, cross tables, the help.
    frame.Action(QStringLiteral("show.answerList"))->trigger();
    Settle();
    if (!app.AnswerList()) Fail(QStringLiteral("no answer list"));
    app.TogglePanel();
    Settle();
    app.TogglePanel();
    Settle();
    frame.Action(QStringLiteral("table.new"))->trigger();
    frame.Action(QStringLiteral("table.new"))->trigger();
    Settle();
    frame.Action(QStringLiteral("help.index"))->trigger();
    Settle();

    // The modal dialogs.
    for (const char* command : {"help.about", "show.questionList", "show.subpopulationList"}) {
      frame.Action(QString::fromLatin1(command))->trigger();
      Settle();
    }

    // Printing: to a PDF file through the print dialog, and the preview.
    QPrinter& printer = app.Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString(folder) + QStringLiteral("/page.pdf");
    printer.setOutputFileName(pdf);
    frame.Action(QStringLiteral("histogram.print"))->trigger();
    Settle();
    if (QFileInfo(pdf).size() < 1000) Fail(QStringLiteral("nothing printed to ") + pdf);
    frame.Action(QStringLiteral("histogram.preview"))->trigger();
    Settle();

    // An analysis: parameters, the search behind the progress dialog, the results.
    frame.Action(QStringLiteral("analysis.run"))->trigger();
    Settle(300);
    if (app.Context().analysis.ResultCount() == 0) Fail(QStringLiteral("the analysis found nothing"));
    frame.Action(QStringLiteral("analysis.results"))->trigger();
    Settle();
    for (const char* name : {"aboutDialog", "questionList", "subpopulationList", "QPrintDialog", "QPrintPreviewDialog",
                             "analysisDialog", "progressDialog", "analysisResults"})
      if (modals.Seen(QString::fromLatin1(name)) == 0) Fail(QStringLiteral("no ") + QString::fromLatin1(name));

    // Closing: the main frame closes its windows; the settings are written at the end.
    frame.close();
    Settle(300);
    app.ExitInstance();
    if (!QFileInfo::exists(QString::fromStdString(folder) + QStringLiteral("/Status.dat")))
      Fail(QStringLiteral("Status.dat was not written"));
  }
  // Leaked widgets stay in Qt's list of all widgets, where no leak checker sees
  // them. Qt keeps a widget of type Qt::Desktop for the screen itself.
  Settle(200);
  for (QWidget* widget : QApplication::allWidgets())
    if (widget->windowType() != Qt::Desktop)
      Fail(QStringLiteral("a widget outlived the application: %1 \"%2\" \"%3\"")
               .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                    widget->windowTitle()));
  std::printf("gui session: %s\n", failures == 0 ? "every step done" : "some steps failed");
  return failures == 0 ? 0 : 1;
}
