#include "app/pop_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>

#include "app/app.h"
#include "app/dialog_template.h"
#include "app/info_dialog.h"
#include "app/placement.h"
#include "app/qt_notifier.h"
#include "survey/question_list.h"
#include "survey/text_encoding.h"

// The templates of these windows are a resource file of their own: referring to
// it links it into every program that uses them, registered before main() runs.
static int RegisterPanelResources() {
  Q_INIT_RESOURCE(panel);
  return 0;
}
[[maybe_unused]] static const int kPanelResources = RegisterPanelResources();

namespace orbica {

namespace {

// Base units of the font the layout figures below were made for.
constexpr int kOriginalBaseX = 6;
constexpr int kOriginalBaseY = 13;

const QString kNoteCaption = QStringLiteral("Subpopulation description: ");

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

// Message boxes of the editing rules appear over the editor.
class BoxesOver {
 public:
  BoxesOver(Notifier& notifier, QWidget* owner) : boxes_(dynamic_cast<QtNotifier*>(&notifier)) {
    if (boxes_) boxes_->SetOwner(owner);
  }
  ~BoxesOver() {
    if (boxes_) boxes_->SetOwner(nullptr);
  }
  BoxesOver(const BoxesOver&) = delete;
  BoxesOver& operator=(const BoxesOver&) = delete;

 private:
  QtNotifier* boxes_;
};

}  // namespace

PopDialog::PopDialog(CApp& app, CPopulace& subpopulation, QWidget* parent)
    : QDialog(parent), app_(app), subpopulation_(subpopulation), working_(subpopulation, false) {
  setObjectName(QStringLiteral("popDialog"));
  const DialogBuilder builder(2002, this);
  baseX_ = builder.Units().baseX;
  baseY_ = builder.Units().baseY;
  name_ = builder.Get<QLineEdit>(1000);
  name_->setValidator(new NameValidator(name_));
  questions_ = builder.Get<QListWidget>(3000);
  answers_ = builder.Get<QListWidget>(3002);
  answersLabel_ = builder.Get<QLabel>(3003);
  sizeLabel_ = builder.Get<QLabel>(1033);
  size_ = builder.Get<QLabel>(1032);
  for (const int id : {1, 2, 3012, 3010, 3020, 1045}) buttons_ << builder.Get<QPushButton>(id);
  disconnect(Button(1), nullptr, this, nullptr);
  connect(Button(1), &QPushButton::clicked, this, &PopDialog::Ok);
  connect(Button(3012), &QPushButton::clicked, this, &PopDialog::Save);
  connect(Button(3010), &QPushButton::clicked, this, &PopDialog::Add);
  connect(Button(3020), &QPushButton::clicked, this, &PopDialog::Clear);
  connect(Button(1045), &QPushButton::clicked, this, &PopDialog::Notes);
  setMinimumSize(Px(260), Py(141 + 2 * 40));
  if (!RestorePlacement(app_.Context().settings, kPlacementEditor, this)) resize(Px(450), Py(400));

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

QPushButton* PopDialog::Button(int id) const {
  for (QPushButton* button : buttons_)
    if (button && button->objectName() == QStringLiteral("control%1").arg(id)) return button;
  return nullptr;
}

int PopDialog::Px(int pixels) const { return pixels * baseX_ / kOriginalBaseX; }
int PopDialog::Py(int pixels) const { return pixels * baseY_ / kOriginalBaseY; }

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
    const BoxesOver over(app_.Notifier(), this);
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
  const BoxesOver over(app_.Notifier(), this);
  // Nothing stored (the user kept another saved subpopulation): the editor stays open.
  const CPopulace* stored = app_.Context().subpopulations.Store(subpopulation_, subpopulation_.Identity(), app_.Notifier());
  if (!stored) return;
  storedIdentity_ = stored->Identity();
  accept();
}

void PopDialog::Add() {
  Apply();
  const BoxesOver over(app_.Notifier(), this);
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
  info.SetCaption(kNoteCaption + name_->text());
  info.SetNote(note_);
  if (info.exec() == QDialog::Accepted) note_ = info.Note();
}

void PopDialog::done(int result) {
  RecordPlacement(app_.Context().settings, kPlacementEditor, this);
  QDialog::done(result);
}

void PopDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int w = width(), h = height();
  const int c = (h - Py(141)) / 2;
  name_->setGeometry(Px(10), Py(27), w - Px(110), Py(20));
  questions_->setGeometry(Px(10), Py(81), w - Px(110), c);
  answersLabel_->move(Px(10), c + Py(91));
  answers_->setGeometry(Px(10), c + Py(111), w - Px(110), h - c - Py(141));
  sizeLabel_->move(Px(10), h - Py(20));
  size_->move(Px(130), h - Py(20));
  for (int i = 0; i < buttons_.size(); ++i) buttons_[i]->move(w - Px(90), Py(27 + 30 * i));
}

}  // namespace orbica
