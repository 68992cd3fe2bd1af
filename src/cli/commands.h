// The orbica-cli commands. Each command lives in its own cmd_*.cpp file and
// registers itself with a CommandRegistrar; main() dispatches by name, answers
// --help and --version, and takes --format off the words of the commands that
// accept it.
#pragma once

#include <vector>

#include "cli/cli_common.h"
#include "cli/report.h"

namespace orbica::cli {

struct CommandInfo {
  const char* name;
  // Words with the command name first (without --format); returns the exit code.
  int (*run)(const Args& args, OutputFormat format);
  const char* synopsis;  // "prob CODE": the usage line after "orbica-cli "
  // Marked with QT_TRANSLATE_NOOP("orbica-cli", ...) and translated when printed:
  const char* summary;   // one line for the command list
  const char* details;   // what "COMMAND --help" adds below the usage line (lines ending in '\n')
  int order;             // position in the command list
  bool formats = false;  // accepts --format tsv|csv|json
  bool ownOptions = false;  // reads words that begin with '-' itself; otherwise main rejects them
  bool draws = false;       // needs a GUI application object (GuiSession)
};

// The registered commands, in help order.
std::vector<CommandInfo> Commands();

struct CommandRegistrar {
  explicit CommandRegistrar(const CommandInfo& info);
};

}  // namespace orbica::cli
