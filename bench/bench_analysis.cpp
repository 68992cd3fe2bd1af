// The analysis search against a literal single-threaded implementation of it (the
// records file read 16 bytes at a time on every pass, scalar component loops,
// joint and single probabilities recomputed inside the pair loop), on the same
// census, with a check that both rank the same conditions with the same numbers.
//   bench_analysis [CENSUS_FOLDER]
// Without a folder it makes (once) a sample census of 256 components.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/kernels.h"
#include "bench_util.h"
#include "model/binary_io.h"
#include "model/model.h"
#include "survey/question_list.h"

using namespace orbica;

namespace {

// ---------------------------------------------------------------------------
// The literal implementation.

struct LiteralHit {
  int s1, s2, s3;
  double score, value, difference, count;
};

struct LiteralParameters {
  int criterion = 0, x = -1, y = -1, maxLength = 2;
  double threshold = 0.0, weight = 0.0;
};

class LiteralSearch {
 public:
  LiteralSearch(const CModel& model, LiteralParameters p) : model_(model), p_(p) {
    // slotQuestion, codeQuestion and firstAnswerSlot by walking the questions.
    slotQuestion_.assign(kSlotCount + 1, -1);
    codeQuestion_.assign(kSlotCount + 1, -1);
    int start = 0, code = 0;
    for (int q = 0; q < kQuestionCount; ++q) {
      for (int s = start; s <= start + model.AnswerCount(q); ++s) slotQuestion_[s] = q;
      for (int a = 0; a < model.AnswerCount(q); ++a) codeQuestion_[code++] = q;
      firstAnswerSlot_.push_back(start + 1);
      start += model.AnswerCount(q) + 1;
    }
  }

  std::vector<LiteralHit> Run(const std::string& path) {
    std::vector<LiteralHit> ranked;
    std::vector<std::pair<std::uint32_t, double>> pairs;
    pairs.reserve(183 * 183);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return ranked;
    std::fseek(file, 0, SEEK_END);
    const long d = std::ftell(file) / 16;
    const long k = d / 100;
    const int s = p_.criterion == 2 ? -1 : 1;
    long counted = 0;
    for (int pass = 0; pass < p_.maxLength; ++pass) {
      std::fseek(file, 0, SEEK_SET);
      std::int32_t raw[4];
      while (std::fread(raw, 16, 1, file) == 1) {
        std::int32_t slots[3] = {0, 0, 0};
        bool skip = false;
        for (int i = 0; i < 3 && raw[i + 1] != -1; ++i) {
          if (raw[i + 1] < 0 || raw[i + 1] >= kFlatAnswerCount) {
            skip = true;
            break;
          }
          slots[i] = raw[i + 1] + codeQuestion_[raw[i + 1]] + 1;
        }
        // Checkpoint: a lock around the stop flag every d / 100 records.
        if (++counted >= k) {
          counted = 0;
          const std::lock_guard<std::mutex> guard(lock_);
          if (stop_) break;
        }
        const std::uint32_t n = static_cast<std::uint32_t>(raw[0]);
        if (skip || slots[0] == 0 || (p_.criterion == 1 && n == 0)) continue;
        const int length = slots[2] != 0 ? 3 : slots[1] != 0 ? 2 : 1;
        if (length != pass + 1) continue;
        const double l = Evaluate(n, slots[0], slots[1], slots[2]);
        if (l == -10000.0) continue;
        const double v = s * (l - p_.threshold);
        if (slots[2] == 0) Insert(pairs, slots[1] != 0 ? slots[0] : 0, slots[1] != 0 ? slots[1] : slots[0], s * l);
        double best = 0.0, difference = 0.0;
        if (slots[1] != 0) {
          std::vector<double> vals = {Lookup(pairs, 0, slots[0]), Lookup(pairs, 0, slots[1])};
          if (slots[2] != 0) {
            vals.push_back(Lookup(pairs, 0, slots[2]));
            vals.push_back(Lookup(pairs, slots[0], slots[1]));
            vals.push_back(Lookup(pairs, slots[0], slots[2]));
            vals.push_back(Lookup(pairs, slots[1], slots[2]));
          }
          bool dropped = false;
          best = vals[0];
          for (double val : vals) {
            if (val > best) best = val;
            if (val >= v) dropped = true;
          }
          if (dropped) continue;
          difference = s * l - best;
        }
        const double score = s * l * (1 - p_.weight) + difference * p_.weight;
        std::size_t at = ranked.size();
        for (std::size_t i = 0; i < ranked.size(); ++i)
          if (ranked[i].score < score) {
            at = i;
            break;
          }
        if (at >= 150) continue;
        if (ranked.size() == 150) ranked.pop_back();
        ranked.insert(ranked.begin() + static_cast<long>(at),
                      {slots[0], slots[1], slots[2], score, l, difference, static_cast<double>(n)});
      }
    }
    std::fclose(file);
    return ranked;
  }

  long evaluations = 0;

