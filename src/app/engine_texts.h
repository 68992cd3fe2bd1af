// The engine's messages in the user's language: their patterns are catalogued
// for the translation files in the context "orbica::engine" and filled with the
// message's arguments, which are inserted as they are.
#pragma once

#include <QString>

#include "model/message.h"

namespace orbica {

// The catalogued English pattern of `id` (nullptr for a text in its final
// words, MessageId::Plain).
const char* CataloguedPattern(MessageId id);

// The message translated, or in English when no translation is installed.
QString TranslatedMessage(const Message& message);

// A text the application has already put into words, for a notifier.
Message PlainMessage(const QString& text);

}  // namespace orbica
