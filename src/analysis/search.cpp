// The ranked search. Every pass streams the records file in windows of a few
// mebibytes, decoded by several threads, and evaluates the records of its length
// in blocks on several threads with the vector kernels, while the calling thread
// walks the records in file order: checkpoints, the pair table and the ranked
// buffer see the records exactly as a single reader of the file would.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <new>
#include <optional>
#include <thread>

#include "analysis/analysis.h"
#include "analysis/block_queue.h"
#include "analysis/criteria.h"
#include "analysis/kernels.h"
#include "analysis/records_file.h"
#include "analysis/worker_pool.h"

namespace orbica {

namespace {

using kernels::KernelCondition;
using kernels::KernelModel;
using kernels::kMaxLanes;
using kernels::kOnesRow;

// Evaluation of one record of a pass.
struct Evaluation {
  double value = 0.0;
  double score = 0.0;
  double difference = 0.0;
  bool applicable = false;  // the criterion applies to the record
  bool ranked = false;      // it improves enough on its shorter parts to enter the ranking
};

// What the evaluation needs, fixed for the whole run.
struct RunContext {
  Criterion criterion = Criterion::kAbsoluteSizeError;
  bool criterionValid = false;
  bool choicesValid = false;  // the choices name questions or answers of the questionnaire
  int firstChoice = -1;
  int secondChoice = -1;  // as given (the applicability test of criteria 4, 5 uses it)
  int questionX = -1;     // criteria 2, 3: X; 4, 5: question of X
  int questionY = -1;     // criterion 3: Y; 4, 5: question of Y or -1
  int sign = 1;
  double threshold = 0.0;
  double weight = 0.0;
  std::int32_t respondents = 0;
  const std::vector<int>* slotQuestion = nullptr;
  const kernels::KernelSet* kernels = nullptr;
  KernelModel model;
  // Values of the one- and two-answer conditions stored by earlier passes, by
  // (lower, higher) slot: what the pair table finds for them.
  std::vector<double> parts;
};

double Part(const RunContext& run, int a, int b) {
  const int lo = std::min(a, b), hi = std::max(a, b);
  return run.parts[static_cast<std::size_t>(lo) * kSlotCount + static_cast<std::size_t>(hi)];
}

bool Touches(const RunContext& run, const Record& r, int question) {
  const std::vector<int>& sq = *run.slotQuestion;
  return question == sq[static_cast<std::size_t>(r.s1)] ||
         (r.s2 != 0 && question == sq[static_cast<std::size_t>(r.s2)]) ||
         (r.s3 != 0 && question == sq[static_cast<std::size_t>(r.s3)]);
}

// The model laid out for the kernels, with the answers the criterion analyses.
class Layout {
 public:
  void Build(const CModel& model, RunContext& run, const std::vector<int>& firstAnswerSlot) {
    const int components = model.Components();
    const int padded = std::max(kernels::RoundUp(components, kMaxLanes), kMaxLanes);
    KernelModel& m = run.model;
    m.components = components;
    m.padded = padded;
    rows_.Reserve(static_cast<std::size_t>(kSlotCount + 1) * padded);
    weights_.Reserve(static_cast<std::size_t>(padded));
    for (int c = 0; c < components; ++c) {
      const double* row = model.Row(c);
      for (int s = 0; s < kSlotCount; ++s) rows_.data()[static_cast<std::size_t>(s) * padded + c] = row[s];
      weights_.data()[c] = model.Weight(c);
    }
    for (int c = 0; c < padded; ++c) rows_.data()[static_cast<std::size_t>(kOnesRow) * padded + c] = 1.0;
    m.rows = rows_.data();
    m.weights = weights_.data();
    if (!ChoosesQuestions(run.criterion)) {
      columns_.Reserve(static_cast<std::size_t>(std::max(components, 1)) * kernels::kColumnStride);
      for (int c = 0; c < components; ++c)
        for (int s = 0; s < kSlotCount; ++s)
          columns_.data()[static_cast<std::size_t>(c) * kernels::kColumnStride + s] = model.Row(c)[s];
      m.columns = columns_.data();
    }

    if (ChoosesAnswers(run.criterion)) {
      // w_c x e_c with the second answer as it takes part once X = Y is cleared.
      const int x = run.firstChoice;
      const int y = run.secondChoice == x ? -1 : run.secondChoice;
      const int qy = y != -1 ? (*run.slotQuestion)[static_cast<std::size_t>(y)] : -1;
      eventWeights_.Reserve(static_cast<std::size_t>(padded));
      for (int c = 0; c < components; ++c) {
        const double* row = model.Row(c);
        double e = row[x];
        if (y > 0) e = run.questionX == qy ? row[x] + row[y] : row[x] * row[y];
        eventWeights_.data()[c] = model.Weight(c) * e;
      }
      m.eventWeights = eventWeights_.data();
    }
    if (ChoosesQuestions(run.criterion))
      Answers(model, firstAnswerSlot[static_cast<std::size_t>(run.questionX)], model.AnswerCount(run.questionX),
              answersX_, m.answersX, m.firstSlotX, m.answerCountX, m.strideX);
    if (run.criterion == Criterion::kInformation) {
      Answers(model, firstAnswerSlot[static_cast<std::size_t>(run.questionY)], model.AnswerCount(run.questionY),
              answersY_, m.answersY, m.firstSlotY, m.answerCountY, m.strideY);
      // A free lane after the answers of X gives the pair sums Py as well.
      m.onesAfterX = m.answerCountX < m.strideX;
      if (m.onesAfterX)
        for (int c = 0; c < components; ++c)
          answersX_.data()[static_cast<std::size_t>(c) * m.strideX + m.answerCountX] = 1.0;
    }
  }

