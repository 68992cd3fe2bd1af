#include "app/app.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>

#include "app/analysis_results.h"
#include "app/analysis_run.h"
#include "app/answer_list.h"
#include "app/census_opener.h"
#include "app/child_frame.h"
#include "app/cross_table_window.h"
#include "app/engine_texts.h"
#include "app/dialogs.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/question_list_dialog.h"
#include "app/subpopulation_list_dialog.h"
#include "app/subpopulation_panel.h"

namespace orbica {

namespace {
constexpr const char* kCensusInUseCaption = QT_TRANSLATE_NOOP("orbica::engine", "Census in use");
}  // namespace

CApp::CApp(QString folder, orbica::Notifier* notifier)
    : folder_(std::move(folder)),
      boxes_(notifier ? nullptr : std::make_unique<QtNotifier>()),
      notifier_(notifier ? *notifier : *boxes_),
      context_(std::make_unique<AppContext>(notifier_, folder_.toStdString())) {
  InstallWindows();
}

void CApp::InstallWindows() {
  createPanel = [](CApp& app) -> QWidget* { return CMPanel::Create(app); };
  refillPanel = [](CApp& app) {
    if (auto* panel = qobject_cast<CMPanel*>(app.panel_.data())) panel->Reload();
  };
  chooseQuestion = RunQuestionList;
  openCrossTable = [](CApp& app) { OpenCrossTable(app); };
  showSubpopulationList = RunSubpopulationList;
  runAnalysis = [](CApp& app) { return orbica::RunAnalysis(app, app.MainFrame()); };
  showResults = [](CApp& app) { ShowResults(app.Context().analysis, app.Context().questions, app.MainFrame()); };
  // The context holds the analysis; these only read it.
  hasResults = [](const CApp& app) { return app.Context().analysis.HasResults(); };
  resultCount = [](const CApp& app) { return app.Context().analysis.ResultCount(); };
}

CApp::~CApp() {
  // Windows go before the context they read.
  DeleteAnswerList();
  mainFrame_.reset();
}

void CApp::DeleteAnswerList() {
  if (!answerList_) return;
  // Hidden while it is still whole: the hide its destructor would make otherwise
  // reaches the main window's event filter when only its QDialog part is left.
  answerList_->hide();
  delete answerList_.data();
}

QString CApp::CensusFile(const QString& name) const { return QDir(folder_).filePath(name); }

bool CApp::LockCensus() {
  lock_ = std::make_unique<QLockFile>(CensusFile(QString::fromLatin1(kCensusLockFileName)));
  lock_->setStaleLockTime(0);  // held for the whole run: only a dead holder makes it stale
  if (lock_->tryLock(100)) return true;
  const bool held = lock_->error() == QLockFile::LockFailedError;
  qint64 pid = 0;
  QString host, application;
  if (held) lock_->getLockInfo(&pid, &host, &application);
  lock_.reset();
  if (!held) return true;  // a folder that takes no lock file takes no other file either
  // One arg() call for all three: a folder name holding "%2" is inserted as it is.
  const QString question = tr("The census in \"%1\" is open in another Orbica (process %2 on %3). Open it "
                              "read-only? Nothing will be saved; No quits.")
                               .arg(folder_, QString::number(pid), host);
  if (notifier_.AskYesNo(PlainMessage(question),
                         PlainMessage(QCoreApplication::translate("orbica::engine", kCensusInUseCaption))) != Reply::Yes)
    return false;
  context_->SetReadOnly(true);
  return true;
}

bool CApp::InitInstance() {
  if (!LockCensus()) return false;
  if (context_->StartUp() != 0) return false;
  mainFrame_ = std::make_unique<CMainFrame>(*this);
  if (boxes_) boxes_->SetDefaultOwner(mainFrame_.get());
  ConnectActions();
  // Without a window manager "maximised" means nothing; fill the screen then too.
  if (QScreen* screen = QGuiApplication::primaryScreen()) mainFrame_->setGeometry(screen->availableGeometry());
  mainFrame_->showMaximized();
  mainFrame_->NewHistogramWindow();
  TogglePanel();
  UpdateActionStates();
  ShowGettingStarted(false);
  // The keys go to the histogram window, as they would after a click into it.
  if (CHistogram* view = mainFrame_->ActiveView()) {
    mainFrame_->activateWindow();
    view->setFocus(Qt::OtherFocusReason);
  }
  return true;
}

void CApp::ExitInstance() {
  // The panel and the answer list record their placements as they go.
  if (panel_) delete panel_.data();
  DeleteAnswerList();
  context_->SaveSettings();
}

COdpovedi* CApp::AnswerList() const { return answerList_.data(); }

COdpovedi& CApp::EnsureAnswerList() {
  if (!answerList_) answerList_ = new COdpovedi(*this, mainFrame_.get());
  return *answerList_;
}

QPrinter& CApp::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void CApp::RefreshAllHistograms() {
  if (!mainFrame_) return;
  for (CChildFrame* frame : mainFrame_->ChildFrames()) frame->Document()->Recompute();
}

void CApp::TogglePanel() {
  if (panel_) {
    delete panel_.data();
  } else if (createPanel) {
    panel_ = createPanel(*this);
  }
  if (mainFrame_) mainFrame_->UpdateShellState();
}

bool CApp::PanelVisible() const { return panel_ && panel_->isVisible(); }

void CApp::SetStatusText(const QString& text) {
  if (mainFrame_) mainFrame_->SetStatusText(text);
}

void CApp::ShowGettingStarted(bool forced) {
  if (!forced && context_->settings.hideGettingStarted) return;
  gettingStarted dialog(CensusFile(QStringLiteral("start.rtf")), context_->settings, notifier_, mainFrame_.get());
  dialog.exec();
}

void CApp::ConnectActions() {
  const auto on = [this](const char* name, auto handler) {
    connect(mainFrame_->Action(QString::fromLatin1(name)), &QAction::triggered, this, handler);
  };
  on("help.about", [this] {
    CAboutDlg dialog(context_->model, mainFrame_.get());
    dialog.exec();
  });
  on("help.gettingStarted", [this] { ShowGettingStarted(true); });
  on("help.paper", [] {
    // Nothing is reported when no viewer opens.
    QDesktopServices::openUrl(QUrl::fromLocalFile(ShareFile(QStringLiteral("paper.pdf"))));
  });
  on("histogram.newWindow", [this] { mainFrame_->NewHistogramWindow(); });
  ConnectCensusActions();
  on("histogram.pageSetup", [this] {
    QPageSetupDialog dialog(&Printer(), mainFrame_.get());
    dialog.exec();
  });
  on("help.index", [this] { mainFrame_->ShowHelp(QStringLiteral("index.html")); });
  on("show.subpopulationList", [this] {
    if (showSubpopulationList) showSubpopulationList(*this);
  });
  on("table.new", [this] {
    if (openCrossTable) openCrossTable(*this);
  });
  on("analysis.run", [this] { RunAnalysis(); });
  on("analysis.results", [this] {
    if (showResults) showResults(*this);
  });
}

// Opening another census needs the session that owns this application; without
// one (a bare application object) the commands are off.
void CApp::ConnectCensusActions() {
  QAction* open = mainFrame_->Action(QStringLiteral("histogram.openCensus"));
  QAction* recent = mainFrame_->Action(QStringLiteral("histogram.recentCensuses"));
  CensusSession* session = SessionOf(*this);
  open->setEnabled(session != nullptr);
  recent->setEnabled(session != nullptr);
  if (!session) return;
  connect(open, &QAction::triggered, session, &CensusSession::ChooseAndOpen);
  auto* menu = new QMenu(mainFrame_.get());
  menu->setObjectName(QStringLiteral("menu.recentCensuses"));
  recent->setMenu(menu);
  // The list is read when the Histogram menu opens, so the item shows whether it has entries.
  if (auto* histogram = mainFrame_->menuBar()->findChild<QMenu*>(QStringLiteral("menu.histogram")))
    connect(histogram, &QMenu::aboutToShow, menu, [menu, recent, session] {
      FillRecentMenu(*menu, *session);
      recent->setEnabled(menu->isEnabled());
    });
}

void CApp::UpdateActionStates() {
  if (!mainFrame_) return;
  mainFrame_->Action(QStringLiteral("analysis.results"))->setEnabled(showResults && hasResults && hasResults(*this));
}

void CApp::RunAnalysis() {
  const bool completed = runAnalysis && runAnalysis(*this);
  UpdateActionStates();
  if (!completed) return;
  // A completed run: the best result goes into slot 3 (the slot may ask to save first).
  if (resultCount && resultCount(*this) > 0) {
    context_->displayed.Select(kResultSlot, 0);
    context_->displayed.Show(kResultSlot, true);
  }
  RefreshAllHistograms();
  if (refillPanel && panel_) refillPanel(*this);
  if (showResults) showResults(*this);
}

}  // namespace orbica
