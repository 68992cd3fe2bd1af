#include "app/app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>

#include "app/answer_list.h"
#include "app/census_opener.h"
#include "app/child_frame.h"
#include "app/dialogs.h"
#include "app/dokument.h"
#include "app/main_frame.h"

namespace orbica {

namespace {
std::vector<void (*)(CApp&)>& Installers() {
  static std::vector<void (*)(CApp&)> installers;
  return installers;
}
}  // namespace

WindowInstaller::WindowInstaller(void (*install)(CApp& app)) { Installers().push_back(install); }

CApp::CApp(QString folder, orbica::Notifier* notifier)
    : folder_(std::move(folder)),
      boxes_(notifier ? nullptr : std::make_unique<QtNotifier>()),
      notifier_(notifier ? *notifier : *boxes_),
      context_(std::make_unique<AppContext>(notifier_, folder_.toStdString())) {
  for (void (*install)(CApp&) : Installers()) install(*this);
}

CApp::~CApp() {
  // Windows go before the context they read.
  delete answerList_.data();
  mainFrame_.reset();
}

QString CApp::CensusFile(const QString& name) const { return QDir(folder_).filePath(name); }

bool CApp::InitInstance() {
  if (context_->StartUp() != 0) return false;
  mainFrame_ = std::make_unique<CMainFrame>(*this);
  // Without a window manager "maximised" means nothing; fill the screen then too.
  if (QScreen* screen = QGuiApplication::primaryScreen()) mainFrame_->setGeometry(screen->availableGeometry());
  mainFrame_->showMaximized();
  mainFrame_->NewHistogramWindow();
  TogglePanel();
  mainFrame_->UpdateCommandStates();
  ShowGettingStarted(false);
  return true;
}

void CApp::ExitInstance() {
  // The panel and the answer list record their placements as they go.
  if (panel_) delete panel_.data();
  if (answerList_) delete answerList_.data();
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
  if (mainFrame_) mainFrame_->UpdateCommandStates();
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

bool CApp::OnCommand(int id) {
  switch (id) {
    case cmd::kAbout: {
      CAboutDlg dialog(context_->model, mainFrame_.get());
      dialog.exec();
      return true;
    }
    case cmd::kGettingStarted:
      ShowGettingStarted(true);
      return true;
    case cmd::kPaper:
      // Nothing is reported when no viewer opens.
      QDesktopServices::openUrl(QUrl::fromLocalFile(ShareFile(QStringLiteral("paper.pdf"))));
      return true;
    case cmd::kNewWindow:
      if (mainFrame_) mainFrame_->NewHistogramWindow();
      return true;
    case cmd::kPageSetup: {
      QPageSetupDialog dialog(&Printer(), mainFrame_.get());
      dialog.exec();
      return true;
    }
    case cmd::kHelpIndex:
      if (mainFrame_) mainFrame_->ShowHelp(QStringLiteral("index.html"));
      return true;
    case cmd::kSubpopulationList:
      if (showSubpopulationList) showSubpopulationList(*this);
      return showSubpopulationList != nullptr;
    case cmd::kTable2D:
      if (openCrossTable) openCrossTable(*this);
      return openCrossTable != nullptr;
    case cmd::kRunAnalysis:
      if (runAnalysis) RunAnalysis();
      return runAnalysis != nullptr;
    case cmd::kShowResults:
      if (showResults) showResults(*this);
      return showResults != nullptr;
    default:
      return false;
  }
}

void CApp::RunAnalysis() {
  if (!runAnalysis(*this)) return;
  // A completed run: the best result goes into slot 3 (the slot may ask to save first).
  if (resultCount && resultCount(*this) > 0) {
    context_->displayed.Select(kResultSlot, 0);
    context_->displayed.Show(kResultSlot, true);
  }
  RefreshAllHistograms();
  if (refillPanel && panel_) refillPanel(*this);
  if (showResults) showResults(*this);
}

bool CApp::OnUpdateCommand(int id, CommandState& state) {
  switch (id) {
    case cmd::kSubpopulationList:
      return showSubpopulationList != nullptr;
    case cmd::kTable2D:
      return openCrossTable != nullptr;
    case cmd::kRunAnalysis:
      return runAnalysis != nullptr;
    case cmd::kShowResults:
      if (!showResults) return false;
      state.enabled = hasResults && hasResults(*this);
      return true;
    case cmd::kAbout:
    case cmd::kGettingStarted:
    case cmd::kPaper:
    case cmd::kNewWindow:
    case cmd::kPageSetup:
    case cmd::kHelpIndex:
      return true;
    default:
      return false;
  }
}

}  // namespace orbica
