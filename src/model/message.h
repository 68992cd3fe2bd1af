// The texts of the engine's messages as ids with arguments: the engine says
// which message it means and with which names, paths and numbers; whoever shows
// it picks the words (English here, a translation in the application).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbica {

// One id per distinct text, captions included. The English pattern of each is
// in message.cpp; %1, %2, ... stand for the arguments.
enum class MessageId {
  Plain,  // "%1": a text already in its final words (or none)
  // Captions.
  LoadCaption,
  StartupCaption,
  FileNotFoundCaption,
  NotSavedCaption,
  ChangedCaption,
  NotDeletedCaption,
  ReplaceCaption,
  ListNotReadCaption,
  SettingsNotSavedCaption,
  ErrorCaption,
  ProgramCaption,
  // Reading files.
  NotRegularFile,
  NoMemory,
  ParametersNotOpened,
  TruncatedHeader,
  Truncated,
  UnusableValues,
  UnusableValuesMore,
  BadUtf8,
  BadUtf8OneMore,
  BadUtf8More,
  QuestionsNotOpened,
  QuestionsInconsistent,
  QuestionsMalformed,
  CountsNotOpened,
  // Starting up.
  ModelNotLoaded,
  QuestionListNotLoaded,
  SubpopulationListNotLoaded,
  SubpopulationListNotRead,
  SubpopulationListNotInitialized,
  // Saving and editing.
  SettingsNotSaved,
  SubpopulationNotWritten,
  SubpopulationNotWrittenOldKept,
  OldFileNotDeleted,
  TooManyConditions,
  TooSmall,
  NotSavedQuestion,
  NotDeletedReadOnly,
  NotDeletedUnreadable,
  NotDeletedNotRemoved,
  NotSavedReadOnly,
  NotSavedUnreadableFile,
  ReplaceQuestion,
  // The analysis.
  UnknownCriterion,
  NoMemoryForResults,
  IndexNegative,
  IndexTooLarge,
  IndexTableFault,
  Count
};

inline constexpr int kMessageIdCount = static_cast<int>(MessageId::Count);

struct Message {
  MessageId id = MessageId::Plain;
  std::vector<std::string> args;

  Message() = default;
  Message(MessageId messageId, std::vector<std::string> arguments = {}) : id(messageId), args(std::move(arguments)) {}
  // A text shown as it is (one the caller has already put into words).
  static Message Plain(std::string text) { return {MessageId::Plain, {std::move(text)}}; }
};

// The English pattern of a message; empty for an id out of range.
std::string_view EnglishPattern(MessageId id);

// `pattern` with %1 ... %9 replaced by the arguments in one pass, so that an
// argument holding "%2" stays as it is; a missing argument is empty and a '%'
// before anything but 1-9 is kept.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args);

// The message in English.
std::string English(const Message& message);

}  // namespace orbica
