// The main window: a multi-document frame with the menus, the toolbar and the
// status bar built from the action registry, holding the histogram windows.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QMetaObject>
#include <QPointer>
#include <memory>

#include "app/action_registry.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTextBrowser;
class QToolBar;

namespace orbica {

class CApp;
class CChildFrame;
class CHistogram;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CApp& app);
  ~CMainFrame() override;

  QMdiArea* MdiArea() const { return mdi_; }
  QToolBar* ToolBar() const { return toolbar_; }
  const ActionRegistry& Actions() const { return *actions_; }
  QAction* Action(const QString& name) const { return actions_->Get(name); }
  // The active histogram window and its view (null when none is open).
  CChildFrame* ActiveChildFrame() const;
  CHistogram* ActiveView() const;
  QList<CChildFrame*> ChildFrames() const;

  // Opens a new histogram window (the new-window command).
  CChildFrame* NewHistogramWindow();
  // Cascades the histogram windows, each keeping its size (as far as the area allows).
  void CascadeKeepingSizes();
  // Enabling and check marks of the commands this frame owns.
  void UpdateShellState();
  void SetStatusText(const QString& text);
  QString StatusText() const;
  // Shows a help page ("index.html", "histogram.html", ...) in the help window.
  void ShowHelp(const QString& page);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectOwnActions();
  void CreateStatusBar();
  void FillWindowMenu();
  void ToggleAnswerList();
  void UpdateTitle();
  // Hands the view commands to the view of the window that became active.
  void BindView(CHistogram* view);

  CApp& app_;
  QMdiArea* mdi_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QLabel* messagePane_ = nullptr;
  std::unique_ptr<ActionRegistry> actions_;
  QMenu* windowMenu_ = nullptr;
  QActionGroup* windowList_ = nullptr;
  QPointer<CHistogram> boundView_;
  QList<QMetaObject::Connection> viewConnections_;
  QPointer<QTextBrowser> help_;
};

}  // namespace orbica