 private:
  // The answers of one question by component, padded to whole vectors.
  static void Answers(const CModel& model, int firstSlot, int count, kernels::AlignedDoubles& buffer,
                      const double*& answers, int& first, int& answerCount, int& stride) {
    stride = kernels::RoundUp(count, kMaxLanes);
    // The kernels may read a vector past the last component's row.
    buffer.Reserve(static_cast<std::size_t>(std::max(model.Components(), 1)) * stride + kMaxLanes);
    for (int c = 0; c < model.Components(); ++c)
      for (int a = 0; a < count; ++a)
        buffer.data()[static_cast<std::size_t>(c) * stride + a] = model.Row(c)[firstSlot + a];
    answers = buffer.data();
    first = firstSlot;
    answerCount = count;
  }

  kernels::AlignedDoubles rows_, columns_, weights_, eventWeights_, answersX_, answersY_;
};

// Evaluates blocks of a pass's records; one per thread.
class Evaluator {
 public:
  explicit Evaluator(const RunContext& run) : run_(run) {}

  // Records [0, n) into out[0, n).
  void Block(const Record* records, std::size_t n, Evaluation* out) {
    // Only `applicable` and `ranked` are read for every record; the numbers only
    // when these say so.
    if (!run_.criterionValid || !run_.choicesValid) {
      for (std::size_t i = 0; i < n; ++i) out[i].applicable = out[i].ranked = false;
      return;
    }
    conditions_.clear();
    indices_.clear();
    applicable_.resize(n);
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const bool applicable = Applicable(records[i]);
      out[i].applicable = applicable;
      out[i].ranked = false;
      applicable_[count] = i;
      count += applicable ? 1 : 0;
    }
    applicable_.resize(count);
    if (run_.criterion == Criterion::kInformation && run_.questionX == run_.questionY) {
      for (const std::size_t i : applicable_) out[i].value = 1.0;
    } else {
      if (!ChoosesQuestions(run_.criterion))
        Windows(records, out);  // leaves the conditions that do not fill windows well in the batch
      else
        for (const std::size_t i : applicable_) Batch(records[i], i);
      Values(records, out);
    }
    for (std::size_t i = 0; i < n; ++i)
      if (out[i].applicable) Rank(records[i], out[i]);
  }

 private:
  bool Applicable(const Record& r) const {
    switch (run_.criterion) {
      case Criterion::kAbsoluteSizeError:
      case Criterion::kRelativeSizeError:
        return true;
      case Criterion::kConditionalEntropy:
        return !Touches(run_, r, run_.questionX);
      default:
        return !Touches(run_, r, run_.questionX) && !Touches(run_, r, run_.questionY);
    }
  }

