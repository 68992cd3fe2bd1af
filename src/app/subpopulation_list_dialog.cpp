#include "app/subpopulation_list_dialog.h"

#include <QPushButton>

#include "app/app.h"
#include "app/dialog_template.h"
#include "app/main_frame.h"
#include "app/pro_controls.h"
#include "survey/subpopulation_store.h"

namespace orbica {

namespace {

constexpr int kTemplate = 143;
constexpr int kListId = 1054, kDeleteId = 3027;  // the "Note" button (1049) has no action
constexpr const char* kDeleteCaption = "Delete subpopulation";

void InstallSubpopulationList(CApp& app) { app.showSubpopulationList = RunSubpopulationList; }
const WindowInstaller kInstall(&InstallSubpopulationList);

}  // namespace

CSeznamPop::CSeznamPop(CApp& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName(QStringLiteral("subpopulationList"));
  const DialogBuilder builder(kTemplate, this, {{kListId, [](QWidget* p) { return new CPROList(p); }}});
  list_ = builder.Get<CPROList>(kListId);
  list_->SetSorted(true);
  connect(builder.Get<QPushButton>(kDeleteId), &QPushButton::clicked, this, &CSeznamPop::DeleteSelected);
  Fill();
}

void CSeznamPop::Fill() {
  for (const auto& entry : app_.Context().subpopulations.Entries())
    list_->AddLine(QString::fromStdString(entry->Name()), entry->Identity());
}

void CSeznamPop::DeleteSelected() {
  const int row = list_->SelectedRow();
  if (row < 0) return;
  CSubpopulationList& subpopulations = app_.Context().subpopulations;
  const int identity = list_->ItemData(row).toInt();
  const CPopulace* entry = subpopulations.Find(identity);
  if (!entry || identity == kWholePopulationIdentity) return;  // the whole population is never deleted
  if (app_.Notifier().AskYesNo("Delete the saved subpopulation \"" + entry->Name() + "\"?", kDeleteCaption) !=
      Reply::Yes)
    return;
  // The line goes only with its entry: an entry whose file could not be deleted
  // stays listed (the user has been told).
  if (!subpopulations.Remove(identity, app_.Notifier())) return;
  list_->RemoveLine(row);
  // No other line becomes selected, so a second Delete cannot hit a neighbour.
  list_->clearSelection();
  list_->setCurrentIndex(QModelIndex());
  if (app_.refillPanel && app_.PanelVisible()) app_.refillPanel(app_);
}

void RunSubpopulationList(CApp& app) {
  CSeznamPop dialog(app, app.MainFrame());
  dialog.exec();
}

}  // namespace orbica
