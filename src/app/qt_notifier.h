// Messages from the engine shown as message boxes, in the user's language.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/engine_texts.h"
#include "model/notifier.h"

namespace orbica {

class QtNotifier final : public Notifier {
 public:
  // The window that owns the boxes while it is set; without one, the default owner.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // The owner when none is set: the main window once it exists (none before).
  void SetDefaultOwner(QWidget* owner) { defaultOwner_ = owner; }
  void Show(const Message& text, const Message& caption, MessageIcon icon) override;
  Reply Ask(const Message& text, const Message& caption) override;
  Reply AskYesNo(const Message& text, const Message& caption) override;

 private:
  QWidget* Owner() const { return owner_ ? owner_.data() : defaultOwner_.data(); }
  QPointer<QWidget> owner_;
  QPointer<QWidget> defaultOwner_;

  friend class ScopedBoxOwner;
};

// While it lives, the program's message boxes are owned by `owner` (when
// `notifier` shows boxes at all); then the owner before it is back.
class ScopedBoxOwner {
 public:
  ScopedBoxOwner(Notifier& notifier, QWidget* owner) : boxes_(dynamic_cast<QtNotifier*>(&notifier)) {
    if (!boxes_) return;
    previous_ = boxes_->owner_;
    boxes_->SetOwner(owner);
  }
  ~ScopedBoxOwner() {
    if (boxes_) boxes_->SetOwner(previous_);
  }
  ScopedBoxOwner(const ScopedBoxOwner&) = delete;
  ScopedBoxOwner& operator=(const ScopedBoxOwner&) = delete;

 private:
  QtNotifier* boxes_;
  QPointer<QWidget> previous_;
};

}  // namespace orbica
