#include "cli/paper_pdf.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace orbica::cli {

bool WritePaperPdf(const std::string& path, std::string& error) {
  QFile source(QStringLiteral(":/sample/paper.html"));
  if (!source.open(QIODevice::ReadOnly)) {
    error = "the methodology text is missing from the program";
    return false;
  }
  const QString html = QString::fromUtf8(source.readAll());
  const QString target = QString::fromStdString(path);
  const QString temp = target + QStringLiteral(".tmp");
  {
    QPdfWriter writer(temp);
    writer.setTitle(QStringLiteral("How the census viewer computes its numbers"));
    writer.setCreator(QStringLiteral("orbica-cli"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QTextDocument document;
    document.setHtml(html);
    document.print(&writer);
  }
  if (QFileInfo(temp).size() == 0) {
    QFile::remove(temp);
    error = "cannot write " + path;
    return false;
  }
  QFile::remove(target);
  if (!QFile::rename(temp, target)) {
    QFile::remove(temp);
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace orbica::cli
