// info, prob and dist: questions answered from the loaded census.
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "engine/app_context.h"

namespace orbica::cli {
namespace {

// Loads the model of the current folder (these commands need nothing else);
// messages go to standard error.
bool LoadCensus(AppContext& context) { return context.LoadModel() == 0; }


int CmdInfo(const Args& args) {
  if (args.size() != 1) return UsageError("usage: orbica-cli info");
  StreamNotifier notifier(std::cerr);
  AppContext context(notifier);
  if (!LoadCensus(context)) return kExitLoadFailure;
  const CModel& model = context.model;
  std::cout << "components " << model.Components() << '\n'
            << "respondents " << model.Respondents() << '\n'
            << "records " << model.Counts().RecordsRead() << '\n'
            << "skipped " << model.Counts().RecordsSkipped() << '\n';
  return kExitOk;
}

int CmdProb(const Args& args) {
  if (args.size() < 2) return UsageError("usage: orbica-cli prob CODE");
  const auto set = ParseCodeOrComplain(JoinWords(args, 1));
  if (!set) return kExitUsage;
  StreamNotifier notifier(std::cerr);
  AppContext context(notifier);
  if (!LoadCensus(context)) return kExitLoadFailure;
  double deviation = 0.0;
  const double p = context.model.Probability(*set, &deviation);
  std::cout << Exact(p) << ' ' << Exact(deviation) << ' ' << PersonsOf(context.model.Respondents(), p) << ' '
            << context.model.Counts().Count(*set) << '\n';
  return kExitOk;
}

int CmdDist(const Args& args) {
  if (args.size() < 3) return UsageError("usage: orbica-cli dist Q CODE");
  const auto question = ParseQuestionNumber(args[1]);
  if (!question) return UsageError("bad question number \"" + args[1] + "\" (questions are 1..24)");
  const auto set = ParseCodeOrComplain(JoinWords(args, 2));
  if (!set) return kExitUsage;
  StreamNotifier notifier(std::cerr);
  AppContext context(notifier);
  if (!LoadCensus(context)) return kExitLoadFailure;
  double shares[kMaxAnswers], deviations[kMaxAnswers];
  context.model.AnswerDistribution(*question, *set, shares, deviations);
  for (int a = 0; a < context.model.AnswerCount(*question); ++a)
    std::cout << Exact(shares[a]) << ' ' << Exact(deviations[a]) << '\n';
  return kExitOk;
}

const CommandRegistrar kInfo({"info", CmdInfo, "info                      model and records summary", 10});
const CommandRegistrar kProb({"prob", CmdProb, "prob CODE                 P(S), deviation, size and observed count", 20});
const CommandRegistrar kDist({"dist", CmdDist, "dist Q CODE               answer shares of question Q inside CODE", 30});

}  // namespace
}  // namespace orbica::cli
