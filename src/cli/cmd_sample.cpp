// sample: writes a complete sample census into a folder.
#include <filesystem>
#include <iostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/gui_session.h"
#include "cli/paper_pdf.h"
#include "cli/sample_census.h"

namespace orbica::cli {
namespace {

int CmdSample(const Args& args) {
  if (args.size() < 2) return UsageError("usage: orbica-cli sample DIR [--seed S] [--components C] [--respondents N]");
  SampleOptions options;
  const std::string folder = args[1];
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

int CmdPaper(const Args& args) {
  if (args.size() != 2) return UsageError("usage: orbica-cli paper FILE");
  GuiSession gui;
  std::string error;
  if (!WritePaperPdf(args[1], error)) {
    std::cerr << "orbica-cli: " << error << '\n';
    return kExitLoadFailure;
  }
  return kExitOk;
}

const CommandRegistrar kPaper({"paper", CmdPaper, "paper FILE                write the methodology note (PDF)", 95});
const CommandRegistrar kSample({"sample", CmdSample,
                                "sample DIR [--seed S] [--components C] [--respondents N]   write a sample census", 90});

}  // namespace
}  // namespace orbica::cli
