// analyze: the ranked search of the analysis, with its results as lines.
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>

#include "analysis/analysis.h"
#include "cli/cli_common.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "engine/app_context.h"
#include "survey/question_list.h"
#include "survey/subpopulation_code.h"

namespace orbica::cli {
namespace {

constexpr int kExitStopped = 130;

volatile std::sig_atomic_t interrupted = 0;
extern "C" void OnInterrupt(int) { interrupted = 1; }

// An answer written as question number and letter ("5c") as its slot.
std::optional<int> ParseAnswer(const std::string& text) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits == 0 || digits + 1 != text.size()) return std::nullopt;
  const auto question = ParseQuestionNumber(text.substr(0, digits));
  const int answer = text[digits] - 'a';
  if (!question || answer < 0 || answer >= AnswerCount(*question)) return std::nullopt;
  return AnswerSlot(*question, answer);
}

// Progress on standard error as a bar, when it is a terminal; Done wakes the waiting thread.
class CliObserver final : public AnalysisObserver {
 public:
  explicit CliObserver(bool bar) : bar_(bar) {}

  void Progress(std::int64_t position, std::int64_t range) override {
    if (!bar_) return;
    const int percent = range > 0 && range == 100 ? static_cast<int>(position) : 0;
    if (percent == shown_) return;
    shown_ = percent;
    const int filled = percent * 40 / 100;
    std::fprintf(stderr, "\ranalyze [%s%s] %3d%%", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(40 - filled), ' ').c_str(), percent);
    std::fflush(stderr);
  }

  void Done(std::int64_t) override {
    if (bar_ && shown_ >= 0) std::fprintf(stderr, "\r%60s\r", "");
    const std::lock_guard<std::mutex> guard(mutex_);
    done_ = true;
    wake_.notify_all();
  }

  // Waits for Done; calls `poll` about every 50 ms meanwhile.
  template <typename Poll>
  void Wait(Poll poll) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!done_) {
      wake_.wait_for(lock, std::chrono::milliseconds(50));
      lock.unlock();
      poll();
      lock.lock();
    }
  }

 private:
  bool bar_;
  int shown_ = -1;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
};

struct Options {
  int criterion = -1;
  std::string first, second;
  int length = 2;
  double threshold = 0.0;
  double weight = 0.0;
  int threads = 0;
};

int ParseOptions(const Args& args, Options& o) {
  for (std::size_t i = 1; i < args.size(); i += 2) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return UsageError(NeedsValue(option));
    const std::string& value = args[i + 1];
    if (option == "--criterion") {
      const auto k = ParseInteger(value, 0, kCriterionCount - 1);
      if (!k)
        return UsageError(
            QCoreApplication::translate("orbica-cli", "bad --criterion \"%1\" (0..5)").arg(FromUtf8(value)));
      o.criterion = static_cast<int>(*k);
    } else if (option == "--first") {
      o.first = value;
    } else if (option == "--second") {
      o.second = value;
    } else if (option == "--length") {
      const auto f = ParseInteger(value, 1, 3);
      if (!f)
        return UsageError(QCoreApplication::translate("orbica-cli", "bad --length \"%1\" (1..3)").arg(FromUtf8(value)));
      o.length = static_cast<int>(*f);
    } else if (option == "--threshold") {
      const auto t = ParseNumber(value);
      if (!t)
        return UsageError(
            QCoreApplication::translate("orbica-cli", "bad --threshold \"%1\" (a number)").arg(FromUtf8(value)));
      o.threshold = *t;
    } else if (option == "--weight") {
      const auto w = ParseNumber(value);
      if (!w || *w < 0.0 || *w > 1.0)
        return UsageError(QCoreApplication::translate("orbica-cli", "bad --weight \"%1\" (0..1)").arg(FromUtf8(value)));
      o.weight = *w;
    } else if (option == "--threads") {
      const auto n = ParseInteger(value, 1, 1024);
      if (!n)
        return UsageError(
            QCoreApplication::translate("orbica-cli", "bad --threads \"%1\" (1..1024)").arg(FromUtf8(value)));
      o.threads = static_cast<int>(*n);
    } else {
      return UsageError(UnknownOption(option));
    }
  }
  if (o.criterion < 0) return UsageError(QCoreApplication::translate("orbica-cli", "--criterion is required"));
  return kExitOk;
}

// The analysed questions (as indices) or answers (as slots) of the criterion.
int TakeChoices(const Options& o, int& first, int& second) {
  const int k = o.criterion;
  const bool usesFirst = k >= 2, usesSecond = k >= 3;
  if (!usesFirst && !o.first.empty())
    return UsageError(
        QCoreApplication::translate("orbica-cli", "--first is not used by criterion %1").arg(QString::number(k)));
  if (!usesSecond && !o.second.empty())
    return UsageError(
        QCoreApplication::translate("orbica-cli", "--second is not used by criterion %1").arg(QString::number(k)));
  if (usesFirst && o.first.empty())
    return UsageError(QCoreApplication::translate("orbica-cli", "criterion %1 needs --first").arg(QString::number(k)));
  if (k == 3 && o.second.empty())
    return UsageError(QCoreApplication::translate("orbica-cli", "criterion 3 needs --second"));
  const auto choice = [&](const std::string& text, const char* option, int& out) {
    if (text.empty()) return true;
    const std::optional<int> value = k <= 3 ? ParseQuestionNumber(text) : ParseAnswer(text);
    if (!value) {
      UsageError((k <= 3 ? QCoreApplication::translate("orbica-cli", "bad %1 \"%2\" (a question number 1..24)")
                         : QCoreApplication::translate("orbica-cli", "bad %1 \"%2\" (an answer such as 5c)"))
                     .arg(QString::fromUtf8(option), FromUtf8(text)));
      return false;
    }
    out = *value;
    return true;
  };
  first = second = -1;
  if (!choice(o.first, "--first", first) || !choice(o.second, "--second", second)) return kExitUsage;
  return kExitOk;
}

