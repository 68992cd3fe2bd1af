// The ranked search. Every pass streams the records file in windows of a few
// mebibytes, decoded by several threads, and evaluates the records of its length
// in blocks on several threads with the vector kernels, while the calling thread
// walks the records in file order: checkpoints, the pair table and the ranked
// buffer see the records exactly as a single reader of the file would.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <new>
#include <system_error>
#include <thread>

#include "analysis/analysis.h"
#include "analysis/criteria.h"
#include "analysis/kernels.h"
#include "model/binary_io.h"
#include "model/observed_counts.h"

namespace orbica {

namespace {

using kernels::KernelCondition;
using kernels::KernelModel;
using kernels::kMaxLanes;
using kernels::kOnesRow;

// A record of one condition length, with its codes turned into slots.
struct Record {
  std::int64_t position = 0;  // record number in the file, from 0
  std::uint32_t count = 0;
  std::int16_t s1 = 0, s2 = 0, s3 = 0;  // 0 = empty position
};

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
  int criterion = 0;
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
    if (run.criterion == 0 || run.criterion == 1 || run.criterion == 4 || run.criterion == 5) {
      columns_.Reserve(static_cast<std::size_t>(std::max(components, 1)) * kernels::kColumnStride);
      for (int c = 0; c < components; ++c)
        for (int s = 0; s < kSlotCount; ++s)
          columns_.data()[static_cast<std::size_t>(c) * kernels::kColumnStride + s] = model.Row(c)[s];
      m.columns = columns_.data();
    }

