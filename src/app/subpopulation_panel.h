// The "Displayed subpopulations" panel: one row per display slot with its colour,
// its shown box, the subpopulation it holds and the button that edits it. It
// docks at the top or the bottom of the main frame or floats.
#pragma once

#include <QColor>
#include <QDockWidget>
#include <QPushButton>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;

namespace orbica {

class CApp;
class CPROCombo;

// The text of the result row while no analysis has produced results.
inline constexpr const char* kNoResultsItem =
    QT_TRANSLATE_NOOP("orbica::CMPanel", "   ( analysis results will be shown here )");

// A disabled push button painted all over in its row's colour.
class ColourSwatch : public QPushButton {
  Q_OBJECT

 public:
  explicit ColourSwatch(QWidget* parent = nullptr) : QPushButton(parent) {}
  std::function<QColor()> colour;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class CMPanel : public QDockWidget {
  Q_OBJECT

 public:
  // Creates the open panel in the main frame, docked or floating as its recorded
  // placement says (docked at the bottom without one), its controls taken from
  // the slots. Null when there is no main frame.
  static CMPanel* Create(CApp& app);
  ~CMPanel() override;

  // Lists of rows 0..2 from the subpopulation list, row 3 from the analysis
  // results when there are any, and row 3's box from its slot.
  void FillLists();
  // Check boxes and enabling from the slots.
  void InitControls();
  // Both, then repaints (after the slots changed elsewhere).
  void Reload();

  QComboBox* List(int row) const { return lists_[static_cast<std::size_t>(row)]; }
  QCheckBox* ShownBox(int row) const { return boxes_[static_cast<std::size_t>(row)]; }
  QPushButton* EditButton(int row) const { return buttons_[static_cast<std::size_t>(row)]; }
  QWidget* Swatch(int row) const { return swatches_[static_cast<std::size_t>(row)]; }
  CPROCombo* FirstList() const;
  bool RefillPending(int row) const { return refillPending_[static_cast<std::size_t>(row)]; }
  // The colour of a row: the slot colour of the settings, light grey for row 3 while there are no results.
  QColor RowColor(int row) const;
  // Where the panel is: kDockTop, kDockBottom, kDockFloating (kDockNone before it is placed).
  int DockCode() const;
  // Records the placement once; later calls do nothing.
  void RecordPlacementOnce();

  // The row actions, as the controls trigger them.
  void Choose(int row, int index);
  void Switch(int row);
  void Edit(int row);

 protected:
  // The close box closes the panel as the panel command does.
  void closeEvent(QCloseEvent* event) override;

 private:
  explicit CMPanel(CApp& app);
  bool HasResults() const;
  void FillRow(int row);
  void FillResultRow();
  void ShowUnlisted(int row, int selected);
  // The buttons work while their slot is shown.
  void UpdateButtons();

  CApp& app_;
  QWidget* bar_ = nullptr;
  std::array<QWidget*, 4> swatches_{};
  std::array<QCheckBox*, 4> boxes_{};
  std::array<QComboBox*, 4> lists_{};
  std::array<QPushButton*, 4> buttons_{};
  std::array<bool, 4> shown_{};
  std::array<bool, 3> refillPending_{};
  bool placementSaved_ = false;
  Qt::DockWidgetArea area_ = Qt::NoDockWidgetArea;
};

}  // namespace orbica