  void Batch(const Record& r, std::size_t i) {
    KernelCondition k;
    k.s1 = r.s1;
    k.s2 = r.s2 != 0 ? r.s2 : kOnesRow;
    k.s3 = r.s3 != 0 ? r.s3 : kOnesRow;
    conditions_.push_back(k);
    indices_.push_back(i);
  }

  // Criteria 0, 1, 4, 5 of groups of conditions that share all answers but the
  // last (records of one length in code order come so), in windows of consecutive
  // slots when they fill them at least half; other conditions go to the batch.
  void Windows(const Record* records, Evaluation* out) {
    const int lanes = run_.kernels->lanes;
    const bool event = ChoosesAnswers(run_.criterion);
    const auto last = [](const Record& r) { return r.s3 != 0 ? r.s3 : r.s2 != 0 ? r.s2 : r.s1; };
    const auto samePrefix = [](const Record& a, const Record& b) {
      return (a.s2 == 0 || a.s1 == b.s1) && (a.s3 == 0 || a.s2 == b.s2);
    };
    base1_.clear(), base2_.clear(), starts_.clear(), groupOf_.clear(), members_.clear(), lanes_.clear();
    for (std::size_t g = 0; g < applicable_.size();) {
      const Record& first = records[applicable_[g]];
      std::size_t end = g + 1;
      while (end < applicable_.size() && samePrefix(first, records[applicable_[end]])) ++end;
      const std::size_t windowsBefore = starts_.size(), lanesBefore = lanes_.size();
      for (std::size_t k = g; k < end; ++k) {
        const int slot = last(records[applicable_[k]]);
        if (starts_.size() == windowsBefore || slot < starts_.back() || slot >= starts_.back() + lanes) {
          starts_.push_back(slot);
          groupOf_.push_back(static_cast<std::int32_t>(base1_.size()));
        }
        lanes_.push_back(static_cast<int>(starts_.size() - 1) * lanes + (slot - starts_.back()));
      }
      if (2 * (end - g) < (starts_.size() - windowsBefore) * static_cast<std::size_t>(lanes)) {
        starts_.resize(windowsBefore), groupOf_.resize(windowsBefore), lanes_.resize(lanesBefore);
        for (std::size_t k = g; k < end; ++k) Batch(records[applicable_[k]], applicable_[k]);
      } else {
        base1_.push_back(first.s2 != 0 ? first.s1 : kOnesRow);
        base2_.push_back(first.s3 != 0 ? first.s2 : kOnesRow);
        for (std::size_t k = g; k < end; ++k) members_.push_back(applicable_[k]);
      }
      g = end;
    }
    if (starts_.empty()) return;
    kernels::KernelWindows windows;
    windows.base1 = base1_.data(), windows.base2 = base2_.data(), windows.groups = static_cast<int>(base1_.size());
    windows.starts = starts_.data(), windows.group = groupOf_.data(), windows.count = static_cast<int>(starts_.size());
    a_.resize(starts_.size() * static_cast<std::size_t>(lanes));
    b_.resize(event ? a_.size() : 0);
    run_.kernels->windowSums(run_.model, windows, a_.data(), event ? b_.data() : nullptr, scratch_);
    for (std::size_t k = 0; k < members_.size(); ++k) {
      const std::size_t i = members_[k], lane = static_cast<std::size_t>(lanes_[k]);
      out[i].value = Value(records[i], a_[lane], event ? b_[lane] : 0.0);
    }
  }

  // Criteria 0, 1, 4, 5 from P(cond) and T.
  double Value(const Record& r, double p, double t) const {
    switch (run_.criterion) {
      case Criterion::kAbsoluteSizeError:
        return criteria::AbsoluteSizeError(p, r.count, run_.respondents);
      case Criterion::kRelativeSizeError:
        return criteria::RelativeSizeError(p, r.count, run_.respondents);
      case Criterion::kRelativeFrequency:
        return t / p;
      default:
        return t;
    }
  }

