// The cross table window "Result table": the monospaced text table of two
// questions for the first shown subpopulation. Modeless; any number may be open.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QPlainTextEdit;

namespace orbica {

class CApp;

class C2DTable : public QDialog {
  Q_OBJECT

 public:
  // A table of question 1 (top) against question 2 (left), already built.
  C2DTable(CApp& app, QWidget* parent);

  int TopQuestion() const { return top_; }
  int LeftQuestion() const { return left_; }
  QComboBox* TopList() const { return topList_; }
  QComboBox* LeftList() const { return leftList_; }
  QPlainTextEdit* Table() const { return table_; }
  // The text last put into the table (lines separated by CR LF).
  const QString& TableText() const { return text_; }
  // How many times the text was built.
  int Rebuilds() const { return rebuilds_; }

  // Builds the text again from the two questions and the first shown slot.
  void Rebuild();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void SelectionChanged();

  CApp& app_;
  int top_ = 0;
  int left_ = 1;
  QComboBox* topList_ = nullptr;
  QComboBox* leftList_ = nullptr;
  QPlainTextEdit* table_ = nullptr;
  QString text_;
  int rebuilds_ = 0;
};

// Opens another cross table window over the main frame.
C2DTable* OpenCrossTable(CApp& app);

}  // namespace orbica
