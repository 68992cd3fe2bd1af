// The Qt application objects of orbica-cli: a GUI one for commands that draw
// (PDF, images) without a display, which picks the offscreen platform unless
// one is set; and, in a language the program is translated into, the object
// the translators need, made before anything is printed.
#pragma once

#include <memory>

class QCoreApplication;
class QGuiApplication;

namespace orbica::cli {

class GuiSession {
 public:
  GuiSession();
  ~GuiSession();

 private:
  std::unique_ptr<QGuiApplication> app_;
};

// In English nothing is made or loaded. Otherwise the application object (a
// GUI one when `drawing`, which later GuiSessions then use) and the program's
// and Qt's translations are installed for the rest of the run.
class LanguageSession {
 public:
  explicit LanguageSession(bool drawing);
  ~LanguageSession();
  // Whether texts are translated in this run.
  static bool Translated();

 private:
  std::unique_ptr<GuiSession> gui_;
  std::unique_ptr<QCoreApplication> core_;
};

}  // namespace orbica::cli
