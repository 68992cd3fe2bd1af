// The analysis: six criteria scored on the observed answer combinations of
// "zData.gcd", the ranked search over them and its result subpopulations.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "analysis/pair_value_table.h"
#include "model/model.h"
#include "model/notifier.h"
#include "model/questionnaire.h"
#include "survey/populace.h"
#include "survey/question_list.h"

namespace orbica {

// The criteria, numbered as the parameters, the settings and orbica-cli give them.
enum class Criterion {
  kAbsoluteSizeError = 0,
  kRelativeSizeError = 1,
  kConditionalEntropy = 2,  // of one question
  kInformation = 3,         // between two questions
  kRelativeFrequency = 4,   // of one or two answers
  kAbsoluteFrequency = 5,
};
inline constexpr int kCriterionCount = 6;
// Whether criterion number `id` is one of the six.
constexpr bool KnownCriterion(int id) { return id >= 0 && id < kCriterionCount; }
// The criteria whose choices are questions, and those whose choices are answers.
constexpr bool ChoosesQuestions(Criterion c) {
  return c == Criterion::kConditionalEntropy || c == Criterion::kInformation;
}
constexpr bool ChoosesAnswers(Criterion c) {
  return c == Criterion::kRelativeFrequency || c == Criterion::kAbsoluteFrequency;
}
inline constexpr int kRankedCapacity = 150;
// Results of a criterion that are not measures.
inline constexpr double kNotApplicable = -10000.0;
inline constexpr double kUnknownCriterion = -10001.0;

inline constexpr MessageId kUnknownCriterionText = MessageId::UnknownCriterion;
inline constexpr MessageId kNoRecordsText = MessageId::CountsNotOpened;
inline constexpr MessageId kNoRecordsCaption = MessageId::FileNotFoundCaption;

// Name of criterion 0..5 as the criterion list shows it; "" for any other id.
const char* CriterionName(int criterion);

// One condition: a record of the counts file with its codes turned into slots.
struct AnalysisCondition {
  std::uint32_t count = 0;  // observed respondents
  std::int32_t s1 = 0;      // slot of the first answer
  std::int32_t s2 = 0;      // slot of the second answer, 0 = none
  std::int32_t s3 = 0;      // slot of the third answer, 0 = none
};

// One ranked condition.
struct AnalysisHit {
  std::int32_t s1 = 0, s2 = 0, s3 = 0;  // 0 = empty position
  double score = 0.0;                   // ranking value, largest first
  double value = 0.0;                   // the criterion value as computed
  double difference = 0.0;              // improvement over the best shorter part (0 for one answer)
  double count = 0.0;                   // observed count
};

// What a running search reports. Both calls come from the thread that runs
// CAnalysis::Search and must not block for long: an application forwards them as
// queued messages to its progress window. Done is always the last call of a
// search and is made exactly once, whatever happens (completion, Stop, missing
// file, unknown criterion), so a window that waits for it never waits forever.
class AnalysisObserver {
 public:
  virtual ~AnalysisObserver() = default;
  // Progress = position x 100 / range per cent. The first call has position 0 and
  // the record count as range (which is 0 for an empty file); later ones range 100.
  virtual void Progress(std::int64_t position, std::int64_t range) = 0;
  // The search has ended; `records` is the record count of the file (0 when missing).
  virtual void Done(std::int64_t records) = 0;
};

// How the last search ended.
enum class SearchOutcome { NotRun, Completed, Stopped, NoRecordsFile, UnknownCriterion, OutOfMemory };

// Instruction sets of the evaluation kernels (Auto picks the widest the CPU has).
enum class KernelLevel { Auto, Generic, Avx2, Avx512 };

class CAnalysis {
 public:
  // `recordsPath` is the counts file read by every search. Messages of the
  // user-interface side (conversion of the results) go to `notifier`.
  CAnalysis(const CModel& model, const CQuestionList& questions, Notifier& notifier, std::string recordsPath);
  ~CAnalysis();
  CAnalysis(const CAnalysis&) = delete;
  CAnalysis& operator=(const CAnalysis&) = delete;

  // Parameters of a run, kept between runs.
  int firstChoice = -1;   // criteria 2, 3: a question index; 4, 5: an answer slot; -1 = none
  int secondChoice = -1;  // criterion 3: a question index; 4, 5: an answer slot; -1 = none
  int criterion = 0;      // 0..5, a Criterion
  int maxLength = 2;      // longest condition considered, 1..3 answers
  double threshold = 0.0;
  double weight = 0.0;  // significance of the difference, 0..1
  std::string title;    // criterion and analysed questions or answers of the last accepted parameters