  // The criterion values of the batched conditions.
  void Values(const Record* records, Evaluation* out) {
    const int n = static_cast<int>(conditions_.size());
    if (n == 0) return;
    const KernelModel& m = run_.model;
    const auto index = [&](int b) { return indices_[static_cast<std::size_t>(b)]; };
    switch (run_.criterion) {
      case Criterion::kAbsoluteSizeError:
      case Criterion::kRelativeSizeError:
        a_.resize(static_cast<std::size_t>(n));
        run_.kernels->conditionSums(m, conditions_.data(), n, a_.data());
        for (int b = 0; b < n; ++b)
          out[index(b)].value = Value(records[index(b)], a_[static_cast<std::size_t>(b)], 0.0);
        break;
      case Criterion::kConditionalEntropy:
        // The sums are read a vector past their end.
        a_.resize(static_cast<std::size_t>(n) * m.answerCountX + kMaxLanes);
        values_.resize(static_cast<std::size_t>(n));
        run_.kernels->answerSums(m, conditions_.data(), n, a_.data(), scratch_);
        run_.kernels->entropies(m.answerCountX, a_.data(), n, values_.data(), scratch_);
        for (int b = 0; b < n; ++b) out[index(b)].value = values_[static_cast<std::size_t>(b)];
        break;
      case Criterion::kInformation: {
        const std::size_t ax = static_cast<std::size_t>(m.strideX), ay = static_cast<std::size_t>(m.answerCountY);
        a_.resize(static_cast<std::size_t>(n) * ax * ay);
        b_.resize(static_cast<std::size_t>(n) * ax);
        c_.resize(static_cast<std::size_t>(n) * ay);
        values_.resize(static_cast<std::size_t>(n));
        run_.kernels->pairSums(m, conditions_.data(), n, a_.data(), b_.data(), c_.data(), scratch_);
        run_.kernels->informations(m.answerCountX, m.answerCountY, m.strideX, a_.data(), b_.data(), c_.data(), n,
                                   values_.data(), scratch_);
        for (int b = 0; b < n; ++b) out[index(b)].value = values_[static_cast<std::size_t>(b)];
        break;
      }
      default:
        a_.resize(static_cast<std::size_t>(n));
        b_.resize(static_cast<std::size_t>(n));
        run_.kernels->eventSums(m, conditions_.data(), n, a_.data(), b_.data());
        for (int b = 0; b < n; ++b)
          out[index(b)].value =
              Value(records[index(b)], b_[static_cast<std::size_t>(b)], a_[static_cast<std::size_t>(b)]);
        break;
    }
  }

  // Bound, comparison with the shorter parts, difference and score.
  void Rank(const Record& r, Evaluation& e) const {
    const double l = e.value;
    if (l == kNotApplicable || l == kUnknownCriterion) return;  // the merge stops or skips there
    const double signedValue = run_.sign * l;
    const double bound = run_.sign * (l - run_.threshold);
    bool improves = true;
    double difference = 0.0;
    if (r.s2 != 0) {
      double parts[6];
      int count = 0;
      parts[count++] = Part(run_, 0, r.s1);
      parts[count++] = Part(run_, 0, r.s2);
      if (r.s3 != 0) {
        parts[count++] = Part(run_, 0, r.s3);
        parts[count++] = Part(run_, r.s1, r.s2);
        parts[count++] = Part(run_, r.s1, r.s3);
        parts[count++] = Part(run_, r.s2, r.s3);
      }
      double best = parts[0];
      for (int k = 0; k < count; ++k) {
        if (k > 0 && parts[k] > best) best = parts[k];
        if (parts[k] >= bound) improves = false;
      }
      difference = signedValue - best;
    }
    e.ranked = improves;
    e.difference = difference;
    e.score = signedValue * (1.0 - run_.weight) + difference * run_.weight;
  }

  const RunContext& run_;
  kernels::KernelScratch scratch_;
  std::vector<KernelCondition> conditions_;
  std::vector<std::size_t> indices_, applicable_;
  std::vector<std::int32_t> base1_, base2_, starts_, groupOf_;
  std::vector<std::size_t> members_;
  std::vector<int> lanes_;
  std::vector<double> a_, b_, c_, values_;
};

// The ranked buffer: at most kRankedCapacity entries, largest score first, equal
// scores in the order they came.
class RankedBuffer {
 public:
  explicit RankedBuffer(std::vector<AnalysisHit>& hits) : hits_(hits) {}

