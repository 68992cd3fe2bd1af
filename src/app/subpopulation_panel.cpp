#include "app/subpopulation_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/app.h"
#include "app/canvas/qt_canvas.h"
#include "app/widget_support.h"
#include "app/main_frame.h"
#include "app/placement.h"
#include "app/pop_dialog.h"
#include "app/pro_controls.h"
#include "ui_subpopulation_panel.h"

namespace orbica {

namespace {

const QColor kNoResultsColor(192, 192, 192);
// Height of the open lists.
constexpr int kDropDownHeight = 300;

}  // namespace

QSize ColourSwatch::sizeHint() const {
  const int side = fontMetrics().height();
  return QSize(side, side);
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour ? colour() : palette().color(QPalette::Button));
}

CMPanel::CMPanel(CApp& app) : QDockWidget(app.MainFrame()), app_(app) {
  setObjectName(QStringLiteral("subpopulationPanel"));
  setWindowTitle(tr("Displayed subpopulations"));
  setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
              QDockWidget::DockWidgetVerticalTitleBar);
  // The panel command opens and closes the panel; the frame's own menu of docked windows does not.
  toggleViewAction()->setVisible(false);
  // Floating, it is a window of its own that must not keep the program running once the main frame closes.
  setAttribute(Qt::WA_QuitOnClose, false);

  bar_ = new QWidget(this);
  Ui::SubpopulationPanel ui;
  ui.setupUi(bar_);
  bar_->setObjectName(QStringLiteral("panelBar"));
  swatches_ = {ui.colourButton1, ui.colourButton2, ui.colourButton3, ui.colourButton4};
  boxes_ = {ui.shownBox1, ui.shownBox2, ui.shownBox3, ui.shownBox4};
  lists_ = {ui.subpopulationList1, ui.subpopulationList2, ui.subpopulationList3, ui.subpopulationList4};
  buttons_ = {ui.editButton1, ui.editButton2, ui.editButton3, ui.editButton4};
  for (int row = 0; row < 4; ++row) {
    const auto r = static_cast<std::size_t>(row);
    static_cast<ColourSwatch*>(swatches_[r])->colour = [this, row] { return RowColor(row); };
    swatches_[r]->setEnabled(false);
    connect(boxes_[r], &QCheckBox::clicked, this, [this, row] { Switch(row); });
    connect(lists_[r], &QComboBox::activated, this, [this, row](int index) { Choose(row, index); });
    connect(buttons_[r], &QPushButton::clicked, this, [this, row] { Edit(row); });
  }
  // The result list starts with a placeholder item until the panel is filled.
  lists_[3]->addItem(tr(".. výsledky analýzy .."));
  lists_[3]->setEnabled(false);
  buttons_[3]->setEnabled(false);

  // Docked, the panel keeps its rows' height and takes the frame's width;
  // floating, the user sets the width.
  bar_->setMaximumHeight(bar_->sizeHint().height());
  setWidget(bar_);

  connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea area) { area_ = area; });
  // At program end the settings are written before the windows go.
  connect(qApp, &QCoreApplication::aboutToQuit, this, &CMPanel::RecordPlacementOnce);
}

CMPanel::~CMPanel() { RecordPlacementOnce(); }

CMPanel* CMPanel::Create(CApp& app) {
  CMainFrame* frame = app.MainFrame();
  if (!frame) return nullptr;
  auto* panel = new CMPanel(app);
  panel->FillLists();
  const std::optional<PlacementRecord> record = app.Context().settings.Placement(kPlacementPanel);
  frame->addDockWidget(record && record->dock == kDockTop ? Qt::TopDockWidgetArea : Qt::BottomDockWidgetArea, panel);
  if (record && record->dock == kDockFloating) {
    panel->setFloating(true);
    RestorePlacement(app.Context().settings, kPlacementPanel, panel);
  }
  panel->InitControls();
  panel->show();
  return panel;
}

CPROCombo* CMPanel::FirstList() const { return qobject_cast<CPROCombo*>(lists_[0]); }

