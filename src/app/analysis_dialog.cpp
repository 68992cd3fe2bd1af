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

bool ListsQuestions(int criterion) { return criterion == 2 || criterion == 3; }
bool ListsAnswers(int criterion) { return criterion == 4 || criterion == 5; }

// Message boxes of the program are owned by `owner` while this lives.
class BoxesOwnedBy {
 public:
  BoxesOwnedBy(Notifier& notifier, QWidget* owner) : boxes_(dynamic_cast<QtNotifier*>(&notifier)) {
    if (boxes_) boxes_->SetOwner(owner);
  }
  ~BoxesOwnedBy() {
    if (boxes_) boxes_->SetOwner(nullptr);
  }
  BoxesOwnedBy(const BoxesOwnedBy&) = delete;
  BoxesOwnedBy& operator=(const BoxesOwnedBy&) = delete;

 private:
  QtNotifier* boxes_;
};

}  // namespace

CAnalDlg::CAnalDlg(const CQuestionList& questions, Notifier& notifier, QWidget* parent)
    : QDialog(parent), questions_(questions), notifier_(notifier) {
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
}

void CAnalDlg::showEvent(QShowEvent* event) {
  if (!initialised_) InitDialog();
  QDialog::showEvent(event);
}

void CAnalDlg::InitDialog() {
  initialised_ = true;
  for (QComboBox* list : {first_, second_}) list->setEnabled(false);
  ShowSignificance(significance);
  FillChoices(criterionIndex);

  length_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
  LimitDropDown(length_, kDropDownHeight);
  const auto select = [](QComboBox* list, int index) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
  };
  select(first_, firstChoice);
  select(second_, secondChoice);
  select(length_, lengthIndex);
  threshold_->setText(QString::number(threshold, 'g', 15));
  slider_->setValue(significance);
  connect(slider_, &QSlider::valueChanged, this, &CAnalDlg::ShowSignificance);

  for (int c = 0; c < kCriterionCount; ++c)
    criteria_->addItem(QCoreApplication::translate("orbica::engine", CriterionName(c)));
  LimitDropDown(criteria_, kDropDownHeight);
  select(criteria_, criterionIndex);
  connect(criteria_, &QComboBox::currentIndexChanged, this, &CAnalDlg::FillChoices);
}

void CAnalDlg::ShowSignificance(int position) { sliderLabel_->setText(tr("%1 %").arg(position)); }

void CAnalDlg::FillChoices(int criterion) {
  const int keptFirst = first_->currentIndex();
  const int keptSecond = second_->currentIndex();
  first_->setEnabled(criterion > 1);
  second_->setEnabled(criterion > 2);
  const QSignalBlocker blockFirst(first_);
  const QSignalBlocker blockSecond(second_);
  first_->clear();
  second_->clear();
  if (criterion > 1) {
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
  criterionText = criteria_->currentText();
  const int criterion = criteria_->currentIndex();
  // "Run" pressed with Enter while a question line is chosen: the list has not lost
  // the focus, but an answer is needed all the same.
  ChooseFirstAnswer(first_);
  ChooseFirstAnswer(second_);
  const bool missing = ((criterion == 2 || ListsAnswers(criterion)) && first_->currentIndex() < 0) ||
                       (criterion == 3 && (first_->currentIndex() < 0 || second_->currentIndex() < 0));
  if (missing) {
    const BoxesOwnedBy owned(notifier_, this);
    notifier_.Show(PlainMessage(tr("Choose parameters for the analysis")), PlainMessage(tr("Analysis")));
    return;
  }
  bool number = false;
  const double value = threshold_->text().trimmed().toDouble(&number);
  if (!number || !std::isfinite(value)) {
    {
      const BoxesOwnedBy owned(notifier_, this);
      notifier_.Show(PlainMessage(tr("Enter a number.")), MessageId::ProgramCaption);
    }
    threshold_->setFocus();
    threshold_->selectAll();
    return;
  }
  firstChoice = first_->currentIndex();
  secondChoice = second_->currentIndex();
  criterionIndex = criterion;
  lengthIndex = length_->currentIndex();
  threshold = value;
  significance = slider_->value();
  QDialog::accept();
}

bool EditParameters(CAnalysis& analysis, const CQuestionList& questions, Notifier& notifier, QWidget* parent) {
  CAnalDlg dialog(questions, notifier, parent);
  dialog.firstChoice = analysis.firstChoice;
  dialog.secondChoice = analysis.secondChoice;
  dialog.criterionIndex = analysis.criterion;
  dialog.lengthIndex = analysis.maxLength - 1;
  dialog.threshold = analysis.threshold;
  dialog.significance = static_cast<int>(std::lround(analysis.weight * 100.0));
  if (dialog.exec() != QDialog::Accepted) return false;
  analysis.firstChoice = dialog.firstChoice;
  analysis.secondChoice = dialog.secondChoice;
  analysis.criterion = dialog.criterionIndex;
  analysis.maxLength = std::clamp(dialog.lengthIndex + 1, 1, 3);
  analysis.threshold = dialog.threshold;
  analysis.weight = dialog.significance / 100.0;
  analysis.MakeTitle();
  return true;
}

}  // namespace orbica
