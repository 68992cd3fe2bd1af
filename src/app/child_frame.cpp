#include "app/child_frame.h"

#include <QCloseEvent>
#include <algorithm>
#include <QIcon>

#include "app/answer_list.h"
#include "app/app.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/placement.h"

namespace orbica {

int CChildFrame::openCount_ = 0;
int CChildFrame::lastNumber_ = 0;

void CChildFrame::ResetNumbering() {
  openCount_ = 0;
  lastNumber_ = 0;
}

CChildFrame::CChildFrame(CApp& app) : app_(app) {
  ++openCount_;
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(QIcon(QStringLiteral(":/res/icons/bar-3d.svg")));
  document_ = new CDokument(app, this);
  view_ = new CHistogram(app, *document_, this);
  setWidget(view_);
  // The main frame follows the title of its active window.
  connect(document_, &CDokument::TitleChanged, this, &QWidget::setWindowTitle);
  // The smallest frame the view allows while the user drags a border.
  const QSize frameExtra = QSize(8, 30);
  setMinimumSize(view_->MinimumWidth() + frameExtra.width(), view_->MinimumHeight() + frameExtra.height());
  document_->Recompute();
}

CChildFrame::~CChildFrame() {
  if (--openCount_ <= 0) {
    openCount_ = 0;
    if (COdpovedi* list = app_.AnswerList())
      if (list->isVisible()) list->hide();
  }
}

void CChildFrame::AssignNumber() {
  if (number_ != 0) return;
  if (openCount_ == 1) {
    number_ = lastNumber_ = 1;
    return;
  }
  if (++lastNumber_ > 20) lastNumber_ = 1;
  number_ = lastNumber_;
}

void CChildFrame::PlaceAtStart() {
  AssignNumber();
  if (RestorePlacement(app_.Context().settings, PlacementKey(), this)) return;
  // No recorded place: three quarters of the frame's client area, cascaded by number.
  if (QWidget* area = parentWidget()) {
    const QSize size(std::max(area->width() * 3 / 4, minimumWidth()), std::max(area->height() * 3 / 4, minimumHeight()));
    const int step = 24 * ((number_ - 1) % 8);
    setGeometry(step, step, size.width(), size.height());
  }
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (!recorded_) {
    recorded_ = true;
    RecordPlacement(app_.Context().settings, PlacementKey(), this);
    if (lastNumber_ == number_) --lastNumber_;
  }
  QMdiSubWindow::closeEvent(event);
}

void CChildFrame::OnActivated() { RefillAnswerList(); }

void CChildFrame::RefillAnswerList() {
  COdpovedi* list = app_.AnswerList();
  if (!list) return;
  list->Refill(document_->QuestionIndex(), document_->Data());
  list->SelectLine(view_->SelectedAnswer() - 1);
}

}  // namespace orbica
