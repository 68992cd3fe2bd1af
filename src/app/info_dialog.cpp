#include "app/info_dialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

#include "ui_info_dialog.h"

namespace orbica {

InfoDlg::InfoDlg(QWidget* parent) : QDialog(parent) {
  Ui::InfoDialog ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("infoDialog"));
  edit_ = ui.noteEdit;
  edit_->setAccessibleName(windowTitle());
  ok_ = ui.okButton;
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
