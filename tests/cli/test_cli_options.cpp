// orbica-cli's command line as a separate process: help and version that touch
// no file, unknown options, the three output forms and validate's exit codes.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <regex>

#include "cli/report.h"
#include "cli/sample_census.h"
#include "crosstable/cross_table.h"
#include "engine/app_context.h"
#include "support/cli_runner.h"

namespace orbica {
namespace {

using test::ProgramRun;
using test::RunCli;
using test::Split;

// The names of the files in `dir`.
std::vector<std::string> FilesIn(const test::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) names.push_back(entry.path().filename().string());
  return names;
}

// The command names of the general help's command list.
std::vector<std::string> ListedCommands(const std::string& help) {
  std::vector<std::string> names;
  const std::regex line("^[* ] ([a-z]+)( .*)?$");
  for (const std::string& l : Split(help)) {
    std::smatch match;
    if (std::regex_match(l, match, line)) names.push_back(match[1]);
  }
  return names;
}

TEST(CliOptions, HelpAndVersionExitZeroAndTouchNoFile) {
  test::TempDir dir;
  const ProgramRun help = RunCli(dir, "--help");
  ASSERT_EQ(help.exit, 0) << help.err;
  EXPECT_EQ(RunCli(dir, "-h").out, help.out);
  const std::vector<std::string> commands = ListedCommands(help.out);
  EXPECT_EQ(commands, (std::vector<std::string>{"info", "prob", "dist", "table", "order", "render", "pops", "analyze",
                                                "validate", "sample", "paper"}))
      << help.out;
  for (const std::string& command : commands)
    for (const std::string& args : {command + " --help", command + " -h", "help " + command, command + " x --help"}) {
      const ProgramRun run = RunCli(dir, args);
      EXPECT_EQ(run.exit, 0) << args << ": " << run.err;
      EXPECT_EQ(run.out.rfind("usage: orbica-cli " + command + " ", 0), 0u) << args << ": " << run.out;
      EXPECT_GT(Split(run.out).size(), 2u) << args << ": the usage line alone";
      EXPECT_TRUE(run.err.empty()) << args << ": " << run.err;
    }
  EXPECT_TRUE(FilesIn(dir).empty()) << FilesIn(dir)[0];

  const ProgramRun version = RunCli(dir, "--version");
  EXPECT_EQ(version.exit, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("orbica-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
}

TEST(CliOptions, UnknownOptionsExitTwoWithTheUsageLine) {
  struct Case {
    const char* args;
    const char* usage;  // what the usage line names
  };
  test::TempDir dir;
  for (const Case& c : {Case{"-x", "COMMAND"}, Case{"--frobnicate", "COMMAND"}, Case{"info --all", "info"},
                        Case{"prob --exact 7b", "prob CODE"}, Case{"dist 7 -q ''", "dist Q CODE"},
                        Case{"pops --format", "pops"}, Case{"dist --format xml 7 ''", "dist Q CODE"},
                        Case{"sample -d", "sample DIR"}, Case{"sample out --colour red", "sample DIR"},
                        Case{"sample --seed 2 a b", "sample DIR"},
                        Case{"render --frob", "render --style"}, Case{"validate --strict", "validate"},
                        Case{"validate --format json", "validate"}, Case{"analyze --criterion 1 --deep 2", "analyze"},
                        Case{"paper --landscape", "paper FILE"}}) {
    const ProgramRun run = RunCli(dir, c.args);
    EXPECT_EQ(run.exit, 2) << c.args;
    EXPECT_TRUE(run.out.empty()) << c.args << ": " << run.out;
    EXPECT_NE(run.err.find(std::string("usage: orbica-cli ") + c.usage), std::string::npos) << c.args << ": " << run.err;
  }
  EXPECT_TRUE(FilesIn(dir).empty()) << FilesIn(dir)[0];
}

// A small sample census shared by the format tests (it has every file the
// commands read, saved subpopulations included).
class CliFormats : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    SampleOptions options;
    options.components = 4;
    options.respondents = 20000;
    options.seed = 3;
    SampleSummary summary;
    std::string error;
    ASSERT_TRUE(WriteSampleCensus(dir_->Path(), options, summary, error)) << error;
    notifier_ = new RecordingNotifier;
    context_ = new AppContext(*notifier_, dir_->Path());
    ASSERT_EQ(context_->StartUp(), 0);
  }
  static void TearDownTestSuite() {
    delete context_;
    delete notifier_;
    delete dir_;
  }
  // The three forms of one command; tsv must not differ from the default output.
  struct Forms {
    std::string tsv;
    std::vector<std::vector<std::string>> csv;  // rows of fields (no quoted fields in these tests)
    QJsonObject json;
  };
  static Forms Run(const std::string& args) {
    Forms forms;
    const ProgramRun plain = RunCli(*dir_, args);
    EXPECT_EQ(plain.exit, 0) << args << ": " << plain.err;
    forms.tsv = plain.out;
    EXPECT_EQ(RunCli(*dir_, args + " --format tsv").out, plain.out) << args;
    const ProgramRun csv = RunCli(*dir_, args + " --format=csv");
    EXPECT_EQ(csv.exit, 0) << args << ": " << csv.err;
    for (const std::string& line : Split(csv.out)) forms.csv.push_back(Split(line, ','));
    const ProgramRun json = RunCli(*dir_, args + " --format json");
    EXPECT_EQ(json.exit, 0) << args << ": " << json.err;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << args << ": " << json.out;
    EXPECT_TRUE(document.isObject()) << args;
    forms.json = document.object();
    return forms;
  }
  static double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

  static test::TempDir* dir_;
  static RecordingNotifier* notifier_;
  static AppContext* context_;
};
test::TempDir* CliFormats::dir_ = nullptr;
RecordingNotifier* CliFormats::notifier_ = nullptr;
AppContext* CliFormats::context_ = nullptr;

TEST_F(CliFormats, InfoAndProbAreOneRecord) {
  const Forms info = Run("info");
  const CModel& model = context_->model;
  ASSERT_EQ(info.csv.size(), 2u);
  EXPECT_EQ(info.csv[0], (std::vector<std::string>{"components", "respondents", "records", "skipped"}));
  EXPECT_EQ(info.csv[1][1], std::to_string(model.Respondents()));
  EXPECT_EQ(info.json["components"].toInt(), model.Components());
  EXPECT_EQ(info.json["records"].toInteger(), model.Counts().RecordsRead());

  const Forms prob = Run("prob 3ac12b");
  ConditionSet set = test::Set("3ac12b");
  double deviation = 0;
  const double p = model.Probability(set, &deviation);
  ASSERT_EQ(prob.csv.size(), 2u);
  EXPECT_EQ(prob.csv[0], (std::vector<std::string>{"code", "probability", "deviation", "persons", "observed"}));
  EXPECT_EQ(Number(prob.csv[1][1]), p);
  EXPECT_EQ(prob.json["code"].toString(), "3ac12b");
  EXPECT_EQ(prob.json["probability"].toDouble(), p);
  EXPECT_EQ(prob.json["deviation"].toDouble(), deviation);
  EXPECT_EQ(prob.json["persons"].toInteger(), model.Size(set));
  EXPECT_EQ(prob.json["observed"].toInteger(), model.Counts().Count(set));
}

TEST_F(CliFormats, DistOrderPopsAndAnalyzeHaveOneRecordPerLine) {
  struct Case {
    std::string args;
    std::vector<std::string> header;
    const char* rows;             // JSON name of the records
    std::size_t tsvHeaderLines;   // lines before the records
    char separator;               // between the fields of a tsv record
    std::vector<int> tsvColumns;  // the column of each tsv field (the others are not in tsv)
  };
  for (const Case& c :
       {Case{"dist 9 5c", {"answer", "share", "deviation"}, "answers", 0, ' ', {1, 2}},
        Case{"order 2 '' 5c", {"position", "question"}, "order", 0, ' ', {1}},
        Case{"pops", {"identity", "code", "name"}, "subpopulations", 0, '\t', {0, 1, 2}},
        Case{"analyze --criterion 2 --first 7", {"rank", "code", "score", "value", "difference", "true_size"},
             "results", 1, '\t', {0, 1, 2, 3, 4, 5}}}) {
    const Forms forms = Run(c.args);
    std::vector<std::vector<std::string>> records;
    const std::vector<std::string> lines = Split(forms.tsv);
    if (c.args.rfind("order", 0) == 0) {  // the order is one line of numbers
      for (const std::string& number : Split(lines.at(0), ' ')) records.push_back({number});
    } else {
      for (std::size_t i = c.tsvHeaderLines; i < lines.size(); ++i) records.push_back(Split(lines[i], c.separator));
    }
    ASSERT_GT(records.size(), 0u) << c.args;
    ASSERT_EQ(forms.csv.size(), records.size() + 1) << c.args;
    EXPECT_EQ(forms.csv[0], c.header) << c.args;
    const QJsonArray array = forms.json[c.rows].toArray();
    ASSERT_EQ(static_cast<std::size_t>(array.size()), records.size()) << c.args;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const QJsonObject record = array[static_cast<qsizetype>(i)].toObject();
      EXPECT_EQ(static_cast<std::size_t>(record.size()), c.header.size()) << c.args;
      ASSERT_EQ(records[i].size(), c.tsvColumns.size()) << c.args << " record " << i;
      for (std::size_t f = 0; f < c.tsvColumns.size(); ++f) {
        const std::size_t column = static_cast<std::size_t>(c.tsvColumns[f]);
        const std::string& tsv = records[i][f];
        EXPECT_EQ(forms.csv[i + 1][column], tsv) << c.args << " record " << i;
        const QJsonValue json = record[QString::fromStdString(c.header[column])];
        if (json.isString())
          EXPECT_EQ(json.toString().toStdString(), tsv) << c.args << " record " << i;
        else
          EXPECT_EQ(json.toDouble(), Number(tsv)) << c.args << " record " << i;
      }
    }
  }
}