bool CMPanel::HasResults() const { return app_.hasResults && app_.hasResults(app_); }

QColor CMPanel::RowColor(int row) const {
  if (row == kResultSlot && !HasResults()) return kNoResultsColor;
  return QtCanvas::ToQColor(app_.Context().settings.colors[static_cast<std::size_t>(row)]);
}

int CMPanel::DockCode() const {
  if (isFloating()) return kDockFloating;
  Qt::DockWidgetArea area = area_;
  if (const auto* frame = qobject_cast<const QMainWindow*>(parentWidget()))
    area = frame->dockWidgetArea(const_cast<CMPanel*>(this));
  if (area == Qt::TopDockWidgetArea) return kDockTop;
  if (area == Qt::BottomDockWidgetArea) return kDockBottom;
  return kDockNone;
}

void CMPanel::RecordPlacementOnce() {
  if (placementSaved_) return;
  RecordPlacement(app_.Context().settings, kPlacementPanel, this, DockCode());
  placementSaved_ = true;
}

void CMPanel::FillRow(int row) {
  std::vector<CSubpopulationList::SelectorItem> items =
      app_.Context().subpopulations.FillSelector(app_.Context().displayed.Subpopulation(row));
  // Rows 0..2 list the subpopulations by name.
  std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
    return QString::compare(QString::fromStdString(a.name), QString::fromStdString(b.name), Qt::CaseInsensitive) < 0;
  });
  QComboBox* list = List(row);
  list->clear();
  int selected = -1;
  for (const auto& item : items) {
    if (item.selected) selected = list->count();
    list->addItem(QString::fromStdString(item.name), item.identity);
  }
  list->setCurrentIndex(selected);
  ShowUnlisted(row, selected);
  LimitDropDown(list, kDropDownHeight);
}

void CMPanel::ShowUnlisted(int row, int selected) {
  // A slot whose subpopulation is no longer (or not) among the items still shows its name.
  const CPopulace* held = app_.Context().displayed.Subpopulation(row);
  List(row)->setPlaceholderText(selected < 0 && held ? QString::fromStdString(held->Name()) : QString());
}

void CMPanel::FillResultRow() {
  const CDisplayedSubpopulations& displayed = app_.Context().displayed;
  const auto* results = displayed.Results();
  std::size_t count = results ? results->size() : 0;
  if (app_.resultCount) count = std::min(count, static_cast<std::size_t>(std::max(0, app_.resultCount(app_))));
  const CPopulace* shown = displayed.Subpopulation(kResultSlot);
  QComboBox* list = List(kResultSlot);
  list->clear();
  int selected = -1;
  for (std::size_t i = 0; i < count; ++i) {
    const CInfPopulace& result = *(*results)[i];
    if (shown && shown->Identity() == result.Identity()) {
      selected = list->count();
      list->addItem(QString::fromStdString(shown->Name()), static_cast<int>(i));
    } else {
      list->addItem(QString::fromStdString(result.Name()), static_cast<int>(i));
    }
  }
  list->setCurrentIndex(selected);
  ShowUnlisted(kResultSlot, selected);
  LimitDropDown(list, kDropDownHeight);
}

void CMPanel::FillLists() {
  for (int row = 0; row < kResultSlot; ++row) FillRow(row);
  const bool results = HasResults();
  ShownBox(kResultSlot)->setEnabled(results);
  if (results) FillResultRow();
  const bool shown = app_.Context().displayed.Shown(kResultSlot);
  shown_[kResultSlot] = shown;
  ShownBox(kResultSlot)->setChecked(shown);
  List(kResultSlot)->setEnabled(shown);
  UpdateButtons();
  for (QWidget* swatch : swatches_) swatch->update();
}

