#include "app/analysis_results.h"

#include <QFrame>
#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <new>

#include "analysis/analysis.h"
#include "app/dialog_template.h"
#include "survey/question_list.h"

namespace orbica {

namespace {

constexpr int kTemplate = 146;
constexpr int kListId = 1061;
constexpr int kTitleId = 1063;
constexpr int kQuestionsId = 1067;
constexpr int kAnswersId = 1068;
constexpr int kColumnCount = 5;
constexpr int kColumnWidths[kColumnCount] = {80, 220, 100, 100, 100};
// Gap between a column's text and the next column.
constexpr int kColumnGap = 5;
// Horizontal base unit of the font the column widths were made for: the widths
// follow the dialog's font so that the columns stay under their headings.
constexpr int kOriginalBaseX = 6;
const QColor kSelectedFill(0, 0, 128);
const QColor kTitleColour(102, 51, 0);

// Draws the rows of a CMultiColumnList through its DrawItem.
class RowDelegate : public QStyledItemDelegate {
 public:
  explicit RowDelegate(CMultiColumnList& list) : QStyledItemDelegate(&list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    // A row spans the whole width of the list, however wide its columns are.
    QRect row = option.rect;
    row.setRight(std::max(row.right(), list_.viewport()->width() - 1));
    painter->save();
    list_.DrawItem(*painter, row, index.row(), option.state.testFlag(QStyle::State_Selected));
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return QSize(list_.ColumnsWidth(), list_.RowHeight());
  }

 private:
  CMultiColumnList& list_;
};

}  // namespace

CMultiColumnList::CMultiColumnList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setItemDelegate(new RowDelegate(*this));
}

bool CMultiColumnList::Init(int rows, int columns) {
  clear();
  try {
    cells_.assign(static_cast<std::size_t>(std::max(rows, 0)) * static_cast<std::size_t>(std::max(columns, 0)),
                  QString());
    columnTable_.assign(static_cast<std::size_t>(std::max(columns, 0)), Column{});
  } catch (const std::bad_alloc&) {
    cells_.clear();
    columnTable_.clear();
    rows_ = columns_ = 0;
    return false;
  }
  rows_ = std::max(rows, 0);
  columns_ = std::max(columns, 0);
  return true;
}

void CMultiColumnList::SetColumn(int index, int width, int format) {
  if (index < 0 || index >= columns_) return;
  columnTable_[static_cast<std::size_t>(index)] = Column{width, format};
}

void CMultiColumnList::SetCell(int row, int column, const QString& text) {
  if (row < 1 || row > rows_ || column < 1 || column > columns_) return;
  if (column == 1) {
    auto* item = new QListWidgetItem(this);
    item->setData(Qt::UserRole, row);
  }
  cells_[CellIndex(row, column)] = text;
}

QString CMultiColumnList::Cell(int row, int column) const {
  if (row < 1 || row > rows_ || column < 1 || column > columns_) return QString();
  return cells_[CellIndex(row, column)];
}

std::size_t CMultiColumnList::CellIndex(int row, int column) const {
  return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column - 1);
}

int CMultiColumnList::RowHeight() const { return fontMetrics().height() + 1; }

int CMultiColumnList::ColumnsWidth() const {
  int width = 0;
  for (const Column& column : columnTable_) width += column.width;
  return width;
}

void CMultiColumnList::DrawItem(QPainter& painter, const QRect& rect, int position, bool selected) const {
  painter.fillRect(rect, selected ? kSelectedFill : QColor(Qt::white));
  painter.setPen(selected ? QColor(Qt::white) : palette().color(QPalette::Text));
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setFont(font());
  int x = rect.left();
  for (int i = 0; i < columns_; ++i) {
    const Column& column = columnTable_[static_cast<std::size_t>(i)];
    const QRect text(QPoint(x, rect.top() + 1), QPoint(x + column.width - kColumnGap - 1, rect.bottom()));
    const int alignment = column.format != 0 ? column.format : (Qt::AlignLeft | Qt::AlignTop);
    if (text.width() > 0) painter.drawText(text, alignment | Qt::TextSingleLine, Cell(position + 1, i + 1));
    x += column.width;
  }
}

