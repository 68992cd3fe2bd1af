// The document of a histogram window: which question it shows and the numbers
// computed for it from the display slots.
#pragma once

#include <QObject>
#include <QString>

#include "histogram/histogram_data.h"

namespace orbica {

class CApp;

class CDokument : public QObject {
  Q_OBJECT

 public:
  // A new document shows question 1.
  explicit CDokument(CApp& app, QObject* parent = nullptr);

  int QuestionIndex() const { return question_; }
  const HistogramData& Data() const { return data_; }
  QString Title() const { return title_; }

  // Recomputes the data for the current question and slots, sets the title,
  // refills the answer list and tells the view.
  void Recompute();
  // Moves `step` places along the browsing order (cyclic) and recomputes.
  void StepQuestion(int step);
  // Lets the user choose a question in the question list; recomputes either way.
  void ChooseQuestion();
  // Shows question index q and recomputes.
  void SetQuestion(int q);

 Q_SIGNALS:
  void TitleChanged(const QString& title);
  // The data changed: the view takes over the question and redraws.
  void Updated();

 private:
  CApp& app_;
  int question_ = 0;
  HistogramData data_;
  QString title_;
};

}  // namespace orbica
