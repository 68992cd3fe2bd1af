// The analysis search reading "zData.gcd" itself: a criterion runs over the
// input as the records file, on a small fixed model, on one thread. Each run
// completes, reports Done once and keeps its ranking within bounds; the widest
// kernels and the generic ones rank alike.
#include <cstdint>
#include <cstring>

#include "analysis/analysis.h"
#include "fuzz_support.h"
#include "model/observed_counts.h"

using namespace orbica;

namespace {

class CheckingObserver final : public AnalysisObserver {
 public:
  void Progress(std::int64_t position, std::int64_t range) override {
    FUZZ_CHECK(doneCalls == 0);
    FUZZ_CHECK(position >= 0 && range >= 0);
    FUZZ_CHECK(range == 0 || position <= range);
    ++progressCalls;
  }
  void Done(std::int64_t records) override {
    ++doneCalls;
    doneRecords = records;
  }
  int progressCalls = 0;
  int doneCalls = 0;
  std::int64_t doneRecords = -1;
};

struct Choices {
  int first, second;
};

Choices ChoicesOf(int criterion) {
  switch (criterion) {
    case 2: return {4, -1};
    case 3: return {1, 6};
    case 4: return {AnswerSlot(2, 1), AnswerSlot(9, 0)};
    case 5: return {AnswerSlot(0, 3), -1};
    default: return {-1, -1};
  }
}

std::vector<AnalysisHit> Run(CAnalysis& analysis, int criterion, KernelLevel level, std::size_t records) {
  const Choices choices = ChoicesOf(criterion);
  analysis.criterion = criterion;
  analysis.firstChoice = choices.first;
  analysis.secondChoice = choices.second;
  analysis.maxLength = 3;
  analysis.threshold = 0.0;
  analysis.weight = 0.5;
  analysis.threads = 1;
  analysis.kernelLevel = level;
  RecordingNotifier notifier;
  CheckingObserver observer;
  FUZZ_CHECK(analysis.BeginRun());
  FUZZ_CHECK(analysis.Search(observer, notifier) == 0);
  FUZZ_CHECK(observer.doneCalls == 1);
  FUZZ_CHECK(observer.doneRecords == static_cast<std::int64_t>(records));
  FUZZ_CHECK(analysis.SearchFinished());
  FUZZ_CHECK(analysis.Outcome() == SearchOutcome::Completed);
  FUZZ_CHECK(notifier.messages.empty());
  std::vector<AnalysisHit> ranked = analysis.Ranked();
  FUZZ_CHECK(ranked.size() <= static_cast<std::size_t>(kRankedCapacity));
  for (const AnalysisHit& hit : ranked)
    for (const std::int32_t s : {hit.s1, hit.s2, hit.s3}) FUZZ_CHECK(s >= 0 && s < kSlotCount);
  FUZZ_CHECK(analysis.FinishRun());
  FUZZ_CHECK(analysis.ResultCount() == static_cast<int>(ranked.size()));
  for (int i = 0; i < analysis.ResultCount(); ++i) FUZZ_CHECK(fuzz::Utf8(analysis.Result(i).Name()));
  return ranked;
}

bool Same(const std::vector<AnalysisHit>& a, const std::vector<AnalysisHit>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].s1 != b[i].s1 || a[i].s2 != b[i].s2 || a[i].s3 != b[i].s3) return false;
    if (std::memcmp(&a[i].score, &b[i].score, sizeof(double)) != 0) return false;
    if (std::memcmp(&a[i].value, &b[i].value, sizeof(double)) != 0) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const CModel& model = fuzz::SmallModel(3);
  const CQuestionList& questions = fuzz::SmallQuestionList();
  const std::string path = fuzz::WriteScratchFile("zData.gcd", data, size);
  RecordingNotifier notifier;
  CAnalysis analysis(model, questions, notifier, path);
  const std::size_t records = size / kCountRecordBytes;
  // The reader ignores a trailing partial record; its length picks the criterion.
  const int criterion = static_cast<int>(size % kCountRecordBytes % kCriterionCount);
  const std::vector<AnalysisHit> widest = Run(analysis, criterion, KernelLevel::Auto, records);
  FUZZ_CHECK(Same(widest, Run(analysis, criterion, KernelLevel::Generic, records)));
  FUZZ_CHECK(notifier.messages.empty());
  return 0;
}
