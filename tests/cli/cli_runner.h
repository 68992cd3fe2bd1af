// Runs orbica-cli (ORBICA_CLI, set by the build for the tests of this folder)
// as a separate process in a folder and keeps its exit code and output.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "support/census_files.h"

namespace orbica::test {

struct CliRun {
  int exit = -1;
  std::string out;
  std::string err;
};

// `args` goes to the shell as written (quote codes with blanks).
inline CliRun RunCli(const TempDir& dir, const std::string& args) {
  const std::string errFile = dir.File("stderr.txt");
  const std::string command = "cd '" + dir.Path() + "' && '" ORBICA_CLI "' " + args + " 2>'" + errFile + "'";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, got);
  const int status = pclose(pipe);
  run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadText(errFile);
  return run;
}

// The text split at `separator` (lines by default).
inline std::vector<std::string> Split(const std::string& text, char separator = '\n') {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

}  // namespace orbica::test
