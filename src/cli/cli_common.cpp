#include "cli/cli_common.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>


namespace orbica::cli {

int UsageError(const std::string& message) {
  std::cerr << "orbica-cli: " << message << '\n';
  return kExitUsage;
}

std::string JoinWords(const Args& args, std::size_t from) {
  std::string joined;
  for (std::size_t i = from; i < args.size(); ++i) {
    if (i > from) joined += ' ';
    joined += args[i];
  }
  return joined;
}

std::optional<std::int64_t> ParseInteger(const std::string& text, std::int64_t min, std::int64_t max) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < min || value > max) return std::nullopt;
  return value;
}

std::optional<double> ParseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (errno != 0 || *end != '\0' || value != value) return std::nullopt;
  return value;
}

std::optional<int> ParseQuestionNumber(const std::string& text) {
  const auto number = ParseInteger(text, 1, kQuestionCount);
  if (!number) return std::nullopt;
  return static_cast<int>(*number) - 1;
}

std::string Exact(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

}  // namespace orbica::cli
