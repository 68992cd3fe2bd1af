#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QWhatsThis>

#include "app/answer_list.h"
#include "app/app.h"
#include "app/child_frame.h"
#include "app/histogram_view.h"

namespace orbica {

namespace {
// The title string of the main frame; the active window's document title follows it.
const QString kFrameTitle = QStringLiteral("Orbica");
}  // namespace

CMainFrame::CMainFrame(CApp& app) : app_(app) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowTitle(kFrameTitle);
  setWindowIcon(QIcon(QStringLiteral(":/res/icons/orbica.svg")));
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName(QStringLiteral("mdiArea"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (auto* frame = qobject_cast<CChildFrame*>(window)) frame->OnActivated();
    const CChildFrame* active = ActiveChildFrame();
    setWindowTitle(active ? kFrameTitle + QStringLiteral(" - ") + active->windowTitle() : kFrameTitle);
    UpdateCommandStates();
  });
  qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
  qApp->removeEventFilter(this);
  // The windows close as the frame goes: nothing is to be updated any more.
  disconnect(mdi_, nullptr, this, nullptr);
}

void CMainFrame::CreateActions() {
  const CommandTable& table = CommandTable::Get();
  for (const int id : table.AllIds()) {
    auto* action = new QAction(this);
    action->setData(id);
    action->setStatusTip(table.Prompt(id));
    const QString tip = table.ToolTip(id);
    if (!tip.isEmpty()) action->setToolTip(tip);
    const QString icon = table.IconFile(id);
    if (!icon.isEmpty()) action->setIcon(QIcon(QStringLiteral(":/res/icons/") + icon));
    if (table.IsCheckButton(id)) action->setCheckable(true);
    const QList<QKeySequence> keys = table.Shortcuts(id);
    if (!keys.isEmpty()) {
      action->setShortcuts(keys);
      action->setShortcutContext(Qt::ApplicationShortcut);
      addAction(action);  // accelerators work without a menu item
    }
    connect(action, &QAction::triggered, this, [this, id] { Route(id); });
    actions_.insert(id, action);
  }
}

void CMainFrame::CreateMenus() {
  for (const Menu& menu : CommandTable::Get().Menus()) {
    QMenu* qmenu = menuBar()->addMenu(menu.title);
    for (const MenuItem& item : menu.items) {
      if (item.id == 0) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = actions_.value(item.id);
      // Menu items show the table's text; the part after the tab names the shortcut.
      action->setText(item.text);
      qmenu->addAction(action);
    }
    connect(qmenu, &QMenu::aboutToShow, this, [this, qmenu] { UpdateMenu(qmenu); });
  }
}

void CMainFrame::CreateToolBar() {
  toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
  toolbar_->setObjectName(QStringLiteral("toolBar"));
  toolbar_->setIconSize(QSize(16, 16));
  toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolbar_->setMovable(true);
  toolbar_->setFloatable(true);
  for (const int id : CommandTable::Get().Toolbar()) {
    if (id == 0) {
      toolbar_->addSeparator();
      continue;
    }
    QAction* action = actions_.value(id);
    if (action->text().isEmpty()) action->setText(action->toolTip());
    toolbar_->addAction(action);
  }
  addToolBar(Qt::TopToolBarArea, toolbar_);
}

