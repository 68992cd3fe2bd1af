// The program's command table (menus, toolbar, accelerators and the string table
// of prompts), read from res/commands.json, and the routing of commands to the
// active view, its frame, the main frame and the application, in that order.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QVector>
#include <optional>

namespace orbica {

// Command ids used by the program's own code.
namespace cmd {
inline constexpr int kSubpopulations = 32771, k3DBar = 32773, kCylinder = 32774, kPie = 32775, kArrangement = 32776,
                     k2DBar = 32777, kBehind = 32783, kBeside = 32784, kQuestionList = 32785, kDisplayErrors = 32790,
                     kExport = 32793, kErrorsInverse = 32797, kTable2D = 32798, kAnswerListButton = 32799,
                     kSubpopulationList = 32800, kAnswerList = 32801, kSubpopulationsButton = 32802,
                     kRunAnalysis = 32803, kShowResults = 32804, kAbsolute = 32808, kGettingStarted = 32809,
                     kPaper = 32810;
inline constexpr int kNewWindow = 57600, kCloseWindow = 57602, kPageSetup = 57606, kPrint = 57607,
                     kPrintDirect = 57608, kPrintPreview = 57609, kCopy = 57634, kCut = 57635, kPaste = 57637,
                     kUndo = 57643, kCascade = 57650, kTile = 57651, kAbout = 57664, kExit = 57665,
                     kHelpIndex = 57666, kHelpFinder = 57667, kContextHelp = 57669, kHelp = 57670,
                     kHelpUsing = 57671, kNextPane = 57680, kPrevPane = 57681, kViewToolbar = 59392,
                     kViewStatusBar = 59393;
inline constexpr int kIdlePrompt = 57345, kContextHelpPrompt = 57346, kAppName = 57344;
}  // namespace cmd

struct MenuItem {
  int id = 0;           // 0 for a separator
  QString text;         // exactly as shown, "\t" before the shortcut text
  bool disabled = false;
};

struct Menu {
  QString title;
  QVector<MenuItem> items;
};

class CommandTable {
 public:
  // The table of the program's resources.
  static const CommandTable& Get();

  const QVector<Menu>& Menus() const { return menus_; }
  const QVector<int>& Toolbar() const { return toolbar_; }  // 0 = separator
  bool IsCheckButton(int id) const { return checkButtons_.contains(id); }
  QString IconFile(int id) const { return icons_.value(id); }
  QList<QKeySequence> Shortcuts(int id) const { return accelerators_.value(id); }
  // The whole string-table entry.
  QString String(int id) const { return strings_.value(id); }
  // Status bar prompt: the part before the line break.
  QString Prompt(int id) const;
  // Tool tip: the part after the line break (empty when there is none).
  QString ToolTip(int id) const;
  // Every id that has a menu item, toolbar button or accelerator.
  QVector<int> AllIds() const;

 private:
  CommandTable();
  QVector<Menu> menus_;
  QVector<int> toolbar_;
  QList<int> checkButtons_;
  QHash<int, QString> icons_;
  QHash<int, QList<QKeySequence>> accelerators_;
  QHash<int, QString> strings_;
};

// What a command's update handler reports.
struct CommandState {
  bool enabled = true;
  std::optional<bool> checked;  // set when the command shows a check mark
};

// Something that handles commands: a view, a frame, the main frame or the application.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // Runs the command; false when this target does not handle it.
  virtual bool OnCommand(int id) = 0;
  // Fills the command's state; false when this target does not handle it.
  virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};

}  // namespace orbica