int CmdAnalyze(const Args& args, OutputFormat format) {
  Options options;
  if (const int status = ParseOptions(args, options); status != kExitOk) return status;
  int first = -1, second = -1;
  if (const int status = TakeChoices(options, first, second); status != kExitOk) return status;

  StreamNotifier streamNotifier = ErrorNotifier();
  Notifier& notifier = streamNotifier;
  CModel model;
  if (model.Load(kModelFileName, notifier, /*withCounts=*/false) != 0) {
    notifier.Show(MessageId::ModelNotLoaded, MessageId::StartupCaption);
    return kExitLoadFailure;
  }
  CQuestionList questions;
  if (questions.Load(kQuestionsFileName, model, notifier) != 1) {
    notifier.Show(MessageId::QuestionListNotLoaded, MessageId::StartupCaption);
    return kExitLoadFailure;
  }
  CAnalysis analysis(model, questions, notifier, "zData.gcd");
  analysis.criterion = options.criterion;
  analysis.firstChoice = first;
  analysis.secondChoice = second;
  analysis.maxLength = options.length;
  analysis.threshold = options.threshold;
  analysis.weight = options.weight;
  analysis.threads = options.threads;
  const std::string title = analysis.MakeTitle();
  if (!analysis.BeginRun()) return kExitLoadFailure;

  // The search runs on a worker, as in the program; Ctrl+C asks it to stop.
  interrupted = 0;
  struct sigaction action = {}, previous = {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous);
  CliObserver observer(isatty(STDERR_FILENO) != 0);
  std::thread worker([&] { analysis.Search(observer, notifier); });
  observer.Wait([&] {
    if (interrupted) analysis.RequestStop();
  });
  worker.join();
  sigaction(SIGINT, &previous, nullptr);

  if (analysis.Outcome() == SearchOutcome::NoRecordsFile) {
    analysis.FinishRun();
    return kExitLoadFailure;
  }
  const std::vector<AnalysisHit> hits = analysis.Ranked();
  const bool stopped = analysis.StopRequested();
  if (!analysis.FinishRun()) {
    if (stopped) {
      std::cerr << "orbica-cli: " << QCoreApplication::translate("orbica-cli", "stopped").toStdString() << '\n';
      return kExitStopped;
    }
    return kExitLoadFailure;
  }
  if (format != OutputFormat::kTsv) {
    Report report;
    report.Field("title", title);
    report.rowsName = "results";
    report.columns = {"rank", "code", "score", "value", "difference", "true_size"};
    for (int i = 0; i < analysis.ResultCount(); ++i) {
      const CInfPopulace& result = analysis.Result(i);
      report.Row({std::int64_t{i + 1}, CompactCode(result.Masks()), hits[static_cast<std::size_t>(i)].score,
                  result.criterionValue, result.difference, result.trueSize});
    }
    WriteReport(std::cout, report, format);
    return kExitOk;
  }
  std::string out = title + '\n';
  for (int i = 0; i < analysis.ResultCount(); ++i) {
    const CInfPopulace& result = analysis.Result(i);
    out += std::to_string(i + 1) + '\t' + CompactCode(result.Masks()) + '\t' +
           Exact(hits[static_cast<std::size_t>(i)].score) + '\t' + Exact(result.criterionValue) + '\t' +
           Exact(result.difference) + '\t' + Exact(result.trueSize) + '\n';
  }
  std::cout << out;
  return kExitOk;
}

const CommandRegistrar kAnalyze(
    {"analyze", CmdAnalyze,
     "analyze --criterion K [--first A] [--second B] [--length F] [--threshold T] [--weight W] [--threads N]",
     QT_TRANSLATE_NOOP("orbica-cli", "ranked search of the analysis"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Runs the analysis search of criterion K (0..5) over the records of zData.gcd\n"
                       "and prints its title, then one line per result: rank, code, score, criterion\n"
                       "value, difference and true size, separated by tabs. Ctrl+C stops the search\n"
                       "(exit code 130).\n"
                       "  --first A, --second B   the analysed questions (criteria 2 and 3: numbers\n"
                       "                          1..24) or answers (criteria 4 and 5: such as 5c)\n"
                       "  --length F              most conditions in a result, 1..3 (default 2)\n"
                       "  --threshold T           difference threshold for longer conditions (default 0)\n"
                       "  --weight W              significance 0..1 of the difference in the score\n"
                       "                          (default 0: ranked by the criterion value alone)\n"
                       "  --threads N             search threads (default: one per processor)\n"),
     70, true, true});

}  // namespace
}  // namespace orbica::cli
