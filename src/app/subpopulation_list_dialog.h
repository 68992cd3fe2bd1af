// The subpopulation list of the Show menu: the saved subpopulations, sorted by
// name, and deleting them.
#pragma once

#include <QDialog>

namespace orbica {

class CApp;
class CPROList;

class CSeznamPop : public QDialog {
  Q_OBJECT

 public:
  CSeznamPop(CApp& app, QWidget* parent);

  // One line per known subpopulation, its identity as the line's item data.
  CPROList* List() const { return list_; }

  // Removes the selected subpopulation from the list and deletes its file (no
  // question asked); the subpopulation panel then reloads its lists. Nothing
  // happens without a selected line.
  void DeleteSelected();

 private:
  void Fill();

  CApp& app_;
  CPROList* list_ = nullptr;
};

// Runs the subpopulation list dialog over the main frame.
void RunSubpopulationList(CApp& app);

}  // namespace orbica
