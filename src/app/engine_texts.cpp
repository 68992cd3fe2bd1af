// The catalogue of the engine's messages for the translation files, and their
// wording in the user's language. The analysis dialog looks the criterion names
// up in the same context.
#include "app/engine_texts.h"

#include <QCoreApplication>
#include <iterator>

namespace orbica {

namespace {

struct CataloguedMessage {
  MessageId id;
  const char* pattern;
};

// Every message but MessageId::Plain, with the English pattern of the engine.
constexpr CataloguedMessage kMessages[] = {
    {MessageId::LoadCaption, QT_TRANSLATE_NOOP("orbica::engine", "Chyba při načítání")},
    {MessageId::StartupCaption, QT_TRANSLATE_NOOP("orbica::engine", "Direzu - error")},
    {MessageId::FileNotFoundCaption, QT_TRANSLATE_NOOP("orbica::engine", "File not found")},
    {MessageId::NotSavedCaption, QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation not saved")},
    {MessageId::ChangedCaption, QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation changed")},
    {MessageId::NotDeletedCaption, QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation not deleted")},
    {MessageId::ReplaceCaption, QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation exists")},
    {MessageId::ListNotReadCaption, QT_TRANSLATE_NOOP("orbica::engine", "Saved subpopulations not read")},
    {MessageId::SettingsNotSavedCaption, QT_TRANSLATE_NOOP("orbica::engine", "Settings not saved")},
    {MessageId::ErrorCaption, QT_TRANSLATE_NOOP("orbica::engine", "Chyba")},
    {MessageId::ProgramCaption, QT_TRANSLATE_NOOP("orbica::engine", "Orbica")},
    {MessageId::NotRegularFile, QT_TRANSLATE_NOOP("orbica::engine", "\"%1\" is not a regular file (a named pipe, device or folder); it is not read.")},
    {MessageId::NoMemory, QT_TRANSLATE_NOOP("orbica::engine", "Not enough memory")},
    {MessageId::ParametersNotOpened, QT_TRANSLATE_NOOP("orbica::engine", "Parameters file not opened")},
    {MessageId::TruncatedHeader, QT_TRANSLATE_NOOP("orbica::engine", "The parameters file is truncated: its header is incomplete.")},
    {MessageId::Truncated, QT_TRANSLATE_NOOP("orbica::engine", "The parameters file is truncated: it holds %1 bytes, a model of %2 components needs %3.")},
    {MessageId::UnusableValues, QT_TRANSLATE_NOOP("orbica::engine", "The model %1 holds weights or probabilities that are not a number, infinite or negative. They are used as "
        "stored; graphs show the shares computed from them as missing.\n%2")},
    {MessageId::UnusableValuesMore, QT_TRANSLATE_NOOP("orbica::engine", "The model %1 holds weights or probabilities that are not a number, infinite or negative. They are used as "
        "stored; graphs show the shares computed from them as missing.\n%2\n(%3 more; orbica-cli validate lists them)")},
    {MessageId::BadUtf8, QT_TRANSLATE_NOOP("orbica::engine", "%1 is not valid UTF-8 on line %2; the bad bytes are shown as \"�\".")},
    {MessageId::BadUtf8OneMore, QT_TRANSLATE_NOOP("orbica::engine", "%1 is not valid UTF-8 on line %2 and in 1 more place; the bad bytes are shown as \"�\".")},
    {MessageId::BadUtf8More, QT_TRANSLATE_NOOP("orbica::engine", "%1 is not valid UTF-8 on line %2 and in %3 more places; the bad bytes are shown as \"�\".")},
    {MessageId::QuestionsNotOpened, QT_TRANSLATE_NOOP("orbica::engine", "Cannot load the question descriptions.")},
    {MessageId::QuestionsInconsistent, QT_TRANSLATE_NOOP("orbica::engine", "Model file and its descritpion aren't consistent.")},
    {MessageId::QuestionsMalformed, QT_TRANSLATE_NOOP("orbica::engine", "Inconsistency in model file description")},
    {MessageId::CountsNotOpened, QT_TRANSLATE_NOOP("orbica::engine", "Cannot open the zdata.gcd file")},
    {MessageId::ModelNotLoaded, QT_TRANSLATE_NOOP("orbica::engine", "Cannot load the model.")},
    {MessageId::QuestionListNotLoaded, QT_TRANSLATE_NOOP("orbica::engine", "Cannot load question list.")},
    {MessageId::SubpopulationListNotLoaded, QT_TRANSLATE_NOOP("orbica::engine", "Cannot load the subpopulation list.")},
    {MessageId::SubpopulationListNotRead, QT_TRANSLATE_NOOP("orbica::engine", "The saved subpopulations could not be read from %1. Only the whole population is listed.")},
    {MessageId::SubpopulationListNotInitialized, QT_TRANSLATE_NOOP("orbica::engine", "Cannot initialize the subpopulation list.")},
    {MessageId::SettingsNotSaved, QT_TRANSLATE_NOOP("orbica::engine", "The settings could not be saved to \"%1\" (%2). Colours, options and window positions of this session are "
        "lost; the previous file is unchanged.")},
    {MessageId::SubpopulationNotWritten, QT_TRANSLATE_NOOP("orbica::engine", "The subpopulation \"%1\" could not be saved to \"%2\" (%3). It stays in the list until the program ends.")},
    {MessageId::SubpopulationNotWrittenOldKept, QT_TRANSLATE_NOOP("orbica::engine", "The subpopulation \"%1\" could not be saved to \"%2\" (%3). It stays in the list until the program ends; its "
        "previous file \"%4\" is unchanged.")},
    {MessageId::OldFileNotDeleted, QT_TRANSLATE_NOOP("orbica::engine", "The subpopulation was saved to \"%1\", but its previous file \"%2\" could not be deleted (%3).")},
    {MessageId::TooManyConditions, QT_TRANSLATE_NOOP("orbica::engine", "Too many conditions or too small subpopulation!")},
    {MessageId::TooSmall, QT_TRANSLATE_NOOP("orbica::engine", "Defined subpopulation is too small!")},
    {MessageId::NotSavedQuestion, QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation hasn't been saved. Save?")},
    {MessageId::NotDeletedReadOnly, QT_TRANSLATE_NOOP("orbica::engine", "The subpopulation \"%1\" could not be deleted: the census is open read-only. It stays in the list.")},
    {MessageId::NotDeletedUnreadable, QT_TRANSLATE_NOOP("orbica::engine", "The subpopulation \"%1\" could not be deleted: its file \"%2\" cannot be read and is left as it is. It stays "
        "in the list.")},
    {MessageId::NotDeletedNotRemoved, QT_TRANSLATE_NOOP("orbica::engine", "The subpopulation \"%1\" could not be deleted: its file \"%2\" cannot be removed (%3). It stays in the list.")},
    {MessageId::NotSavedReadOnly, QT_TRANSLATE_NOOP("orbica::engine", "The census is open read-only: the subpopulation \"%1\" is not saved.")},
    {MessageId::NotSavedUnreadableFile, QT_TRANSLATE_NOOP("orbica::engine", "The subpopulation \"%1\" is not saved: its file \"%2\" exists but cannot be read, and is left as it is.")},
    {MessageId::ReplaceQuestion, QT_TRANSLATE_NOOP("orbica::engine", "A saved subpopulation \"%1\" has the same conditions. Replace it?")},
    {MessageId::UnknownCriterion, QT_TRANSLATE_NOOP("orbica::engine", "Unknown analysis type")},
    {MessageId::NoMemoryForResults, QT_TRANSLATE_NOOP("orbica::engine", "Not enough memory for results")},
    {MessageId::IndexNegative, QT_TRANSLATE_NOOP("orbica::engine", "Chyba, k<0")},
    {MessageId::IndexTooLarge, QT_TRANSLATE_NOOP("orbica::engine", "Chyba, k>K(n)")},
    {MessageId::IndexTableFault, QT_TRANSLATE_NOOP("orbica::engine", " otazka %1 .. 1odp: %2 => cislo ot%3, poslodp: %4 => cisloot:  %5\n")},
};
static_assert(std::size(kMessages) == static_cast<std::size_t>(kMessageIdCount) - 1, "every message is catalogued");

[[maybe_unused]] constexpr const char* kCriterionNames[] = {
    QT_TRANSLATE_NOOP("orbica::engine", "Absolute subpopulation size error"),
    QT_TRANSLATE_NOOP("orbica::engine", "Relative subpopulation size error"),
    QT_TRANSLATE_NOOP("orbica::engine", "Conditional question entropy"),
    QT_TRANSLATE_NOOP("orbica::engine", "Information measure between two questions"),
    QT_TRANSLATE_NOOP("orbica::engine", "Relative answer frequency"),
    QT_TRANSLATE_NOOP("orbica::engine", "Absolute answer frequency"),
};

}  // namespace

const char* CataloguedPattern(MessageId id) {
  for (const CataloguedMessage& message : kMessages)
    if (message.id == id) return message.pattern;
  return nullptr;
}

QString TranslatedMessage(const Message& message) {
  const char* pattern = CataloguedPattern(message.id);
  if (!pattern) return QString::fromStdString(English(message));
  // Filled in one pass: a name holding "%2" is not filled again.
  const QString translated = QCoreApplication::translate("orbica::engine", pattern);
  return QString::fromStdString(FillPattern(translated.toStdString(), message.args));
}

Message PlainMessage(const QString& text) { return Message::Plain(text.toStdString()); }

}  // namespace orbica
