#include "histogram/histogram_data.h"

#include "survey/subpopulation_store.h"

namespace orbica {

void RecomputeHistogram(HistogramData& data, int q, const CModel& model, const CDisplayedSubpopulations& slots) {
  data.shownCount = 0;
  data.answerCount = q >= 0 && q < kQuestionCount ? model.AnswerCount(q) : 0;
  if (data.answerCount <= 0 || data.answerCount > kHistogramAnswers) {
    data.answerCount = 0;
    return;
  }
  const std::size_t answers = static_cast<std::size_t>(data.answerCount);
  int row = 0;
  for (int i = 0; i < kDisplaySlots; ++i) {
    const CPopulace* population = slots.Subpopulation(i);
    if (!slots.Shown(i) || !population) continue;
    const std::size_t offset = static_cast<std::size_t>(row) * answers;
    model.AnswerDistribution(q, population->Masks(), data.shares.data() + offset, data.errors.data() + offset);
    data.slot[static_cast<std::size_t>(row)] = i;
    data.size[static_cast<std::size_t>(row)] = model.Probability(population->Masks());
    ++row;
  }
  data.shownCount = row;
}

}  // namespace orbica
