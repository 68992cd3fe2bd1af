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
#include "app/dialog_template.h"
#include "app/main_frame.h"
#include "app/placement.h"
#include "app/pop_dialog.h"
#include "app/pro_controls.h"

// The templates of these windows are a resource file of their own: referring to
// it links it into every program that uses them, registered before main() runs.
static int RegisterPanelResources() {
  Q_INIT_RESOURCE(panel);
  return 0;
}
[[maybe_unused]] static const int kPanelResources = RegisterPanelResources();

namespace orbica {

namespace {

constexpr int kTemplate = 136;
constexpr int kSwatchIds[] = {1025, 1026, 1027, 1028};
constexpr int kBoxIds[] = {3037, 3038, 3040, 1016};
constexpr int kListIds[] = {1043, 1044, 1045, 1046};
constexpr int kButtonIds[] = {1021, 1022, 1023, 1024};
constexpr int kHiddenIds[] = {1029, 1030, 1031, 1032};
// Base units of the font the layout figures were made for.
constexpr int kOriginalBaseX = 6;
constexpr int kOriginalBaseY = 13;
const QColor kNoResultsColor(192, 192, 192);

// A disabled push button painted all over in its row's colour.
class ColourSwatch : public QPushButton {
 public:
  ColourSwatch(std::function<QColor()> colour, QWidget* parent) : QPushButton(parent), colour_(std::move(colour)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), colour_());
  }

 private:
  std::function<QColor()> colour_;
};

}  // namespace

CMPanel::CMPanel(CApp& app) : QDockWidget(app.MainFrame()), app_(app) {
  setObjectName(QStringLiteral("subpopulationPanel"));
  setWindowTitle(QStringLiteral("Displayed subpopulations"));
  setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
              QDockWidget::DockWidgetVerticalTitleBar);
  // The panel command opens and closes the panel; the frame's own menu of docked windows does not.
  toggleViewAction()->setVisible(false);
  // Floating, it is a window of its own that must not keep the program running once the main frame closes.
  setAttribute(Qt::WA_QuitOnClose, false);

  bar_ = new QWidget(this);
  bar_->setObjectName(QStringLiteral("panelBar"));
  QHash<int, DialogBuilder::ControlFactory> custom;
  for (int row = 0; row < 4; ++row)
    custom.insert(kSwatchIds[row], [this, row](QWidget* parent) -> QWidget* {
      return new ColourSwatch([this, row] { return RowColor(row); }, parent);
    });
  custom.insert(kListIds[0], [](QWidget* parent) -> QWidget* { return new CPROCombo(parent); });
  const DialogBuilder builder(kTemplate, bar_, custom);
  baseX_ = builder.Units().baseX;
  baseY_ = builder.Units().baseY;
  for (int row = 0; row < 4; ++row) {
    const auto r = static_cast<std::size_t>(row);
    swatches_[r] = builder.Control(kSwatchIds[row]);
    swatches_[r]->setEnabled(false);
    boxes_[r] = builder.Get<QCheckBox>(kBoxIds[row]);
    lists_[r] = builder.Get<QComboBox>(kListIds[row]);
    buttons_[r] = builder.Get<QPushButton>(kButtonIds[row]);
    builder.Control(kHiddenIds[row])->hide();
    connect(boxes_[r], &QCheckBox::clicked, this, [this, row] { Switch(row); });
    connect(lists_[r], &QComboBox::activated, this, [this, row](int index) { Choose(row, index); });
    connect(buttons_[r], &QPushButton::clicked, this, [this, row] { Edit(row); });
  }
  // The result list starts with the item its template gives it.
  for (const ControlTemplate& control : builder.Template().controls)
    if (control.id == kListIds[3] && !control.text.isEmpty()) lists_[3]->addItem(control.text);

  // Docked, the panel keeps the template's height and takes the frame's width;
  // floating, the user sets the width.
  const QSize size = builder.ClientSize();
  bar_->setMinimumSize(builder.Units().X(33) + Px(110) + 100, size.height());
  bar_->setMaximumSize(QWIDGETSIZE_MAX, size.height());
  bar_->resize(size);
  bar_->installEventFilter(this);
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

int CMPanel::Px(int pixels) const { return pixels * baseX_ / kOriginalBaseX; }
int CMPanel::Py(int pixels) const { return pixels * baseY_ / kOriginalBaseY; }

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
    List(kResultSlot)->addItem(QString::fromUtf8(kNoResultsItem));
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

void CMPanel::LayoutFor(int width) {
  for (int row = 0; row < 4; ++row) {
    QComboBox* list = List(row);
    list->resize(width - Px(110), list->height());
    list->setMaxVisibleItems(std::max(1, Py(300) / std::max(1, list->fontMetrics().height() + 4)));
    EditButton(row)->move(width - Px(55), Py(8 + 21 * row));
  }
}

bool CMPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == bar_ && event->type() == QEvent::Resize && bar_->width() > 0) LayoutFor(bar_->width());
  return QDockWidget::eventFilter(watched, event);
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
