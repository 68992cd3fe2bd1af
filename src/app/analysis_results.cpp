#include "app/analysis_results.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <numeric>

#include "analysis/analysis.h"
#include "survey/question_list.h"
#include "ui_analysis_results.h"

namespace orbica {

namespace {

// The run's title is brown on a light window; on a dark one a light tint of it stays readable.
const QColor kTitleColour(102, 51, 0);
const QColor kTitleColourOnDark(230, 180, 130);

}  // namespace

AnalysisResultsModel::AnalysisResultsModel(const CAnalysis& analysis, const CQuestionList& questions, QObject* parent)
    : QAbstractTableModel(parent) {
  const int count = std::max(analysis.ResultCount(), 0);
  rows_.resize(static_cast<std::size_t>(count));
  for (int r = 0; r < count; ++r) {
    const CInfPopulace& result = analysis.Result(r);
    Row& row = rows_[static_cast<std::size_t>(r)];
    row.cells[kCondition] = QString::fromStdString(result.Code());
    row.cells[kShortAnswers] = QString::fromStdString(result.AnswerDescription(questions));
    row.values[kCriterionValue] = result.criterionValue;
    row.values[kDifference] = result.difference;
    row.values[kTrueSize] = result.trueSize;
    for (const int c : {kCriterionValue, kDifference, kTrueSize})
      row.cells[c] = QString::asprintf("%f", row.values[c]);
  }
  order_.resize(rows_.size());
  std::iota(order_.begin(), order_.end(), 0);
}

int AnalysisResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int AnalysisResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

int AnalysisResultsModel::ResultAt(int row) const {
  return row >= 0 && row < static_cast<int>(order_.size()) ? order_[static_cast<std::size_t>(row)] : -1;
}

QVariant AnalysisResultsModel::data(const QModelIndex& index, int role) const {
  const int result = ResultAt(index.row());
  if (result < 0 || index.column() < 0 || index.column() >= kColumnCount) return {};
  if (role == Qt::DisplayRole) return rows_[static_cast<std::size_t>(result)].cells[index.column()];
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(index.column() >= kCriterionValue ? Qt::AlignRight | Qt::AlignVCenter
                                                                 : Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

QVariant AnalysisResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) {
    const int result = ResultAt(section);
    return result < 0 ? QVariant() : QVariant(result + 1);
  }
  switch (section) {
    case kCondition: return tr("Condition");
    case kShortAnswers: return tr("Short answers");
    case kCriterionValue: return tr("Criterion value");
    case kDifference: return tr("Difference");
    case kTrueSize: return tr("True size");
    default: return {};
  }
}

void AnalysisResultsModel::sort(int column, Qt::SortOrder order) {
  Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<int> resultsBefore;
  for (const QModelIndex& index : before) resultsBefore.push_back(ResultAt(index.row()));

  std::iota(order_.begin(), order_.end(), 0);
  if (column >= 0 && column < kColumnCount) {
    const bool text = column < kCriterionValue;
    // Equal values keep their rank order, whichever way the column is sorted.
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
      const Row& x = rows_[static_cast<std::size_t>(a)];
      const Row& y = rows_[static_cast<std::size_t>(b)];
      const int c = text ? QString::localeAwareCompare(x.cells[column], y.cells[column])
                         : (x.values[column] < y.values[column] ? -1 : x.values[column] > y.values[column] ? 1 : 0);
      return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
  }

  std::vector<int> rowOf(order_.size());
  for (std::size_t row = 0; row < order_.size(); ++row) rowOf[static_cast<std::size_t>(order_[row])] = static_cast<int>(row);
  QModelIndexList after;
  for (std::size_t i = 0; i < static_cast<std::size_t>(before.size()); ++i)
    after << index(rowOf[static_cast<std::size_t>(resultsBefore[i])], before[static_cast<qsizetype>(i)].column());
  changePersistentIndexList(before, after);
  Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

CAnalSeznam::CAnalSeznam(const CAnalysis& analysis, const CQuestionList& questions, QWidget* parent)
    : QDialog(parent), analysis_(analysis), questions_(questions) {
  Ui::AnalysisResults ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("analysisResults"));
  table_ = ui.resultTable;
  title_ = ui.titleText;
  questionsText_ = ui.questionsText;
  answersText_ = ui.answersText;

  model_ = new AnalysisResultsModel(analysis, questions, this);
  // Rank order first: no column is sorted until the user clicks a heading.
  table_->horizontalHeader()->setSortIndicatorClearable(true);
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setModel(model_);
  // The corner above the ranks selects nothing in a single-row selection.
  table_->setCornerButtonEnabled(false);
  if (auto* corner = table_->findChild<QAbstractButton*>()) corner->setAccessibleName(tr("Rank"));
  // Columns as wide as their headings and texts; the last one takes what is left.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // The window opens wide enough to show every column whole (within the screen).
  table_->resizeColumnsToContents();
  const int needed = table_->horizontalHeader()->length() + table_->verticalHeader()->sizeHint().width() +
                     table_->verticalScrollBar()->sizeHint().width() + 2 * table_->frameWidth() +
                     layout()->contentsMargins().left() + layout()->contentsMargins().right();
  const int widest = screen() ? screen()->availableGeometry().width() * 9 / 10 : needed;
  if (needed > width()) resize(std::min(needed, widest), height());
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { OnSelect(current.row()); });

  // The run's title in bold, brown where the window is light.
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  QPalette palette = title_->palette();
  const bool dark = palette.color(QPalette::Window).lightness() < 128;
  palette.setColor(QPalette::WindowText, dark ? kTitleColourOnDark : kTitleColour);
  title_->setPalette(palette);
  title_->setText(QString::fromStdString(analysis.title));
}

void CAnalSeznam::SelectRow(int row) {
  const QModelIndex index = model_->index(row, 0);
  table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CAnalSeznam::OnSelect(int row) {
  const int result = model_->ResultAt(row);
  if (result < 0 || result >= analysis_.ResultCount()) return;
  const ConditionSet& masks = analysis_.Result(result).Masks();
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
