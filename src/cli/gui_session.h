// A Qt GUI application object for commands that draw (PDF, images) without a
// display: it picks the offscreen platform unless one is set.
#pragma once

#include <memory>

class QGuiApplication;

namespace orbica::cli {

class GuiSession {
 public:
  GuiSession();
  ~GuiSession();

 private:
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace orbica::cli
