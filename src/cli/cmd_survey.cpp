// table, order and pops: the question texts, the saved subpopulations and what
// is built from them.
#include <iostream>
#include <memory>

#include "cli/cli_common.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "crosstable/cross_table.h"
#include "engine/app_context.h"
#include "survey/subpopulation_code.h"

namespace orbica::cli {
namespace {

bool IsWholePopulation(const ConditionSet& set) { return set == ConditionSet{}; }

int CmdTable(const Args& args, OutputFormat format) {
  if (args.size() < 4)
    return UsageError(
        QCoreApplication::translate("orbica-cli", "table needs the question numbers TOP and LEFT and a CODE"));
  const auto top = ParseQuestionNumber(args[1]);
  if (!top)
    return UsageError(QCoreApplication::translate("orbica-cli", "bad top question number \"%1\" (questions are 1..24)")
                          .arg(FromUtf8(args[1])));
  const auto left = ParseQuestionNumber(args[2]);
  if (!left)
    return UsageError(QCoreApplication::translate("orbica-cli", "bad left question number \"%1\" (questions are 1..24)")
                          .arg(FromUtf8(args[2])));
  const std::string code = JoinWords(args, 3);
  const auto set = ParseCodeOrComplain(code);
  if (!set) return kExitUsage;
  StreamNotifier notifier = ErrorNotifier();
  AppContext context(notifier);
  if (context.StartUp() != 0) return kExitLoadFailure;
  if (format != OutputFormat::kTsv) {
    // The numbers only: one record per pair of answers, the totals as fields.
    const CrossTableCounts counts = ComputeCrossTable(*top, *left, context.model, *set);
    Report report;
    report.Field("top", std::int64_t{*top + 1});
    report.Field("left", std::int64_t{*left + 1});
    report.Field("code", code);
    report.Field("total", counts.grandTotal);
    report.rowsName = "cells";
    report.columns = {"left_answer", "top_answer", "persons"};
    for (int a = 0; a < counts.rows; ++a)
      for (int b = 0; b < counts.columns; ++b) report.Row({std::int64_t{a + 1}, std::int64_t{b + 1}, counts.Cell(a, b)});
    WriteReport(std::cout, report, format);
    return kExitOk;
  }

  auto population = std::make_unique<CPopulace>(kWholePopulationIdentity);
  population->Masks() = *set;
  if (!IsWholePopulation(*set)) population->SetName(population->AnswerDescription(context.questions));
  context.displayed.Put(0, std::move(population));
  context.displayed.Show(0, true);
  const CPopulace* described = CrossTableSubpopulation(context.displayed);
  const auto text =
      CrossTableText(*top, *left, context.model, context.questions, described->Masks(), described->Name(), "\n");
  if (!text)
    return UsageError(
        QCoreApplication::translate("orbica-cli", "the questions do not exist in the loaded description"));
  std::cout << *text << '\n';
  return kExitOk;
}

int CmdOrder(const Args& args, OutputFormat format) {
  if (args.size() < 3)
    return UsageError(QCoreApplication::translate("orbica-cli", "order needs an ordering KIND and one to four CODEs"));
  const auto kind = ParseInteger(args[1], 0, 3);
  if (!kind)
    return UsageError(QCoreApplication::translate(
                          "orbica-cli", "bad ordering kind \"%1\" (0 number, 1 max., 2 avg., 3 total difference)")
                          .arg(FromUtf8(args[1])));
  if (args.size() - 2 > static_cast<std::size_t>(kDisplaySlots))
    return UsageError(QCoreApplication::translate("orbica-cli", "at most four codes (one per display slot), got %1")
                          .arg(QString::number(args.size() - 2)));
  std::vector<ConditionSet> sets;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const auto set = ParseCodeOrComplain(args[i]);
    if (!set) return kExitUsage;
    sets.push_back(*set);
  }
  StreamNotifier notifier = ErrorNotifier();
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
  if (format != OutputFormat::kTsv) {
    Report report;
    report.Field("kind", *kind);
    report.rowsName = "order";
    report.columns = {"position", "question"};
    for (std::size_t i = 0; i < order.size(); ++i)
      report.Row({static_cast<std::int64_t>(i + 1), std::int64_t{order[i] + 1}});
    WriteReport(std::cout, report, format);
    return kExitOk;
  }
  for (std::size_t i = 0; i < order.size(); ++i) std::cout << (i ? " " : "") << order[i] + 1;
  std::cout << '\n';
  return kExitOk;
}

int CmdPops(const Args& args, OutputFormat format) {
  if (args.size() != 1) return UsageError(QCoreApplication::translate("orbica-cli", "pops takes no arguments"));
  StreamNotifier notifier = ErrorNotifier();
  AppContext context(notifier);
  if (context.StartUp() != 0) return kExitLoadFailure;
  Report report;
  report.rowsName = "subpopulations";
  report.columns = {"identity", "code", "name"};
  for (const auto& entry : context.subpopulations.Entries()) {
    if (entry->Identity() == kWholePopulationIdentity) continue;
    if (format != OutputFormat::kTsv) {
      report.Row({std::int64_t{entry->Identity()}, CompactCode(entry->Masks()), entry->Name()});
      continue;
    }
    std::cout << entry->Identity() << '\t' << CompactCode(entry->Masks()) << '\t' << entry->Name() << '\n';
  }
  if (format != OutputFormat::kTsv) WriteReport(std::cout, report, format);
  return kExitOk;
}

const CommandRegistrar kTable(
    {"table", CmdTable, "table TOP LEFT CODE",
     QT_TRANSLATE_NOOP("orbica-cli", "cross table of questions TOP and LEFT inside CODE"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Prints the cross table of question TOP (columns) and question LEFT (rows),\n"
                       "both 1..24, for the subpopulation CODE: estimated persons for every pair of\n"
                       "answers with row and column totals, as monospaced text. csv and json give\n"
                       "the numbers only: one record per pair of answers and the grand total.\n"),
     40, true});
const CommandRegistrar kOrder(
    {"order", CmdOrder, "order KIND CODE...",
     QT_TRANSLATE_NOOP("orbica-cli", "question order for the shown sets CODE... (KIND 0..3)"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Prints the question numbers in the browsing order of KIND (0 number, 1 max.,\n"
                       "2 avg., 3 total difference) for one to four subpopulations CODE... shown as\n"
                       "in display slots 0, 1, ..., on one line separated by blanks.\n"),
     50, true});
const CommandRegistrar kPops(
    {"pops", CmdPops, "pops", QT_TRANSLATE_NOOP("orbica-cli", "saved subpopulations: identity, code, name"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Prints one line per subpopulation saved in the folder Populace: its identity,\n"
                       "its code and its name, separated by tabs.\n"),
     60, true});

}  // namespace
}  // namespace orbica::cli
