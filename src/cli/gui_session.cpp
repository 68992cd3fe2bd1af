#include "cli/gui_session.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "app/translations.h"

namespace orbica::cli {

namespace {
int argcStorage = 1;
char programName[] = "orbica-cli";
char* argvStorage[] = {programName, nullptr};
bool translated = false;
}  // namespace

GuiSession::GuiSession() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app_ = std::make_unique<QGuiApplication>(argcStorage, argvStorage);
}

GuiSession::~GuiSession() = default;

LanguageSession::LanguageSession(bool drawing) {
  if (!HasTranslation()) return;
  if (drawing)
    gui_ = std::make_unique<GuiSession>();
  else if (!QCoreApplication::instance())
    core_ = std::make_unique<QCoreApplication>(argcStorage, argvStorage);
  translated = InstallTranslations();
}

LanguageSession::~LanguageSession() { translated = false; }

bool LanguageSession::Translated() { return translated; }

}  // namespace orbica::cli