void CMainFrame::CreateStatusBar() {
  messagePane_ = new QLabel(CommandTable::Get().String(cmd::kIdlePrompt), this);
  messagePane_->setObjectName(QStringLiteral("messagePane"));
  statusBar()->addWidget(messagePane_, 1);
  const QStringList texts = {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")};
  QLabel** panes[] = {&capsPane_, &numPane_, &scrollPane_};
  for (int i = 0; i < 3; ++i) {
    *panes[i] = new QLabel(texts[i], this);
    (*panes[i])->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    (*panes[i])->setAlignment(Qt::AlignCenter);
    (*panes[i])->setMinimumWidth((*panes[i])->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
    statusBar()->addPermanentWidget(*panes[i]);
  }
  UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
  capsPane_->setEnabled(capsLock_);
  numPane_->setEnabled(numLock_);
  scrollPane_->setEnabled(scrollLock_);
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
  frame->show();
  mdi_->setActiveSubWindow(frame);
  UpdateCommandStates();
  return frame;
}

void CMainFrame::Route(int id) {
  CHistogram* view = ActiveView();
  CChildFrame* frame = ActiveChildFrame();
  const bool handled = (view && view->OnCommand(id)) || (frame && frame->OnCommand(id)) || OnCommand(id) ||
                       app_.OnCommand(id);
  (void)handled;  // a command without a handler does nothing
  UpdateCommandStates();
}

void CMainFrame::ApplyState(int id) {
  QAction* action = actions_.value(id);
  if (!action) return;
  CommandState state;
  CHistogram* view = ActiveView();
  CChildFrame* frame = ActiveChildFrame();
  const bool handled = (view && view->OnUpdateCommand(id, state)) || (frame && frame->OnUpdateCommand(id, state)) ||
                       OnUpdateCommand(id, state) || app_.OnUpdateCommand(id, state);
  if (!handled) state.enabled = false;  // no handler: shown disabled
  action->setEnabled(state.enabled);
  if (state.checked) {
    action->setCheckable(true);
    action->setChecked(*state.checked);
  } else if (!CommandTable::Get().IsCheckButton(id)) {
    action->setCheckable(false);
  }
}

void CMainFrame::UpdateCommandStates() {
  for (auto it = actions_.begin(); it != actions_.end(); ++it) ApplyState(it.key());
}

void CMainFrame::UpdateMenu(QMenu* menu) {
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) ApplyState(action->data().toInt());
}

bool CMainFrame::IsChecked(int id) const {
  const QAction* action = actions_.value(id);
  return action && action->isChecked();
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
    help_->setWindowTitle(QStringLiteral("Orbica Help"));
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
}

bool CMainFrame::OnCommand(int id) {
  switch (id) {
    case cmd::kAnswerList:
    case cmd::kAnswerListButton:
      ToggleAnswerList();
      return true;
    case cmd::kSubpopulations:
    case cmd::kSubpopulationsButton:
      app_.TogglePanel();
      return true;
    case cmd::kHelpFinder:
    case cmd::kHelpUsing:
      ShowHelp(QStringLiteral("index.html"));
      return true;
    case cmd::kHelp:
      ShowHelp(ActiveView() ? QStringLiteral("histogram.html") : QStringLiteral("index.html"));
      return true;
    case cmd::kContextHelp:
      SetStatusText(CommandTable::Get().String(cmd::kContextHelpPrompt));
      QWhatsThis::enterWhatsThisMode();
      return true;
    case cmd::kCloseWindow:
      if (QMdiSubWindow* window = mdi_->activeSubWindow()) window->close();
      return true;
    case cmd::kExit:
      close();
      return true;
    case cmd::kViewToolbar:
      toolbar_->setVisible(!toolbar_->isVisible());
      return true;
    case cmd::kViewStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      return true;
    case cmd::kCascade:
      mdi_->cascadeSubWindows();
      return true;
    case cmd::kTile:
      mdi_->tileSubWindows();
      return true;
    default:
      return false;
  }
}

bool CMainFrame::OnUpdateCommand(int id, CommandState& state) {
  switch (id) {
    case cmd::kAnswerList:
    case cmd::kAnswerListButton:
      state.enabled = CChildFrame::OpenCount() > 0;
      state.checked = app_.AnswerList() && app_.AnswerList()->isVisible();
      return true;
    case cmd::kSubpopulations:
    case cmd::kSubpopulationsButton:
      state.checked = app_.PanelVisible();
      return true;
    case cmd::kHelpFinder:
    case cmd::kHelpUsing:
    case cmd::kHelp:
    case cmd::kContextHelp:
    case cmd::kExit:
      return true;
    case cmd::kCloseWindow:
    case cmd::kCascade:
    case cmd::kTile:
      state.enabled = !mdi_->subWindowList().isEmpty();
      return true;
    case cmd::kViewToolbar:
      state.checked = toolbar_->isVisible();
      return true;
    case cmd::kViewStatusBar:
      state.checked = statusBar()->isVisible();
      return true;
    default:
      return false;
  }
}

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // Menu and toolbar prompts go to the message pane; the idle prompt when there is none.
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    SetStatusText(tip.isEmpty() ? CommandTable::Get().String(cmd::kIdlePrompt) : tip);
    return true;
  }
  return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == QApplication::focusObject()) {
    // The lock keys toggle their indicators as they are pressed in this program.
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_CapsLock: capsLock_ = !capsLock_; UpdateLockIndicators(); break;
      case Qt::Key_NumLock: numLock_ = !numLock_; UpdateLockIndicators(); break;
      case Qt::Key_ScrollLock: scrollLock_ = !scrollLock_; UpdateLockIndicators(); break;
      default: break;
    }
  } else if (event->type() == QEvent::LeaveWhatsThisMode) {
    SetStatusText(CommandTable::Get().String(cmd::kIdlePrompt));
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
