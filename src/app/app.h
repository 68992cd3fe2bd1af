// The application object: runs the start-up sequence, owns the engine's context
// and the program-wide windows, handles the program-wide commands and offers the
// services other windows call (refresh every histogram, toggle the panel, status text).
#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/qt_notifier.h"
#include "engine/app_context.h"

class QPrinter;
class QWidget;

namespace orbica {

class CMainFrame;
class COdpovedi;

// The lock file that a running program keeps in its census folder.
inline constexpr const char* kCensusLockFileName = ".orbica.lock";

class CApp : public QObject {
  Q_OBJECT

 public:
  // `folder` holds the census files; the program uses its current directory.
  // Messages go to `notifier` when one is given (tests), else to message boxes.
  explicit CApp(QString folder = QStringLiteral("."), orbica::Notifier* notifier = nullptr);
  ~CApp() override;

  // The start-up hook: the census folder's lock, the load sequence, then the main
  // frame, the first histogram window, the panel and the getting-started text.
  // False ends the program.
  bool InitInstance();
  // Writes the settings back; called when the event loop has ended.
  void ExitInstance();

  AppContext& Context() { return *context_; }
  const AppContext& Context() const { return *context_; }
  orbica::Notifier& Notifier() { return notifier_; }
  CMainFrame* MainFrame() const { return mainFrame_.get(); }
  COdpovedi* AnswerList() const;
  // Creates the answer list window on first use.
  COdpovedi& EnsureAnswerList();
  QPrinter& Printer();

  // Recomputes and redraws every histogram window.
  void RefreshAllHistograms();
  // Opens the subpopulation panel when it is closed, closes it when it is open.
  void TogglePanel();
  bool PanelVisible() const;
  // Puts a text into the first pane of the status bar.
  void SetStatusText(const QString& text);
  // Shows the getting-started text; without `forced` only when the settings allow it.
  void ShowGettingStarted(bool forced);
  // The "Run.." command: the analysis, then its best result in slot 3 and the results dialog.
  void RunAnalysis();

  // The windows that other parts of the application provide; the constructor
  // sets each to the program's own, tests may put stand-ins in their place.
  // The subpopulation panel: creates it open (parented to the main frame).
  std::function<QWidget*(CApp&)> createPanel;
  // Lets the panel reload its lists and check boxes from the slots (when open).
  std::function<void(CApp&)> refillPanel;
  // The question list dialog on question `current`: the chosen question, or none when cancelled.
  std::function<std::optional<int>(CApp&, int current)> chooseQuestion;
  // A new cross table window.
  std::function<void(CApp&)> openCrossTable;
  // The subpopulation list dialog.
  std::function<void(CApp&)> showSubpopulationList;
  // The analysis: parameters, search and progress; true when a run completed.
  std::function<bool(CApp&)> runAnalysis;
  // The results dialog of the last completed run; whether there is one.
  std::function<void(CApp&)> showResults;
  std::function<bool(const CApp&)> hasResults;
  std::function<int(const CApp&)> resultCount;

  // Enabling of the program-wide commands (the last results need a result list).
  void UpdateActionStates();

  // The census file with this name in the census folder.
  QString CensusFile(const QString& name) const;

 private:
  void DeleteAnswerList();
  void InstallWindows();
  void ConnectActions();
  void ConnectCensusActions();

  QString folder_;
  std::unique_ptr<QtNotifier> boxes_;
  orbica::Notifier& notifier_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<CMainFrame> mainFrame_;
  QPointer<COdpovedi> answerList_;
  QPointer<QWidget> panel_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QLockFile> lock_;

  // Takes the lock file of the census folder for the whole run. When another
  // running program holds it, asks whether to open the census read-only (nothing
  // written) or to quit; false means quit. A lock left by a program that no
  // longer runs is taken over; a folder that cannot take a lock is opened as is.
  bool LockCensus();
};

}  // namespace orbica
