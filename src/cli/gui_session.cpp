#include "cli/gui_session.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace orbica::cli {

namespace {
int argcStorage = 1;
char programName[] = "orbica-cli";
char* argvStorage[] = {programName, nullptr};
}  // namespace

GuiSession::GuiSession() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app_ = std::make_unique<QGuiApplication>(argcStorage, argvStorage);
}

GuiSession::~GuiSession() = default;

}  // namespace orbica::cli
