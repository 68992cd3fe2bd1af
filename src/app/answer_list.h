// The answer list window "Full answers": every answer's full text with its
// estimated number of respondents and percentage in each shown subpopulation.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QStringList>

#include "histogram/histogram_data.h"

namespace orbica {

class CApp;
class CQuestionList;

// A list that copies its selected lines to the clipboard (Ctrl+C), each line
// followed by CR LF, in list order. Ctrl+A does nothing.
class CListBoxEx : public QListWidget {
  Q_OBJECT

 public:
  using QListWidget::QListWidget;
  // The text that a copy puts on the clipboard ("" when nothing is selected).
  QString SelectedText() const;
  void Copy();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// The lines of the list for question q: the long text padded to the longest
// long text + 2, then " %9d (%6.2f %%)" for each shown subpopulation.
QStringList AnswerListLines(int q, const HistogramData& data, const CQuestionList& questions, int respondents);

class COdpovedi : public QDialog {
  Q_OBJECT

 public:
  explicit COdpovedi(CApp& app, QWidget* parent);
  ~COdpovedi() override;

  void Refill(int question, const HistogramData& data);
  // Selects line `index` without telling the views (-1 clears the selection).
  void SelectLine(int index);
  CListBoxEx* List() const { return list_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void RecordPlacement();
  CApp& app_;
  CListBoxEx* list_ = nullptr;
  bool filling_ = false;
};

}  // namespace orbica
