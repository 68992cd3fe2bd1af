// Runs a program as a separate process in a folder, without a shell, and keeps
// its exit code and what it wrote to stdout and stderr.
#pragma once

#include <string>
#include <vector>

#include "support/census_files.h"

namespace orbica::test {

struct ProgramRun {
  // The exit code; 127 when the program could not be started, -1 when it was
  // ended by a signal or could not be waited for (`err` says which).
  int exit = -1;
  std::string out;
  std::string err;
};

// Runs `executable` with `args` in `folder`, with nothing to read on stdin, and
// waits for it to end. The environment is this process's.
ProgramRun RunProgram(const std::string& executable, const std::string& folder, const std::vector<std::string>& args);

// The words of `line`, separated by blanks; quotes ('...') keep blanks inside a
// word and '' is an empty word. No other character is special. Throws
// std::invalid_argument on an unclosed quote.
std::vector<std::string> Words(const std::string& line);

// The text split at `separator` (lines by default).
std::vector<std::string> Split(const std::string& text, char separator = '\n');

#ifdef ORBICA_CLI
// orbica-cli (ORBICA_CLI, set by the build for the tests that run it) with the
// words of `args`, e.g. RunCli(dir, "order 1 '' '3ac 13g'").
inline ProgramRun RunCli(const std::string& folder, const std::string& args) {
  return RunProgram(ORBICA_CLI, folder, Words(args));
}
inline ProgramRun RunCli(const TempDir& dir, const std::string& args) { return RunCli(dir.Path(), args); }
#endif

}  // namespace orbica::test
