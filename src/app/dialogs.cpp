#include "app/dialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "app/dialog_template.h"
#include "app/rtf/rtf_reader.h"
#include "model/model.h"
#include "model/notifier.h"
#include "survey/settings.h"

namespace orbica {

CAboutDlg::CAboutDlg(const CModel& model, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutDialog"));
  const DialogBuilder builder(100, this);
  builder.Get<QLabel>(1012)->setText(QString::number(model.Components()));
  builder.Get<QLabel>(1013)->setText(QString::number(model.Respondents()));
}

gettingStarted::gettingStarted(const QString& rtfPath, CSettings& settings, Notifier& notifier, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("gettingStarted"));
  const DialogBuilder builder(150, this);
  text_ = builder.Get<QTextEdit>(1071);
  dontShow_ = builder.Get<QCheckBox>(3036);
  dontShow_->setChecked(false);
  QPushButton* close = builder.Get<QPushButton>(1);
  disconnect(close, nullptr, this, nullptr);
  connect(close, &QPushButton::clicked, this, &gettingStarted::Close);
  QFile file(rtfPath);
  if (!file.open(QIODevice::ReadOnly)) {
    notifier.Show(QStringLiteral("%1 was not found.").arg(QFileInfo(rtfPath).fileName()).toStdString(), "Orbica",
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