  void Insert(const AnalysisHit& hit) {
    const std::size_t found = hits_.size();
    std::size_t p = found;
    if (ordered_) {
      // Without NaN scores the buffer is sorted, so the first smaller score can be bisected.
      if (found == kRankedCapacity && !(hits_.back().score < hit.score)) return;
      p = static_cast<std::size_t>(std::partition_point(hits_.begin(), hits_.end(),
                                                        [&](const AnalysisHit& h) { return !(h.score < hit.score); }) -
                                   hits_.begin());
    } else {
      for (std::size_t i = 0; i < found; ++i)
        if (hits_[i].score < hit.score) {
          p = i;
          break;
        }
    }
    if (p >= kRankedCapacity) return;
    if (found == kRankedCapacity) hits_.pop_back();
    hits_.insert(hits_.begin() + static_cast<std::ptrdiff_t>(p), hit);
    if (std::isnan(hit.score)) ordered_ = false;
  }

 private:
  std::vector<AnalysisHit>& hits_;
  bool ordered_ = true;
};

}  // namespace

// One search over the records file: set up once, then pass by pass, window by
// window. The calling thread merges every window's evaluations in file order.
class SearchRun {
 public:
  SearchRun(CAnalysis& analysis, AnalysisObserver& observer, Notifier& notifier)
      : a_(analysis), observer_(observer), notifier_(notifier), pairs_(kPairTableCapacity) {}

  // The records in the file (0 until it is open).
  std::int64_t Records() const { return d_; }

  // Runs the search; throws std::bad_alloc when memory runs out.
  SearchOutcome Run() {
    a_.PrepareIndexTables(notifier_);
    if (!SetUp()) {
      notifier_.Show(kNoRecordsText, kNoRecordsCaption);
      return SearchOutcome::NoRecordsFile;
    }
    for (int pass = 0; pass < passes_; ++pass) {
      if (pass > 0) RebuildParts();
      const std::int64_t base = pass * d_ + 1;  // number of the pass's first record over all passes
      for (std::int64_t first = 0; first < d_; first += window_) {
        const SearchOutcome ended = EvaluateWindow(pass, first);
        if (ended == SearchOutcome::NotRun) throw std::bad_alloc();  // an evaluation ran out of memory
        if (ended != SearchOutcome::Completed) return ended;
        if (Stopped() || !Checkpoints(base - 1 + std::min(first + window_, d_))) return SearchOutcome::Stopped;
        if (std::any_of(ranges_.begin(), ranges_.end(), [](const RecordsFile::Range& r) { return r.shortRead; }))
          break;  // the file became shorter
      }
      if (!Checkpoints((pass + 1) * d_)) return SearchOutcome::Stopped;
    }
    return SearchOutcome::Completed;
  }

 private:
  // Opens the file and fixes what the whole run evaluates with; false when the
  // file cannot be opened.
  bool SetUp() {
    const int threadCount =
        a_.threads > 0 ? a_.threads : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    if (!file_.Open(a_.recordsPath_)) return false;
    d_ = file_.Count();
    observer_.Progress(0, d_);

    const Criterion criterion = a_.Kind();
    const int first = a_.firstChoice, second = a_.secondChoice;
    run_.criterion = criterion;
    run_.criterionValid = KnownCriterion(a_.criterion);
    run_.firstChoice = first;
    run_.secondChoice = second;
    run_.sign = criterion == Criterion::kConditionalEntropy ? -1 : 1;
    run_.threshold = a_.threshold;
    run_.weight = a_.weight;
    run_.respondents = a_.model_.Respondents();
    run_.slotQuestion = &a_.slotQuestion_;
    // Choices that name no question or answer make every record not applicable.
    run_.choicesValid = true;
    if (ChoosesQuestions(criterion)) {
      run_.questionX = first;
      run_.questionY = criterion == Criterion::kInformation ? second : -1;
      run_.choicesValid = first >= 0 && first < kQuestionCount &&
                          (criterion == Criterion::kConditionalEntropy || (second >= 0 && second < kQuestionCount));
    } else if (ChoosesAnswers(criterion)) {
      run_.choicesValid = first >= 0 && first < kSlotCount && second >= -1 && second < kSlotCount;
      if (run_.choicesValid) {
        run_.questionX = a_.SlotQuestion(first);
        run_.questionY = second != -1 ? a_.SlotQuestion(second) : -1;
      }
    }
    clearsSecond_ = ChoosesAnswers(criterion) && run_.choicesValid && first == second;
    if (run_.criterionValid && run_.choicesValid) {
      run_.kernels = &kernels::SelectKernels(a_.kernelLevel);
      layout_.Build(a_.model_, run_, a_.firstAnswerSlot_);
    }

    passes_ = std::clamp(a_.maxLength, 1, 3);
    interval_ = std::max<std::int64_t>(d_ / 100, 1);
    nextCheckpoint_ = interval_;
    blockSize_ = criterion == Criterion::kInformation ? 16 : criterion == Criterion::kConditionalEntropy ? 128 : 1024;
    for (int t = 0; t < threadCount; ++t) evaluators_.emplace_back(run_);
    ranges_.resize(static_cast<std::size_t>(
        std::clamp<std::int64_t>((d_ + RecordsFile::kRangeRecords - 1) / RecordsFile::kRangeRecords, 1, threadCount)));
    window_ = static_cast<std::int64_t>(ranges_.size()) * RecordsFile::kRangeRecords;
    pool_ = std::make_unique<WorkerPool>(threadCount - 1);
    return true;
  }

