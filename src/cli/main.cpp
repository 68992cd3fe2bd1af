// orbica-cli: the headless companion of the census viewer.
#include <cstring>
#include <iostream>

#include "cli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const orbica::cli::Args&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"info", orbica::cli::CmdInfo, "info                      model and records summary"},
    {"prob", orbica::cli::CmdProb, "prob CODE                 P(S), deviation, size and observed count"},
    {"dist", orbica::cli::CmdDist, "dist Q CODE               answer shares of question Q inside CODE"},
    {"sample", orbica::cli::CmdSample,
     "sample DIR [--seed S] [--components C] [--respondents N]   write a sample census"},
};

int PrintUsage(std::ostream& out, int code) {
  out << "usage: orbica-cli COMMAND [ARGS]\n"
         "Runs in a folder that holds the census files (data.mle, zData.gcd, Otazky.txt, Populace).\n"
         "CODE is a subpopulation code such as \"3ac12b\"; \"\" or \"Celá\" is the whole population.\n\n";
  for (const Command& command : kCommands) out << "  " << command.usage << '\n';
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return PrintUsage(std::cerr, orbica::cli::kExitUsage);
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) return PrintUsage(std::cout, 0);
  const orbica::cli::Args args(argv + 1, argv + argc);
  for (const Command& command : kCommands)
    if (args[0] == command.name) return command.run(args);
  std::cerr << "orbica-cli: unknown command \"" << args[0] << "\"\n";
  return PrintUsage(std::cerr, orbica::cli::kExitUsage);
}
