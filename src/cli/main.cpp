// orbica-cli: the headless companion of the census viewer.
#include <algorithm>
#include <iostream>
#include <string>

#include "cli/commands.h"

#ifndef ORBICA_VERSION
#define ORBICA_VERSION "unknown"
#endif

namespace orbica::cli {

namespace {
std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}
}  // namespace

CommandRegistrar::CommandRegistrar(const CommandInfo& info) { Registry().push_back(info); }

std::vector<CommandInfo> Commands() {
  std::vector<CommandInfo> commands = Registry();
  std::sort(commands.begin(), commands.end(), [](const CommandInfo& a, const CommandInfo& b) { return a.order < b.order; });
  return commands;
}

}  // namespace orbica::cli

namespace {

using orbica::cli::Args;
using orbica::cli::CommandInfo;
using orbica::cli::OutputFormat;

constexpr const char* kUsageLine = "usage: orbica-cli COMMAND [ARGS] | COMMAND --help | --help | --version";
constexpr const char* kFormatHelp =
    "  --format F   tsv (the default: the lines described above), csv (a header\n"
    "               row, then one row per record) or json (one object per run\n"
    "               with named fields)\n";

void PrintUsage(std::ostream& out) {
  out << kUsageLine << "\n"
         "Runs in a folder that holds the census files (data.mle, zData.gcd, Otazky.txt, Populace).\n"
         "CODE is a subpopulation code such as \"3ac12b\"; \"\" or \"Celá\" is the whole population.\n"
         "Commands marked * accept --format tsv|csv|json. \"orbica-cli COMMAND --help\" describes one.\n\n";
  for (const CommandInfo& command : orbica::cli::Commands()) {
    std::string line = std::string(command.formats ? "* " : "  ") + command.synopsis;
    line += line.size() < 28 ? std::string(28 - line.size(), ' ') : "\n" + std::string(28, ' ');
    out << line << command.summary << '\n';
  }
  out << "\nExit codes: 0 done, 1 a census file could not be loaded (validate: problems\n"
         "found), 2 wrong arguments, 3 validate could not read a file at all.\n";
}

std::string CommandUsage(const CommandInfo& command) {
  return std::string("usage: orbica-cli ") + command.synopsis + (command.formats ? " [--format F]" : "");
}

void PrintCommandHelp(const CommandInfo& command) {
  std::cout << CommandUsage(command) << "\n\n" << command.details;
  if (command.formats) std::cout << kFormatHelp;
}

int Usage(const std::string& message, const char* usage = kUsageLine) {
  std::cerr << "orbica-cli: " << message << '\n' << usage << '\n';
  return orbica::cli::kExitUsage;
}

bool IsHelp(const std::string& word) { return word == "--help" || word == "-h"; }
bool IsOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

int Run(const CommandInfo& command, Args args) {
  const std::string usage = CommandUsage(command);
  // Asking for help never runs the command (nor touches a file).
  if (std::any_of(args.begin() + 1, args.end(), IsHelp)) {
    PrintCommandHelp(command);
    return orbica::cli::kExitOk;
  }
  OutputFormat format = OutputFormat::kTsv;
  if (command.formats) {
    for (std::size_t i = 1; i < args.size();) {
      std::string value;
      std::size_t words = 0;
      if (args[i] == "--format") {
        if (i + 1 >= args.size()) return Usage("--format needs a value (tsv, csv or json)", usage.c_str());
        value = args[i + 1], words = 2;
      } else if (args[i].rfind("--format=", 0) == 0) {
        value = args[i].substr(9), words = 1;
      } else {
        ++i;
        continue;
      }
      const auto parsed = orbica::cli::ParseOutputFormat(value);
      if (!parsed) return Usage("bad --format \"" + value + "\" (tsv, csv or json)", usage.c_str());
      format = *parsed;
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i + words));
    }
  }
  if (!command.ownOptions)
    for (std::size_t i = 1; i < args.size(); ++i)
      if (IsOption(args[i])) return Usage("unknown option \"" + args[i] + "\"", usage.c_str());
  const int code = command.run(args, format);
  if (code == orbica::cli::kExitUsage) std::cerr << usage << '\n';
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(std::cerr);
    return orbica::cli::kExitUsage;
  }
  const Args args(argv + 1, argv + argc);
  if (IsHelp(args[0]) || args[0] == "help") {
    if (args.size() > 1)
      for (const CommandInfo& command : orbica::cli::Commands())
        if (args[1] == command.name) return Run(command, {args[1], "--help"});
    PrintUsage(std::cout);
    return orbica::cli::kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "orbica-cli " ORBICA_VERSION "\n";
    return orbica::cli::kExitOk;
  }
  if (IsOption(args[0])) return Usage("unknown option \"" + args[0] + "\"");
  for (const CommandInfo& command : orbica::cli::Commands())
    if (args[0] == command.name) return Run(command, args);
  std::cerr << "orbica-cli: unknown command \"" << args[0] << "\"\n";
  PrintUsage(std::cerr);
  return orbica::cli::kExitUsage;
}
