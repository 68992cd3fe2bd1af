#include "app/histogram_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolTip>
#include <cmath>

#include "app/answer_list.h"
#include "app/app.h"
#include "app/canvas/qt_canvas.h"
#include "app/dokument.h"
#include "app/main_frame.h"
#include "app/nav_panel.h"
#include "histogram/background.h"

namespace orbica {

CHistogram::CHistogram(CApp& app, CDokument& document, QWidget* parent)
    : QWidget(parent), app_(app), document_(document) {
  setObjectName(QStringLiteral("histogramView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setWhatsThis(QStringLiteral("A histogram window: the answers of one question in the displayed subpopulations. "
                              "Press F1 for help."));
  panel_ = new Panel(*this);
  minimumWidth_ = std::max(panel_->PanelWidth() + 20, 150);
  minimumHeight_ = std::max(panel_->PanelHeight() + 150, 200);
  SwitchStyle(cmd::k3DBar);
  connect(&document_, &CDokument::Updated, this, &CHistogram::OnDocumentUpdated);
}

CHistogram::~CHistogram() = default;

bool CHistogram::ToolbarChecked(int id) const {
  CMainFrame* frame = app_.MainFrame();
  return frame && frame->IsChecked(id);
}

void CHistogram::TakeOptionsFromToolbar() {
  graph_->SetArrangement(ToolbarChecked(cmd::kArrangement) ? kArrangementBeside : kArrangementBehind);
  graph_->showErrors = ToolbarChecked(cmd::kDisplayErrors);
  graph_->absolute = ToolbarChecked(cmd::kAbsolute);
  update();
}

void CHistogram::SwitchStyle(int command) {
  switch (command) {
    case cmd::k2DBar: graph_ = std::make_unique<BarGraph>(); break;
    case cmd::kCylinder: graph_ = std::make_unique<CylinderGraph>(); break;
    case cmd::kPie: graph_ = std::make_unique<PieGraph>(); break;
    default: command = cmd::k3DBar; graph_ = std::make_unique<BarGraph3D>(); break;
  }
  styleCommand_ = command;
  const AppContext& context = app_.Context();
  graph_->interactive = true;
  graph_->showTitle = true;
  graph_->selectedAnswer = 1;
  graph_->respondents = context.model.Respondents();
  graph_->questions = &context.questions;
  graph_->settings = &context.settings;
  TakeOptionsFromToolbar();
}

void CHistogram::OnDocumentUpdated() {
  graph_->questionIndex = document_.QuestionIndex();
  graph_->selectedAnswer = 1;
  update();
}

void CHistogram::SelectAnswer(int k) {
  graph_->selectedAnswer = k;
  update();
}

void CHistogram::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  panel_->Place();
}

void CHistogram::paintEvent(QPaintEvent*) {
  const QRect client = rect();
  graph_->data = &document_.Data();
  graph_->questionIndex = document_.QuestionIndex();
  graph_->interactive = true;
  auto draw = [&](QPainter& painter) {
    QtCanvas canvas(painter);
    DrawBackground(canvas, 0, 0, client.right() + 1, client.bottom() + 1, app_.Context().settings);
    graph_->Draw(canvas, client.left() + 5, client.top() + 5, client.right() + 1 - 5,
                 client.bottom() + 1 - panel_->PanelHeight() - 7);
  };
  QPainter painter(this);
  if (app_.Context().settings.directDrawing) {
    draw(painter);
    return;
  }
  if (buffer_.size() != client.size()) buffer_ = QImage(client.size(), QImage::Format_RGB32);
  if (buffer_.isNull()) return;  // no memory for the bitmap: skip this paint
  {
    QPainter bufferPainter(&buffer_);
    draw(bufferPainter);
  }
  painter.drawImage(0, 0, buffer_);
}

int CHistogram::HitTest(const QPoint& point) const {
  const std::optional<HitRegion> region = graph_->regions.HitTest(point.x(), point.y());
  return region && region->kind == kHitAnswerColumn ? region->answer : 0;
}

void CHistogram::mouseMoveEvent(QMouseEvent* event) {
  const int k = HitTest(event->position().toPoint());
  const std::string* text = k > 0 ? app_.Context().questions.LongText(document_.QuestionIndex(), k) : nullptr;
  app_.SetStatusText(text ? QString::fromStdString(*text) : QString());
  // The tooltip follows the pointer from one column to the next.
  if (k != tooltipAnswer_ && QToolTip::isVisible()) {
    tooltipAnswer_ = k;
    const QString tip = ToolTipText(event->position().toPoint());
    if (tip.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(event->globalPosition().toPoint(), tip, this);
  }
  QWidget::mouseMoveEvent(event);
}

void CHistogram::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const int k = HitTest(event->position().toPoint());
    if (k > 0) {
      graph_->selectedAnswer = k;
      if (COdpovedi* list = app_.AnswerList()) list->SelectLine(k - 1);
      update();
    }
  } else if (event->button() == Qt::RightButton) {
    app_.TogglePanel();
  }
  QWidget::mousePressEvent(event);
}

