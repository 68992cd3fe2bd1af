#include "app/qt_notifier.h"

#include <QMessageBox>

namespace orbica {

namespace {
QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  // Messages sent without a kind report failures.
  return QMessageBox::Critical;
}

// A message box is a plain dialog: a title, a close button, nothing to minimise or maximise.
void MakePlainDialog(QMessageBox& box) {
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::WindowCloseButtonHint);
}
}  // namespace

void QtNotifier::Show(const Message& text, const Message& caption, MessageIcon icon) {
  QMessageBox box(ToQt(icon), TranslatedMessage(caption), TranslatedMessage(text), QMessageBox::Ok, Owner());
  MakePlainDialog(box);
  box.exec();
}

Reply QtNotifier::Ask(const Message& text, const Message& caption) {
  QMessageBox box(QMessageBox::Question, TranslatedMessage(caption), TranslatedMessage(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Owner());
  MakePlainDialog(box);
  switch (box.exec()) {
    case QMessageBox::Yes: return Reply::Yes;
    case QMessageBox::No: return Reply::No;
    default: return Reply::Cancel;
  }
}

Reply QtNotifier::AskYesNo(const Message& text, const Message& caption) {
  QMessageBox box(QMessageBox::Question, TranslatedMessage(caption), TranslatedMessage(text),
                  QMessageBox::Yes | QMessageBox::No, Owner());
  MakePlainDialog(box);
  return box.exec() == QMessageBox::Yes ? Reply::Yes : Reply::No;
}

}  // namespace orbica
