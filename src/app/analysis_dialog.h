// The parameters of an analysis run: the dialog "Analysis" and the step that
// runs it on the analysis object's parameters.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace orbica {

class CAnalysis;
class CQuestionList;
class Notifier;

// What the dialog shows when it opens and returns after "Run", as its controls hold it.
struct AnalysisChoices {
  int criterion = -1;     // 0..5; -1 = none chosen
  int firstChoice = -1;   // item of the first choice list (question, or slot when answers are listed)
  int secondChoice = -1;  // item of the second choice list
  int maxLength = 0;      // 1..3; 0 = none chosen
  double threshold = 0.0;
  int significance = 0;  // slider position 0..100
};

// CAnalDlg: the dialog "Analysis".
class CAnalDlg : public QDialog {
  Q_OBJECT

 public:
  CAnalDlg(const CQuestionList& questions, Notifier& notifier, QWidget* parent,
           const AnalysisChoices& initial = {});

  // The choices after "Run" (the initial ones before).
  const AnalysisChoices& Choices() const { return choices_; }

  // The criterion for which the choice lists were last filled (-1 before the first fill).
  int ListedCriterion() const { return listedCriterion_; }

  QComboBox* CriterionList() const { return criteria_; }
  QComboBox* FirstList() const { return first_; }
  QComboBox* SecondList() const { return second_; }
  QComboBox* LengthList() const { return length_; }
  QLineEdit* ThresholdField() const { return threshold_; }
  QSlider* Slider() const { return slider_; }
  QLabel* SliderLabel() const { return sliderLabel_; }
  QPushButton* RunButton() const { return run_; }

  // "Run": checks the choices and the threshold; the dialog stays open when one is missing or wrong.
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Writes the initial choices into the controls.
  void ShowChoices();
  // Fills both choice lists for criterion `criterion`, keeping the selections that
  // keep their meaning.
  void FillChoices(int criterion);
  // Criteria 4 and 5 analyse answers: a question line chosen in `list` becomes its first answer.
  void ChooseFirstAnswer(QComboBox* list);
  bool IsQuestionLine(int item) const;
  void ShowSignificance(int position);

  const CQuestionList& questions_;
  Notifier& notifier_;
  QComboBox* criteria_ = nullptr;
  QComboBox* first_ = nullptr;
  QComboBox* second_ = nullptr;
  QComboBox* length_ = nullptr;
  QLineEdit* threshold_ = nullptr;
  QSlider* slider_ = nullptr;
  QLabel* sliderLabel_ = nullptr;
  QPushButton* run_ = nullptr;
  AnalysisChoices choices_;
  int listedCriterion_ = -1;
};

// Runs the dialog on the parameters of `analysis`; on "Run" copies the choices
// back, builds the run's title and returns true. Cancel leaves `analysis` unchanged.
bool EditParameters(CAnalysis& analysis, const CQuestionList& questions, Notifier& notifier, QWidget* parent);

}  // namespace orbica