QString CHistogram::ToolTipText(const QPoint& point) const {
  const int k = HitTest(point);
  const HistogramData& data = document_.Data();
  if (k <= 0 || data.shownCount == 0 || k > data.answerCount) return {};
  const std::string* text = app_.Context().questions.LongText(document_.QuestionIndex(), k);
  if (!text) return {};
  const double n = app_.Context().model.Respondents();
  const double share = data.Share(0, k - 1), error = data.Error(0, k - 1);
  return QString::asprintf("%s #val: %d (%5.2f%%) #err: %d (%5.2f%%)", text->c_str(),
                           static_cast<int>(std::trunc(data.size[0] * share * n)), share * 100.0,
                           static_cast<int>(std::trunc(error * data.size[0] * n)), error * 100.0);
}

bool CHistogram::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    tooltipAnswer_ = HitTest(help->pos());
    const QString tip = ToolTipText(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QWidget::event(event);
}

PrintLegend CHistogram::Legend() const {
  PrintLegend legend;
  const AppContext& context = app_.Context();
  const int q = document_.QuestionIndex();
  for (int a = 0; a < context.questions.AnswerCount(q); ++a) legend.answerTexts.push_back(context.questions.AnswerLongText(q, a));
  for (int slot = 0; slot < kDisplaySlots; ++slot)
    if (context.displayed.Shown(slot) && context.displayed.Subpopulation(slot))
      legend.subpopulationNames.push_back(context.displayed.Subpopulation(slot)->Name());
  return legend;
}

void CHistogram::PrintPage(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  QtCanvas canvas(painter);
  graph_->data = &document_.Data();
  graph_->questionIndex = document_.QuestionIndex();
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  DrawPrintPage(canvas, 0, 0, page.width(), page.height(), *graph_, Legend());
  graph_->interactive = true;
}

void CHistogram::Print(bool preview) {
  QPrinter& printer = app_.Printer();
  if (preview) {
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintPage(*p); });
    dialog.exec();
    return;
  }
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) PrintPage(printer);
}

bool CHistogram::OnCommand(int id) {
  switch (id) {
    case cmd::k2DBar:
    case cmd::k3DBar:
    case cmd::kCylinder:
    case cmd::kPie:
      SwitchStyle(id);
      return true;
    case cmd::kBeside:
    case cmd::kBehind:
      graph_->SetArrangement(id == cmd::kBeside ? kArrangementBeside : kArrangementBehind);
      update();
      return true;
    case cmd::kArrangement:
      graph_->SetArrangement(ToolbarChecked(cmd::kArrangement) ? kArrangementBeside : kArrangementBehind);
      update();
      return true;
    case cmd::kDisplayErrors:
      graph_->showErrors = ToolbarChecked(cmd::kDisplayErrors);
      update();
      return true;
    case cmd::kErrorsInverse:
      graph_->showErrors = !ToolbarChecked(cmd::kDisplayErrors);
      update();
      return true;
    case cmd::kAbsolute:
      graph_->absolute = ToolbarChecked(cmd::kAbsolute);
      update();
      return true;
    case cmd::kQuestionList:
      document_.ChooseQuestion();
      return true;
    case cmd::kPrint:
    case cmd::kPrintDirect:
      Print(false);
      return true;
    case cmd::kPrintPreview:
      Print(true);
      return true;
    default:
      return false;
  }
}

bool CHistogram::OnUpdateCommand(int id, CommandState& state) {
  switch (id) {
    case cmd::k2DBar:
    case cmd::k3DBar:
    case cmd::kCylinder:
    case cmd::kPie:
      state.checked = styleCommand_ == id;
      return true;
    case cmd::kBeside:
    case cmd::kArrangement:
      state.enabled = graph_->SupportsArrangement();
      state.checked = graph_->arrangement == kArrangementBeside;
      return true;
    case cmd::kBehind:
      state.enabled = graph_->SupportsArrangement();
      state.checked = graph_->arrangement == kArrangementBehind;
      return true;
    case cmd::kDisplayErrors:
    case cmd::kErrorsInverse:
      state.enabled = graph_->SupportsErrors();
      state.checked = graph_->showErrors;
      return true;
    case cmd::kAbsolute:
      state.checked = graph_->absolute;
      return true;
    case cmd::kQuestionList:
    case cmd::kPrint:
    case cmd::kPrintDirect:
    case cmd::kPrintPreview:
      return true;
    default:
      return false;
  }
}

}  // namespace orbica
