// Messages from the engine shown as message boxes.
#pragma once

#include <QWidget>

#include "model/notifier.h"

namespace orbica {

class QtNotifier final : public Notifier {
 public:
  // Boxes have no owner unless one is set.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void Show(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Reply Ask(const std::string& text, const std::string& caption) override;
  Reply AskYesNo(const std::string& text, const std::string& caption) override;

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace orbica
