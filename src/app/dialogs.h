// Small dialogs of the application shell: the About box and the getting-started text.
#pragma once

#include <QDialog>

class QCheckBox;
class QTextEdit;

namespace orbica {

class CModel;
class CSettings;
class Notifier;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  CAboutDlg(const CModel& model, QWidget* parent);
};

class gettingStarted : public QDialog {
  Q_OBJECT

 public:
  // `rtfPath` is the getting-started text; a missing file is reported and the dialog opens empty.
  gettingStarted(const QString& rtfPath, CSettings& settings, Notifier& notifier, QWidget* parent);
  QCheckBox* DontShowAgain() const { return dontShow_; }
  QTextEdit* Text() const { return text_; }

 private:
  void Close();
  CSettings& settings_;
  QCheckBox* dontShow_ = nullptr;
  QTextEdit* text_ = nullptr;
};

}  // namespace orbica
