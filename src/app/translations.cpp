#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace orbica {

namespace {

QPointer<QTranslator> own;
QPointer<QTranslator> qt;

void Remove(QPointer<QTranslator>& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

bool LoadOwn(QTranslator& translator, const QLocale& locale) {
  return translator.load(locale, QStringLiteral("orbica"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}

}  // namespace

bool HasTranslation(const QLocale& locale) {
  QTranslator translator;
  return LoadOwn(translator, locale);
}

bool InstallTranslations(const QLocale& locale) {
  Remove(own);
  Remove(qt);
  // The program's translations are built into it; Qt's come with Qt.
  auto* program = new QTranslator(QCoreApplication::instance());
  const bool found = LoadOwn(*program, locale);
  if (found) {
    QCoreApplication::installTranslator(program);
    own = program;
  } else {
    delete program;
  }
  auto* library = new QTranslator(QCoreApplication::instance());
  if (found && library->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(library);
    qt = library;
  } else {
    delete library;
  }
  return found;
}

}  // namespace orbica
