#include "app/qt_notifier.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orbica {

namespace {
// The engine's fixed texts in the user's language (listed in engine_texts.cpp).
QString Translated(const std::string& text) {
  return text.empty() ? QString() : QCoreApplication::translate("orbica::engine", text.c_str());
}

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

void QtNotifier::Show(const std::string& text, const std::string& caption, MessageIcon icon) {
  QMessageBox box(ToQt(icon), Translated(caption), Translated(text), QMessageBox::Ok, owner_);
  box.exec();
}

Reply QtNotifier::Ask(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, Translated(caption), Translated(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
  switch (box.exec()) {
    case QMessageBox::Yes: return Reply::Yes;
    case QMessageBox::No: return Reply::No;
    default: return Reply::Cancel;
  }
}

}  // namespace orbica