void CMPanel::InitControls() {
  const CDisplayedSubpopulations& displayed = app_.Context().displayed;
  for (int row = 0; row < 4; ++row) {
    shown_[static_cast<std::size_t>(row)] = displayed.Shown(row);
    List(row)->setEnabled(displayed.Shown(row));
  }
  const bool results = HasResults();
  if (!results) {
    List(kResultSlot)->clear();
    List(kResultSlot)->setPlaceholderText(QString());
    List(kResultSlot)->addItem(tr(kNoResultsItem));
    List(kResultSlot)->setCurrentIndex(0);
  }
  for (int row = 0; row < 4; ++row) ShownBox(row)->setChecked(shown_[static_cast<std::size_t>(row)]);
  ShownBox(kResultSlot)->setEnabled(results);
  UpdateButtons();
  for (QWidget* swatch : swatches_) swatch->update();
}

void CMPanel::Reload() {
  FillLists();
  InitControls();
  update();
}

void CMPanel::UpdateButtons() {
  for (int row = 0; row < 4; ++row) EditButton(row)->setEnabled(app_.Context().displayed.Shown(row));
}

void CMPanel::Choose(int row, int index) {
  CDisplayedSubpopulations& displayed = app_.Context().displayed;
  const QVariant key = List(row)->itemData(index);
  if (!key.isValid()) return;  // the result row's placeholder
  const bool done = displayed.Select(row, key.toInt());
  if (row < kResultSlot && refillPending_[static_cast<std::size_t>(row)]) {
    FillRow(row);
    refillPending_[static_cast<std::size_t>(row)] = false;
  }
  // A choice the slot did not take: the list shows what the slot still holds.
  if (!done) row < kResultSlot ? FillRow(row) : FillResultRow();
  app_.RefreshAllHistograms();
}

void CMPanel::Switch(int row) {
  for (int i = 0; i < 4; ++i) shown_[static_cast<std::size_t>(i)] = ShownBox(i)->isChecked();
  if (std::none_of(shown_.begin(), shown_.end(), [](bool shown) { return shown; })) {
    // At least one slot stays shown.
    ShownBox(row)->setChecked(true);
    shown_[static_cast<std::size_t>(row)] = true;
  } else {
    CDisplayedSubpopulations& displayed = app_.Context().displayed;
    const bool wanted = shown_[static_cast<std::size_t>(row)];
    const bool empty = displayed.Subpopulation(row) == nullptr;
    const bool shown = displayed.Show(row, wanted);
    if (shown != wanted) {  // a slot with nothing to show stays off
      ShownBox(row)->setChecked(shown);
      shown_[static_cast<std::size_t>(row)] = shown;
    }
    // A slot filled just now shows its new subpopulation in the list.
    if (shown && empty) row < kResultSlot ? FillRow(row) : FillResultRow();
    List(row)->setEnabled(shown);
    UpdateButtons();
  }
  app_.RefreshAllHistograms();
}

void CMPanel::Edit(int row) {
  CDisplayedSubpopulations& displayed = app_.Context().displayed;
  if (CPopulace* subpopulation = displayed.Subpopulation(row)) {
    PopDialog editor(app_, *subpopulation, app_.MainFrame());
    if (editor.exec() == QDialog::Accepted) {
      const int stored = editor.StoredIdentity();
      if (stored != 0) {
        displayed.SetModified(row, false);
        // Slots 0..2 take the stored entry; slot 3 keeps its edited copy.
        if (row < kResultSlot) displayed.Select(row, stored);
      } else if (editor.Changed()) {
        displayed.SetModified(row, true);
      }
      FillLists();
      for (int other = 0; other < kResultSlot; ++other)
        if (other != row) refillPending_[static_cast<std::size_t>(other)] = true;
    }
  }
  window()->activateWindow();
  app_.RefreshAllHistograms();
}

void CMPanel::closeEvent(QCloseEvent* event) {
  // Accepted: a close refused here would also stop the program from ending.
  event->accept();
  QPointer<CMPanel> self(this);
  CApp* app = &app_;
  QMetaObject::invokeMethod(
      app, [self, app] {
        if (self) app->TogglePanel();
      },
      Qt::QueuedConnection);
}

}  // namespace orbica
