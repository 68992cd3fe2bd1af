// The machine-readable forms of a command's result: CSV (a header row, then
// one row per record) and JSON (one object per run with named fields). The
// tab-separated form stays each command's own printing.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace orbica::cli {

enum class OutputFormat { kTsv, kCsv, kJson };

// "tsv", "csv" or "json"; nullopt for anything else.
std::optional<OutputFormat> ParseOutputFormat(const std::string& text);

// A whole number, a real number (written with 17 significant digits, so that it
// reads back exactly; JSON has no NaN or infinity and gets null) or a text.
using ReportValue = std::variant<std::int64_t, double, std::string>;

struct Report {
  // Named values of the whole run. CSV writes them as its one row when the
  // report has no rows; JSON always writes them first.
  std::vector<std::pair<std::string, ReportValue>> fields;
  // The records: JSON writes them as an array of objects named `rowsName`.
  std::string rowsName;
  std::vector<std::string> columns;
  std::vector<std::vector<ReportValue>> rows;

  void Field(std::string name, ReportValue value) { fields.emplace_back(std::move(name), std::move(value)); }
  void Row(std::vector<ReportValue> values) { rows.push_back(std::move(values)); }
};

// Writes `report` in `format` (kCsv or kJson) with a line end after the last line.
void WriteReport(std::ostream& out, const Report& report, OutputFormat format);

// One CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);
// A JSON string literal; bytes that are not UTF-8 are read as windows-1250.
std::string JsonString(const std::string& text);

}  // namespace orbica::cli
