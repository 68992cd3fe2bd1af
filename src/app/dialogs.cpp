#include "app/dialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "ui_about_dialog.h"
#include "ui_getting_started.h"
#include "app/rtf/rtf_reader.h"
#include "model/model.h"
#include "model/notifier.h"
#include "survey/settings.h"

namespace orbica {

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
  QFile file(rtfPath);
  if (!file.open(QIODevice::ReadOnly)) {
    notifier.Show(tr("%1 was not found.").arg(QFileInfo(rtfPath).fileName()).toStdString(), "Orbica",
                  MessageIcon::Warning);
    return;
  }
  const QByteArray rtf = file.readAll();
  text_->setHtml(QString::fromStdString(RtfToHtml(std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())))));
}

void gettingStarted::Close() {
  if (dontShow_->isChecked()) settings_.hideGettingStarted = true;
  accept();
}

}  // namespace orbica
