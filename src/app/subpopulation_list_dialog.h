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

  // Asks "Delete the saved subpopulation "NAME"?" and on Yes removes the selected
  // subpopulation from the list and deletes its file (unless another entry uses
  // it); no line is selected afterwards and the subpopulation panel reloads its
  // lists. Nothing happens without a selected line or for the whole population.
  void DeleteSelected();

 private:
  void Fill();

  CApp& app_;
  CPROList* list_ = nullptr;
};

// Runs the subpopulation list dialog over the main frame.
void RunSubpopulationList(CApp& app);

}  // namespace orbica