TEST_F(CliFormats, TableGivesTheNumbersOnly) {
  const Forms table = Run("table 2 7 5c");
  const CrossTableCounts counts = ComputeCrossTable(1, 6, context_->model, test::Set("5c"));
  ASSERT_EQ(table.csv.size(), static_cast<std::size_t>(counts.rows * counts.columns) + 1);
  EXPECT_EQ(table.csv[0], (std::vector<std::string>{"left_answer", "top_answer", "persons"}));
  const QJsonArray cells = table.json["cells"].toArray();
  ASSERT_EQ(cells.size(), counts.rows * counts.columns);
  for (int a = 0; a < counts.rows; ++a)
    for (int b = 0; b < counts.columns; ++b) {
      const std::size_t i = static_cast<std::size_t>(a * counts.columns + b);
      EXPECT_EQ(table.csv[i + 1], (std::vector<std::string>{std::to_string(a + 1), std::to_string(b + 1),
                                                            std::to_string(counts.Cell(a, b))}));
      EXPECT_EQ(cells[static_cast<qsizetype>(i)].toObject()["persons"].toInteger(), counts.Cell(a, b));
    }
  EXPECT_EQ(table.json["total"].toInteger(), counts.grandTotal);
  EXPECT_EQ(table.json["top"].toInt(), 2);
  EXPECT_EQ(table.json["left"].toInt(), 7);
}

