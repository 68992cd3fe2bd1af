#include "cli/paper_pdf.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace orbica::cli {

bool WritePaperPdf(const std::string& path, std::string& error) {
  QFile source(QStringLiteral(":/sample/paper.html"));
  if (!source.open(QIODevice::ReadOnly)) {
    error = QCoreApplication::translate("orbica-cli", "the methodology text is missing from the program").toStdString();
    return false;
  }
  const QString html = QString::fromUtf8(source.readAll());
  // QSaveFile writes to a unique temporary file (created exclusively, so a link
  // planted in the folder is never followed) and renames it over the target.
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) {
    error = QCoreApplication::translate("orbica-cli", "cannot write %1: %2")
                .arg(QString::fromStdString(path), file.errorString())
                .toStdString();
    return false;
  }
  {
    QPdfWriter writer(&file);
    writer.setTitle(QStringLiteral("How the census viewer computes its numbers"));
    writer.setCreator(QStringLiteral("orbica-cli"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QTextDocument document;
    document.setHtml(html);
    document.print(&writer);
  }
  if (file.size() == 0 || !file.commit()) {
    file.cancelWriting();
    error = QCoreApplication::translate("orbica-cli", "cannot write %1").arg(QString::fromStdString(path)).toStdString();
    return false;
  }
  return true;
}

}  // namespace orbica::cli
