// orbica-cli: the headless companion of the census viewer.
#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/gui_session.h"

#ifndef ORBICA_VERSION
#define ORBICA_VERSION "unknown"
#endif

namespace orbica::cli {

namespace {
std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}
}  // namespace

CommandRegistrar::CommandRegistrar(const CommandInfo& info) { Registry().push_back(info); }

std::vector<CommandInfo> Commands() {
  std::vector<CommandInfo> commands = Registry();
  std::sort(commands.begin(), commands.end(), [](const CommandInfo& a, const CommandInfo& b) { return a.order < b.order; });
  return commands;
}

}  // namespace orbica::cli

namespace {

using orbica::cli::Args;
using orbica::cli::CommandInfo;
using orbica::cli::OutputFormat;
using orbica::cli::UnknownOption;

// The text in the user's language, as UTF-8.
std::string Tr(const char* text) { return QCoreApplication::translate("orbica-cli", text).toStdString(); }

std::string UsageLine() {
  return Tr(QT_TRANSLATE_NOOP("orbica-cli", "usage: orbica-cli COMMAND [ARGS] | COMMAND --help | --help | --version"));
}

void PrintUsage(std::ostream& out) {
  out << UsageLine() << "\n"
      << Tr(QT_TRANSLATE_NOOP(
             "orbica-cli",
             "Runs in a folder that holds the census files (data.mle, zData.gcd, Otazky.txt, Populace).\n"
             "CODE is a subpopulation code such as \"3ac12b\"; \"\" or \"Celá\" is the whole population.\n"
             "Commands marked * accept --format tsv|csv|json. \"orbica-cli COMMAND --help\" describes one.\n"))
      << '\n';
  for (const CommandInfo& command : orbica::cli::Commands()) {
    std::string line = std::string(command.formats ? "* " : "  ") + command.synopsis;
    line += line.size() < 28 ? std::string(28 - line.size(), ' ') : "\n" + std::string(28, ' ');
    out << line << Tr(command.summary) << '\n';
  }
  out << '\n'
      << Tr(QT_TRANSLATE_NOOP("orbica-cli",
                              "Exit codes: 0 done, 1 a census file could not be loaded (validate: problems\n"
                              "found), 2 wrong arguments, 3 validate could not read a file at all.\n"));
}

std::string CommandUsage(const CommandInfo& command) {
  return QCoreApplication::translate("orbica-cli", "usage: orbica-cli %1")
      .arg(QString::fromUtf8(command.synopsis) + (command.formats ? QStringLiteral(" [--format F]") : QString()))
      .toStdString();
}

void PrintCommandHelp(const CommandInfo& command) {
  std::cout << CommandUsage(command) << "\n\n" << Tr(command.details);
  if (command.formats)
    std::cout << Tr(QT_TRANSLATE_NOOP("orbica-cli",
                                      "  --format F   tsv (the default: the lines described above), csv (a header\n"
                                      "               row, then one row per record) or json (one object per run\n"
                                      "               with named fields)\n"));
}

int Usage(const QString& message, const std::string& usage = UsageLine()) {
  std::cerr << "orbica-cli: " << message.toStdString() << '\n' << usage << '\n';
  return orbica::cli::kExitUsage;
}

bool IsHelp(const std::string& word) { return word == "--help" || word == "-h"; }
bool IsOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

int Run(const CommandInfo& command, Args args) {
  const std::string usage = CommandUsage(command);
  // Asking for help never runs the command (nor touches a file).
  if (std::any_of(args.begin() + 1, args.end(), IsHelp)) {
    PrintCommandHelp(command);
    return orbica::cli::kExitOk;
  }
  OutputFormat format = OutputFormat::kTsv;
  if (command.formats) {
    for (std::size_t i = 1; i < args.size();) {
      std::string value;
      std::size_t words = 0;
      if (args[i] == "--format") {
        if (i + 1 >= args.size())
          return Usage(QCoreApplication::translate("orbica-cli", "--format needs a value (tsv, csv or json)"), usage);
        value = args[i + 1], words = 2;
      } else if (args[i].rfind("--format=", 0) == 0) {
        value = args[i].substr(9), words = 1;
      } else {
        ++i;
        continue;
      }
      const auto parsed = orbica::cli::ParseOutputFormat(value);
      if (!parsed)
        return Usage(QCoreApplication::translate("orbica-cli", "bad --format \"%1\" (tsv, csv or json)")
                         .arg(QString::fromStdString(value)),
                     usage);
      format = *parsed;
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i + words));
    }
  }
  if (!command.ownOptions)
    for (std::size_t i = 1; i < args.size(); ++i)
      if (IsOption(args[i])) return Usage(UnknownOption(args[i]), usage);
  const int code = command.run(args, format);
  if (code == orbica::cli::kExitUsage) std::cerr << usage << '\n';
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  // The language is settled before anything is printed; a command that draws
  // gets the GUI application object it needs.
  bool draws = false;
  for (const CommandInfo& command : orbica::cli::Commands())
    if (argc > 1 && command.name == std::string_view(argv[1])) draws = command.draws;
  const orbica::cli::LanguageSession language(draws);
  if (argc < 2) {
    PrintUsage(std::cerr);
    return orbica::cli::kExitUsage;
  }
  const Args args(argv + 1, argv + argc);
  if (IsHelp(args[0]) || args[0] == "help") {
    if (args.size() > 1)
      for (const CommandInfo& command : orbica::cli::Commands())
        if (args[1] == command.name) return Run(command, {args[1], "--help"});
    PrintUsage(std::cout);
    return orbica::cli::kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "orbica-cli " ORBICA_VERSION "\n";
    return orbica::cli::kExitOk;
  }
  if (IsOption(args[0])) return Usage(UnknownOption(args[0]));
  for (const CommandInfo& command : orbica::cli::Commands())
    if (args[0] == command.name) return Run(command, args);
  std::cerr << "orbica-cli: "
            << QCoreApplication::translate("orbica-cli", "unknown command \"%1\"")
                   .arg(QString::fromStdString(args[0]))
                   .toStdString()
            << '\n';
  PrintUsage(std::cerr);
  return orbica::cli::kExitUsage;
}
