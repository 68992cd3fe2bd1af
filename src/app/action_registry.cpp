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

namespace {

// Marks a text for the translation pass; the registry translates it when it builds.
#define ORBICA_TR(text) QT_TRANSLATE_NOOP("Actions", text)

// The keys of the commands that have them; standard sequences where Qt has one.
QList<QKeySequence> KeysOf(const QString& name) {
  if (name == QLatin1String("histogram.newWindow")) return QKeySequence::keyBindings(QKeySequence::New);
  if (name == QLatin1String("histogram.print")) return QKeySequence::keyBindings(QKeySequence::Print);
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
      {"menu.histogram", ORBICA_TR("&Histogram"),
       {"histogram.newWindow", "histogram.closeWindow", "histogram.export", "", "histogram.print",
        "histogram.preview", "histogram.pageSetup", "", "histogram.exit"}},
      {"menu.show", ORBICA_TR("&Show"),
       {"show.subpopulations", "", "show.questionList", "show.subpopulationList", "show.answerList", "",
        "show.toolbar", "show.statusBar"}},
      {"menu.graph", ORBICA_TR("&Graph"), {"graph.bar2d", "graph.bar3d", "graph.cylinder", "graph.pie", "", "graph.beside", "graph.behind"}},
      {"menu.analysis", ORBICA_TR("&Analysis"), {"analysis.run", "analysis.results"}},
      // The list of open histogram windows follows these items (the main frame adds it).
      {"menu.window", ORBICA_TR("&Window"), {"window.cascade", "window.tile"}},
      {"menu.help", ORBICA_TR("H&elp"), {"help.index", "help.gettingStarted", "help.paper", "", "help.about"}},
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
      {"histogram.newWindow", ORBICA_TR("&New window"), ORBICA_TR("Opens new histogram window"), ORBICA_TR("New window"),
       "new-window.svg", false},
      {"histogram.closeWindow", ORBICA_TR("&Close window"), ORBICA_TR("Closes the active window"), ORBICA_TR("Close"), "",
       false},
      {"histogram.export", ORBICA_TR("&Export"), "", "", "", false},
      {"histogram.print", ORBICA_TR("&Print ..."), ORBICA_TR("Prints the histogram"), ORBICA_TR("Print"), "print.svg",
       false},
      {"histogram.preview", ORBICA_TR("Preview"), "", ORBICA_TR("Preview"), "", false},
      {"histogram.pageSetup", ORBICA_TR("Page setup"), "", "", "", false},
      {"histogram.exit", ORBICA_TR("&Exit"), ORBICA_TR("Exits the application"), ORBICA_TR("Exit"), "", false},
      {"histogram.nextQuestion", ORBICA_TR("Next question"), "", "", "", false},
      {"histogram.previousQuestion", ORBICA_TR("Previous question"), "", "", "", false},
      // The menu item and the toolbar button of each of these two are one action.
      {"show.subpopulations", ORBICA_TR("Sub&populations"), ORBICA_TR("Displays the list of displayed subpopulations"),
       ORBICA_TR("Displayed subpopulations"), "subpopulations.svg", true},
      {"show.answerList", ORBICA_TR("&Answer list"), ORBICA_TR("Displays/hides the answer list"),
       ORBICA_TR("Display/show the answer list"), "answer-list.svg", true},
      {"show.questionList", ORBICA_TR("&Question list"), ORBICA_TR("Shows the question list"), "", "", false},
      {"show.subpopulationList", ORBICA_TR("Subpopulation list"), "", "", "", false},
      {"show.toolbar", ORBICA_TR("&Toolbar"), ORBICA_TR("Shows or hides the toolbar"), ORBICA_TR("Show/hide the toolbar"),
       "", true},
      {"show.statusBar", ORBICA_TR("&Status bar"), ORBICA_TR("Shows or hides the status bar"),
       ORBICA_TR("Show/hide the status bar"), "", true},
      {"graph.bar2d", ORBICA_TR("2D bar"), ORBICA_TR("2D bar graph"), ORBICA_TR("2D bar graph"), "bar-2d.svg", true},
      {"graph.bar3d", ORBICA_TR("3D bar"), ORBICA_TR("3D bar graph"), ORBICA_TR("3D bar graph"), "bar-3d.svg", true},
      {"graph.cylinder", ORBICA_TR("cylinder"), ORBICA_TR("Cylinder graph"), ORBICA_TR("Cylinder graph"), "cylinder.svg",
       true},
      {"graph.pie", ORBICA_TR("pie"), ORBICA_TR("Pie graph"), ORBICA_TR("Pie graph"), "pie.svg", true},
      {"graph.beside", ORBICA_TR("beside"), "", "", "", true},
      {"graph.behind", ORBICA_TR("behind"), "", "", "", true},
      {"graph.arrangement", ORBICA_TR("Arrange subpopulations behind or beside each other"),
       ORBICA_TR("Switches the arrangement when displaying more then one subpopulation"),
       ORBICA_TR("Arrange subpopulations behind or beside each other"), "arrangement.svg", true},
      {"graph.errors", ORBICA_TR("Display errors?"), ORBICA_TR("Determine whether the calculated errors are indicated."),
       ORBICA_TR("Display errors?"), "errors.svg", true},
      // Flips the errors against the toolbar button; no menu item, button or key issues it.
      {"graph.errorsInverse", ORBICA_TR("Display errors?"),
       ORBICA_TR("Determine whether the calculated errors are indicated."), "", "", false},
      {"graph.absolute", ORBICA_TR("Show absolute or relative values"),
       ORBICA_TR("Determine whether relative or absolute values are shown"), ORBICA_TR("Show absolute or relative values"),
       "absolute.svg", true},
      {"table.new", ORBICA_TR("2D table"), ORBICA_TR("Shows the 2D table"), "", "table-2d.svg", false},
      {"analysis.run", ORBICA_TR("Run.."), "", "", "", false},
      {"analysis.results", ORBICA_TR("Show last results"), "", "", "", false},
      {"window.cascade", ORBICA_TR("&Cascade"), "", "", "", false},
      {"window.tile", ORBICA_TR("&Tile"), "", "", "", false},
      {"help.index", ORBICA_TR("&Index"), ORBICA_TR("Displays the help index"), ORBICA_TR("Help index"), "", false},
      {"help.gettingStarted", ORBICA_TR("&Getting started.."), "", "", "", false},
      {"help.paper", ORBICA_TR("&Paper (PDF)"), "", "", "", false},
      {"help.about", ORBICA_TR("&About"), ORBICA_TR("Display the asbout inforamtion"), ORBICA_TR("About.."), "", false},
      {"help.contents", ORBICA_TR("Help"), ORBICA_TR("Displays help"), ORBICA_TR("Help"), "", false},
      {"help.whatsThis", ORBICA_TR("Help"), ORBICA_TR("Displays context help"), ORBICA_TR("Help"), "context-help.svg",
       false},
  };
  return specs;
}

#undef ORBICA_TR

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
      // The keys also work while the answer list or a cross table has the focus.
      action->setShortcutContext(Qt::ApplicationShortcut);
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
