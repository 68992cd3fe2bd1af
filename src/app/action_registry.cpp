#include "app/action_registry.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

namespace orbica {

// Every text below is marked for the translation pass in the context "Actions"
// and translated when the actions and menus are built.

namespace {

// The keys of the commands that have them; standard sequences where Qt has one.
QList<QKeySequence> KeysOf(const QString& name) {
  if (name == QLatin1String("histogram.newWindow")) return QKeySequence::keyBindings(QKeySequence::New);
  if (name == QLatin1String("histogram.print")) return QKeySequence::keyBindings(QKeySequence::Print);
  if (name == QLatin1String("histogram.openCensus")) return QKeySequence::keyBindings(QKeySequence::Open);
  if (name == QLatin1String("histogram.copy")) return QKeySequence::keyBindings(QKeySequence::Copy);
  if (name == QLatin1String("help.contents")) return QKeySequence::keyBindings(QKeySequence::HelpContents);
  if (name == QLatin1String("help.whatsThis")) return QKeySequence::keyBindings(QKeySequence::WhatsThis);
  if (name == QLatin1String("histogram.nextQuestion"))
    return {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::ALT | Qt::Key_Right)};
  if (name == QLatin1String("histogram.previousQuestion"))
    return {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::ALT | Qt::Key_Left)};
  return {};
}

// A menu: its title and its items by name ("" is a separator).
struct MenuSpec {
  const char* name;  // object name of the menu
  const char* title;
  QList<const char*> items;
};

const QList<MenuSpec>& MenuLayout() {
  static const QList<MenuSpec> menus = {
      {"menu.histogram", QT_TRANSLATE_NOOP("Actions", "&Histogram"),
       {"histogram.openCensus", "histogram.recentCensuses", "", "histogram.newWindow", "histogram.closeWindow", "",
        "histogram.export", "histogram.copy", "", "histogram.print",
        "histogram.preview", "histogram.pageSetup", "", "histogram.exit"}},
      {"menu.show", QT_TRANSLATE_NOOP("Actions", "&Show"),
       {"show.subpopulations", "", "show.questionList", "show.subpopulationList", "show.answerList", "",
        "show.toolbar", "show.statusBar"}},
      {"menu.graph", QT_TRANSLATE_NOOP("Actions", "&Graph"), {"graph.bar2d", "graph.bar3d", "graph.cylinder", "graph.pie", "", "graph.beside", "graph.behind"}},
      {"menu.analysis", QT_TRANSLATE_NOOP("Actions", "&Analysis"), {"analysis.run", "analysis.results"}},
      // The list of open histogram windows follows these items (the main frame adds it).
      {"menu.window", QT_TRANSLATE_NOOP("Actions", "&Window"), {"window.cascade", "window.tile"}},
      {"menu.help", QT_TRANSLATE_NOOP("Actions", "H&elp"), {"help.index", "help.gettingStarted", "help.paper", "", "help.about"}},
  };
  return menus;
}

const QList<const char*>& ToolBarLayout() {
  static const QList<const char*> buttons = {
      "histogram.newWindow", "table.new", "histogram.print", "", "help.whatsThis", "", "graph.bar2d", "graph.bar3d",
      "graph.cylinder", "graph.pie", "", "graph.arrangement", "graph.errors", "show.answerList", "show.subpopulations",
      "graph.absolute"};
  return buttons;
}

}  // namespace

