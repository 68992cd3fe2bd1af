// The main window: a multi-document frame with the menus, the toolbar and the
// status bar of the command table, holding the histogram windows.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include "app/command_table.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTextBrowser;
class QToolBar;

namespace orbica {

class CApp;
class CChildFrame;
class CHistogram;

class CMainFrame : public QMainWindow, public CommandTarget {
  Q_OBJECT

 public:
  explicit CMainFrame(CApp& app);
  ~CMainFrame() override;

  QMdiArea* MdiArea() const { return mdi_; }
  QToolBar* ToolBar() const { return toolbar_; }
  QAction* Action(int id) const { return actions_.value(id); }
  // The active histogram window and its view (null when none is open).
  CChildFrame* ActiveChildFrame() const;
  CHistogram* ActiveView() const;
  QList<CChildFrame*> ChildFrames() const;

  // Opens a new histogram window (the new-window command).
  CChildFrame* NewHistogramWindow();
  // Runs a command through the routing: active view, its frame, this frame, the application.
  void Route(int id);
  // Asks the handlers for the state of every command and applies it to the actions.
  void UpdateCommandStates();
  // Whether a toolbar check button is checked.
  bool IsChecked(int id) const;
  void SetStatusText(const QString& text);
  QString StatusText() const;
  // Shows a help page ("index.html", "histogram.html", ...) in the help window.
  void ShowHelp(const QString& page);

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void ToggleAnswerList();
  void UpdateLockIndicators();
  void UpdateMenu(QMenu* menu);
  void ApplyState(int id);

  CApp& app_;
  QMdiArea* mdi_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QLabel* messagePane_ = nullptr;
  QLabel* capsPane_ = nullptr;
  QLabel* numPane_ = nullptr;
  QLabel* scrollPane_ = nullptr;
  bool capsLock_ = false, numLock_ = false, scrollLock_ = false;
  QHash<int, QAction*> actions_;
  QPointer<QTextBrowser> help_;
};

}  // namespace orbica
