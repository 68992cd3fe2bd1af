#include "analysis/analysis.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "analysis/criteria.h"
#include "survey/subpopulation_code.h"

namespace orbica {

namespace {

constexpr const char* kCriterionNames[kCriterionCount] = {
    "Absolute subpopulation size error",         "Relative subpopulation size error", "Conditional question entropy",
    "Information measure between two questions", "Relative answer frequency",         "Absolute answer frequency"};

std::string Format(const char* format, auto... values) {
  char text[512];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

}  // namespace

const char* CriterionName(int criterion) {
  return KnownCriterion(criterion) ? kCriterionNames[criterion] : "";
}

CAnalysis::CAnalysis(const CModel& model, const CQuestionList& questions, Notifier& notifier, std::string recordsPath)
    : model_(model), questions_(questions), notifier_(notifier), recordsPath_(std::move(recordsPath)) {}

CAnalysis::~CAnalysis() = default;

void CAnalysis::PrepareIndexTables() { PrepareIndexTables(notifier_); }

void CAnalysis::PrepareIndexTables(Notifier& notifier) {
  if (!slotQuestion_.empty()) return;
  // The tables cover every slot of the questionnaire even if the question list
  // holds fewer, so that no slot of a record can fall outside them.
  const int slots = std::max(questions_.SlotCount(), kSlotCount);
  const auto answers = [&](int q) { return model_.Loaded() ? model_.AnswerCount(q) : AnswerCount(q); };
  slotQuestion_.assign(static_cast<std::size_t>(slots) + 1, -1);
  codeQuestion_.assign(static_cast<std::size_t>(slots) + 1, -1);
  for (int q = 0, start = 0, code = 0; q < kQuestionCount; ++q) {
    for (int s = start; s <= start + answers(q) && s <= slots; ++s) slotQuestion_[static_cast<std::size_t>(s)] = q;
    for (int a = 0; a < answers(q) && code <= slots; ++a) codeQuestion_[static_cast<std::size_t>(code++)] = q;
    start += answers(q) + 1;
  }
  firstAnswerSlot_.resize(kQuestionCount);
  for (int q = 0; q < kQuestionCount; ++q)
    firstAnswerSlot_[static_cast<std::size_t>(q)] =
        q < questions_.QuestionCount() ? questions_.FirstAnswerSlot(q) : AnswerSlot(q, 0);
  for (int q = 0; q < questions_.QuestionCount() && q < kQuestionCount; ++q) {
    const int first = firstAnswerSlot_[static_cast<std::size_t>(q)];
    const int last = first + AnswersOf(q) - 1;
    const auto question = [&](int s) { return s >= 0 && s <= slots ? slotQuestion_[static_cast<std::size_t>(s)] : -1; };
    if (question(first) != q || question(last) != q)
      notifier.Show({MessageId::IndexTableFault,
                     {std::to_string(q), std::to_string(first), std::to_string(question(first)), std::to_string(last),
                      std::to_string(question(last))}},
                    MessageId::ErrorCaption);
  }
}

double CAnalysis::Evaluate(const AnalysisCondition& k, int criterionId) {
  PrepareIndexTables();
  if (!KnownCriterion(criterionId)) return kUnknownCriterion;
  // Slots outside the row cannot be evaluated.
  const auto slotOk = [](int s) { return s >= 0 && s < kSlotCount; };
  if (!slotOk(k.s1) || !slotOk(k.s2) || !slotOk(k.s3)) return kNotApplicable;
  const int components = model_.Components();
  const std::vector<double>& w = model_.Weights();
  // Condition factor q_c; the product of an empty position (1) is left out.
  const auto factor = [&](const double* row) {
    double q = row[k.s1];
    if (k.s2 != 0) q = q * row[k.s2];
    if (k.s3 != 0) q = q * row[k.s3];
    return q;
  };
  const auto touches = [&](int question) {
    return question == SlotQuestion(k.s1) || (k.s2 != 0 && question == SlotQuestion(k.s2)) ||
           (k.s3 != 0 && question == SlotQuestion(k.s3));
  };

  const Criterion criterion = static_cast<Criterion>(criterionId);
  switch (criterion) {
    case Criterion::kAbsoluteSizeError:
    case Criterion::kRelativeSizeError: {
      double p = 0.0;
      for (int c = 0; c < components; ++c) p += w[static_cast<std::size_t>(c)] * factor(model_.Row(c));
      return criterion == Criterion::kAbsoluteSizeError ? criteria::AbsoluteSizeError(p, k.count, model_.Respondents())
                              : criteria::RelativeSizeError(p, k.count, model_.Respondents());
    }
    case Criterion::kConditionalEntropy: {
      const int x = firstChoice;
      if (x < 0 || x >= kQuestionCount || touches(x)) return kNotApplicable;
      const int first = FirstAnswerSlot(x), answers = model_.AnswerCount(x);
      double j[kMaxAnswers] = {};
      for (int c = 0; c < components; ++c) {
        const double* row = model_.Row(c);
        const double wq = w[static_cast<std::size_t>(c)] * factor(row);
        for (int a = 0; a < answers; ++a) j[a] += wq * row[first + a];
      }
      return criteria::Entropy(j, answers);
    }
    case Criterion::kInformation: {
      const int x = firstChoice, y = secondChoice;
      if (x < 0 || x >= kQuestionCount || y < 0 || y >= kQuestionCount) return kNotApplicable;
      if (touches(x) || touches(y)) return kNotApplicable;
      if (x == y) return 1.0;
      const int firstX = FirstAnswerSlot(x), ax = model_.AnswerCount(x);
      const int firstY = FirstAnswerSlot(y), ay = model_.AnswerCount(y);
      double pxy[kMaxAnswers * kMaxAnswers] = {}, px[kMaxAnswers] = {}, py[kMaxAnswers] = {};
      for (int c = 0; c < components; ++c) {
        const double* row = model_.Row(c);
        const double wq = w[static_cast<std::size_t>(c)] * factor(row);
        for (int a = 0; a < ax; ++a) {
          const double wqx = wq * row[firstX + a];
          px[a] += wqx;
          for (int b = 0; b < ay; ++b) pxy[a * ay + b] += wqx * row[firstY + b];
        }
        for (int b = 0; b < ay; ++b) py[b] += wq * row[firstY + b];
      }
      return criteria::Information(pxy, px, py, ax, ay);
    }
    case Criterion::kRelativeFrequency:
    case Criterion::kAbsoluteFrequency: {
      const int x = firstChoice;
      if (!slotOk(x) || secondChoice < -1 || secondChoice >= kSlotCount) return kNotApplicable;
      const int qx = SlotQuestion(x);
      const int qy = secondChoice != -1 ? SlotQuestion(secondChoice) : -1;
      if (touches(qx) || touches(qy)) return kNotApplicable;
      if (x == secondChoice) secondChoice = -1;
      const int y = secondChoice;
      double t = 0.0, p = 0.0;
      for (int c = 0; c < components; ++c) {
        const double* row = model_.Row(c);
        double e = row[x];
        if (y > 0) e = qx == qy ? row[x] + row[y] : row[x] * row[y];
        const double q = factor(row);
        t += (w[static_cast<std::size_t>(c)] * e) * q;
        p += w[static_cast<std::size_t>(c)] * q;
      }
      return criterion == Criterion::kRelativeFrequency ? t / p : t;
    }
  }
  return kUnknownCriterion;
}

std::string AnalysisTitle(int criterion, int firstChoice, int secondChoice, const CQuestionList& questions) {
  std::string title = CriterionName(criterion);
  // An answer slot as question number and letter.
  const auto answer = [&](int slot, int& number, char& letter) {
    const int q = questions.QuestionOfSlot(slot);
    number = q + 1;
    letter = static_cast<char>('a' + (slot - questions.FirstAnswerSlot(q)));
  };
  switch (static_cast<Criterion>(criterion)) {
    case Criterion::kConditionalEntropy:
      if (firstChoice >= 0 && firstChoice < questions.QuestionCount())
        title = Format("%s - %s", title.c_str(), questions.QuestionText(firstChoice).c_str());
      break;
    case Criterion::kInformation:
      title = Format("%s - Questions %d and %d", title.c_str(), firstChoice + 1, secondChoice + 1);
      break;
    case Criterion::kRelativeFrequency:
    case Criterion::kAbsoluteFrequency: {
      if (questions.QuestionOfSlot(firstChoice) < 0) break;
      int number = 0;
      char letter = 'a';
      answer(firstChoice, number, letter);
      if (secondChoice < 0 || questions.QuestionOfSlot(secondChoice) < 0) {
        title = Format("%s - Answer %d", title.c_str(), number) + letter;
      } else {
        title += Format(" - Answers %d", number) + letter;
        answer(secondChoice, number, letter);
        title += Format(" and %d", number) + letter;
      }
      break;
    }
    default:
      break;
  }
  return title;
}

const std::string& CAnalysis::MakeTitle() {
  title = AnalysisTitle(criterion, firstChoice, secondChoice, questions_);
  return title;
}

int CAnalysis::AnswersOf(int q) const {
  if (q < questions_.QuestionCount()) return questions_.AnswerCount(q);
  return model_.Loaded() ? model_.AnswerCount(q) : AnswerCount(q);
}

bool CAnalysis::BeginRun() {
  try {
    ranked_.clear();
    ranked_.reserve(kRankedCapacity);
    lock_ = std::make_unique<std::mutex>();
  } catch (const std::bad_alloc&) {
    notifier_.Show(MessageId::NoMemory, {});
    return false;
  }
  stop_ = false;
  stopSeen_.store(false, std::memory_order_relaxed);
  finished_.store(false, std::memory_order_release);
  outcome_ = SearchOutcome::NotRun;
  return true;
}

void CAnalysis::RequestStop() {
  if (!lock_) return;
  const std::lock_guard<std::mutex> guard(*lock_);
  stop_ = true;
  stopSeen_.store(true, std::memory_order_relaxed);
}

bool CAnalysis::StopRequested() const {
  if (!lock_) return false;
  const std::lock_guard<std::mutex> guard(*lock_);
  return stop_;
}

bool CAnalysis::FinishRun() {
  const bool stopped = StopRequested();
  lock_.reset();
  // A search that never ran, or ran out of memory, leaves the previous results too.
  const bool completed =
      !stopped && outcome_ != SearchOutcome::NotRun && outcome_ != SearchOutcome::OutOfMemory && ConvertResults();
  ranked_.clear();
  ranked_.shrink_to_fit();
  return completed;
}

double CAnalysis::TrueSize(const AnalysisHit& hit) const {
  return hit.count / static_cast<double>(model_.Respondents());
}

bool CAnalysis::ConvertResults() {
  try {
    if (!resultsExist_) {
      results_.resize(kRankedCapacity);
      resultsExist_ = true;
    }
    for (auto& result : results_) result.reset();
    resultCount_ = 0;
    for (std::size_t i = 0; i < ranked_.size(); ++i) {
      const AnalysisHit& hit = ranked_[i];
      BuildConditionSet(hit.s1, hit.s2, hit.s3);
      auto result = std::make_unique<CInfPopulace>(-static_cast<int>(i + 1));
      result->Masks() = conditionSet_;
      const std::string description =
          conditionSet_ == ConditionSet{} ? std::string("All") : result->AnswerDescription(questions_);
      result->SetName(result->Code() + " - " + description + "     " + Format("(%f)", hit.score));
      result->criterionValue = hit.value;
      result->difference = hit.difference;
      result->trueSize = TrueSize(hit);
      results_[i] = std::move(result);
    }
  } catch (const std::bad_alloc&) {
    for (auto& result : results_) result.reset();
    resultCount_ = 0;
    notifier_.Show(MessageId::NoMemoryForResults, {});
    return false;
  }
  resultCount_ = static_cast<int>(ranked_.size());
  return true;
}

const ConditionSet& CAnalysis::BuildConditionSet(int s1, int s2, int s3) {
  PrepareIndexTables();
  conditionSet_.fill(0);
  for (const int s : {s1, s2, s3}) {
    if (s == 0 || s == -1) continue;
    const int q = s > 0 && s < kSlotCount ? SlotQuestion(s) : -1;
    if (q < 0) {
      notifier_.Show(MessageId::IndexTooLarge, {});
      continue;
    }
    const int a = s - FirstAnswerSlot(q);
    if (a < 0)
      notifier_.Show(MessageId::IndexNegative, {});
    else if (a >= AnswersOf(q) || a >= 32)
      notifier_.Show(MessageId::IndexTooLarge, {});
    else
      conditionSet_[static_cast<std::size_t>(q)] |= std::uint32_t{1} << a;
  }
  return conditionSet_;
}

}  // namespace orbica