const QList<ActionSpec>& ActionRegistry::Specs() {
  static const QList<ActionSpec> specs = {
      {"histogram.newWindow", QT_TRANSLATE_NOOP("Actions", "&New window"), QT_TRANSLATE_NOOP("Actions", "Opens new histogram window"), QT_TRANSLATE_NOOP("Actions", "New window"),
       "new-window.svg", false},
      {"histogram.closeWindow", QT_TRANSLATE_NOOP("Actions", "&Close window"), QT_TRANSLATE_NOOP("Actions", "Closes the active window"), QT_TRANSLATE_NOOP("Actions", "Close"), "",
       false},
      {"histogram.openCensus", QT_TRANSLATE_NOOP("Actions", "&Open census…"), QT_TRANSLATE_NOOP("Actions", "Opens the census of another folder"),
       "", "", false},
      // Its submenu of recent census folders is filled when it opens.
      {"histogram.recentCensuses", QT_TRANSLATE_NOOP("Actions", "&Recent censuses"), "", "", "", false},
      {"histogram.export", QT_TRANSLATE_NOOP("Actions", "&Export…"),
       QT_TRANSLATE_NOOP("Actions", "Saves the histogram as a picture (PNG, SVG, PDF) or its numbers (CSV)"), "", "", false},
      {"histogram.copy", QT_TRANSLATE_NOOP("Actions", "Cop&y graph"), QT_TRANSLATE_NOOP("Actions", "Copies the histogram to the clipboard as a picture"),
       "", "", false},
      {"histogram.print", QT_TRANSLATE_NOOP("Actions", "&Print ..."), QT_TRANSLATE_NOOP("Actions", "Prints the histogram"), QT_TRANSLATE_NOOP("Actions", "Print"), "print.svg",
       false},
      {"histogram.preview", QT_TRANSLATE_NOOP("Actions", "Preview"), "", QT_TRANSLATE_NOOP("Actions", "Preview"), "", false},
      {"histogram.pageSetup", QT_TRANSLATE_NOOP("Actions", "Page setup"), "", "", "", false},
      {"histogram.exit", QT_TRANSLATE_NOOP("Actions", "&Exit"), QT_TRANSLATE_NOOP("Actions", "Exits the application"), QT_TRANSLATE_NOOP("Actions", "Exit"), "", false},
      {"histogram.nextQuestion", QT_TRANSLATE_NOOP("Actions", "Next question"), "", "", "", false},
      {"histogram.previousQuestion", QT_TRANSLATE_NOOP("Actions", "Previous question"), "", "", "", false},
      // The menu item and the toolbar button of each of these two are one action.
      {"show.subpopulations", QT_TRANSLATE_NOOP("Actions", "Sub&populations"), QT_TRANSLATE_NOOP("Actions", "Displays the list of displayed subpopulations"),
       QT_TRANSLATE_NOOP("Actions", "Displayed subpopulations"), "subpopulations.svg", true},
      {"show.answerList", QT_TRANSLATE_NOOP("Actions", "&Answer list"), QT_TRANSLATE_NOOP("Actions", "Displays/hides the answer list"),
       QT_TRANSLATE_NOOP("Actions", "Display/show the answer list"), "answer-list.svg", true},
      {"show.questionList", QT_TRANSLATE_NOOP("Actions", "&Question list"), QT_TRANSLATE_NOOP("Actions", "Shows the question list"), "", "", false},
      {"show.subpopulationList", QT_TRANSLATE_NOOP("Actions", "Subpopulation list"), "", "", "", false},
      {"show.toolbar", QT_TRANSLATE_NOOP("Actions", "&Toolbar"), QT_TRANSLATE_NOOP("Actions", "Shows or hides the toolbar"), QT_TRANSLATE_NOOP("Actions", "Show/hide the toolbar"),
       "", true},
      {"show.statusBar", QT_TRANSLATE_NOOP("Actions", "&Status bar"), QT_TRANSLATE_NOOP("Actions", "Shows or hides the status bar"),
       QT_TRANSLATE_NOOP("Actions", "Show/hide the status bar"), "", true},
      {"graph.bar2d", QT_TRANSLATE_NOOP("Actions", "2D bar"), QT_TRANSLATE_NOOP("Actions", "2D bar graph"), QT_TRANSLATE_NOOP("Actions", "2D bar graph"), "bar-2d.svg", true},
      {"graph.bar3d", QT_TRANSLATE_NOOP("Actions", "3D bar"), QT_TRANSLATE_NOOP("Actions", "3D bar graph"), QT_TRANSLATE_NOOP("Actions", "3D bar graph"), "bar-3d.svg", true},
      {"graph.cylinder", QT_TRANSLATE_NOOP("Actions", "cylinder"), QT_TRANSLATE_NOOP("Actions", "Cylinder graph"), QT_TRANSLATE_NOOP("Actions", "Cylinder graph"), "cylinder.svg",
       true},
      {"graph.pie", QT_TRANSLATE_NOOP("Actions", "pie"), QT_TRANSLATE_NOOP("Actions", "Pie graph"), QT_TRANSLATE_NOOP("Actions", "Pie graph"), "pie.svg", true},
      {"graph.beside", QT_TRANSLATE_NOOP("Actions", "beside"), "", "", "", true},
      {"graph.behind", QT_TRANSLATE_NOOP("Actions", "behind"), "", "", "", true},
      {"graph.arrangement", QT_TRANSLATE_NOOP("Actions", "Arrange subpopulations behind or beside each other"),
       QT_TRANSLATE_NOOP("Actions", "Switches the arrangement when displaying more then one subpopulation"),
       QT_TRANSLATE_NOOP("Actions", "Arrange subpopulations behind or beside each other"), "arrangement.svg", true},
      {"graph.errors", QT_TRANSLATE_NOOP("Actions", "Display errors?"), QT_TRANSLATE_NOOP("Actions", "Determine whether the calculated errors are indicated."),
       QT_TRANSLATE_NOOP("Actions", "Display errors?"), "errors.svg", true},
      // Flips the errors against the toolbar button; no menu item, button or key issues it.
      {"graph.errorsInverse", QT_TRANSLATE_NOOP("Actions", "Display errors?"),
       QT_TRANSLATE_NOOP("Actions", "Determine whether the calculated errors are indicated."), "", "", false},
      {"graph.absolute", QT_TRANSLATE_NOOP("Actions", "Show absolute or relative values"),
       QT_TRANSLATE_NOOP("Actions", "Determine whether relative or absolute values are shown"), QT_TRANSLATE_NOOP("Actions", "Show absolute or relative values"),
       "absolute.svg", true},
      {"table.new", QT_TRANSLATE_NOOP("Actions", "2D table"), QT_TRANSLATE_NOOP("Actions", "Shows the 2D table"), "", "table-2d.svg", false},
      {"analysis.run", QT_TRANSLATE_NOOP("Actions", "Run.."), "", "", "", false},
      {"analysis.results", QT_TRANSLATE_NOOP("Actions", "Show last results"), "", "", "", false},
      {"window.cascade", QT_TRANSLATE_NOOP("Actions", "&Cascade"), "", "", "", false},
      {"window.tile", QT_TRANSLATE_NOOP("Actions", "&Tile"), "", "", "", false},
      {"help.index", QT_TRANSLATE_NOOP("Actions", "&Index"), QT_TRANSLATE_NOOP("Actions", "Displays the help index"), QT_TRANSLATE_NOOP("Actions", "Help index"), "", false},
      {"help.gettingStarted", QT_TRANSLATE_NOOP("Actions", "&Getting started.."), "", "", "", false},
      {"help.paper", QT_TRANSLATE_NOOP("Actions", "&Paper (PDF)"), "", "", "", false},
      {"help.about", QT_TRANSLATE_NOOP("Actions", "&About"), QT_TRANSLATE_NOOP("Actions", "Display the asbout inforamtion"), QT_TRANSLATE_NOOP("Actions", "About.."), "", false},
      {"help.contents", QT_TRANSLATE_NOOP("Actions", "Help"), QT_TRANSLATE_NOOP("Actions", "Displays help"), QT_TRANSLATE_NOOP("Actions", "Help"), "", false},
      {"help.whatsThis", QT_TRANSLATE_NOOP("Actions", "Help"), QT_TRANSLATE_NOOP("Actions", "Displays context help"), QT_TRANSLATE_NOOP("Actions", "Help"), "context-help.svg",
       false},
  };
  return specs;
}

