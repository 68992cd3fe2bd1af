#include "app/info_dialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

#include "app/dialog_template.h"

// The templates of these windows are a resource file of their own: referring to
// it links it into every program that uses them, registered before main() runs.
static int RegisterPanelResources() {
  Q_INIT_RESOURCE(panel);
  return 0;
}
[[maybe_unused]] static const int kPanelResources = RegisterPanelResources();

namespace orbica {

InfoDlg::InfoDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("infoDialog"));
  const DialogBuilder builder(138, this);
  edit_ = builder.Get<QTextEdit>(1035);
  edit_->setAcceptRichText(false);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setTabChangesFocus(true);
  ok_ = builder.Get<QPushButton>(1036);
  connect(ok_, &QPushButton::clicked, this, &InfoDlg::Ok);
  edit_->setFocus();
}

void InfoDlg::SetNote(const QString& note) {
  note_ = note;
  edit_->setPlainText(note);
}

void InfoDlg::Ok() {
  note_ = edit_->toPlainText();
  accept();
}

void InfoDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Reaches the dialog only when the note does not have the focus; nothing happens then.
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace orbica
