#include "app/widget_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace orbica {

void LimitDropDown(QComboBox* box, int maxHeight) {
  // Styles that open the list over the box (Fusion among them) ignore the number
  // of visible items and open as high as the screen; the plain drop-down keeps it.
  if (box->styleSheet().isEmpty()) box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  QAbstractItemView* view = box->view();
  const int hinted = box->count() > 0 ? view->sizeHintForRow(0) : 0;
  const int row = std::max(1, hinted > 0 ? hinted : box->fontMetrics().height());
  // The list's frame and margins take a little of the height too.
  const int frame = 2 * view->frameWidth() + 4;
  box->setMaxVisibleItems(std::max(1, (maxHeight - frame) / row));
  if (box->count() > 0)
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() +
                          view->verticalScrollBar()->sizeHint().width());
}

void NameBuddies(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    QWidget* buddy = label->buddy();
    if (!buddy || !buddy->accessibleName().isEmpty()) continue;
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    buddy->setAccessibleName(name.trimmed());
  }
}

}  // namespace orbica
