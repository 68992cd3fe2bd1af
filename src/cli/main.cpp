// orbica-cli: the headless companion of the census viewer.
#include <algorithm>
#include <cstring>
#include <iostream>

#include "cli/commands.h"

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

int PrintUsage(std::ostream& out, int code) {
  out << "usage: orbica-cli COMMAND [ARGS]\n"
         "Runs in a folder that holds the census files (data.mle, zData.gcd, Otazky.txt, Populace).\n"
         "CODE is a subpopulation code such as \"3ac12b\"; \"\" or \"Celá\" is the whole population.\n\n";
  for (const orbica::cli::CommandInfo& command : orbica::cli::Commands()) out << "  " << command.usage << '\n';
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return PrintUsage(std::cerr, orbica::cli::kExitUsage);
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) return PrintUsage(std::cout, 0);
  const orbica::cli::Args args(argv + 1, argv + argc);
  for (const orbica::cli::CommandInfo& command : orbica::cli::Commands())
    if (args[0] == command.name) return command.run(args);
  std::cerr << "orbica-cli: unknown command \"" << args[0] << "\"\n";
  return PrintUsage(std::cerr, orbica::cli::kExitUsage);
}
