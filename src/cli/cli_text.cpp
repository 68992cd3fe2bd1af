#include "cli/cli_text.h"

#include <iostream>

#include "app/engine_texts.h"
#include "cli/gui_session.h"
#include "survey/subpopulation_code.h"

namespace orbica::cli {

int UsageError(const QString& message) { return UsageError(message.toStdString()); }

QString UnknownOption(const std::string& word) {
  return QCoreApplication::translate("orbica-cli", "unknown option \"%1\"").arg(FromUtf8(word));
}

QString NeedsValue(const std::string& option) {
  return QCoreApplication::translate("orbica-cli", "%1 needs a value").arg(FromUtf8(option));
}

StreamNotifier ErrorNotifier() {
  if (!LanguageSession::Translated()) return StreamNotifier(std::cerr);
  return StreamNotifier(std::cerr, Reply::No,
                        [](const Message& message) { return TranslatedMessage(message).toStdString(); });
}

std::optional<ConditionSet> ParseCodeOrComplain(const std::string& code) {
  ConditionSet set{};
  std::string error;
  if (!ParseSubpopulationCode(code, set, error)) {
    UsageError(QCoreApplication::translate("orbica-cli", "bad code \"%1\": %2").arg(FromUtf8(code), FromUtf8(error)));
    return std::nullopt;
  }
  return set;
}

}  // namespace orbica::cli
