// The fixed texts and captions of the engine's messages and the names of the
// analysis criteria, listed for the translation files. QtNotifier and the
// analysis dialog look them up in the context "orbica::engine"; texts built
// with names or paths stay as the engine made them.
#include <QtGlobal>

namespace orbica {

namespace {

[[maybe_unused]] constexpr const char* kEngineTexts[] = {
    // Captions.
    QT_TRANSLATE_NOOP("orbica::engine", "Chyba při načítání"),
    QT_TRANSLATE_NOOP("orbica::engine", "Direzu - error"),
    QT_TRANSLATE_NOOP("orbica::engine", "File not found"),
    QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation not saved"),
    QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation changed"),
    QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation not deleted"),
    QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation exists"),
    QT_TRANSLATE_NOOP("orbica::engine", "Saved subpopulations not read"),
    QT_TRANSLATE_NOOP("orbica::engine", "Settings not saved"),
    QT_TRANSLATE_NOOP("orbica::engine", "Chyba"),
    // Loading the census.
    QT_TRANSLATE_NOOP("orbica::engine", "Parameters file not opened"),
    QT_TRANSLATE_NOOP("orbica::engine", "The parameters file is truncated: its header is incomplete."),
    QT_TRANSLATE_NOOP("orbica::engine", "Not enough memory"),
    QT_TRANSLATE_NOOP("orbica::engine", "Cannot load the question descriptions."),
    QT_TRANSLATE_NOOP("orbica::engine", "Model file and its descritpion aren't consistent."),
    QT_TRANSLATE_NOOP("orbica::engine", "Inconsistency in model file description"),
    QT_TRANSLATE_NOOP("orbica::engine", "Cannot load the model."),
    QT_TRANSLATE_NOOP("orbica::engine", "Cannot load question list."),
    QT_TRANSLATE_NOOP("orbica::engine", "Cannot load the subpopulation list."),
    QT_TRANSLATE_NOOP("orbica::engine", "Cannot initialize the subpopulation list."),
    // Editing subpopulations.
    QT_TRANSLATE_NOOP("orbica::engine", "Too many conditions or too small subpopulation!"),
    QT_TRANSLATE_NOOP("orbica::engine", "Defined subpopulation is too small!"),
    QT_TRANSLATE_NOOP("orbica::engine", "Subpopulation hasn't been saved. Save?"),
    // The analysis.
    QT_TRANSLATE_NOOP("orbica::engine", "Unknown analysis type"),
    QT_TRANSLATE_NOOP("orbica::engine", "Cannot open the zdata.gcd file"),
    QT_TRANSLATE_NOOP("orbica::engine", "Not enough memory for results"),
    QT_TRANSLATE_NOOP("orbica::engine", "Chyba, k<0"),
    QT_TRANSLATE_NOOP("orbica::engine", "Chyba, k>K(n)"),
    QT_TRANSLATE_NOOP("orbica::engine", "Absolute subpopulation size error"),
    QT_TRANSLATE_NOOP("orbica::engine", "Relative subpopulation size error"),
    QT_TRANSLATE_NOOP("orbica::engine", "Conditional question entropy"),
    QT_TRANSLATE_NOOP("orbica::engine", "Information measure between two questions"),
    QT_TRANSLATE_NOOP("orbica::engine", "Relative answer frequency"),
    QT_TRANSLATE_NOOP("orbica::engine", "Absolute answer frequency"),
};

}  // namespace

}  // namespace orbica
