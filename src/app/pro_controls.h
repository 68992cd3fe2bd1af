// The combo box of the subpopulation panel's first row with its own edit and
// list parts, and the plain list that shows lines with item data.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QVariant>

class QStandardItemModel;

namespace orbica {

// A plain edit control.
class CPROEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CPROEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}
};

// A plain list of lines, each with an item data value. On its own it shows the
// lines added with AddLine; as the drop-down part of a combo box it shows the
// combo box's items instead.
class CPROList : public QListView {
  Q_OBJECT

 public:
  explicit CPROList(QWidget* parent = nullptr);

  // Appends a line (kept in text order when the list is sorted); returns its row.
  int AddLine(const QString& text, const QVariant& data);
  // Lists lines by text (case-insensitive) from now on.
  void SetSorted(bool sorted);
  void RemoveLine(int row);
  int Count() const;
  QString Text(int row) const;
  // The item data of a line (invalid for a row that does not exist).
  QVariant ItemData(int row) const;
  // The selected row, -1 when none.
  int SelectedRow() const;

 private:
  QStandardItemModel* lines_ = nullptr;
  bool sorted_ = false;
};

// A combo box whose drop-down list is a CPROList and whose edit part (when it
// is editable) is a CPROEdit. Both are attached the first time the part is
// shown; until then the combo box uses its standard parts.
class CPROCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit CPROCombo(QWidget* parent = nullptr) : QComboBox(parent) {}

  // The attached parts; null until attached.
  CPROEdit* Edit() const { return edit_; }
  CPROList* List() const { return list_; }

  void showPopup() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  CPROEdit* edit_ = nullptr;
  CPROList* list_ = nullptr;
};

}  // namespace orbica