 private:
  static std::uint32_t Key(int a, int b) {
    return static_cast<std::uint32_t>(std::min(a, b)) << 16 | static_cast<std::uint32_t>(std::max(a, b));
  }
  static void Insert(std::vector<std::pair<std::uint32_t, double>>& t, int a, int b, double v) {
    const std::uint32_t key = Key(a, b);
    if (t.size() >= 183 * 183 || (!t.empty() && key < t.back().first)) return;
    t.push_back({key, v});
  }
  static double Lookup(const std::vector<std::pair<std::uint32_t, double>>& t, int a, int b) {
    const std::uint32_t key = Key(a, b);
    std::size_t lo = 0, hi = t.size();
    while (lo < hi) {
      const std::size_t mid = (lo + hi) / 2;
      if (t[mid].first < key)
        lo = mid + 1;
      else
        hi = mid;
    }
    return lo < t.size() && t[lo].first == key ? t[lo].second : 0.0;
  }

  double P(int c, int s) const { return model_.Row(c)[s]; }
  double Q(int c, int s1, int s2, int s3) const {
    return P(c, s1) * (s2 != 0 ? P(c, s2) : 1.0) * (s3 != 0 ? P(c, s3) : 1.0);
  }
  bool Touches(int q, int s1, int s2, int s3) const {
    return q == slotQuestion_[s1] || (s2 != 0 && q == slotQuestion_[s2]) || (s3 != 0 && q == slotQuestion_[s3]);
  }

  double Evaluate(std::uint32_t n, int s1, int s2, int s3) {
    ++evaluations;
    const int C = model_.Components();
    const double N = model_.Respondents();
    switch (p_.criterion) {
      case 0: {
        double sum = 0;
        for (int c = 0; c < C; ++c) sum += model_.Weight(c) * Q(c, s1, s2, s3);
        return std::fabs(sum - n / N);
      }
      case 2: {
        if (Touches(p_.x, s1, s2, s3)) return -10000.0;
        const int first = firstAnswerSlot_[p_.x], answers = model_.AnswerCount(p_.x);
        double f = 0, sum = 0;
        for (int x = first; x < first + answers; ++x) {
          double j = 0;
          for (int c = 0; c < C; ++c) j += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, x);
          f += j;
          if (j != 0) sum += j * std::log(j);
        }
        const double h = std::log(f) - sum / f;
        return h > 0 ? h : 0;
      }
      case 3: {
        if (Touches(p_.x, s1, s2, s3) || Touches(p_.y, s1, s2, s3)) return -10000.0;
        if (p_.x == p_.y) return 1.0;
        const int fx = firstAnswerSlot_[p_.x], ax = model_.AnswerCount(p_.x);
        const int fy = firstAnswerSlot_[p_.y], ay = model_.AnswerCount(p_.y);
        double b = 0, sum = 0;
        for (int x = fx; x < fx + ax; ++x)
          for (int y = fy; y < fy + ay; ++y) {
            double pxy = 0, px = 0, py = 0;
            for (int c = 0; c < C; ++c) pxy += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, x) * P(c, y);
            for (int c = 0; c < C; ++c) px += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, x);
            for (int c = 0; c < C; ++c) py += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, y);
            b += pxy;
            if (pxy != 0 && px != 0 && py != 0) sum += pxy * std::log(pxy / (px * py));
          }
        return std::log(b) + sum / b;
      }
      default: {  // 4
        const int qx = slotQuestion_[p_.x], qy = p_.y != -1 ? slotQuestion_[p_.y] : -1;
        if (Touches(qx, s1, s2, s3) || Touches(qy, s1, s2, s3)) return -10000.0;
        if (p_.x == p_.y) p_.y = -1;
        double t = 0, sum = 0;
        for (int c = 0; c < C; ++c) {
          double e = P(c, p_.x);
          if (p_.y > 0) e = qx == qy ? P(c, p_.x) + P(c, p_.y) : P(c, p_.x) * P(c, p_.y);
          t += model_.Weight(c) * e * Q(c, s1, s2, s3);
          sum += model_.Weight(c) * Q(c, s1, s2, s3);
        }
        return t / sum;
      }
    }
  }

  const CModel& model_;
  LiteralParameters p_;
  std::vector<int> slotQuestion_, codeQuestion_, firstAnswerSlot_;
  std::mutex lock_;
  bool stop_ = false;
};

// ---------------------------------------------------------------------------

class QuietObserver final : public AnalysisObserver {
 public:
  void Progress(std::int64_t, std::int64_t) override {}
  void Done(std::int64_t) override {}
};

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The same conditions in the same order with the same numbers.
bool SameRanking(const std::vector<AnalysisHit>& fast, const std::vector<LiteralHit>& literal) {
  if (fast.size() != literal.size()) return false;
  for (std::size_t i = 0; i < fast.size(); ++i) {
    const AnalysisHit& a = fast[i];
    const LiteralHit& b = literal[i];
    if (a.s1 != b.s1 || a.s2 != b.s2 || a.s3 != b.s3 || a.score != b.score || a.value != b.value ||
        a.difference != b.difference || a.count != b.count)
      return false;
  }
  return true;
}

