#include "cli/report.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "cli/cli_common.h"
#include "survey/text_encoding.h"

namespace orbica::cli {

std::optional<OutputFormat> ParseOutputFormat(const std::string& text) {
  if (text == "tsv") return OutputFormat::kTsv;
  if (text == "csv") return OutputFormat::kCsv;
  if (text == "json") return OutputFormat::kJson;
  return std::nullopt;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string JsonString(const std::string& text) {
  const std::string utf8 = ToUtf8(text);
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + '"';
}

namespace {

std::string CsvValue(const ReportValue& value) {
  if (const auto* n = std::get_if<std::int64_t>(&value)) return std::to_string(*n);
  if (const auto* x = std::get_if<double>(&value)) return Exact(*x);
  return CsvField(std::get<std::string>(value));
}

std::string JsonValue(const ReportValue& value) {
  if (const auto* n = std::get_if<std::int64_t>(&value)) return std::to_string(*n);
  if (const auto* x = std::get_if<double>(&value)) return std::isfinite(*x) ? Exact(*x) : "null";
  return JsonString(std::get<std::string>(value));
}

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "," : "") << cells[i];
  out << '\n';
}

void WriteCsv(std::ostream& out, const Report& report) {
  std::vector<std::string> cells;
  if (report.rowsName.empty()) {
    for (const auto& [name, value] : report.fields) cells.push_back(CsvField(name));
    WriteCsvLine(out, cells);
    cells.clear();
    for (const auto& [name, value] : report.fields) cells.push_back(CsvValue(value));
    WriteCsvLine(out, cells);
    return;
  }
  for (const std::string& column : report.columns) cells.push_back(CsvField(column));
  WriteCsvLine(out, cells);
  for (const auto& row : report.rows) {
    cells.clear();
    for (const ReportValue& value : row) cells.push_back(CsvValue(value));
    WriteCsvLine(out, cells);
  }
}

void WriteJson(std::ostream& out, const Report& report) {
  out << '{';
  const char* separator = "";
  for (const auto& [name, value] : report.fields) {
    out << separator << JsonString(name) << ':' << JsonValue(value);
    separator = ",";
  }
  if (!report.rowsName.empty()) {
    out << separator << JsonString(report.rowsName) << ":[";
    for (std::size_t r = 0; r < report.rows.size(); ++r) {
      out << (r ? ",{" : "{");
      for (std::size_t c = 0; c < report.columns.size() && c < report.rows[r].size(); ++c)
        out << (c ? "," : "") << JsonString(report.columns[c]) << ':' << JsonValue(report.rows[r][c]);
      out << '}';
    }
    out << ']';
  }
  out << "}\n";
}

}  // namespace

void WriteReport(std::ostream& out, const Report& report, OutputFormat format) {
  if (format == OutputFormat::kJson)
    WriteJson(out, report);
  else
    WriteCsv(out, report);
}

}  // namespace orbica::cli