  // The parts of the next pass: the values of shorter conditions as the earlier
  // passes left them in the pair table (this pass stores only longer keys). Of
  // equal keys the first one counts.
  void RebuildParts() {
    run_.parts.assign(static_cast<std::size_t>(kSlotCount) * kSlotCount, 0.0);
    std::vector<bool> seen(run_.parts.size(), false);
    for (std::size_t e = 0; e < pairs_.Size(); ++e) {
      const std::size_t lo = pairs_.KeyAt(e) >> 16, hi = pairs_.KeyAt(e) & 0xFFFF;
      if (lo >= kSlotCount || hi >= kSlotCount || seen[lo * kSlotCount + hi]) continue;
      run_.parts[lo * kSlotCount + hi] = pairs_.ValueAt(e);
      seen[lo * kSlotCount + hi] = true;
    }
  }

  // Reads the window of the file from record `first` and evaluates its records of
  // the pass's length on every thread, merging them here in file order. Completed,
  // or how the run ends: Stopped, UnknownCriterion, or NotRun when an evaluation
  // ran out of memory.
  SearchOutcome EvaluateWindow(int pass, std::int64_t first) {
    if (!file_.ReadWindow(first, pass + 1, a_.codeQuestion_, run_.criterion == Criterion::kRelativeSizeError, ranges_,
                          *pool_))
      throw std::bad_alloc();
    Blocks(ranges_, blockSize_, blocks_);
    BlockQueue<Evaluation> queue(blocks_.size(), blockSize_, ring_);
    std::atomic<bool> failed{false};
    const auto evaluate = [&](Evaluator& evaluator, std::size_t b) {
      try {
        evaluator.Block(blocks_[b].records, blocks_[b].count, queue.At(b));
      } catch (const std::bad_alloc&) {
        failed.store(true);
      }
      queue.MarkReady(b);
    };
    const std::size_t helpers =
        std::min<std::size_t>(static_cast<std::size_t>(pool_->Helpers()), blocks_.empty() ? 0 : blocks_.size() - 1);
    const auto help = [&](int h) {
      if (static_cast<std::size_t>(h) >= helpers) return;
      std::size_t merged = 0;
      for (std::size_t b; (b = queue.Take(merged)) != BlockQueue<Evaluation>::kNone;) {
        if (b == BlockQueue<Evaluation>::kLater)
          queue.WaitMerged(merged);
        else
          evaluate(evaluators_[static_cast<std::size_t>(h) + 1], b);
      }
    };
    SearchOutcome ended = SearchOutcome::Completed;
    const std::int64_t base = pass * d_ + 1;
    const auto merge = [&] {
      // However the merge ends, the helpers are let go.
      struct Release {
        BlockQueue<Evaluation>& queue;
        ~Release() { queue.Abandon(); }
      } release{queue};
      for (std::size_t b = 0; b < blocks_.size() && ended == SearchOutcome::Completed; ++b) {
        while (!queue.Ready(b)) {
          std::size_t merged = 0;
          const std::size_t mine = queue.Take(merged);
          if (mine < blocks_.size())
            evaluate(evaluators_[0], mine);
          else
            queue.WaitReady(b);  // another thread is evaluating it
        }
        if (Stopped()) return void(ended = SearchOutcome::Stopped);
        if (failed.load()) return void(ended = SearchOutcome::NotRun);
        ended = Merge(blocks_[b], queue.At(b), base);
        queue.MarkMerged(b);
      }
    };
    pool_->Run(help, merge);
    return ended;
  }