  // Evaluation settings of the search: threads (0 = one per core) and the
  // instruction set of the kernels. They never change the results.
  int threads = 0;
  KernelLevel kernelLevel = KernelLevel::Auto;

  Criterion Kind() const { return static_cast<Criterion>(criterion); }

  // Builds slotQuestion, codeQuestion and firstAnswerSlot unless they exist.
  void PrepareIndexTables();
  // The criterion value of one condition, kNotApplicable, or kUnknownCriterion.
  // Criteria 4 and 5 clear the second choice when it equals the first.
  double Evaluate(const AnalysisCondition& condition, int criterionId);
  // The run title of the current parameters (sets and returns `title`).
  const std::string& MakeTitle();

  // A run, in order: BeginRun on the user-interface thread; Search on a worker
  // thread while the user-interface thread shows progress and may call
  // RequestStop; after Done, FinishRun on the user-interface thread.
  //
  // Allocates the ranked buffer and the run's lock and clears the stop flag.
  // False (after "Not enough memory") when the buffer cannot be had.
  bool BeginRun();
  // Sets the stop flag under the run's lock; the search sees it at its next checkpoint.
  void RequestStop();
  bool StopRequested() const;
  // The worker's body: reads the records file, ranks the conditions and reports to
  // `observer`. `workerNotifier` receives the search's messages on this thread.
  // Returns 0.
  int Search(AnalysisObserver& observer, Notifier& workerNotifier);
  // True once the search has called Done (a progress window that appears late
  // can check it).
  bool SearchFinished() const { return finished_.load(std::memory_order_acquire); }
  SearchOutcome Outcome() const { return outcome_; }
  // The ranked conditions of the current run, best first (valid until FinishRun).
  const std::vector<AnalysisHit>& Ranked() const { return ranked_; }
  // Ends the run: drops the lock; after Stop (or a search that never ran or ran
  // out of memory) returns false and keeps the previous results, otherwise turns
  // the ranked conditions into results and returns true (false when the results
  // cannot be stored). Releases the ranked buffer.
  bool FinishRun();

  // Results of the last completed run.
  bool HasResults() const { return resultsExist_; }
  int ResultCount() const { return resultCount_; }
  const CInfPopulace& Result(int i) const { return *results_[static_cast<std::size_t>(i)]; }
  // The result table: ResultCount() results, then empty entries.
  const std::vector<std::unique_ptr<CInfPopulace>>& Results() const { return results_; }

  // The condition set of a ranked condition (slots 0 and -1 are empty positions).
  const ConditionSet& BuildConditionSet(int s1, int s2, int s3);

  // The lookup tables (built by PrepareIndexTables).
  int SlotQuestion(int slot) const { return slotQuestion_[static_cast<std::size_t>(slot)]; }
  int CodeQuestion(int code) const { return codeQuestion_[static_cast<std::size_t>(code)]; }
  int FirstAnswerSlot(int q) const { return firstAnswerSlot_[static_cast<std::size_t>(q)]; }

  // Observed share of the whole population of a ranked condition.
  double TrueSize(const AnalysisHit& hit) const;

 private:
  friend class SearchRun;  // the ranked search of one run (search.cpp)

  void PrepareIndexTables(Notifier& notifier);
  // Answers of question q as the question list has them.
  int AnswersOf(int q) const;
  bool ConvertResults();

  const CModel& model_;
  const CQuestionList& questions_;
  Notifier& notifier_;
  const std::string recordsPath_;

  std::vector<std::unique_ptr<CInfPopulace>> results_;
  bool resultsExist_ = false;
  int resultCount_ = 0;
  ConditionSet conditionSet_{};

  std::vector<int> slotQuestion_;
  std::vector<int> codeQuestion_;
  std::vector<int> firstAnswerSlot_;

  mutable std::unique_ptr<std::mutex> lock_;  // exists only while a run is in progress
  bool stop_ = false;                         // guarded by *lock_
  std::atomic<bool> stopSeen_{false};         // set with stop_: lets the search look between checkpoints
  std::vector<AnalysisHit> ranked_;
  std::atomic<bool> finished_{false};
  SearchOutcome outcome_ = SearchOutcome::NotRun;
};

// The run title: the criterion name, then by criterion the analysed question
// (2), "Questions %d and %d" (3) or the analysed answer(s) (4, 5).
std::string AnalysisTitle(int criterion, int firstChoice, int secondChoice, const CQuestionList& questions);

}  // namespace orbica
