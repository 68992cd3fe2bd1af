#include "app/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QWhatsThis>
#include <algorithm>

#include "app/answer_list.h"
#include "app/app.h"
#include "app/child_frame.h"
#include "app/histogram_view.h"

namespace orbica {

namespace {
// The frame's own title; the active window's title follows it after " - ".
QString FrameTitle() { return CMainFrame::tr("Orbica"); }
QString IdlePrompt() { return CMainFrame::tr("For help press F1"); }
}  // namespace

CMainFrame::CMainFrame(CApp& app) : app_(app) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowTitle(FrameTitle());
  setWindowIcon(QIcon(QStringLiteral(":/res/icons/orbica.svg")));
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName(QStringLiteral("mdiArea"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);

  actions_ = std::make_unique<ActionRegistry>(this);
  actions_->BuildMenus(menuBar());
  windowMenu_ = menuBar()->findChild<QMenu*>(QStringLiteral("menu.window"));
  windowList_ = new QActionGroup(this);
  connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);
  toolbar_ = new QToolBar(tr("Toolbar"), this);
  toolbar_->setObjectName(QStringLiteral("toolBar"));
  toolbar_->setIconSize(QSize(16, 16));
  toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolbar_->setMovable(true);
  toolbar_->setFloatable(true);
  actions_->BuildToolBar(toolbar_);
  addToolBar(Qt::TopToolBarArea, toolbar_);
  CreateStatusBar();
  ConnectOwnActions();

  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    auto* frame = qobject_cast<CChildFrame*>(window);
    if (frame) frame->OnActivated();
    // While no window is active (another top-level window has the focus) the
    // last active one stays the target of the commands.
    if (frame || mdi_->subWindowList().isEmpty()) BindView(ActiveView());
    UpdateTitle();
    UpdateShellState();
  });
  qApp->installEventFilter(this);
  BindView(nullptr);
  UpdateShellState();
}

CMainFrame::~CMainFrame() {
  qApp->removeEventFilter(this);
  // The windows close as the frame goes: nothing is to be updated any more.
  disconnect(mdi_, nullptr, this, nullptr);
  for (const QMetaObject::Connection& connection : viewConnections_) disconnect(connection);
  // Closed windows waiting for deletion are no longer listed by the area, but
  // they still go with it.
  for (CChildFrame* frame : findChildren<CChildFrame*>()) disconnect(frame, nullptr, this, nullptr);
}

void CMainFrame::ConnectOwnActions() {
  connect(Action(QStringLiteral("show.answerList")), &QAction::triggered, this, &CMainFrame::ToggleAnswerList);
  connect(Action(QStringLiteral("show.subpopulations")), &QAction::triggered, this, [this] { app_.TogglePanel(); });
  connect(Action(QStringLiteral("histogram.closeWindow")), &QAction::triggered, this, [this] {
    if (QMdiSubWindow* window = mdi_->activeSubWindow()) window->close();
  });
  connect(Action(QStringLiteral("histogram.exit")), &QAction::triggered, this, &QWidget::close);
  connect(Action(QStringLiteral("show.toolbar")), &QAction::triggered, toolbar_, &QWidget::setVisible);
  connect(toolbar_, &QToolBar::visibilityChanged, Action(QStringLiteral("show.toolbar")), &QAction::setChecked);
  connect(Action(QStringLiteral("show.statusBar")), &QAction::triggered, statusBar(), &QWidget::setVisible);
  connect(Action(QStringLiteral("window.cascade")), &QAction::triggered, this, &CMainFrame::CascadeKeepingSizes);
  connect(Action(QStringLiteral("window.tile")), &QAction::triggered, mdi_, &QMdiArea::tileSubWindows);
  connect(Action(QStringLiteral("help.contents")), &QAction::triggered, this, [this] {
    ShowHelp(ActiveView() ? QStringLiteral("histogram.html") : QStringLiteral("index.html"));
  });
  connect(Action(QStringLiteral("help.whatsThis")), &QAction::triggered, this, [this] {
    SetStatusText(tr("Choose the object for which You wish help"));
    QWhatsThis::enterWhatsThisMode();
  });
}

void CMainFrame::CreateStatusBar() {
  messagePane_ = new QLabel(IdlePrompt(), this);
  messagePane_->setObjectName(QStringLiteral("messagePane"));
  statusBar()->addWidget(messagePane_, 1);
}

CChildFrame* CMainFrame::ActiveChildFrame() const {
  QMdiSubWindow* window = mdi_->activeSubWindow();
  if (!window) window = mdi_->currentSubWindow();
  return qobject_cast<CChildFrame*>(window);
}

CHistogram* CMainFrame::ActiveView() const {
  CChildFrame* frame = ActiveChildFrame();
  return frame ? frame->View() : nullptr;
}

QList<CChildFrame*> CMainFrame::ChildFrames() const {
  QList<CChildFrame*> frames;
  for (QMdiSubWindow* window : mdi_->subWindowList())
    if (auto* frame = qobject_cast<CChildFrame*>(window)) frames << frame;
  return frames;
}

CChildFrame* CMainFrame::NewHistogramWindow() {
  auto* frame = new CChildFrame(app_);
  mdi_->addSubWindow(frame);
  frame->PlaceAtStart();
  // A closed window is gone only when its object is: then the count is right.
  connect(frame, &QObject::destroyed, this, [this] {
    if (mdi_->subWindowList().isEmpty()) BindView(nullptr);
    UpdateShellState();
  });
  connect(frame, &QWidget::windowTitleChanged, this, [this, frame] {
    if (frame == ActiveChildFrame()) UpdateTitle();
  });
  frame->show();
  mdi_->setActiveSubWindow(frame);
  return frame;
}

