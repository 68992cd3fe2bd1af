// sample: writes a complete sample census into a folder.
#include <filesystem>
#include <iostream>

#include "cli/cli_common.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/gui_session.h"
#include "cli/paper_pdf.h"
#include "cli/sample_census.h"

namespace orbica::cli {
namespace {

int CmdSample(const Args& args, OutputFormat) {
  SampleOptions options;
  std::string folder;
  // Options and their values come before or after the folder.
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool option = word.size() > 1 && word[0] == '-';
    if (!option) {
      if (!folder.empty())
        return UsageError(QCoreApplication::translate("orbica-cli", "sample takes one folder DIR, not also \"%1\"")
                              .arg(FromUtf8(word)));
      folder = word;
      continue;
    }
    // A folder named like an option is far more likely a mistyped option.
    if (word != "--seed" && word != "--components" && word != "--respondents") return UsageError(UnknownOption(word));
    if (i + 1 >= args.size()) return UsageError(NeedsValue(word));
    const std::string& value = args[++i];
    if (word == "--seed") {
      const auto seed = ParseInteger(value, 0, INT64_MAX);
      if (!seed)
        return UsageError(QCoreApplication::translate("orbica-cli", "bad --seed \"%1\" (a whole number 0 or more)")
                              .arg(FromUtf8(value)));
      options.seed = static_cast<std::uint64_t>(*seed);
    } else if (word == "--components") {
      const auto components = ParseInteger(value, 1, 65535);
      if (!components)
        return UsageError(
            QCoreApplication::translate("orbica-cli", "bad --components \"%1\" (1..65535)").arg(FromUtf8(value)));
      options.components = static_cast<int>(*components);
    } else {
      const auto respondents = ParseInteger(value, 1, INT32_MAX);
      if (!respondents)
        return UsageError(
            QCoreApplication::translate("orbica-cli", "bad --respondents \"%1\" (1..2147483647)").arg(FromUtf8(value)));
      options.respondents = static_cast<std::int32_t>(*respondents);
    }
  }
  if (folder.empty()) return UsageError(QCoreApplication::translate("orbica-cli", "sample needs a folder DIR"));
  SampleSummary summary;
  std::string error;
  if (!WriteSampleCensus(folder, options, summary, error)) {
    std::cerr << "orbica-cli: " << error << '\n';
    return kExitLoadFailure;
  }
  GuiSession gui;
  if (!WritePaperPdf((std::filesystem::path(folder) / "paper.pdf").string(), error)) {
    std::cerr << "orbica-cli: " << error << '\n';
    return kExitLoadFailure;
  }
  std::cout << QCoreApplication::translate("orbica-cli",
                                           "wrote a census of %1 components, %2 respondents and %3 "
                                           "records to %4")
                   .arg(QString::number(options.components), QString::number(options.respondents),
                        QString::number(summary.records), FromUtf8(folder))
                   .toStdString()
            << '\n';
  return kExitOk;
}

int CmdPaper(const Args& args, OutputFormat) {
  if (args.size() != 2) return UsageError(QCoreApplication::translate("orbica-cli", "paper needs one output FILE"));
  if (args[1].size() > 1 && args[1][0] == '-') return UsageError(UnknownOption(args[1]));
  GuiSession gui;
  std::string error;
  if (!WritePaperPdf(args[1], error)) {
    std::cerr << "orbica-cli: " << error << '\n';
    return kExitLoadFailure;
  }
  return kExitOk;
}

const CommandRegistrar kPaper(
    {"paper", CmdPaper, "paper FILE", QT_TRANSLATE_NOOP("orbica-cli", "write the methodology note (PDF)"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Writes the methodology note that the viewer opens from Help > Paper as a PDF\n"
                       "file FILE.\n"),
     95, false, true, true});
const CommandRegistrar kSample(
    {"sample", CmdSample, "sample DIR [--seed S] [--components C] [--respondents N]",
     QT_TRANSLATE_NOOP("orbica-cli", "write a sample census"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Writes a complete census into the folder DIR (created when missing): a model\n"
                       "of C components (default 64) for N respondents (default 10,000,000) drawn\n"
                       "with the seed S (default 1), its observed counts, the question texts, a few\n"
                       "saved subpopulations, the getting-started text and the methodology note.\n"),
     90, false, true, true});

}  // namespace
}  // namespace orbica::cli
