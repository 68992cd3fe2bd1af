#include "app/combo_sizing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <algorithm>

namespace orbica {

void LimitDropDown(QComboBox* box, int maxHeight) {
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

}  // namespace orbica