void CMainFrame::BindView(CHistogram* view) {
  if (view != boundView_ || !view) {
    for (const QMetaObject::Connection& connection : viewConnections_) disconnect(connection);
    viewConnections_.clear();
    boundView_ = view;
    if (view) {
      viewConnections_ = view->ConnectActions(*actions_);
      viewConnections_ << connect(view, &CHistogram::StateChanged, this, [this, view] { view->ShowActionState(*actions_); });
    }
  }
  if (view) {
    view->ShowActionState(*actions_);
  } else {
    for (const QString& name : CHistogram::ActionNames()) Action(name)->setEnabled(false);
  }
}

void CMainFrame::UpdateShellState() {
  const bool anyWindow = CChildFrame::OpenCount() > 0;
  const COdpovedi* list = app_.AnswerList();
  QAction* answers = Action(QStringLiteral("show.answerList"));
  answers->setEnabled(anyWindow);
  answers->setChecked(list && list->isVisible());
  Action(QStringLiteral("show.subpopulations"))->setChecked(app_.PanelVisible());
  const bool anySubWindow = !mdi_->subWindowList().isEmpty();
  for (const char* name : {"histogram.closeWindow", "window.cascade", "window.tile"})
    Action(QString::fromLatin1(name))->setEnabled(anySubWindow);
  Action(QStringLiteral("show.toolbar"))->setChecked(!toolbar_->isHidden());
  Action(QStringLiteral("show.statusBar"))->setChecked(!statusBar()->isHidden());
}

void CMainFrame::UpdateTitle() {
  const CChildFrame* active = ActiveChildFrame();
  const QString title =
      active && !active->windowTitle().isEmpty() ? FrameTitle() + QStringLiteral(" - ") + active->windowTitle() : FrameTitle();
  if (windowTitle() != title) setWindowTitle(title);
}

void CMainFrame::CascadeKeepingSizes() {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  const QSize area = mdi_->viewport()->size();
  const int step = std::max(8, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
  int offset = 0;
  for (QMdiSubWindow* window : windows) {
    if (window->isHidden() || window->isMinimized()) continue;
    if (window->isMaximized()) window->showNormal();
    // A window keeps its size, only never larger than the area it cascades in.
    const QSize size = window->size().boundedTo(area).expandedTo(window->minimumSize());
    if (offset > 0 && (offset + size.width() > area.width() || offset + size.height() > area.height())) offset = 0;
    window->setGeometry(offset, offset, size.width(), size.height());
    window->raise();
    offset += step;
  }
  if (QMdiSubWindow* active = mdi_->activeSubWindow()) mdi_->setActiveSubWindow(active);
}

void CMainFrame::FillWindowMenu() {
  for (QAction* entry : windowList_->actions()) {
    windowList_->removeAction(entry);
    delete entry;
  }
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
  if (windows.isEmpty()) return;
  windowList_->addAction(windowMenu_->addSeparator());
  for (int i = 0; i < windows.size(); ++i) {
    QMdiSubWindow* window = windows[i];
    const QString text = i < 9 ? tr("&%1 %2").arg(i + 1).arg(window->windowTitle())
                               : tr("%1 %2").arg(i + 1).arg(window->windowTitle());
    QAction* entry = windowMenu_->addAction(text);
    entry->setCheckable(true);
    entry->setChecked(window == mdi_->activeSubWindow());
    windowList_->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
      if (window) mdi_->setActiveSubWindow(window);
    });
  }
}

void CMainFrame::SetStatusText(const QString& text) {
  messagePane_->setText(text);
  messagePane_->repaint();
}

QString CMainFrame::StatusText() const { return messagePane_->text(); }

void CMainFrame::ShowHelp(const QString& page) {
  if (!help_) {
    help_ = new QTextBrowser(this);
    help_->setWindowFlag(Qt::Window);
    help_->setAttribute(Qt::WA_DeleteOnClose);
    help_->setObjectName(QStringLiteral("helpWindow"));
    help_->setWindowTitle(tr("Orbica Help"));
    help_->setSearchPaths({QStringLiteral(":/res/help")});
    help_->setOpenExternalLinks(true);
    help_->resize(640, 560);
  }
  help_->setSource(QUrl(QStringLiteral("qrc:/res/help/") + page));
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void CMainFrame::ToggleAnswerList() {
  COdpovedi* list = app_.AnswerList();
  if (list)
    list->setVisible(!list->isVisible());
  else
    app_.EnsureAnswerList().show();
  activateWindow();
  if (CChildFrame* frame = ActiveChildFrame()) {
    mdi_->setActiveSubWindow(frame);
    frame->RefillAnswerList();
  }
  UpdateShellState();
}

bool CMainFrame::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::StatusTip: {
      // Menu and toolbar prompts go to the message pane; the idle prompt when there is none.
      const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
      SetStatusText(tip.isEmpty() ? IdlePrompt() : tip);
      return true;
    }
    case QEvent::WindowTitleChange: {
      // A maximised histogram window adds its own title to the frame's; the
      // frame's title names the active window once.
      const bool handled = QMainWindow::event(event);
      if (mdi_) UpdateTitle();
      return handled;
    }
    default:
      return QMainWindow::event(event);
  }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::LeaveWhatsThisMode:
      SetStatusText(IdlePrompt());
      break;
    case QEvent::Show:
    case QEvent::Hide:
      // The answer list's check mark follows the window, however it is shown or closed.
      if (watched == app_.AnswerList() || watched == statusBar()) UpdateShellState();
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // Histogram windows record their placements as they close.
  mdi_->closeAllSubWindows();
  if (!mdi_->subWindowList().isEmpty()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace orbica
