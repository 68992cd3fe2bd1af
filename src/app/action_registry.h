// The program's commands as QActions under readable names ("histogram.newWindow",
// "graph.bar3d", ...), each with its menu text, shortcut, status-bar prompt and
// tool tip, and the layout of the menus and the toolbar built from them. The
// registry only creates the actions; the window that owns a command connects
// its handler and keeps its enabled and checked state.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QMenuBar;
class QObject;
class QToolBar;
class QWidget;

namespace orbica {

// One command's fixed description.
struct ActionSpec {
  const char* name;
  const char* text;     // menu text with its mnemonic; a toolbar-only command's button text
  const char* prompt;   // status-bar prompt (may be empty)
  const char* toolTip;  // empty: Qt derives one from the text
  const char* icon;     // file under :/res/icons, or empty
  bool checkable;
};

// The translation context of every command text.
inline constexpr const char* kActionContext = "Actions";

class ActionRegistry {
 public:
  // Creates every command's action as a child of `owner`; actions with a
  // shortcut are added to `owner` so their keys work without a menu item.
  explicit ActionRegistry(QWidget* owner);

  // The action with this name; a name that is not registered is a programming error.
  QAction* Get(const QString& name) const;
  QList<QAction*> All() const { return ordered_; }

  // The menu bar and the toolbar, in the program's order.
  void BuildMenus(QMenuBar* bar) const;
  void BuildToolBar(QToolBar* toolbar) const;

  // The fixed descriptions, in registration order.
  static const QList<ActionSpec>& Specs();

 private:
  QHash<QString, QAction*> actions_;
  QList<QAction*> ordered_;
};

}  // namespace orbica
