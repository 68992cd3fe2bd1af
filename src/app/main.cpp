// The census viewer: loads the census of the current folder (or of the folder
// given on the command line) and opens its windows.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "app/translations.h"
#include "app/census_opener.h"

#ifndef ORBICA_VERSION
#define ORBICA_VERSION "unknown"
#endif

namespace {

// --help, --version and mistakes end the program here with their exit code.
std::optional<int> AnswerArguments(const orbica::StartArguments& start) {
  switch (start.action) {
    case orbica::StartArguments::Action::kHelp:
      std::fputs(orbica::StartUsage().toLocal8Bit().constData(), stdout);
      return 0;
    case orbica::StartArguments::Action::kVersion:
      std::puts("orbica " ORBICA_VERSION);
      return 0;
    case orbica::StartArguments::Action::kError:
      std::fprintf(stderr, "orbica: %s\n%s", start.error.toLocal8Bit().constData(),
                   orbica::StartUsage().section(QLatin1Char('\n'), 0, 0).append(QLatin1Char('\n')).toLocal8Bit().constData());
      return 2;
    case orbica::StartArguments::Action::kRun:
      break;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  // Help and version need no display: answered before the toolkit starts.
  QStringList words;
  for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
  const orbica::StartArguments early = orbica::ParseStartArguments(words);
  if (early.action != orbica::StartArguments::Action::kError)
    if (const std::optional<int> code = AnswerArguments(early)) return *code;

  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orbica"));
  QApplication::setOrganizationName(QStringLiteral("Orbica"));
  QApplication::setApplicationVersion(QStringLiteral(ORBICA_VERSION));
  const orbica::StartArguments start = orbica::ParseStartArguments(QApplication::arguments());
  if (const std::optional<int> code = AnswerArguments(start)) return *code;
  Q_INIT_RESOURCE(orbica);
  orbica::InstallTranslations();
  orbica::CensusSession session;
  if (!session.Start(start)) return 1;
  const int result = qapp.exec();
  session.Finish();
  return result;
}