    if (run.criterion == 4 || run.criterion == 5) {
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
    if (run.criterion == 2 || run.criterion == 3)
      Answers(model, firstAnswerSlot[static_cast<std::size_t>(run.questionX)], model.AnswerCount(run.questionX),
              answersX_, m.answersX, m.firstSlotX, m.answerCountX, m.strideX);
    if (run.criterion == 3) {
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
    if (run_.criterion == 3 && run_.questionX == run_.questionY) {
      for (const std::size_t i : applicable_) out[i].value = 1.0;
    } else {
      if (run_.criterion != 2 && run_.criterion != 3)
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
      case 0:
      case 1:
        return true;
      case 2:
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
    const bool event = run_.criterion >= 4;
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
      case 0:
        return criteria::AbsoluteSizeError(p, r.count, run_.respondents);
      case 1:
        return criteria::RelativeSizeError(p, r.count, run_.respondents);
      case 4:
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
      case 0:
      case 1:
        a_.resize(static_cast<std::size_t>(n));
        run_.kernels->conditionSums(m, conditions_.data(), n, a_.data());
        for (int b = 0; b < n; ++b)
          out[index(b)].value = Value(records[index(b)], a_[static_cast<std::size_t>(b)], 0.0);
        break;
      case 2:
        // The sums are read a vector past their end.
        a_.resize(static_cast<std::size_t>(n) * m.answerCountX + kMaxLanes);
        values_.resize(static_cast<std::size_t>(n));
        run_.kernels->answerSums(m, conditions_.data(), n, a_.data(), scratch_);
        run_.kernels->entropies(m.answerCountX, a_.data(), n, values_.data(), scratch_);
        for (int b = 0; b < n; ++b) out[index(b)].value = values_[static_cast<std::size_t>(b)];
        break;
      case 3: {
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

// The records file, read in windows of consecutive ranges: every thread reads and
// decodes one range of a window into its own list of the pass's records, so a
// pass walks the lists range by range in file order and never holds more than a
// window of the file. Records without an answer, with a code outside the
// questionnaire before the first -1, or (for criterion 1, whose relative error
// divides by it) with count 0 are left out; the first -1 ends a record's codes.
class RecordsFile {
 public:
  static constexpr std::int64_t kRangeRecords = 65536;  // 1 MiB of the file per range
  static constexpr std::int64_t kChunkRecords = 16384;  // read 256 KiB at a time

  RecordsFile() = default;
  RecordsFile(const RecordsFile&) = delete;
  RecordsFile& operator=(const RecordsFile&) = delete;
  ~RecordsFile() {
    if (fd_ >= 0) ::close(fd_);
  }

  // False when the file cannot be opened or is not a regular file. The open does
  // not wait: a fifo or a device named like the records file is refused at once.
  bool Open(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat status = {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
      ::close(fd_);
      fd_ = -1;
      return false;
    }
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags != -1) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    records_ = static_cast<std::int64_t>(status.st_size) / static_cast<std::int64_t>(kCountRecordBytes);
    seen_.assign(static_cast<std::size_t>(std::min((records_ + kRangeRecords - 1) / kRangeRecords, kSeenRanges)),
                 Seen{});
    return true;
  }

  // Whole records in the file when it was opened.
  std::int64_t Count() const { return records_; }

  // One range of a window: a chunk of its raw bytes and its records of one length.
  struct Range {
    std::vector<unsigned char> raw;
    std::vector<Record> records;
    bool shortRead = false;  // the file ended inside the range
  };

  // Reads records [first, first + ranges x kRangeRecords) of the file, range t on
  // thread t (the calling thread takes the last), keeping those with `length`
  // answers. False when memory ran out.
  bool ReadWindow(std::int64_t first, int length, const std::vector<int>& codeQuestion, int criterion,
                  std::vector<Range>& ranges) const {
    std::vector<std::thread> readers;
    std::atomic<bool> failed{false};
    const auto read = [&](std::size_t t) {
      try {
        const std::int64_t from = first + static_cast<std::int64_t>(t) * kRangeRecords;
        ReadRange(from, std::min(from + kRangeRecords, records_), length, codeQuestion, criterion, ranges[t]);
      } catch (const std::bad_alloc&) {
        failed.store(true);
      }
    };
    for (std::size_t t = 0; t + 1 < ranges.size(); ++t) {
      try {
        readers.emplace_back(read, t);
      } catch (const std::system_error&) {
        read(t);
      }
    }
    read(ranges.size() - 1);
    for (std::thread& reader : readers) reader.join();
    return !failed.load();
  }

 private:
  void ReadRange(std::int64_t first, std::int64_t last, int length, const std::vector<int>& codeQuestion,
                 int criterion, Range& range) const {
    range.records.clear();
    range.shortRead = false;
    if (first >= last) return;
    // A range whose whole records an earlier pass read has nothing for a length it did not hold.
    Seen* seen = first / kRangeRecords < static_cast<std::int64_t>(seen_.size())
                     ? &seen_[static_cast<std::size_t>(first / kRangeRecords)]
                     : nullptr;
    if (seen && seen->read && seen->records[length - 1] == 0) return;
    std::int64_t held[3] = {0, 0, 0};
    range.raw.resize(static_cast<std::size_t>(kChunkRecords) * kCountRecordBytes);
    range.records.reserve(static_cast<std::size_t>(last - first));  // touched only as far as it fills
    for (std::int64_t chunk = first; chunk < last && !range.shortRead; chunk += kChunkRecords) {
      const std::size_t want = static_cast<std::size_t>(std::min(last - chunk, kChunkRecords)) * kCountRecordBytes;
      std::size_t got = 0;
      while (got < want) {
        const ssize_t n = ::pread(fd_, range.raw.data() + got, want - got,
                                  static_cast<off_t>(chunk * static_cast<std::int64_t>(kCountRecordBytes)) +
                                      static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
      }
      range.shortRead = got < want;
      for (std::size_t i = 0; i < got / kCountRecordBytes; ++i) {
        const unsigned char* p = range.raw.data() + i * kCountRecordBytes;
        // The positions before the first -1; a record of another length is only
        // counted (a code outside the questionnaire may count it too, which at
        // worst has a later pass read its range once more).
        std::int32_t codes[3];
        for (int k = 0; k < 3; ++k) codes[k] = ReadLE<std::int32_t>(p + 4 + 4 * k);
        const int answers = codes[0] == -1 ? 0 : codes[1] == -1 ? 1 : codes[2] == -1 ? 2 : 3;
        if (answers > 0) ++held[answers - 1];
        if (answers != length) continue;
        // Slots in plain variables: an array here would be stored in pieces and
        // read back whole, which stalls on every record.
        bool valid = true;
        const auto slot = [&](int k) -> std::int16_t {
          const std::int32_t code = codes[k];
          if (k >= answers) return 0;
          if (code < 0 || code >= kFlatAnswerCount) {
            valid = false;
            return 0;
          }
          return static_cast<std::int16_t>(code + codeQuestion[static_cast<std::size_t>(code)] + 1);
        };
        Record r;
        r.s1 = slot(0), r.s2 = slot(1), r.s3 = slot(2);
        if (!valid) continue;
        r.count = ReadLE<std::uint32_t>(p);
        if (criterion == 1 && r.count == 0) continue;
        r.position = chunk + static_cast<std::int64_t>(i);
        range.records.push_back(r);
      }
    }
    if (seen && !range.shortRead) *seen = {true, {held[0], held[1], held[2]}};
  }

  // What the first read of a range found: its records by length. Kept for the
  // first kSeenRanges ranges (64 GiB of file), a few bytes per mebibyte.
  struct Seen {
    bool read = false;
    std::int64_t records[3] = {0, 0, 0};
  };
  static constexpr std::int64_t kSeenRanges = 65536;

  int fd_ = -1;
  std::int64_t records_ = 0;
  mutable std::vector<Seen> seen_;  // each range's entry is written only by the thread reading it
};

// A block of records of one pass, evaluated in one piece.
struct RecordBlock {
  const Record* records = nullptr;
  std::size_t count = 0;
};

// The blocks of a window: each range's records cut into pieces of at most `size`.
void Blocks(const std::vector<RecordsFile::Range>& ranges, std::size_t size, std::vector<RecordBlock>& blocks) {
  blocks.clear();
  for (const RecordsFile::Range& range : ranges) {
    const std::vector<Record>& list = range.records;
    for (std::size_t first = 0; first < list.size(); first += size)
      blocks.push_back({list.data() + first, std::min(size, list.size() - first)});
    if (range.shortRead) break;  // a short read ends the pass
  }
}

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

// Blocks of one pass handed out to the threads. At most kRing blocks past the last
// merged one are evaluated ahead, so their evaluations stay in a small ring.
// Threads that have to wait sleep on the atomics instead of spinning.
class BlockQueue {
 public:
  static constexpr std::size_t kRing = 16;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  static constexpr std::size_t kLater = static_cast<std::size_t>(-2);

  // `ring` holds the evaluations of the blocks in flight; it is kept from window
  // to window so that its memory is not allocated and cleared again each time.
  BlockQueue(std::size_t blocks, std::size_t blockSize, std::vector<Evaluation>& ring)
      : blocks_(blocks),
        blockSize_(blockSize),
        ready_(new std::atomic<bool>[std::max<std::size_t>(blocks, 1)]),
        ring_(ring) {
    if (ring_.size() < kRing * blockSize) ring_.resize(kRing * blockSize);
    for (std::size_t b = 0; b < blocks; ++b) ready_[b].store(false, std::memory_order_relaxed);
  }

  // A block to evaluate; kLater when the ring is full (`merged` then tells what
  // to wait for), kNone when every block is taken.
  std::size_t Take(std::size_t& merged) {
    std::size_t b = next_.load();
    for (;;) {
      if (b >= blocks_ || abandoned_.load(std::memory_order_relaxed)) return kNone;
      merged = merged_.load(std::memory_order_acquire);
      if (b >= merged + kRing) return kLater;
      if (next_.compare_exchange_weak(b, b + 1)) return b;
    }
  }
  // Sleeps until blocks past `merged` have been merged (or the pass is abandoned).
  void WaitMerged(std::size_t merged) { merged_.wait(merged, std::memory_order_acquire); }
  Evaluation* Slot(std::size_t b) { return ring_.data() + (b % kRing) * blockSize_; }
  void MarkReady(std::size_t b) {
    ready_[b].store(true, std::memory_order_release);
    ready_[b].notify_all();
  }
  bool Ready(std::size_t b) const { return ready_[b].load(std::memory_order_acquire); }
  void WaitReady(std::size_t b) const { ready_[b].wait(false, std::memory_order_acquire); }
  void MarkMerged(std::size_t b) {
    merged_.store(b + 1, std::memory_order_release);
    merged_.notify_all();
  }
  void Abandon() {
    abandoned_.store(true);
    merged_.store(blocks_ + kRing + 1, std::memory_order_release);
    merged_.notify_all();
  }

 private:
  const std::size_t blocks_, blockSize_;
  std::unique_ptr<std::atomic<bool>[]> ready_;
  std::vector<Evaluation>& ring_;
  std::atomic<std::size_t> next_{0}, merged_{0};
  std::atomic<bool> abandoned_{false};
};

}  // namespace

int CAnalysis::Search(AnalysisObserver& observer, Notifier& notifier) {
  std::int64_t d = 0;
  const auto finish = [&](SearchOutcome outcome) {
    outcome_ = outcome;
    finished_.store(true, std::memory_order_release);
    observer.Done(d);
    return 0;
  };
  ranked_.clear();
  try {
    CPairValueTable pairs(kPairTableCapacity);
    PrepareIndexTables(notifier);
    const int threadCount = threads > 0 ? threads : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    RecordsFile file;
    if (!file.Open(recordsPath_)) {
      notifier.Show(kNoRecordsText, kNoRecordsCaption);
      return finish(SearchOutcome::NoRecordsFile);
    }
    d = file.Count();
    observer.Progress(0, d);

    RunContext run;
    run.criterion = criterion;
    run.criterionValid = criterion >= 0 && criterion < kCriterionCount;
    run.firstChoice = firstChoice;
    run.secondChoice = secondChoice;
    run.sign = criterion == 2 ? -1 : 1;
    run.threshold = threshold;
    run.weight = weight;
    run.respondents = model_.Respondents();
    run.slotQuestion = &slotQuestion_;
    // Choices that name no question or answer make every record not applicable.
    run.choicesValid = true;
    if (criterion == 2 || criterion == 3) {
      run.questionX = firstChoice;
      run.questionY = criterion == 3 ? secondChoice : -1;
      run.choicesValid = firstChoice >= 0 && firstChoice < kQuestionCount &&
                         (criterion == 2 || (secondChoice >= 0 && secondChoice < kQuestionCount));
    } else if (criterion == 4 || criterion == 5) {
      run.choicesValid =
          firstChoice >= 0 && firstChoice < kSlotCount && secondChoice >= -1 && secondChoice < kSlotCount;
      if (run.choicesValid) {
        run.questionX = SlotQuestion(firstChoice);
        run.questionY = secondChoice != -1 ? SlotQuestion(secondChoice) : -1;
      }
    }
    const bool clearsSecond = (criterion == 4 || criterion == 5) && run.choicesValid && firstChoice == secondChoice;
    Layout layout;
    if (run.criterionValid && run.choicesValid) {
      run.kernels = &kernels::SelectKernels(kernelLevel);
      layout.Build(model_, run, firstAnswerSlot_);
    }

    const int passes = std::clamp(maxLength, 1, 3);
    const std::int64_t interval = std::max<std::int64_t>(d / 100, 1);
    std::int64_t nextCheckpoint = interval;
    // Checkpoints up to record number `upTo` (from 1, over all passes); false when stopped.
    const auto checkpoints = [&](std::int64_t upTo) {
      for (; nextCheckpoint <= upTo; nextCheckpoint += interval) {
        observer.Progress(100 * nextCheckpoint / (passes * d), 100);
        if (StopRequested()) return false;
      }
      return true;
    };

    const std::size_t blockSize = criterion == 3 ? 16 : criterion == 2 ? 128 : 1024;
    std::vector<Evaluator> evaluators;
    for (int t = 0; t < threadCount; ++t) evaluators.emplace_back(run);
    RankedBuffer ranked(ranked_);
    bool cleared = false;

    std::vector<RecordsFile::Range> ranges(static_cast<std::size_t>(
        std::clamp<std::int64_t>((d + RecordsFile::kRangeRecords - 1) / RecordsFile::kRangeRecords, 1, threadCount)));
    const std::int64_t window = static_cast<std::int64_t>(ranges.size()) * RecordsFile::kRangeRecords;
    std::vector<RecordBlock> blocks;
    std::vector<Evaluation> ring;
    // A stop seen between checkpoints ends the run at once: its ranking is discarded anyway.
    const auto stopped = [&] { return stopSeen_.load(std::memory_order_relaxed) && StopRequested(); };

    for (int pass = 0; pass < passes; ++pass) {
      if (pass > 0) {
        // Parts are looked up in the pair table as the earlier passes left it: this
        // pass stores only longer keys. Of equal keys the first one counts.
        run.parts.assign(static_cast<std::size_t>(kSlotCount) * kSlotCount, 0.0);
        std::vector<bool> seen(run.parts.size(), false);
        for (std::size_t e = 0; e < pairs.Size(); ++e) {
          const std::size_t lo = pairs.KeyAt(e) >> 16, hi = pairs.KeyAt(e) & 0xFFFF;
          if (lo >= kSlotCount || hi >= kSlotCount || seen[lo * kSlotCount + hi]) continue;
          run.parts[lo * kSlotCount + hi] = pairs.ValueAt(e);
          seen[lo * kSlotCount + hi] = true;
        }
      }

      SearchOutcome ended = SearchOutcome::Completed;
      const std::int64_t base = pass * d + 1;  // number of the pass's first record over all passes
      for (std::int64_t first = 0; first < d && ended == SearchOutcome::Completed; first += window) {
        if (!file.ReadWindow(first, pass + 1, codeQuestion_, criterion, ranges)) throw std::bad_alloc();
        Blocks(ranges, blockSize, blocks);
        BlockQueue queue(blocks.size(), blockSize, ring);
        std::atomic<bool> failed{false};
        const auto evaluate = [&](Evaluator& evaluator, std::size_t b) {
          try {
            evaluator.Block(blocks[b].records, blocks[b].count, queue.Slot(b));
          } catch (const std::bad_alloc&) {
            failed.store(true);
          }
          queue.MarkReady(b);
        };
        std::vector<std::thread> helpers;
        const std::size_t helperCount =
            std::min<std::size_t>(static_cast<std::size_t>(threadCount - 1), blocks.empty() ? 0 : blocks.size() - 1);
        for (std::size_t t = 0; t < helperCount; ++t) {
          try {
            helpers.emplace_back([&, t] {
              std::size_t merged = 0;
              for (std::size_t b; (b = queue.Take(merged)) != BlockQueue::kNone;) {
                if (b == BlockQueue::kLater)
                  queue.WaitMerged(merged);
                else
                  evaluate(evaluators[t + 1], b);
              }
            });
          } catch (const std::system_error&) {
            break;  // fewer threads then
          }
        }

        for (std::size_t b = 0; b < blocks.size() && ended == SearchOutcome::Completed; ++b) {
          while (!queue.Ready(b)) {
            std::size_t merged = 0;
            const std::size_t mine = queue.Take(merged);
            if (mine < blocks.size())
              evaluate(evaluators[0], mine);
            else
              queue.WaitReady(b);  // another thread is evaluating it
          }
          if (stopped()) {
            ended = SearchOutcome::Stopped;
            break;
          }
          if (failed.load()) {
            ended = SearchOutcome::NotRun;  // out of memory, reported below
            break;
          }
          const Evaluation* evaluations = queue.Slot(b);
          for (std::size_t i = 0; i < blocks[b].count; ++i) {
            const Record& r = blocks[b].records[i];
            const std::int64_t number = base + r.position;
            if (number >= nextCheckpoint && !checkpoints(number)) {
              ended = SearchOutcome::Stopped;
              break;
            }
            if (!run.criterionValid) {
              notifier.Show(kUnknownCriterionText, {});
              ended = SearchOutcome::UnknownCriterion;
              break;
            }
            const Evaluation& e = evaluations[i];
            if (!e.applicable) continue;
            if (clearsSecond && !cleared) {
              secondChoice = -1;  // criteria 4, 5: the second answer equal to the first is dropped
              cleared = true;
            }
            if (e.value == kUnknownCriterion) {
              notifier.Show(kUnknownCriterionText, {});
              ended = SearchOutcome::UnknownCriterion;
              break;
            }
            if (e.value == kNotApplicable) continue;
            if (r.s3 == 0) pairs.Insert(r.s2 != 0 ? r.s1 : 0, r.s2 != 0 ? r.s2 : r.s1, run.sign * e.value);
            if (e.ranked) ranked.Insert({r.s1, r.s2, r.s3, e.score, e.value, e.difference, static_cast<double>(r.count)});
          }
          queue.MarkMerged(b);
        }
        queue.Abandon();
        for (std::thread& helper : helpers) helper.join();
        if (ended != SearchOutcome::Completed) break;
        if (stopped()) ended = SearchOutcome::Stopped;
        else if (!checkpoints(base - 1 + std::min(first + window, d))) ended = SearchOutcome::Stopped;
        if (std::any_of(ranges.begin(), ranges.end(), [](const RecordsFile::Range& r) { return r.shortRead; }))
          break;  // the file became shorter
      }
      if (ended == SearchOutcome::NotRun) throw std::bad_alloc();
      if (ended != SearchOutcome::Completed) return finish(ended);
      if (!checkpoints((pass + 1) * d)) return finish(SearchOutcome::Stopped);
    }
    return finish(SearchOutcome::Completed);
  } catch (const std::bad_alloc&) {
    ranked_.clear();
    notifier.Show(MessageId::NoMemory, {});
    return finish(SearchOutcome::OutOfMemory);
  }
}

}  // namespace orbica
