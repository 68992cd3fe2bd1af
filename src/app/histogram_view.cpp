#include "app/histogram_view.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolTip>
#include <cmath>

#include "app/action_registry.h"
#include "app/answer_list.h"
#include "app/app.h"
#include "app/canvas/qt_canvas.h"
#include "app/dokument.h"
#include "app/export.h"
#include "app/main_frame.h"
#include "app/nav_panel.h"
#include "histogram/background.h"

namespace orbica {

CHistogram::CHistogram(CApp& app, CDokument& document, QWidget* parent)
    : QWidget(parent), app_(app), document_(document) {
  setObjectName(QStringLiteral("histogramView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setWhatsThis(tr("A histogram window: the answers of one question in the displayed subpopulations. "
                  "Press F1 for help."));
  panel_ = new Panel(*this);
  minimumWidth_ = std::max(panel_->PanelWidth() + 20, 150);
  minimumHeight_ = std::max(panel_->PanelHeight() + 150, 200);
  SwitchStyle(kStyleBar3D);
  connect(&document_, &CDokument::Updated, this, &CHistogram::OnDocumentUpdated);
}

CHistogram::~CHistogram() = default;

bool CHistogram::ToolbarChecked(const char* name) const {
  CMainFrame* frame = app_.MainFrame();
  return frame && frame->Action(QString::fromLatin1(name))->isChecked();
}

void CHistogram::TakeOptionsFromToolbar() {
  graph_->SetArrangement(ToolbarChecked("graph.arrangement") ? kArrangementBeside : kArrangementBehind);
  graph_->showErrors = ToolbarChecked("graph.errors");
  graph_->absolute = ToolbarChecked("graph.absolute");
  update();
  Q_EMIT StateChanged();
}

void CHistogram::SwitchStyle(GraphStyle style) {
  graph_ = MakeGraph(style);
  if (!graph_) {
    style = kStyleBar3D;
    graph_ = MakeGraph(style);
  }
  style_ = style;
  const AppContext& context = app_.Context();
  graph_->interactive = true;
  graph_->showTitle = true;
  graph_->selectedAnswer = 1;
  graph_->respondents = context.model.Respondents();
  graph_->questions = &context.questions;
  graph_->settings = &context.settings;
  TakeOptionsFromToolbar();
}

void CHistogram::SetArrangement(int arrangement) {
  graph_->SetArrangement(arrangement);
  update();
  Q_EMIT StateChanged();
}

void CHistogram::SetShowErrors(bool show) {
  graph_->showErrors = show;
  update();
  Q_EMIT StateChanged();
}

void CHistogram::SetAbsolute(bool absolute) {
  graph_->absolute = absolute;
  update();
  Q_EMIT StateChanged();
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
    QtCanvas canvas(painter, QtCanvas::Drawing::kSmoothed);
    DrawBackground(canvas, 0, 0, client.right() + 1, client.bottom() + 1, app_.Context().settings);
    graph_->Draw(canvas, client.left() + 5, client.top() + 5, client.right() + 1 - 5,
                 client.bottom() + 1 - panel_->PanelHeight() - 7);
  };
  QPainter painter(this);
  if (app_.Context().settings.directDrawing) {
    draw(painter);
    return;
  }
  // The image has the window's pixels, not its logical size, so that the graph
  // is as sharp as the widgets around it on a scaled screen.
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(client.size()) * ratio).toSize();
  if (buffer_.size() != pixels || buffer_.devicePixelRatio() != ratio) {
    buffer_ = QImage(pixels, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(ratio);
  }
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
  // A number the model leaves unusable shows as a dash.
  const bool missing = data.Missing(0, k - 1), noCount = data.CountMissing(0, k - 1);
  const auto count = [&](double x) {
    return noCount ? QStringLiteral("-") : QString::number(TruncToInt(data.size[0] * x * n));
  };
  const auto percent = [&](double x) {
    return missing ? QStringLiteral("-") : QString::asprintf("%5.2f%%", x * 100.0);
  };
  return QString::fromStdString(*text) + QStringLiteral(" #val: ") + count(share) + QStringLiteral(" (") +
         percent(share) + QStringLiteral(") #err: ") + count(error) + QStringLiteral(" (") + percent(error) +
         QStringLiteral(")");
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
  QtCanvas canvas(painter, QtCanvas::Drawing::kSmoothed);
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

namespace {
// The style of each style command.
const std::pair<const char*, GraphStyle> kStyleActions[] = {{"graph.bar2d", kStyleBar2D},
                                                            {"graph.bar3d", kStyleBar3D},
                                                            {"graph.cylinder", kStyleCylinder},
                                                            {"graph.pie", kStylePie}};
}  // namespace

const QStringList& CHistogram::ActionNames() {
  static const QStringList names = {
      QStringLiteral("graph.bar2d"),         QStringLiteral("graph.bar3d"),
      QStringLiteral("graph.cylinder"),      QStringLiteral("graph.pie"),
      QStringLiteral("graph.beside"),        QStringLiteral("graph.behind"),
      QStringLiteral("graph.arrangement"),   QStringLiteral("graph.errors"),
      QStringLiteral("graph.errorsInverse"), QStringLiteral("graph.absolute"),
      QStringLiteral("show.questionList"),   QStringLiteral("histogram.print"),
      QStringLiteral("histogram.preview"),   QStringLiteral("histogram.nextQuestion"),
      QStringLiteral("histogram.previousQuestion"), QStringLiteral("histogram.export"),
      QStringLiteral("histogram.copy")};
  return names;
}

QList<QMetaObject::Connection> CHistogram::ConnectActions(const ActionRegistry& actions) {
  QList<QMetaObject::Connection> connections;
  const auto on = [&](const char* name, auto handler) {
    connections << connect(actions.Get(QString::fromLatin1(name)), &QAction::triggered, this, handler);
  };
  for (const auto& [name, style] : kStyleActions) on(name, [this, style = style] { SwitchStyle(style); });
  on("graph.beside", [this] { SetArrangement(kArrangementBeside); });
  on("graph.behind", [this] { SetArrangement(kArrangementBehind); });
  // The toolbar's check buttons hold the option the command sets.
  on("graph.arrangement", [this] {
    SetArrangement(ToolbarChecked("graph.arrangement") ? kArrangementBeside : kArrangementBehind);
  });
  on("graph.errors", [this] { SetShowErrors(ToolbarChecked("graph.errors")); });
  on("graph.errorsInverse", [this] { SetShowErrors(!ToolbarChecked("graph.errors")); });
  on("graph.absolute", [this] { SetAbsolute(ToolbarChecked("graph.absolute")); });
  on("show.questionList", [this] { document_.ChooseQuestion(); });
  on("histogram.print", [this] { Print(false); });
  on("histogram.preview", [this] { Print(true); });
  on("histogram.export", [this] { ExportActiveHistogram(app_, window()); });
  on("histogram.copy", [this] { CopyHistogramImage(app_, *this); });
  on("histogram.nextQuestion", [this] { document_.StepQuestion(+1); });
  on("histogram.previousQuestion", [this] { document_.StepQuestion(-1); });
  return connections;
}

void CHistogram::ShowActionState(const ActionRegistry& actions) const {
  for (const QString& name : ActionNames()) actions.Get(name)->setEnabled(true);
  for (const auto& [name, style] : kStyleActions) actions.Get(QString::fromLatin1(name))->setChecked(style_ == style);
  const bool arrangement = graph_->SupportsArrangement(), errors = graph_->SupportsErrors();
  const bool beside = graph_->arrangement == kArrangementBeside;
  for (const char* name : {"graph.beside", "graph.behind", "graph.arrangement"})
    actions.Get(QString::fromLatin1(name))->setEnabled(arrangement);
  actions.Get(QStringLiteral("graph.beside"))->setChecked(beside);
  actions.Get(QStringLiteral("graph.behind"))->setChecked(!beside);
  actions.Get(QStringLiteral("graph.arrangement"))->setChecked(beside);
  actions.Get(QStringLiteral("graph.errors"))->setEnabled(errors);
  actions.Get(QStringLiteral("graph.errorsInverse"))->setEnabled(errors);
  actions.Get(QStringLiteral("graph.errors"))->setChecked(graph_->showErrors);
  actions.Get(QStringLiteral("graph.absolute"))->setChecked(graph_->absolute);
}

}  // namespace orbica
