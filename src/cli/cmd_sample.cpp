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
  if (args.size() < 2) return UsageError("sample needs a folder DIR");
  SampleOptions options;
  const std::string folder = args[1];
  // A folder named like an option is far more likely a mistyped option.
  if (folder.size() > 1 && folder[0] == '-') return UsageError("unknown option \"" + folder + "\"");
  for (std::size_t i = 2; i < args.size(); i += 2) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return UsageError(option + " needs a value");
    const std::string& value = args[i + 1];
    if (option == "--seed") {
      const auto seed = ParseInteger(value, 0, INT64_MAX);
      if (!seed) return UsageError("bad --seed \"" + value + "\" (a whole number 0 or more)");
      options.seed = static_cast<std::uint64_t>(*seed);
    } else if (option == "--components") {
      const auto components = ParseInteger(value, 1, 65535);
      if (!components) return UsageError("bad --components \"" + value + "\" (1..65535)");
      options.components = static_cast<int>(*components);
    } else if (option == "--respondents") {
      const auto respondents = ParseInteger(value, 1, INT32_MAX);
      if (!respondents) return UsageError("bad --respondents \"" + value + "\" (1..2147483647)");
      options.respondents = static_cast<std::int32_t>(*respondents);
    } else {
      return UsageError("unknown option \"" + option + "\"");
    }
  }
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
  std::cout << "wrote a census of " << options.components << " components, " << options.respondents
            << " respondents and " << summary.records << " records to " << folder << '\n';
  return kExitOk;
}

int CmdPaper(const Args& args, OutputFormat) {
  if (args.size() != 2) return UsageError("paper needs one output FILE");
  if (args[1].size() > 1 && args[1][0] == '-') return UsageError("unknown option \"" + args[1] + "\"");
  GuiSession gui;
  std::string error;
  if (!WritePaperPdf(args[1], error)) {
    std::cerr << "orbica-cli: " << error << '\n';
    return kExitLoadFailure;
  }
  return kExitOk;
}

const CommandRegistrar kPaper({"paper", CmdPaper, "paper FILE", "write the methodology note (PDF)",
                               "Writes the methodology note that the viewer opens from Help > Paper as a PDF\n"
                               "file FILE.\n",
                               95, false, true});
const CommandRegistrar kSample({"sample", CmdSample, "sample DIR [--seed S] [--components C] [--respondents N]",
                                "write a sample census",
                                "Writes a complete census into the folder DIR (created when missing): a model\n"
                                "of C components (default 64) for N respondents (default 10,000,000) drawn\n"
                                "with the seed S (default 1), its observed counts, the question texts, a few\n"
                                "saved subpopulations, the getting-started text and the methodology note.\n",
                                90, false, true});

}  // namespace
}  // namespace orbica::cli
