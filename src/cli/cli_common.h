// Helpers shared by the orbica-cli commands: exit codes, argument parsing and
// number output in the formats the command contract fixes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/questionnaire.h"

namespace orbica::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitLoadFailure = 1;
inline constexpr int kExitUsage = 2;
// validate: problems were found; a file could not be read at all.
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUnreadable = 3;

using Args = std::vector<std::string>;

// Prints "orbica-cli: <message>" to standard error and returns kExitUsage.
int UsageError(const std::string& message);

// The remaining words joined by blanks (a code may be given as one or several words).
std::string JoinWords(const Args& args, std::size_t from);

// Whole numbers with range checks; nullopt when the text is not such a number.
std::optional<std::int64_t> ParseInteger(const std::string& text, std::int64_t min, std::int64_t max);
std::optional<double> ParseNumber(const std::string& text);

// A question number 1..24 given by the user, as a question index 0..23.
std::optional<int> ParseQuestionNumber(const std::string& text);

// "%.17g"
std::string Exact(double value);

}  // namespace orbica::cli
