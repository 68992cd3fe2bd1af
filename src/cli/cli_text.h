// orbica-cli's texts for people (usage, help, errors, progress) in the user's
// language. Each is written where it is used as
// QCoreApplication::translate("orbica-cli", "...") so that the translation
// files list it; without a translation it is that text, byte for byte. The
// data a command prints (tsv, csv, json) is never translated.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

#include "cli/cli_common.h"
#include "model/notifier.h"

namespace orbica::cli {

inline QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Prints "orbica-cli: <message>" to standard error and returns kExitUsage.
int UsageError(const QString& message);
inline int UsageError(const char* message) { return UsageError(std::string(message)); }

// "unknown option "WORD"" and "OPTION needs a value".
QString UnknownOption(const std::string& word);
QString NeedsValue(const std::string& option);

// The engine's messages on standard error, as "caption: text" lines in the
// user's language.
StreamNotifier ErrorNotifier();

// A condition set from a code; on failure says what is wrong with it and
// returns nullopt.
std::optional<ConditionSet> ParseCodeOrComplain(const std::string& code);

}  // namespace orbica::cli