// In a Czech session the texts for people are Czech; the data of every form
// stay English, byte for byte.
TEST_F(CliFormats, CzechSessionTranslatesTextsButNotTheData) {
  const char* previous = std::getenv("LANGUAGE");
  const std::string saved = previous ? previous : "";
  const auto inCzech = [](const std::string& args) {
    setenv("LANGUAGE", "cs", 1);
    const ProgramRun run = RunCli(*dir_, args);
    unsetenv("LANGUAGE");
    return run;
  };
  const ProgramRun usage = inCzech("analyze --criterion 4");
  EXPECT_EQ(usage.exit, 2);
  EXPECT_EQ(usage.err.rfind("orbica-cli: kritérium 4 potřebuje --first\npoužití: orbica-cli analyze ", 0), 0u)
      << usage.err;
  EXPECT_EQ(inCzech("prob 99z").err.rfind("orbica-cli: chybný kód „99z“", 0), 0u);
  for (const std::string args : {"analyze --criterion 0 --threads 1", "analyze --criterion 2 --first 7 --format csv",
                                 "table 2 7 5c", "dist 9 5c --format json", "pops"}) {
    const ProgramRun czech = inCzech(args), english = RunCli(*dir_, args);
    EXPECT_EQ(czech.exit, 0) << args << ": " << czech.err;
    EXPECT_FALSE(english.out.empty()) << args;
    EXPECT_EQ(czech.out, english.out) << args;
  }
  if (previous) setenv("LANGUAGE", saved.c_str(), 1);
}

TEST(CliReport, TextsAreQuotedForCsvAndEscapedForJson) {
  struct Case {
    std::string text, csv, json;
  };
  for (const Case& c : {Case{"Towns", "Towns", "\"Towns\""}, Case{"a,b", "\"a,b\"", "\"a,b\""},
                        Case{"say \"hi\"", "\"say \"\"hi\"\"\"", "\"say \\\"hi\\\"\""},
                        Case{"two\nlines", "\"two\nlines\"", "\"two\\nlines\""},
                        Case{"tab\there\x01", "tab\there\x01", "\"tab\\there\\u0001\""},
                        Case{"back\\slash", "back\\slash", "\"back\\\\slash\""},
                        Case{"Praha \xe8\xe1st", "Praha \xe8\xe1st", "\"Praha \xc4\x8d\xc3\xa1st\""}}) {
    EXPECT_EQ(cli::CsvField(c.text), c.csv) << c.text;
    EXPECT_EQ(cli::JsonString(c.text), c.json) << c.text;
  }
  // JSON has no NaN: such a number becomes null.
  cli::Report report;
  report.Field("x", std::nan(""));
  std::ostringstream json;
  cli::WriteReport(json, report, cli::OutputFormat::kJson);
  EXPECT_EQ(json.str(), "{\"x\":null}\n");
}

TEST(CliValidate, ExitCodesTellProblemsFromUnreadableFiles) {
  test::TempDir dir;
  SampleOptions options;
  options.components = 3;
  options.respondents = 5000;
  SampleSummary summary;
  std::string error;
  ASSERT_TRUE(WriteSampleCensus(dir.Path(), options, summary, error)) << error;
  // A census this small is far from its counts; the factor leaves them alone.
  EXPECT_EQ(RunCli(dir, "validate --factor 1000").exit, 0);
  test::WriteText(dir.File("Populace/3ac.pop"), "short");  // a problem inside a readable file
  EXPECT_EQ(RunCli(dir, "validate --factor 1000").exit, 1);
  std::filesystem::remove(dir.File("zData.gcd"));
  EXPECT_EQ(RunCli(dir, "validate --factor 1000").exit, 3);
}

}  // namespace
}  // namespace orbica