ActionRegistry::ActionRegistry(QWidget* owner) {
  const auto tr = [](const char* text) { return QCoreApplication::translate(kActionContext, text); };
  for (const ActionSpec& spec : Specs()) {
    const QString name = QString::fromLatin1(spec.name);
    auto* action = new QAction(tr(spec.text), owner);
    action->setObjectName(name);
    if (*spec.prompt) action->setStatusTip(tr(spec.prompt));
    if (*spec.toolTip) action->setToolTip(tr(spec.toolTip));
    if (*spec.icon) action->setIcon(QIcon(QStringLiteral(":/res/icons/") + QLatin1String(spec.icon)));
    action->setCheckable(spec.checkable);
    const QList<QKeySequence> keys = KeysOf(name);
    if (!keys.isEmpty()) {
      action->setShortcuts(keys);
      // The keys also work while the answer list or a cross table has the focus,
      // but for Copy: those windows copy their own text with it.
      action->setShortcutContext(name == QLatin1String("histogram.copy") ? Qt::WindowShortcut : Qt::ApplicationShortcut);
      owner->addAction(action);
    }
    actions_.insert(name, action);
    ordered_ << action;
  }
  // One graph style at a time, and one of the two arrangements.
  auto* styles = new QActionGroup(owner);
  for (const char* name : {"graph.bar2d", "graph.bar3d", "graph.cylinder", "graph.pie"})
    styles->addAction(Get(QString::fromLatin1(name)));
  auto* arrangements = new QActionGroup(owner);
  for (const char* name : {"graph.beside", "graph.behind"}) arrangements->addAction(Get(QString::fromLatin1(name)));
}

QAction* ActionRegistry::Get(const QString& name) const {
  QAction* action = actions_.value(name);
  if (!action) qFatal("no action is registered as %s", qPrintable(name));
  return action;
}

void ActionRegistry::BuildMenus(QMenuBar* bar) const {
  for (const MenuSpec& spec : MenuLayout()) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate(kActionContext, spec.title));
    menu->setObjectName(QString::fromLatin1(spec.name));
    for (const char* item : spec.items) {
      if (*item)
        menu->addAction(Get(QString::fromLatin1(item)));
      else
        menu->addSeparator();
    }
  }
}

void ActionRegistry::BuildToolBar(QToolBar* toolbar) const {
  for (const char* button : ToolBarLayout()) {
    if (*button)
      toolbar->addAction(Get(QString::fromLatin1(button)));
    else
      toolbar->addSeparator();
  }
}

}  // namespace orbica
