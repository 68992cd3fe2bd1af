#include "model/message.h"

#include <iterator>

namespace orbica {

namespace {

constexpr std::string_view kEnglish[] = {
    "%1",
    // Captions.
    "Chyba při načítání",
    "Direzu - error",
    "File not found",
    "Subpopulation not saved",
    "Subpopulation changed",
    "Subpopulation not deleted",
    "Subpopulation exists",
    "Saved subpopulations not read",
    "Settings not saved",
    "Chyba",
    "Orbica",
    // Reading files.
    "\"%1\" is not a regular file (a named pipe, device or folder); it is not read.",
    "Not enough memory",
    "Parameters file not opened",
    "The parameters file is truncated: its header is incomplete.",
    "The parameters file is truncated: it holds %1 bytes, a model of %2 components needs %3.",
    "The model %1 holds weights or probabilities that are not a number, infinite or negative. They are used as "
    "stored; graphs show the shares computed from them as missing.\n%2",
    "The model %1 holds weights or probabilities that are not a number, infinite or negative. They are used as "
    "stored; graphs show the shares computed from them as missing.\n%2\n(%3 more; orbica-cli validate lists them)",
    "%1 is not valid UTF-8 on line %2; the bad bytes are shown as \"\xEF\xBF\xBD\".",
    "%1 is not valid UTF-8 on line %2 and in 1 more place; the bad bytes are shown as \"\xEF\xBF\xBD\".",
    "%1 is not valid UTF-8 on line %2 and in %3 more places; the bad bytes are shown as \"\xEF\xBF\xBD\".",
    "Cannot load the question descriptions.",
    "Model file and its descritpion aren't consistent.",
    "Inconsistency in model file description",
    "Cannot open the zdata.gcd file",
    // Starting up.
    "Cannot load the model.",
    "Cannot load question list.",
    "Cannot load the subpopulation list.",
    "The saved subpopulations could not be read from %1. Only the whole population is listed.",
    "Cannot initialize the subpopulation list.",
    // Saving and editing.
    "The settings could not be saved to \"%1\" (%2). Colours, options and window positions of this session are "
    "lost; the previous file is unchanged.",
    "The subpopulation \"%1\" could not be saved to \"%2\" (%3). It stays in the list until the program ends.",
    "The subpopulation \"%1\" could not be saved to \"%2\" (%3). It stays in the list until the program ends; its "
    "previous file \"%4\" is unchanged.",
    "The subpopulation was saved to \"%1\", but its previous file \"%2\" could not be deleted (%3).",
    "Too many conditions or too small subpopulation!",
    "Defined subpopulation is too small!",
    "Subpopulation hasn't been saved. Save?",
    "The subpopulation \"%1\" could not be deleted: the census is open read-only. It stays in the list.",
    "The subpopulation \"%1\" could not be deleted: its file \"%2\" cannot be read and is left as it is. It stays "
    "in the list.",
    "The subpopulation \"%1\" could not be deleted: its file \"%2\" cannot be removed (%3). It stays in the list.",
    "The census is open read-only: the subpopulation \"%1\" is not saved.",
    "The subpopulation \"%1\" is not saved: its file \"%2\" exists but cannot be read, and is left as it is.",
    "A saved subpopulation \"%1\" has the same conditions. Replace it?",
    // The analysis.
    "Unknown analysis type",
    "Not enough memory for results",
    "Chyba, k<0",
    "Chyba, k>K(n)",
    " otazka %1 .. 1odp: %2 => cislo ot%3, poslodp: %4 => cisloot:  %5\n",
};
static_assert(std::size(kEnglish) == static_cast<std::size_t>(kMessageIdCount), "one pattern per message id");

}  // namespace

std::string_view EnglishPattern(MessageId id) {
  const auto index = static_cast<std::size_t>(id);
  return index < std::size(kEnglish) ? kEnglish[index] : std::string_view();
}

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] != '%' || next < '1' || next > '9') {
      text += pattern[i];
      continue;
    }
    const auto arg = static_cast<std::size_t>(next - '1');
    if (arg < args.size()) text += args[arg];
    ++i;
  }
  return text;
}

std::string English(const Message& message) { return FillPattern(EnglishPattern(message.id), message.args); }

}  // namespace orbica