// Every `stride`-th record of the file, in order.
std::string Subset(const std::string& folder, int stride) {
  std::vector<unsigned char> bytes, out;
  ReadWholeFile(folder + "/zData.gcd", bytes);
  for (std::size_t r = 0; r + 16 <= bytes.size(); r += 16 * static_cast<std::size_t>(stride))
    out.insert(out.end(), bytes.begin() + static_cast<long>(r), bytes.begin() + static_cast<long>(r) + 16);
  const std::string path = (std::filesystem::temp_directory_path() / "orbica-bench-analysis-subset.gcd").string();
  WriteFileAtomically(path, out.data(), out.size());
  return path;
}

struct Case {
  const char* name;
  int criterion, x, y;
  int subsetStride;  // 1 = the whole file
};

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = bench::CensusFolder(argc, argv, 256);
  RecordingNotifier notifier;
  CModel model;
  CQuestionList questions;
  if (model.Load(folder + "/data.mle", notifier, false) != 0 ||
      questions.Load(folder + "/Otazky.txt", model, notifier) != 1) {
    std::fprintf(stderr, "cannot load the census in %s\n", folder.c_str());
    return 1;
  }
  std::vector<unsigned char> bytes;
  ReadWholeFile(folder + "/zData.gcd", bytes);
  std::printf("census %s: C = %d components, %zu records; %u hardware threads; %s kernels\n", folder.c_str(),
              model.Components(), bytes.size() / 16, std::thread::hardware_concurrency(),
              kernels::SelectKernels(KernelLevel::Auto).name);

  // Question 1 and question 6 have 15 answers each.
  const Case cases[] = {
      {"criterion 0, length 3", 0, -1, -1, 1},
      {"criterion 2, question 1 (15 answers), length 3", 2, 0, -1, 1},
      {"criterion 3, questions 1 and 6 (15 answers each), length 3", 3, 0, 5, 50},
      {"criterion 4, answers 5c and 7a, length 3", 4, AnswerSlot(4, 2), AnswerSlot(6, 0), 1},
  };
  bool allSame = true;
  for (const Case& c : cases) {
    const std::string records = c.subsetStride == 1 ? folder + "/zData.gcd" : Subset(folder, c.subsetStride);
    CAnalysis analysis(model, questions, notifier, records);
    analysis.criterion = c.criterion;
    analysis.firstChoice = c.x;
    analysis.secondChoice = c.y;
    analysis.maxLength = 3;
    QuietObserver observer;
    std::vector<AnalysisHit> fast;
    const auto runFast = [&](int threads) {
      analysis.threads = threads;
      analysis.BeginRun();
      analysis.Search(observer, notifier);
      fast = analysis.Ranked();
      analysis.FinishRun();
    };
    runFast(0);  // warm-up: caches, page faults
    // Medians: the machine may be shared, and a busy second core slows the fast search most.
    const double fastAll = bench::MedianSeconds(7, [&] { runFast(0); });
    const double fastOne = bench::MedianSeconds(5, [&] { runFast(1); });

    std::vector<LiteralHit> reference;
    long evaluations = 0;
    const double literalTime = bench::MedianSeconds(3, [&] {
      LiteralSearch literal(model, {c.criterion, c.x, c.y, 3, 0.0, 0.0});
      reference = literal.Run(records);
      evaluations = literal.evaluations;
    });
    const bool same = SameRanking(fast, reference);
    allSame = allSame && same;
    std::printf(
        "%s%s:\n  literal %.1f ms (%ld evaluations, %.2f us each); fast %.1f ms on %d threads, %.1f ms on 1\n"
        "  ratio %.1fx (1 thread: %.1fx); rankings %s (%zu conditions)\n",
        c.name, c.subsetStride == 1 ? "" : (", every " + std::to_string(c.subsetStride) + "th record").c_str(),
        literalTime * 1e3, evaluations, literalTime * 1e6 / static_cast<double>(evaluations),
        fastAll * 1e3, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())), fastOne * 1e3,
        literalTime / fastAll, literalTime / fastOne, same ? "identical" : "DIFFERENT", fast.size());
    if (c.criterion == 3) {
      // The whole file with the fast search, per record against the literal one.
      CAnalysis whole(model, questions, notifier, folder + "/zData.gcd");
      whole.criterion = 3, whole.firstChoice = c.x, whole.secondChoice = c.y, whole.maxLength = 3;
      const double full = Seconds([&] {
        whole.BeginRun();
        whole.Search(observer, notifier);
        whole.FinishRun();
      });
      const double perRecordLiteral = literalTime / (static_cast<double>(bytes.size() / 16) / c.subsetStride);
      const double perRecordFast = full / static_cast<double>(bytes.size() / 16);
      std::printf("  whole file, fast: %.1f ms; per record read: literal %.2f us, fast %.3f us, ratio %.1fx\n",
                  full * 1e3, perRecordLiteral * 1e6, perRecordFast * 1e6, perRecordLiteral / perRecordFast);
    }
    std::fflush(stdout);
  }
  return allSame ? 0 : 1;
}
