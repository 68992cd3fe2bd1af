#include "app/dokument.h"

#include "app/answer_list.h"
#include "app/app.h"

namespace orbica {

CDokument::CDokument(CApp& app, QObject* parent) : QObject(parent), app_(app) {}

void CDokument::Recompute() {
  AppContext& context = app_.Context();
  RecomputeHistogram(data_, question_, context.model, context.displayed);
  title_ = tr("Frequencies for question %1").arg(question_ + 1);
  Q_EMIT TitleChanged(title_);
  if (COdpovedi* list = app_.AnswerList()) list->Refill(question_, data_);
  Q_EMIT Updated();
}

void CDokument::StepQuestion(int step) {
  question_ = app_.Context().questions.Step(question_, step);
  Recompute();
}

void CDokument::ChooseQuestion() {
  if (app_.chooseQuestion) {
    if (const std::optional<int> chosen = app_.chooseQuestion(app_, question_)) question_ = *chosen;
  }
  Recompute();
}

void CDokument::SetQuestion(int q) {
  question_ = q;
  Recompute();
}

}  // namespace orbica