  // The evaluations of one block into the pair table and the ranking.
  SearchOutcome Merge(const RecordBlock& block, const Evaluation* evaluations, std::int64_t base) {
    for (std::size_t i = 0; i < block.count; ++i) {
      const Record& r = block.records[i];
      const std::int64_t number = base + r.position;
      if (number >= nextCheckpoint_ && !Checkpoints(number)) return SearchOutcome::Stopped;
      if (!run_.criterionValid) {
        notifier_.Show(kUnknownCriterionText, {});
        return SearchOutcome::UnknownCriterion;
      }
      const Evaluation& e = evaluations[i];
      if (!e.applicable) continue;
      if (clearsSecond_ && !cleared_) {
        a_.secondChoice = -1;  // criteria 4, 5: the second answer equal to the first is dropped
        cleared_ = true;
      }
      if (e.value == kUnknownCriterion) {
        notifier_.Show(kUnknownCriterionText, {});
        return SearchOutcome::UnknownCriterion;
      }
      if (e.value == kNotApplicable) continue;
      if (r.s3 == 0) pairs_.Insert(r.s2 != 0 ? r.s1 : 0, r.s2 != 0 ? r.s2 : r.s1, run_.sign * e.value);
      if (e.ranked) ranked_.Insert({r.s1, r.s2, r.s3, e.score, e.value, e.difference, static_cast<double>(r.count)});
    }
    return SearchOutcome::Completed;
  }

  // Checkpoints up to record number `upTo` (from 1, over all passes); false when stopped.
  bool Checkpoints(std::int64_t upTo) {
    for (; nextCheckpoint_ <= upTo; nextCheckpoint_ += interval_) {
      observer_.Progress(100 * nextCheckpoint_ / (passes_ * d_), 100);
      if (a_.StopRequested()) return false;
    }
    return true;
  }

  // A stop seen between checkpoints ends the run at once: its ranking is discarded anyway.
  bool Stopped() const { return a_.stopSeen_.load(std::memory_order_relaxed) && a_.StopRequested(); }

  CAnalysis& a_;
  AnalysisObserver& observer_;
  Notifier& notifier_;
  CPairValueTable pairs_;
  RecordsFile file_;
  RunContext run_;
  Layout layout_;
  std::int64_t d_ = 0;
  int passes_ = 1;
  std::int64_t interval_ = 1, nextCheckpoint_ = 1, window_ = 1;
  std::size_t blockSize_ = 1;
  bool clearsSecond_ = false, cleared_ = false;
  std::vector<Evaluator> evaluators_;
  RankedBuffer ranked_{a_.ranked_};
  std::vector<RecordsFile::Range> ranges_;
  std::vector<RecordBlock> blocks_;
  std::vector<Evaluation> ring_;
  std::unique_ptr<WorkerPool> pool_;
};

int CAnalysis::Search(AnalysisObserver& observer, Notifier& notifier) {
  std::int64_t d = 0;
  const auto finish = [&](SearchOutcome outcome) {
    outcome_ = outcome;
    finished_.store(true, std::memory_order_release);
    observer.Done(d);
    return 0;
  };
  ranked_.clear();
  std::optional<SearchRun> run;
  try {
    run.emplace(*this, observer, notifier);
    const SearchOutcome outcome = run->Run();
    d = run->Records();
    return finish(outcome);
  } catch (const std::bad_alloc&) {
    d = run ? run->Records() : 0;
    ranked_.clear();
    notifier.Show(MessageId::NoMemory, {});
    return finish(SearchOutcome::OutOfMemory);
  }
}

}  // namespace orbica
