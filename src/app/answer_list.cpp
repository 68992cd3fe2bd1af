#include "app/answer_list.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <cmath>

#include "app/app.h"
#include "app/child_frame.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/placement.h"
#include "histogram/graph_util.h"
#include "ui_answer_list.h"
#include "survey/question_list.h"

namespace orbica {

QString CListBoxEx::SelectedText() const {
  QString text;
  for (int row = 0; row < count(); ++row)
    if (item(row)->isSelected()) text += item(row)->text() + QStringLiteral("\r\n");
  return text;
}

void CListBoxEx::Copy() {
  const QString text = SelectedText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

bool CListBoxEx::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Copy and select-all belong to the list while it has the focus.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
      event->accept();
      return true;
    }
  }
  return QListWidget::event(event);
}

void CListBoxEx::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    Copy();
    return;
  }
  if (event->matches(QKeySequence::SelectAll)) return;
  QListWidget::keyPressEvent(event);
}

QStringList AnswerListLines(int q, const HistogramData& data, const CQuestionList& questions, int respondents) {
  QStringList texts;
  int longest = 0;
  for (int a = 0; a < data.answerCount; ++a) {
    texts << QString::fromStdString(questions.AnswerLongText(q, a));
    longest = std::max<int>(longest, static_cast<int>(texts.back().size()));
  }
  QStringList lines;
  for (int a = 0; a < data.answerCount; ++a) {
    QString line = texts[a].leftJustified(longest + 2, QLatin1Char(' '));
    for (int row = 0; row < data.shownCount; ++row) {
      const double share = data.Share(row, a);
      const double persons = share * data.size[static_cast<std::size_t>(row)] * respondents;
      // A number the model leaves unusable shows as a dash in its column.
      line += data.CountMissing(row, a) ? QStringLiteral(" %1").arg(QLatin1Char('-'), 9)
                                        : QString::asprintf(" %9d", TruncToInt(persons));
      line += data.Missing(row, a) ? QStringLiteral(" (%1 %)").arg(QLatin1Char('-'), 6)
                                   : QString::asprintf(" (%6.2f %%)", share * 100.0);
    }
    lines << line;
  }
  return lines;
}

COdpovedi::COdpovedi(CApp& app, QWidget* parent) : QDialog(parent), app_(app) {
  Ui::AnswerList ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("answerList"));
  setModal(false);
  list_ = ui.answerLines;
  // The lines are padded into columns: a fixed-pitch face keeps them in line.
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  setMinimumSize(60, 40);
  RestorePlacement(app_.Context().settings, kPlacementAnswerList, this);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    if (CMainFrame* frame = app_.MainFrame())
      if (CHistogram* view = frame->ActiveView()) view->SelectAnswer(row + 1);
  });
}

COdpovedi::~COdpovedi() { RecordPlacement(); }

void COdpovedi::RecordPlacement() { orbica::RecordPlacement(app_.Context().settings, kPlacementAnswerList, this); }

void COdpovedi::hideEvent(QHideEvent* event) {
  RecordPlacement();
  QDialog::hideEvent(event);
}

void COdpovedi::Refill(int question, const HistogramData& data) {
  filling_ = true;
  list_->clear();
  list_->addItems(AnswerListLines(question, data, app_.Context().questions, app_.Context().model.Respondents()));
  filling_ = false;
}

void COdpovedi::SelectLine(int index) {
  filling_ = true;
  list_->setCurrentRow(index);
  filling_ = false;
}

}  // namespace orbica
