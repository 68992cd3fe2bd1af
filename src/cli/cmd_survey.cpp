// table, order and pops: the question texts, the saved subpopulations and what
// is built from them.
#include <iostream>
#include <memory>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "crosstable/cross_table.h"
#include "engine/app_context.h"
#include "survey/subpopulation_code.h"

namespace orbica::cli {
namespace {

bool IsWholePopulation(const ConditionSet& set) { return set == ConditionSet{}; }

int CmdTable(const Args& args) {
  if (args.size() < 4) return UsageError("usage: orbica-cli table TOP LEFT CODE");
  const auto top = ParseQuestionNumber(args[1]);
  if (!top) return UsageError("bad top question number \"" + args[1] + "\" (questions are 1..24)");
  const auto left = ParseQuestionNumber(args[2]);
  if (!left) return UsageError("bad left question number \"" + args[2] + "\" (questions are 1..24)");
  const auto set = ParseCodeOrComplain(JoinWords(args, 3));
  if (!set) return kExitUsage;
  StreamNotifier notifier(std::cerr);
  AppContext context(notifier);
  if (context.StartUp() != 0) return kExitLoadFailure;

  auto population = std::make_unique<CPopulace>(kWholePopulationIdentity);
  population->Masks() = *set;
  if (!IsWholePopulation(*set)) population->SetName(population->AnswerDescription(context.questions));
  context.displayed.Put(0, std::move(population));
  context.displayed.Show(0, true);
  const CPopulace* described = CrossTableSubpopulation(context.displayed);
  const auto text =
      CrossTableText(*top, *left, context.model, context.questions, described->Masks(), described->Name(), "\n");
  if (!text) return UsageError("the questions do not exist in the loaded description");
  std::cout << *text << '\n';
  return kExitOk;
}

int CmdOrder(const Args& args) {
  if (args.size() < 3) return UsageError("usage: orbica-cli order KIND CODE...");
  const auto kind = ParseInteger(args[1], 0, 3);
  if (!kind) return UsageError("bad ordering kind \"" + args[1] + "\" (0 number, 1 max., 2 avg., 3 total difference)");
  if (args.size() - 2 > static_cast<std::size_t>(kDisplaySlots))
    return UsageError("at most four codes (one per display slot), got " + std::to_string(args.size() - 2));
  std::vector<ConditionSet> sets;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const auto set = ParseCodeOrComplain(args[i]);
    if (!set) return kExitUsage;
    sets.push_back(*set);
  }
  StreamNotifier notifier(std::cerr);
  AppContext context(notifier);
  if (context.StartUp() != 0) return kExitLoadFailure;

  for (int slot = 0; slot < kDisplaySlots; ++slot) {
    if (static_cast<std::size_t>(slot) < sets.size()) {
      auto population = std::make_unique<CPopulace>(kWholePopulationIdentity);
      population->Masks() = sets[static_cast<std::size_t>(slot)];
      context.displayed.Put(slot, std::move(population));
      context.displayed.Show(slot, true);
    } else {
      context.displayed.Show(slot, false);
    }
  }
  context.questions.Order(static_cast<int>(*kind), context.model, context.displayed.ShownConditionSets());
  const std::vector<int>& order = context.questions.QuestionOrder();
  for (std::size_t i = 0; i < order.size(); ++i) std::cout << (i ? " " : "") << order[i] + 1;
  std::cout << '\n';
  return kExitOk;
}

int CmdPops(const Args& args) {
  if (args.size() != 1) return UsageError("usage: orbica-cli pops");
  StreamNotifier notifier(std::cerr);
  AppContext context(notifier);
  if (context.StartUp() != 0) return kExitLoadFailure;
  for (const auto& entry : context.subpopulations.Entries()) {
    if (entry->Identity() == kWholePopulationIdentity) continue;
    std::cout << entry->Identity() << '\t' << CompactCode(entry->Masks()) << '\t' << entry->Name() << '\n';
  }
  return kExitOk;
}

const CommandRegistrar kTable({"table", CmdTable,
                               "table TOP LEFT CODE       cross table of questions TOP and LEFT inside CODE", 40});
const CommandRegistrar kOrder({"order", CmdOrder,
                               "order KIND CODE...        question order for the shown sets CODE... (KIND 0..3)", 50});
const CommandRegistrar kPops({"pops", CmdPops,
                              "pops                      saved subpopulations: identity, code, name", 60});

}  // namespace
}  // namespace orbica::cli
