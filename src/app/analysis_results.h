// The results of the last completed analysis run: the dialog "Analysis results"
// with its table of ranked results and the description of the selected one.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>
#include <vector>

class QLabel;
class QTableView;

namespace orbica {

class CAnalysis;
class CQuestionList;

// The results of an analysis as a table: one row per result, the columns
// condition, short answers, criterion value, difference and true size. The
// vertical header shows each result's rank; rows start in rank order, and
// sorting on column -1 (no column) brings that order back.
class AnalysisResultsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kCondition, kShortAnswers, kCriterionValue, kDifference, kTrueSize, kColumnCount };

  AnalysisResultsModel(const CAnalysis& analysis, const CQuestionList& questions, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  // Index of the result shown in `row` (its rank - 1); -1 outside the table.
  int ResultAt(int row) const;

 private:
  struct Row {
    QString cells[kColumnCount];
    double values[kColumnCount] = {};
  };
  std::vector<Row> rows_;       // by result index
  std::vector<int> order_;      // result index shown in each row
};

class CAnalSeznam : public QDialog {
  Q_OBJECT

 public:
  // Shows the results `analysis` holds now, under the title of its last accepted parameters.
  CAnalSeznam(const CAnalysis& analysis, const CQuestionList& questions, QWidget* parent);

  QTableView* Table() const { return table_; }
  AnalysisResultsModel* Model() const { return model_; }
  QLabel* Title() const { return title_; }
  QLabel* QuestionsText() const { return questionsText_; }
  QLabel* AnswersText() const { return answersText_; }
  // Selects the row at `row` of the table as a click does.
  void SelectRow(int row);

 private:
  // Shows the questions and answers of the result in table row `row`.
  void OnSelect(int row);

  const CAnalysis& analysis_;
  const CQuestionList& questions_;
  AnalysisResultsModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* questionsText_ = nullptr;
  QLabel* answersText_ = nullptr;
};

// The results dialog, modal.
void ShowResults(const CAnalysis& analysis, const CQuestionList& questions, QWidget* parent);

}  // namespace orbica
