// The orbica-cli commands. Each command lives in its own cmd_*.cpp file and
// registers itself with a CommandRegistrar; main() dispatches by name.
#pragma once

#include <vector>

#include "cli/cli_common.h"

namespace orbica::cli {

struct CommandInfo {
  const char* name;
  int (*run)(const Args& args);  // words with the command name first; returns the exit code
  const char* usage;             // one line for the help text
  int order;                     // position in the help text
};

// The registered commands, in help order.
std::vector<CommandInfo> Commands();

struct CommandRegistrar {
  explicit CommandRegistrar(const CommandInfo& info);
};

}  // namespace orbica::cli
