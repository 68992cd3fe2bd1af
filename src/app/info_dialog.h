// The "Subpopulation description" dialog: a free-text editor for a subpopulation's note.
#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTextEdit;

namespace orbica {

class InfoDlg : public QDialog {
  Q_OBJECT

 public:
  explicit InfoDlg(QWidget* parent = nullptr);

  // Set before the dialog runs: the window caption and the note to edit.
  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  void SetNote(const QString& note);
  // The note as read back by "OK" (the text given by SetNote until then).
  QString Note() const { return note_; }

  QTextEdit* NoteEdit() const { return edit_; }
  QPushButton* OkButton() const { return ok_; }

 protected:
  // Enter never ends the dialog: in the note it starts a new line.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Ok();
  QTextEdit* edit_ = nullptr;
  QPushButton* ok_ = nullptr;
  QString note_;
};

}  // namespace orbica
