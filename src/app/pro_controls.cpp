#include "app/pro_controls.h"

#include <QStandardItemModel>

namespace orbica {

CPROList::CPROList(QWidget* parent) : QListView(parent), lines_(new QStandardItemModel(this)) {
  setModel(lines_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

int CPROList::AddLine(const QString& text, const QVariant& data) {
  auto* item = new QStandardItem(text);
  item->setData(data, Qt::UserRole);
  item->setEditable(false);
  int row = lines_->rowCount();
  if (sorted_) {
    // After the last line that does not sort behind the new one, as a sorted list box inserts.
    row = 0;
    while (row < lines_->rowCount() && QString::compare(lines_->item(row)->text(), text, Qt::CaseInsensitive) <= 0)
      ++row;
  }
  lines_->insertRow(row, item);
  return row;
}

void CPROList::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (!sorted_ || lines_->rowCount() < 2) return;
  QList<QList<QStandardItem*>> rows;
  while (lines_->rowCount() > 0) rows << lines_->takeRow(0);
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return QString::compare(a.first()->text(), b.first()->text(), Qt::CaseInsensitive) < 0;
  });
  for (const auto& row : rows) lines_->appendRow(row);
}

void CPROList::RemoveLine(int row) {
  if (model() && row >= 0 && row < model()->rowCount()) model()->removeRow(row);
}

int CPROList::Count() const { return model() ? model()->rowCount() : 0; }

QString CPROList::Text(int row) const {
  return model() ? model()->index(row, modelColumn()).data(Qt::DisplayRole).toString() : QString();
}

QVariant CPROList::ItemData(int row) const {
  return model() ? model()->index(row, modelColumn()).data(Qt::UserRole) : QVariant();
}

int CPROList::SelectedRow() const {
  const QModelIndex index = currentIndex();
  return index.isValid() && selectionModel()->isSelected(index) ? index.row() : -1;
}

void CPROCombo::showEvent(QShowEvent* event) {
  if (isEditable() && !edit_) {
    edit_ = new CPROEdit(this);
    setLineEdit(edit_);
  }
  QComboBox::showEvent(event);
}

void CPROCombo::showPopup() {
  if (!list_) {
    const int width = view()->minimumWidth();
    list_ = new CPROList(this);
    setView(list_);  // the combo box gives the list its own items
    list_->setMinimumWidth(width);  // as wide as the list it replaces was made
  }
  QComboBox::showPopup();
}

}  // namespace orbica
