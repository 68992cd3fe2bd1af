#include "app/pop_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>

#include "app/app.h"
#include "app/info_dialog.h"
#include "app/placement.h"
#include "app/qt_notifier.h"
#include "app/widget_support.h"
#include "survey/question_list.h"
#include "ui_pop_dialog.h"
#include "survey/text_encoding.h"

namespace orbica {

namespace {

// Accepts names of at most 255 characters.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return static_cast<std::size_t>(input.toUcs4().size()) <= kMaxNameCharacters ? Acceptable : Invalid;
  }
};

// The first 255 characters of `text`.
QString FitName(const std::string& text) {
  return QString::fromStdString(std::string(Utf8PrefixCharacters(text, kMaxNameCharacters)));
}

QString WithoutCarriageReturns(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

PopDialog::PopDialog(CApp& app, CPopulace& subpopulation, QWidget* parent)
    : QDialog(parent), app_(app), subpopulation_(subpopulation), working_(subpopulation, false) {
  Ui::SubpopulationEditor ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("popDialog"));
  const QSize initialSize = size();
  name_ = ui.nameEdit;
  name_->setValidator(new NameValidator(name_));
  questions_ = ui.questionList;
  answers_ = ui.answerList;
  answersLabel_ = ui.answersLabel;
  sizeLabel_ = ui.sizeLabel;
  size_ = ui.sizeValue;
  NameBuddies(this);
  buttons_ = {{1, ui.okButton},      {2, ui.cancelButton}, {3012, ui.saveButton},
              {3010, ui.addButton}, {3020, ui.clearButton}, {1045, ui.notesButton}};
  connect(Button(1), &QPushButton::clicked, this, &PopDialog::Ok);
  connect(Button(3012), &QPushButton::clicked, this, &PopDialog::Save);
  connect(Button(3010), &QPushButton::clicked, this, &PopDialog::Add);
  connect(Button(3020), &QPushButton::clicked, this, &PopDialog::Clear);
  connect(Button(1045), &QPushButton::clicked, this, &PopDialog::Notes);
  // The size keeps room for the largest population, so that it is never cut.
  size_->setMinimumWidth(size_->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")));
  if (!RestorePlacement(app_.Context().settings, kPlacementEditor, this)) resize(initialSize);

  // The question texts in number order, ticked where a condition is set.
  const CQuestionList& texts = app_.Context().questions;
  filling_ = true;
  int first = -1;
  for (int q = 0; q < kQuestionCount; ++q) {
    auto* item = new QListWidgetItem(q < texts.QuestionCount() ? QString::fromStdString(texts.QuestionText(q))
                                                               : QString(),
                                     questions_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    const bool constrained = working_.Masks()[static_cast<std::size_t>(q)] != 0;
    item->setCheckState(constrained ? Qt::Checked : Qt::Unchecked);
    if (constrained && first < 0) first = q;
  }
  questions_->setCurrentRow(first < 0 ? 0 : first);
  filling_ = false;
  connect(questions_, &QListWidget::currentRowChanged, this, [this] {
    if (!filling_) ShowAnswers();
  });
  connect(questions_, &QListWidget::itemChanged, this, &PopDialog::QuestionTicked);
  connect(answers_, &QListWidget::itemChanged, this, &PopDialog::AnswerTicked);

  ShowAnswers();
  // The subpopulation's own name and note, not the proposed ones.
  name_->setText(FitName(subpopulation_.Name()));
  note_ = originalNote_ = WithoutCarriageReturns(QString::fromStdString(subpopulation_.Note()));
}

QPushButton* PopDialog::Button(int id) const { return buttons_.value(id); }

int PopDialog::SelectedQuestion() const {
  const int q = questions_->currentRow();
  return q >= 0 && q < kQuestionCount ? q : 0;
}

void PopDialog::TickQuestions() {
  filling_ = true;
  for (int q = 0; q < questions_->count(); ++q)
    questions_->item(q)->setCheckState(working_.Masks()[static_cast<std::size_t>(q)] != 0 ? Qt::Checked
                                                                                           : Qt::Unchecked);
  filling_ = false;
}

void PopDialog::ShowAnswers() {
  const int q = SelectedQuestion();
  std::uint32_t& mask = working_.Masks()[static_cast<std::size_t>(q)];
  if (questions_->item(q)->checkState() != Qt::Checked) mask = 0;  // dropping conditions never shrinks it
  TickQuestions();
  filling_ = true;
  answers_->clear();
  const int answers = std::min(app_.Context().model.AnswerCount(q), 32);
  for (int a = 0; a < answers; ++a) {
    auto* item = new QListWidgetItem(QString::fromStdString(app_.Context().questions.AnswerLongText(q, a)), answers_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(mask & (std::uint32_t{1} << a) ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
  RefreshSizeAndName();
}

void PopDialog::RefreshSizeAndName() {
  const AppContext& context = app_.Context();
  size_->setText(QString::number(working_.Size(context.model)));
  name_->setText(FitName(working_.AnswerDescription(context.questions)));
}

void PopDialog::QuestionTicked(QListWidgetItem* item) {
  if (filling_) return;
  const int q = questions_->row(item);
  if (q != questions_->currentRow())
    questions_->setCurrentRow(q);  // shows its answers
  else
    ShowAnswers();
}

void PopDialog::AnswerTicked(QListWidgetItem* item) {
  if (filling_) return;
  const int q = SelectedQuestion();
  const int a = answers_->row(item);
  const bool allow = item->checkState() == Qt::Checked;
  EditResult result;
  {
    const ScopedBoxOwner over(app_.Notifier(), this);
    result = EditAnswer(working_, q, a, allow, app_.Context().model, app_.Notifier());
  }
  if (result != EditResult::Accepted) {
    filling_ = true;
    item->setCheckState(allow ? Qt::Unchecked : Qt::Checked);
    filling_ = false;
  }
  TickQuestions();
  RefreshSizeAndName();
}

void PopDialog::Apply() {
  const std::string name = name_->text().toStdString();
  const bool noteChanged = note_ != originalNote_;
  changed_ = subpopulation_.Masks() != working_.Masks() || subpopulation_.Name() != name || noteChanged;
  subpopulation_.Masks() = working_.Masks();
  subpopulation_.SetName(name);
  if (noteChanged) subpopulation_.SetNote(note_.toStdString());
}

void PopDialog::Ok() {
  Apply();
  accept();
}

void PopDialog::Save() {
  Apply();
  const ScopedBoxOwner over(app_.Notifier(), this);
  // Nothing stored (the user kept another saved subpopulation): the editor stays open.
  const CPopulace* stored = app_.Context().subpopulations.Store(subpopulation_, subpopulation_.Identity(), app_.Notifier());
  if (!stored) return;
  storedIdentity_ = stored->Identity();
  accept();
}

void PopDialog::Add() {
  Apply();
  const ScopedBoxOwner over(app_.Notifier(), this);
  const CPopulace* stored = app_.Context().subpopulations.Store(subpopulation_, 0, app_.Notifier());
  if (!stored) return;
  storedIdentity_ = stored->Identity();
  accept();
}

void PopDialog::Clear() {
  filling_ = true;
  for (int q = 0; q < questions_->count(); ++q) questions_->item(q)->setCheckState(Qt::Unchecked);
  filling_ = false;
  working_.Masks() = ConditionSet{};
  note_.clear();
  ShowAnswers();
}

void PopDialog::Notes() {
  InfoDlg info(this);
  info.SetCaption(tr("Subpopulation description: ") + name_->text());
  info.SetNote(note_);
  if (info.exec() == QDialog::Accepted) note_ = info.Note();
}

void PopDialog::done(int result) {
  RecordPlacement(app_.Context().settings, kPlacementEditor, this);
  QDialog::done(result);
}

}  // namespace orbica
