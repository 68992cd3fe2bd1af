#include "app/nav_panel.h"

#include <QPushButton>

#include "app/dokument.h"
#include "app/histogram_view.h"
#include "ui_nav_panel.h"

namespace orbica {

Panel::Panel(CHistogram& owner) : QWidget(&owner), owner_(owner) {
  Ui::NavigationPanel ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("navigationPanel"));
  adjustSize();
  width_ = width();
  height_ = height();
  connect(ui.previousButton, &QPushButton::clicked, this, [this] { owner_.Document().StepQuestion(-1); });
  connect(ui.nextButton, &QPushButton::clicked, this, [this] { owner_.Document().StepQuestion(+1); });
  connect(ui.questionListButton, &QPushButton::clicked, this, [this] { owner_.Document().ChooseQuestion(); });
}

void Panel::Place() {
  move((owner_.width() - width_) / 2, owner_.height() - height_ - 2);
  update();
}

}  // namespace orbica
