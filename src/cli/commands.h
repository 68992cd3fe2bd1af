// The orbica-cli commands. Each takes its words (the command name first) and
// returns the process exit code.
#pragma once

#include "cli/cli_common.h"

namespace orbica::cli {

int CmdInfo(const Args& args);
int CmdProb(const Args& args);
int CmdDist(const Args& args);
int CmdSample(const Args& args);

}  // namespace orbica::cli
