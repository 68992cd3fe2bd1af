// info, prob and dist: questions answered from the loaded census.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "engine/app_context.h"

namespace orbica::cli {
namespace {

// Loads the model of the current folder (these commands need nothing else);
// messages go to standard error.
bool LoadCensus(AppContext& context) { return context.LoadModel() == 0; }

int CmdInfo(const Args& args, OutputFormat format) {
  if (args.size() != 1) return UsageError(QCoreApplication::translate("orbica-cli", "info takes no arguments"));
  StreamNotifier notifier = ErrorNotifier();
  AppContext context(notifier);
  if (!LoadCensus(context)) return kExitLoadFailure;
  const CModel& model = context.model;
  if (format != OutputFormat::kTsv) {
    Report report;
    report.Field("components", std::int64_t{model.Components()});
    report.Field("respondents", std::int64_t{model.Respondents()});
    report.Field("records", static_cast<std::int64_t>(model.Counts().RecordsRead()));
    report.Field("skipped", static_cast<std::int64_t>(model.Counts().RecordsSkipped()));
    WriteReport(std::cout, report, format);
    return kExitOk;
  }
  std::cout << "components " << model.Components() << '\n'
            << "respondents " << model.Respondents() << '\n'
            << "records " << model.Counts().RecordsRead() << '\n'
            << "skipped " << model.Counts().RecordsSkipped() << '\n';
  return kExitOk;
}

int CmdProb(const Args& args, OutputFormat format) {
  if (args.size() < 2) return UsageError(QCoreApplication::translate("orbica-cli", "prob needs a CODE"));
  const std::string code = JoinWords(args, 1);
  const auto set = ParseCodeOrComplain(code);
  if (!set) return kExitUsage;
  StreamNotifier notifier = ErrorNotifier();
  AppContext context(notifier);
  if (!LoadCensus(context)) return kExitLoadFailure;
  double deviation = 0.0;
  const double p = context.model.Probability(*set, &deviation);
  const std::int64_t persons = PersonsOf(context.model.Respondents(), p);
  const std::int64_t observed = context.model.Counts().Count(*set);
  if (format != OutputFormat::kTsv) {
    Report report;
    report.Field("code", code);
    report.Field("probability", p);
    report.Field("deviation", deviation);
    report.Field("persons", persons);
    report.Field("observed", observed);
    WriteReport(std::cout, report, format);
    return kExitOk;
  }
  std::cout << Exact(p) << ' ' << Exact(deviation) << ' ' << persons << ' ' << observed << '\n';
  return kExitOk;
}

int CmdDist(const Args& args, OutputFormat format) {
  if (args.size() < 3)
    return UsageError(QCoreApplication::translate("orbica-cli", "dist needs a question number Q and a CODE"));
  const auto question = ParseQuestionNumber(args[1]);
  if (!question)
    return UsageError(QCoreApplication::translate("orbica-cli", "bad question number \"%1\" (questions are 1..24)")
                          .arg(FromUtf8(args[1])));
  const std::string code = JoinWords(args, 2);
  const auto set = ParseCodeOrComplain(code);
  if (!set) return kExitUsage;
  StreamNotifier notifier = ErrorNotifier();
  AppContext context(notifier);
  if (!LoadCensus(context)) return kExitLoadFailure;
  double shares[kMaxAnswers], deviations[kMaxAnswers];
  context.model.AnswerDistribution(*question, *set, shares, deviations);
  const int answers = context.model.AnswerCount(*question);
  if (format != OutputFormat::kTsv) {
    Report report;
    report.Field("question", std::int64_t{*question + 1});
    report.Field("code", code);
    report.rowsName = "answers";
    report.columns = {"answer", "share", "deviation"};
    for (int a = 0; a < answers; ++a) report.Row({std::int64_t{a + 1}, shares[a], deviations[a]});
    WriteReport(std::cout, report, format);
    return kExitOk;
  }
  for (int a = 0; a < answers; ++a) std::cout << Exact(shares[a]) << ' ' << Exact(deviations[a]) << '\n';
  return kExitOk;
}

const CommandRegistrar kInfo(
    {"info", CmdInfo, "info", QT_TRANSLATE_NOOP("orbica-cli", "model and records summary"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Prints the model's component and respondent counts and how many records of\n"
                       "zData.gcd were read and skipped, one \"name value\" line each.\n"),
     10, true});
const CommandRegistrar kProb(
    {"prob", CmdProb, "prob CODE", QT_TRANSLATE_NOOP("orbica-cli", "P(S), deviation, size and observed count"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Prints the probability of the subpopulation CODE, its deviation from the\n"
                       "observed counts, its size in persons (trunc(N x P)) and its observed count\n"
                       "(-1 when zData.gcd has none), separated by blanks.\n"),
     20, true});
const CommandRegistrar kDist(
    {"dist", CmdDist, "dist Q CODE", QT_TRANSLATE_NOOP("orbica-cli", "answer shares of question Q inside CODE"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Prints one line per answer of question Q (1..24): its share inside the\n"
                       "subpopulation CODE and the share's deviation, separated by a blank.\n"),
     30, true});

}  // namespace
}  // namespace orbica::cli