CAnalSeznam::CAnalSeznam(const CAnalysis& analysis, const CQuestionList& questions, QWidget* parent)
    : QDialog(parent), analysis_(analysis), questions_(questions) {
  setObjectName(QStringLiteral("analysisResults"));
  const DialogBuilder builder(kTemplate, this, {{kListId, [](QWidget* p) { return new CMultiColumnList(p); }}});
  list_ = builder.Get<CMultiColumnList>(kListId);
  title_ = builder.Get<QTextEdit>(kTitleId);
  questionsText_ = builder.Get<QLabel>(kQuestionsId);
  answersText_ = builder.Get<QLabel>(kAnswersId);
  questionsText_->setTextFormat(Qt::PlainText);
  answersText_->setTextFormat(Qt::PlainText);

  const int count = analysis.ResultCount();
  if (list_->Init(count, kColumnCount)) {
    for (int c = 0; c < kColumnCount; ++c)
      list_->SetColumn(c, kColumnWidths[c] * builder.Units().baseX / kOriginalBaseX, 0);
    for (int r = 1; r <= count; ++r) {
      const CInfPopulace& result = analysis.Result(r - 1);
      list_->SetCell(r, 1, QString::fromStdString(result.Code()));
      list_->SetCell(r, 2, QString::fromStdString(result.AnswerDescription(questions)));
      list_->SetCell(r, 3, QString::asprintf("%f", result.criterionValue));
      list_->SetCell(r, 4, QString::asprintf("%f", result.difference));
      list_->SetCell(r, 5, QString::asprintf("%f", result.trueSize));
    }
  }
  connect(list_, &QListWidget::currentRowChanged, this, &CAnalSeznam::OnSelect);

  // The questions start after the caption of the "Description" frame, not over it.
  if (auto* frame = findChild<QGroupBox*>()) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    const int left = frame->x() + caption.right() + builder.Units().X(4);
    const QRect place = questionsText_->geometry();
    if (left > place.left()) questionsText_->setGeometry(QRect(QPoint(left, place.top()), place.bottomRight()));
  }

  // The run's title in bold brown on the dialog's own background, read-only.
  title_->setReadOnly(true);
  title_->setEnabled(false);
  title_->setFrameShape(QFrame::NoFrame);
  title_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  title_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  title_->setLineWrapMode(QTextEdit::NoWrap);
  title_->viewport()->setAutoFillBackground(false);
  title_->document()->setDocumentMargin(0);
  QTextCharFormat format;
  format.setFontWeight(QFont::Bold);
  format.setForeground(kTitleColour);
  QTextCursor cursor(title_->document());
  cursor.insertText(QString::fromStdString(analysis.title), format);
}

void CAnalSeznam::OnSelect(int position) {
  if (position < 0 || position >= analysis_.ResultCount()) return;
  const ConditionSet& masks = analysis_.Result(position).Masks();
  QString questionLines, answerLines;
  for (int q = 0; q < questions_.QuestionCount() && q < kQuestionCount; ++q) {
    const std::uint32_t mask = masks[static_cast<std::size_t>(q)];
    if (mask == 0) continue;
    for (int a = 0; a < questions_.AnswerCount(q) && a < 32; ++a) {
      if (!(mask & (std::uint32_t{1} << a))) continue;
      questionLines += QString::fromStdString(questions_.QuestionText(q)) + QLatin1Char('\n');
      answerLines += QString::fromStdString(questions_.AnswerLongText(q, a)) + QLatin1Char('\n');
    }
  }
  questionsText_->setText(questionLines);
  answersText_->setText(answerLines);
}

void ShowResults(const CAnalysis& analysis, const CQuestionList& questions, QWidget* parent) {
  CAnalSeznam dialog(analysis, questions, parent);
  dialog.exec();
}

}  // namespace orbica
