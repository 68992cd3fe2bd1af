#include "app/analysis_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "analysis/analysis.h"
#include "app/widget_support.h"
#include "app/qt_notifier.h"
#include "survey/question_list.h"
#include "ui_analysis_dialog.h"

namespace orbica {

namespace {

// Height of the open choice lists.
constexpr int kDropDownHeight = 300;

bool ListsQuestions(int criterion) { return ChoosesQuestions(static_cast<Criterion>(criterion)); }
bool ListsAnswers(int criterion) { return ChoosesAnswers(static_cast<Criterion>(criterion)); }

}  // namespace

CAnalDlg::CAnalDlg(const CQuestionList& questions, Notifier& notifier, QWidget* parent,
                   const AnalysisChoices& initial)
    : QDialog(parent), questions_(questions), notifier_(notifier), choices_(initial) {
  Ui::AnalysisDialog ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("analysisDialog"));
  criteria_ = ui.criterionList;
  first_ = ui.firstList;
  second_ = ui.secondList;
  length_ = ui.lengthList;
  threshold_ = ui.thresholdEdit;
  slider_ = ui.significanceSlider;
  sliderLabel_ = ui.significanceValue;
  // The value beside the slider keeps the width of its widest text.
  sliderLabel_->setMinimumWidth(sliderLabel_->sizeHint().width());
  run_ = ui.runButton;
  NameBuddies(this);
  first_->installEventFilter(this);
  second_->installEventFilter(this);
  ShowChoices();
}

void CAnalDlg::ShowChoices() {
  for (QComboBox* list : {first_, second_}) list->setEnabled(false);
  ShowSignificance(choices_.significance);
  FillChoices(choices_.criterion);

  length_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
  LimitDropDown(length_, kDropDownHeight);
  const auto select = [](QComboBox* list, int index) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
  };
  select(first_, choices_.firstChoice);
  select(second_, choices_.secondChoice);
  select(length_, choices_.maxLength - 1);
  threshold_->setText(QString::number(choices_.threshold, 'g', 15));
  slider_->setValue(choices_.significance);
  connect(slider_, &QSlider::valueChanged, this, &CAnalDlg::ShowSignificance);

  for (int c = 0; c < kCriterionCount; ++c)
    criteria_->addItem(QCoreApplication::translate("orbica::engine", CriterionName(c)));
  LimitDropDown(criteria_, kDropDownHeight);
  select(criteria_, choices_.criterion);
  connect(criteria_, &QComboBox::currentIndexChanged, this, &CAnalDlg::FillChoices);
}

void CAnalDlg::ShowSignificance(int position) { sliderLabel_->setText(tr("%1 %").arg(position)); }

void CAnalDlg::FillChoices(int criterion) {
  const int keptFirst = first_->currentIndex();
  const int keptSecond = second_->currentIndex();
  const bool listed = ListsQuestions(criterion) || ListsAnswers(criterion);
  first_->setEnabled(listed);
  second_->setEnabled(static_cast<Criterion>(criterion) == Criterion::kInformation || ListsAnswers(criterion));
  const QSignalBlocker blockFirst(first_);
  const QSignalBlocker blockSecond(second_);
  first_->clear();
  second_->clear();
  if (listed) {
    // With answers listed, the item of answer a of question q is its slot and the
    // item of the question line is the question's header slot.
    QStringList items;
    for (int q = 0; q < questions_.QuestionCount(); ++q) {
      items << QString::fromStdString(questions_.QuestionText(q));
      if (ListsAnswers(criterion))
        for (int a = 0; a < questions_.AnswerCount(q); ++a)
          items << QStringLiteral("  - ") + QString::fromStdString(questions_.AnswerLongText(q, a));
    }
    first_->addItems(items);
    second_->addItems(items);
    for (QComboBox* list : {first_, second_}) LimitDropDown(list, kDropDownHeight);
  }
  // A list that receives items selects its first one; nothing is chosen yet.
  first_->setCurrentIndex(-1);
  second_->setCurrentIndex(-1);
  if (ListsAnswers(listedCriterion_) && ListsAnswers(criterion)) {
    first_->setCurrentIndex(keptFirst);
    second_->setCurrentIndex(keptSecond);
  } else if (ListsQuestions(listedCriterion_) && ListsQuestions(criterion)) {
    first_->setCurrentIndex(keptFirst);
  }
  listedCriterion_ = criterion;
}

bool CAnalDlg::IsQuestionLine(int item) const {
  const int q = questions_.QuestionOfSlot(item);
  return q >= 0 && item == questions_.FirstAnswerSlot(q) - 1;
}

void CAnalDlg::ChooseFirstAnswer(QComboBox* list) {
  if (!ListsAnswers(criteria_->currentIndex())) return;
  const int item = list->currentIndex();
  if (item >= 0 && IsQuestionLine(item) && item + 1 < list->count()) list->setCurrentIndex(item + 1);
}

bool CAnalDlg::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == first_ || watched == second_) && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    ChooseFirstAnswer(static_cast<QComboBox*>(watched));
  return QDialog::eventFilter(watched, event);
}

void CAnalDlg::accept() {
  const int criterion = criteria_->currentIndex();
  // "Run" pressed with Enter while a question line is chosen: the list has not lost
  // the focus, but an answer is needed all the same.
  ChooseFirstAnswer(first_);
  ChooseFirstAnswer(second_);
  // Every criterion that lists choices needs the first; the information between
  // two questions needs the second too.
  const bool twoQuestions = static_cast<Criterion>(criterion) == Criterion::kInformation;
  const bool missing = ((ListsQuestions(criterion) || ListsAnswers(criterion)) && first_->currentIndex() < 0) ||
                       (twoQuestions && second_->currentIndex() < 0);
  if (missing) {
    const ScopedBoxOwner owned(notifier_, this);
    notifier_.Show(PlainMessage(tr("Choose parameters for the analysis")), PlainMessage(tr("Analysis")));
    return;
  }
  bool number = false;
  const double value = threshold_->text().trimmed().toDouble(&number);
  if (!number || !std::isfinite(value)) {
    {
      const ScopedBoxOwner owned(notifier_, this);
      notifier_.Show(PlainMessage(tr("Enter a number.")), MessageId::ProgramCaption);
    }
    threshold_->setFocus();
    threshold_->selectAll();
    return;
  }
  choices_ = {criterion, first_->currentIndex(), second_->currentIndex(), length_->currentIndex() + 1, value,
              slider_->value()};
  QDialog::accept();
}

bool EditParameters(CAnalysis& analysis, const CQuestionList& questions, Notifier& notifier, QWidget* parent) {
  CAnalDlg dialog(questions, notifier, parent,
                  {analysis.criterion, analysis.firstChoice, analysis.secondChoice, analysis.maxLength,
                   analysis.threshold, static_cast<int>(std::lround(analysis.weight * 100.0))});
  if (dialog.exec() != QDialog::Accepted) return false;
  const AnalysisChoices& chosen = dialog.Choices();
  analysis.firstChoice = chosen.firstChoice;
  analysis.secondChoice = chosen.secondChoice;
  analysis.criterion = chosen.criterion;
  analysis.maxLength = std::clamp(chosen.maxLength, 1, 3);
  analysis.threshold = chosen.threshold;
  analysis.weight = chosen.significance / 100.0;
  analysis.MakeTitle();
  return true;
}

}  // namespace orbica
