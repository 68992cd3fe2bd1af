// The results of the last completed analysis run: the dialog "Analysis results"
// and its owner-drawn list of rows in columns.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QString>
#include <vector>

class QLabel;
class QPainter;
class QTextEdit;

namespace orbica {

class CAnalysis;
class CQuestionList;

// A list whose rows are drawn as text in fixed-width columns. Row r (from 1) is
// shown at display position r - 1; cells are numbered from 1.
class CMultiColumnList : public QListWidget {
  Q_OBJECT

 public:
  explicit CMultiColumnList(QWidget* parent);

  // Makes room for `rows` x `columns` empty cells and removes every row; false
  // when the cells cannot be had.
  bool Init(int rows, int columns);
  // Column `index` (from 0): width in pixels and text alignment (0 = left, top).
  void SetColumn(int index, int width, int format);
  // Stores a copy of `text`; a text for column 1 adds the row to the list.
  void SetCell(int row, int column, const QString& text);
  QString Cell(int row, int column) const;
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }

  // Draws the row at display position `position` into `rect`.
  void DrawItem(QPainter& painter, const QRect& rect, int position, bool selected) const;
  // Height of a row in pixels; the width of all columns together.
  int RowHeight() const;
  int ColumnsWidth() const;

 private:
  std::size_t CellIndex(int row, int column) const;

  struct Column {
    int width = 0;
    int format = 0;
  };
  std::vector<QString> cells_;
  std::vector<Column> columnTable_;
  int rows_ = 0;
  int columns_ = 0;
};

class CAnalSeznam : public QDialog {
  Q_OBJECT

 public:
  // Shows the results `analysis` holds now, under the title of its last accepted parameters.
  CAnalSeznam(const CAnalysis& analysis, const CQuestionList& questions, QWidget* parent);

  CMultiColumnList* List() const { return list_; }
  QTextEdit* Title() const { return title_; }
  QLabel* QuestionsText() const { return questionsText_; }
  QLabel* AnswersText() const { return answersText_; }

 private:
  // Shows the questions and answers of the result at display position `position`.
  void OnSelect(int position);

  const CAnalysis& analysis_;
  const CQuestionList& questions_;
  CMultiColumnList* list_ = nullptr;
  QTextEdit* title_ = nullptr;
  QLabel* questionsText_ = nullptr;
  QLabel* answersText_ = nullptr;
};

// The results dialog, modal.
void ShowResults(const CAnalysis& analysis, const CQuestionList& questions, QWidget* parent);

}  // namespace orbica
