// The user-interface language: the program's own translation and Qt's, chosen
// by the locale (LANGUAGE, LC_ALL, LC_MESSAGES or LANG).
#pragma once

#include <QLocale>

namespace orbica {

// Installs the translations for `locale` into the application, replacing any
// installed before; English (the texts of the sources) needs none. Returns
// whether the program's own translation was found for the locale.
bool InstallTranslations(const QLocale& locale = QLocale());

// Whether the program has its own translation for `locale`; needs no
// application object and installs nothing.
bool HasTranslation(const QLocale& locale = QLocale());

}  // namespace orbica
