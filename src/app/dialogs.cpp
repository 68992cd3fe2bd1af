#include "app/dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "ui_about_dialog.h"
#include "ui_getting_started.h"
#include "app/engine_texts.h"
#include "app/rtf/rtf_file.h"
#include "model/model.h"
#include "model/notifier.h"
#include "survey/settings.h"

namespace orbica {

namespace {

// Shows the start of a long text only: the rest would freeze the window while
// it is laid out.
void ShowRtfFile(QTextEdit* text, const QString& rtfPath, Notifier& notifier) {
  const std::string path = rtfPath.toStdString();
  const QString name = QFileInfo(rtfPath).fileName();
  const RtfFileHtml rtf = ReadRtfFileAsHtml(path);
  switch (rtf.status) {
    case InputStatus::Ok: break;
    case InputStatus::NotRegular: notifier.Show(NotRegularFileMessage(path), MessageId::ProgramCaption, MessageIcon::Warning); return;
    case InputStatus::NoMemory: notifier.Show(MessageId::NoMemory, MessageId::ProgramCaption, MessageIcon::Warning); return;
    case InputStatus::ReadFailed:
      notifier.Show(PlainMessage(QCoreApplication::translate("gettingStarted", "%1 cannot be read.").arg(name)),
                    MessageId::ProgramCaption, MessageIcon::Warning);
      return;
    case InputStatus::CannotOpen:
      notifier.Show(PlainMessage(QCoreApplication::translate("gettingStarted", "%1 was not found.").arg(name)),
                    MessageId::ProgramCaption, MessageIcon::Warning);
      return;
  }
  text->setHtml(QString::fromStdString(rtf.html));
  if (rtf.cut)
    text->append(QCoreApplication::translate("gettingStarted", "[The rest of %1 is left out: only its first %2 MB of %3 MB are shown.]")
                      .arg(name)
                      .arg(kRtfDisplayLimit >> 20)
                      .arg((rtf.fileSize + (1 << 19)) >> 20));  // to the nearest MB
}

}  // namespace

CAboutDlg::CAboutDlg(const CModel& model, QWidget* parent) : QDialog(parent) {
  Ui::AboutDialog ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("aboutDialog"));
  ui.iconLabel->setPixmap(QIcon(QStringLiteral(":/res/icons/orbica.svg")).pixmap(32, 32));
  ui.componentsValue->setText(QString::number(model.Components()));
  ui.respondentsValue->setText(QString::number(model.Respondents()));
}

gettingStarted::gettingStarted(const QString& rtfPath, CSettings& settings, Notifier& notifier, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  Ui::GettingStarted ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("gettingStarted"));
  text_ = ui.startText;
  text_->setAccessibleName(windowTitle());
  dontShow_ = ui.dontShowBox;
  connect(ui.closeButton, &QPushButton::clicked, this, &gettingStarted::Close);
  ShowRtfFile(text_, rtfPath, notifier);
}

void gettingStarted::Close() {
  if (dontShow_->isChecked()) settings_.hideGettingStarted = true;
  accept();
}

}  // namespace orbica
