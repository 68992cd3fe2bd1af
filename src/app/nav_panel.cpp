#include "app/nav_panel.h"

#include <QPushButton>

#include "app/dialog_template.h"
#include "app/dokument.h"
#include "app/histogram_view.h"

namespace orbica {

Panel::Panel(CHistogram& owner) : QWidget(&owner), owner_(owner) {
  setObjectName(QStringLiteral("navigationPanel"));
  const DialogBuilder builder(105, this);
  width_ = width();
  height_ = height();
  for (const int id : {1003, 1010, 1004}) builder.Get<QPushButton>(id)->setFocusPolicy(Qt::TabFocus);
  connect(builder.Get<QPushButton>(1003), &QPushButton::clicked, this, [this] { owner_.Document().StepQuestion(-1); });
  connect(builder.Get<QPushButton>(1004), &QPushButton::clicked, this, [this] { owner_.Document().StepQuestion(+1); });
  connect(builder.Get<QPushButton>(1010), &QPushButton::clicked, this, [this] { owner_.Document().ChooseQuestion(); });
}

void Panel::Place() {
  move((owner_.width() - width_) / 2, owner_.height() - height_ - 2);
  update();
}

}  // namespace orbica
