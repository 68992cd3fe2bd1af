// The analysis search against a literal single-threaded implementation of it (the
// records file read 16 bytes at a time on every pass, scalar component loops,
// joint and single probabilities recomputed inside the pair loop), on the same
// census, runs interleaved pair by pair, with a check that both rank the same
// conditions with the same numbers; then the fast search on the whole file
// against its targets (criteria 0 and 4: the whole orbica-cli analyze process)
// and the arithmetic floor, and the peak memory of
// orbica-cli analyze (built beside this program) on 100,000 and on 3.5 million
// records.
//   bench_analysis [CENSUS_FOLDER [--memory-only]]
// Without a folder it makes (once) a sample census of 256 components. Exit status
// 1 when a ranking differs, 2 when a target is missed.
#include <fcntl.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/kernels.h"
#include "analysis/literal_search.h"
#include "bench_util.h"
#include "model/binary_io.h"
#include "model/model.h"
#include "survey/question_list.h"

using namespace orbica;
using orbica::test::LiteralHit;
using orbica::test::LiteralSearch;

namespace {

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

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string LoadAverage() {
  double load[3] = {0, 0, 0};
  if (getloadavg(load, 3) != 3) return "unknown";
  char text[64];
  std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
  return text;
}

// The peak of one core for separate multiplications and additions in the widest
// vectors the kernels use: NAME(iterations) runs 24 independent chains a = a x c + d,
// unrolled so that every chain stays in a register and only the units' throughput
// counts. Returns a value that depends on every chain.
#define ORBICA_PEAK_LOOP(NAME, BYTES)                                \
  double NAME(long iterations) {                                    \
    typedef double V __attribute__((vector_size(BYTES)));           \
    V a[24], c = V{} + 0.5, d = V{} + 0.5;                          \
    _Pragma("GCC unroll 24") for (int i = 0; i < 24; ++i) a[i] = V{} + (1.0 + i); \
    for (long n = 0; n < iterations; ++n) {                         \
      asm volatile("" : "+v"(c), "+v"(d));                          \
      _Pragma("GCC unroll 24") for (int i = 0; i < 24; ++i) a[i] = a[i] * c + d; \
    }                                                               \
    V sum = V{};                                                    \
    _Pragma("GCC unroll 24") for (int i = 0; i < 24; ++i) sum += a[i]; \
    return sum[0];                                                  \
  }
__attribute__((target("avx512f"))) ORBICA_PEAK_LOOP(Peak512, 64)
__attribute__((target("avx2"))) ORBICA_PEAK_LOOP(Peak256, 32)
ORBICA_PEAK_LOOP(Peak128, 16)
#undef ORBICA_PEAK_LOOP

// Correctly rounded divisions in the widest vectors: 12 independent chains
// a = c / a, so only the divider's throughput counts.
#define ORBICA_DIVIDE_LOOP(NAME, BYTES)                                              \
  double NAME(long iterations) {                                                    \
    typedef double V __attribute__((vector_size(BYTES)));                           \
    V a[12], c = V{} + 2.0;                                                         \
    _Pragma("GCC unroll 12") for (int i = 0; i < 12; ++i) a[i] = V{} + (1.0 + i);   \
    for (long n = 0; n < iterations; ++n) {                                         \
      asm volatile("" : "+v"(c));                                                   \
      _Pragma("GCC unroll 12") for (int i = 0; i < 12; ++i) a[i] = c / a[i];        \
    }                                                                               \
    V sum = V{};                                                                    \
    _Pragma("GCC unroll 12") for (int i = 0; i < 12; ++i) sum += a[i];              \
    return sum[0];                                                                  \
  }
__attribute__((target("avx512f"))) ORBICA_DIVIDE_LOOP(Divide512, 64)
__attribute__((target("avx2"))) ORBICA_DIVIDE_LOOP(Divide256, 32)
ORBICA_DIVIDE_LOOP(Divide128, 16)
#undef ORBICA_DIVIDE_LOOP

// Seconds per divided lane on one core (best of three).
double DivisionSeconds(int lanes) {
  const long iterations = 2'000'000;
  double best = 1.0;
  for (int run = 0; run < 3; ++run) {
    volatile double sink = 0.0;
    const double t = Seconds([&] {
      sink = lanes == 8 ? Divide512(iterations) : lanes == 4 ? Divide256(iterations) : Divide128(iterations);
    });
    best = std::min(best, t / (static_cast<double>(iterations) * 12 * lanes));
  }
  return best;
}

// Flops per second of one core (best of three).
double PeakFlops(int lanes) {
  const long iterations = 20'000'000;
  double best = 0.0;
  for (int run = 0; run < 3; ++run) {
    volatile double sink = 0.0;
    const double t = Seconds([&] {
      sink = lanes == 8 ? Peak512(iterations) : lanes == 4 ? Peak256(iterations) : Peak128(iterations);
    });
    best = std::max(best, static_cast<double>(iterations) * 24 * 2 * lanes / t);
  }
  return best;
}

// Seconds per call of the library's log when the calls are independent (best of
// three), on arguments spread like the criteria's quotients.
double LogSeconds() {
  std::vector<double> x(4096);
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = 0.25 + 1.5 * static_cast<double>(i) / x.size();
  double best = 1.0;
  for (int run = 0; run < 3; ++run) {
    volatile double sink = 0.0;
    const int rounds = 2000;
    const double t = Seconds([&] {
      double s = 0.0;
      for (int r = 0; r < rounds; ++r)
        for (const double v : x) s += std::log(v);
      sink = s;
    });
    best = std::min(best, t / (static_cast<double>(rounds) * x.size()));
  }
  return best;
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

// Records [first, first + count) of the file, or every `stride`-th record, repeated
// `copies` times, as a records file in `folder`.
std::string WriteRecords(const std::vector<unsigned char>& bytes, const std::string& path, std::size_t stride,
                         std::size_t limit, int copies) {
  std::vector<unsigned char> out;
  for (int copy = 0; copy < copies; ++copy)
    for (std::size_t r = 0; r + 16 <= bytes.size() && out.size() / 16 < limit; r += 16 * stride)
      out.insert(out.end(), bytes.begin() + static_cast<long>(r), bytes.begin() + static_cast<long>(r) + 16);
  WriteFileAtomically(path, out.data(), out.size());
  return path;
}

// Conditions the criterion is evaluated on (records whose condition it applies to).
long Conditions(const std::vector<unsigned char>& bytes, int criterion, int x, int y) {
  long n = 0;
  for (std::size_t r = 0; r + 16 <= bytes.size(); r += 16) {
    int questions[3], length = 0;
    bool valid = true;
    for (int k = 0; k < 3; ++k) {
      const std::int32_t code = ReadLE<std::int32_t>(bytes.data() + r + 4 + 4 * k);
      if (code == -1) break;
      if (code < 0 || code >= kFlatAnswerCount) valid = false;
      if (valid) questions[length++] = QuestionOfFlatCode(code);
    }
    if (!valid || length == 0) continue;
    const auto touches = [&](int q) { return std::find(questions, questions + length, q) != questions + length; };
    if (criterion == 2 && touches(x)) continue;
    if (criterion == 3 && (touches(x) || touches(y))) continue;
    if (criterion == 4 && (touches(QuestionOfSlot(x)) || (y != -1 && touches(QuestionOfSlot(y))))) continue;
    ++n;
  }
  return n;
}

struct Case {
  const char* name;
  int criterion, x, y;
  int subsetStride;     // the literal run reads every subsetStride-th record (1 = the whole file)
  double flops;         // multiplications and additions per condition and component
  int logs;             // library logarithms per condition
  int divisions;        // divisions per condition
  double target;        // seconds for the whole file on 2 threads, 0 = none
  bool wholeRun;        // the target covers a whole `orbica-cli analyze` process
  const char* cliChoices;  // its --first/--second words, "" for none
};

// Seconds of one whole `orbica-cli analyze` process in `folder` with `args`
// (start-up, loading, search and output), or -1 when it fails.
double CliSeconds(const std::string& cli, const std::string& folder, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(cli.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  // Spawned without copying this process's page tables, which a fork of a
  // benchmark holding the whole records file would add to the time.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = -1;
  const int spawned = posix_spawn(&child, cli.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1.0;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The peak resident memory (VmHWM) of `orbica-cli analyze --criterion 0 --length 3`
// run in `folder`, in KiB: the process is traced and read just before it exits.
long CliPeakKiB(const std::string& cli, const std::string& folder) {
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || chdir(folder.c_str()) != 0 || ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(127);
    dup2(null, STDOUT_FILENO), dup2(null, STDERR_FILENO);
    execl(cli.c_str(), cli.c_str(), "analyze", "--criterion", "0", "--length", "3", "--threads", "2",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  if (child < 0) return -1;
  long peak = -1;
  int status = 0;
  bool first = true;
  while (waitpid(child, &status, 0) == child && WIFSTOPPED(status)) {
    int signal = WSTOPSIG(status);
    if (first) {  // stopped at the exec
      ptrace(PTRACE_SETOPTIONS, child, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACEEXIT));
      first = false, signal = 0;
    } else if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
      std::ifstream file("/proc/" + std::to_string(child) + "/status");
      for (std::string line; std::getline(file, line);)
        if (line.rfind("VmHWM:", 0) == 0) peak = std::stol(line.substr(6));
      signal = 0;
    }
    ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void*>(static_cast<long>(signal)));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? peak : -1;
}

// A census folder with the model and texts of `folder` and `records` records of
// its counts file (repeated as needed).
std::string RecordsFolder(const std::string& folder, const std::vector<unsigned char>& bytes, std::size_t records,
                          const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path out = fs::temp_directory_path() / name;
  fs::create_directories(out);
  fs::copy_file(folder + "/data.mle", out / "data.mle", fs::copy_options::overwrite_existing);
  fs::copy_file(folder + "/Otazky.txt", out / "Otazky.txt", fs::copy_options::overwrite_existing);
  const int copies = static_cast<int>((records + bytes.size() / 16 - 1) / (bytes.size() / 16));
  WriteRecords(bytes, (out / "zData.gcd").string(), 1, records, copies);
  return out.string();
}

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
  const int components = model.Components();
  const int threads = 2;
  const kernels::KernelSet& widest = kernels::SelectKernels(KernelLevel::Auto);
  std::printf("census %s: C = %d components, %zu records; %d threads; %s kernels; load average %s\n", folder.c_str(),
              components, bytes.size() / 16, threads, widest.name, LoadAverage().c_str());
  const double peak = PeakFlops(widest.lanes);
  std::printf("peak of one core, separate multiply and add, %d-lane vectors: %.1f Gflop/s\n", widest.lanes,
              peak * 1e-9);
  const double logSeconds = LogSeconds();
  std::printf("library log, independent calls: %.2f ns per call\n", logSeconds * 1e9);
  const double divisionSeconds = DivisionSeconds(widest.lanes);
  std::printf("division, %d-lane vectors: %.2f ns per value\n", widest.lanes, divisionSeconds * 1e9);

  // Question 1 and question 6 have 15 answers each. Flops per condition and
  // component: the condition factor w x p1 x p2 x p3 (3), then criterion 0 one
  // multiply-add, criterion 4 two, criterion 2 one per answer, criterion 3 one
  // per pair of answers and one per answer of each question for Px and Py.
  // Logs per condition: criterion 2 one per answer and one of the total, criterion 3
  // one per pair of answers and one of the total; criterion 3 also divides each
  // joint probability by the product of its single ones.
  const int scale = std::max(1, components / 256);
  // The targets of criteria 0, 2 and 4 are set for the census of 256 components.
  const double smaller = components < 1024 ? 1.0 : 0.0;
  const Case cases[] = {
      {"criterion 0, length 3", 0, -1, -1, 1, 3 + 2, 0, 0, 0.040 * smaller, true, ""},
      {"criterion 4, answers 5c and 7a, length 3", 4, AnswerSlot(4, 2), AnswerSlot(6, 0), 1, 3 + 4, 0, 0,
       0.040 * smaller, true, "--first 5c --second 7a"},
      {"criterion 2, question 1 (15 answers), length 3", 2, 0, -1, 10 * scale, 3 + 2 * 15, 15 + 1, 0,
       0.080 * smaller, false, ""},
      {"criterion 3, questions 1 and 6 (15 answers each), length 3", 3, 0, 5, 50 * scale, 3 + 2 * 225 + 2 * 30,
       225 + 1, 225, components >= 1024 ? 2.5 : 0.8, false, ""},
  };
  const std::string cli = (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "src" / "cli" /
                           "orbica-cli").string();
  constexpr int kCliRuns = 21;
  const std::string scratch = (std::filesystem::temp_directory_path() / "orbica-bench-analysis.gcd").string();
  constexpr int kPairs = 5;
  bool allSame = true, allMet = true;
  const bool memoryOnly = argc > 2 && std::string(argv[2]) == "--memory-only";
  for (const Case& c : cases) {
    if (memoryOnly) break;
    const std::string records = c.subsetStride == 1 ? folder + "/zData.gcd"
                                                    : WriteRecords(bytes, scratch, c.subsetStride, SIZE_MAX, 1);
    CAnalysis analysis(model, questions, notifier, records);
    analysis.criterion = c.criterion, analysis.firstChoice = c.x, analysis.secondChoice = c.y;
    analysis.maxLength = 3;
    analysis.threads = threads;
    QuietObserver observer;
    std::vector<AnalysisHit> fast;
    const auto runFast = [&](CAnalysis& a) {
      a.BeginRun();
      a.Search(observer, notifier);
      fast = a.Ranked();
      a.FinishRun();
    };
    runFast(analysis);  // warm-up: caches, page faults

    // Fast and literal runs on the same records, interleaved pair by pair.
    std::vector<double> fastTimes, literalTimes, ratios;
    std::vector<LiteralHit> reference;
    long evaluations = 0;
    for (int pair = 0; pair < kPairs; ++pair) {
      const double f = Seconds([&] { runFast(analysis); });
      const double l = Seconds([&] {
        LiteralSearch literal(model, {c.criterion, c.x, c.y, 3, 0.0, 0.0});
        reference = literal.Run(records);
        evaluations = literal.evaluations;
      });
      fastTimes.push_back(f), literalTimes.push_back(l), ratios.push_back(l / f);
    }
    const bool same = SameRanking(fast, reference);
    allSame = allSame && same;
    std::printf("%s%s:\n  %d pairs: literal %.1f ms (%ld evaluations), fast %.2f ms; ratio %.1fx; rankings %s (%zu)\n",
                c.name,
                c.subsetStride == 1 ? "" : (", literal on every " + std::to_string(c.subsetStride) + "th record").c_str(),
                kPairs, Median(literalTimes) * 1e3, evaluations, Median(fastTimes) * 1e3, Median(ratios),
                same ? "identical" : "DIFFERENT", fast.size());

    // The whole file with the fast search (for the run targets also loading the census first,
    // and then the whole orbica-cli process, which is what those targets measure).
    CAnalysis whole(model, questions, notifier, folder + "/zData.gcd");
    whole.criterion = c.criterion, whole.firstChoice = c.x, whole.secondChoice = c.y;
    whole.maxLength = 3;
    whole.threads = threads;
    std::vector<double> wholeTimes;
    for (int run = 0; run < kPairs; ++run)
      wholeTimes.push_back(Seconds([&] {
        if (c.wholeRun) {
          RecordingNotifier n;
          CModel m;
          CQuestionList q;
          m.Load(folder + "/data.mle", n, false);
          q.Load(folder + "/Otazky.txt", m, n);
          CAnalysis a(m, q, n, folder + "/zData.gcd");
          a.criterion = c.criterion, a.firstChoice = c.x, a.secondChoice = c.y, a.maxLength = 3, a.threads = threads;
          runFast(a);
        } else {
          runFast(whole);
        }
      }));
    double wholeTime = Median(wholeTimes);
    if (c.wholeRun) {
      std::printf("  whole file in this process, load and search: %.1f ms (median of %d)\n", wholeTime * 1e3, kPairs);
      std::vector<std::string> args = {"analyze", "--criterion", std::to_string(c.criterion), "--length", "3",
                                       "--threads", std::to_string(threads)};
      std::istringstream choices(c.cliChoices);
      for (std::string word; choices >> word;) args.push_back(word);
      std::vector<double> runs;
      CliSeconds(cli, folder, args);  // warm-up
      for (int run = 0; run < kCliRuns; ++run) runs.push_back(CliSeconds(cli, folder, args));
      wholeTime = *std::min_element(runs.begin(), runs.end()) < 0.0 ? 1e9 : Median(runs);
    }
    const long conditions = Conditions(bytes, c.criterion, c.x, c.y);
    const double floor =
        static_cast<double>(conditions) *
        (components * c.flops / peak + c.logs * logSeconds + c.divisions * divisionSeconds) / threads;
    const bool met = c.target == 0.0 || wholeTime <= c.target;
    allMet = allMet && met;
    const std::string target =
        c.target == 0.0 ? "no target" : "target " + std::to_string(static_cast<int>(c.target * 1e3)) + " ms";
    std::printf(
        "  whole file%s: %.1f ms (median of %d), %s: %s\n"
        "  floor: %ld conditions x (%d components x %.0f flops / peak + %d logs + %d divisions) / %d threads = "
        "%.1f ms; "
        "fast run %.2fx the floor\n",
        c.wholeRun ? ", orbica-cli analyze" : ", search", wholeTime * 1e3, c.wholeRun ? kCliRuns : kPairs,
        target.c_str(),
        c.target == 0.0 ? "-" : met ? "met" : "MISSED",
        conditions, components, c.flops, c.logs, c.divisions, threads, floor * 1e3, wholeTime / floor);
    std::fflush(stdout);
  }

  // Memory: orbica-cli analyze on 100,000 records and on 3.5 million (the file repeated).
  const std::string small = RecordsFolder(folder, bytes, 100'000, "orbica-bench-analysis-small");
  const std::string large = RecordsFolder(folder, bytes, 3'500'000, "orbica-bench-analysis-large");
  const long smallKiB = CliPeakKiB(cli, small), largeKiB = CliPeakKiB(cli, large);
  std::filesystem::remove_all(small);
  std::filesystem::remove_all(large);
  const bool memoryMet = smallKiB > 0 && largeKiB > 0 && largeKiB - smallKiB <= 32 * 1024;
  allMet = allMet && memoryMet;
  std::printf("peak resident memory of orbica-cli analyze --criterion 0 --length 3: 100,000 records %ld KiB, "
              "3,500,000 records %ld KiB; difference %ld KiB, target <= 32768: %s\n",
              smallKiB, largeKiB, largeKiB - smallKiB, memoryMet ? "met" : "MISSED");
  std::printf("load average at the end %s\n", LoadAverage().c_str());
  return allSame ? (allMet ? 0 : 2) : 1;
}
