#include "app/subpopulation_list_dialog.h"

#include <QCoreApplication>
#include <QPushButton>

#include "app/app.h"
#include "app/engine_texts.h"
#include "app/main_frame.h"
#include "app/pro_controls.h"
#include "survey/subpopulation_store.h"
#include "ui_subpopulation_list_dialog.h"

namespace orbica {

namespace {
constexpr const char* kDeleteCaption = QT_TRANSLATE_NOOP("orbica::engine", "Delete subpopulation");
}  // namespace

CSeznamPop::CSeznamPop(CApp& app, QWidget* parent) : QDialog(parent), app_(app) {
  Ui::SubpopulationListDialog ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("subpopulationList"));
  list_ = ui.subpopulationList;
  list_->SetSorted(true);
  // The "Note" button has no action.
  connect(ui.deleteButton, &QPushButton::clicked, this, &CSeznamPop::DeleteSelected);
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
  if (app_.Notifier().AskYesNo(
          PlainMessage(tr("Delete the saved subpopulation \"%1\"?").arg(QString::fromStdString(entry->Name()))),
          PlainMessage(QCoreApplication::translate("orbica::engine", kDeleteCaption))) != Reply::Yes)
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
