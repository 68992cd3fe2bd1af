// Takes the user guide's screenshots of opening a census and exporting: the
// start dialog, the program after "Open census" switched it to a second census,
// the export dialog and the exported picture.
//   orbica-census-tour SAMPLE_FOLDER SECOND_CENSUS OUTPUT_FOLDER   (run it under xvfb-run)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/app.h"
#include "app/census_opener.h"
#include "app/export.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/start_dialog.h"
#include "screen_shot.h"

namespace {

using orbica::tour::Settle;
using orbica::tour::Shot;

// Runs `action` on the next modal dialog once it shows.
void OnModal(const std::function<void(QWidget*)>& action) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      action(modal);
    }
  });
  timer->start(200);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: orbica-census-tour SAMPLE_FOLDER SECOND_CENSUS OUTPUT_FOLDER\n");
    return 2;
  }
  QApplication qapp(argc, argv);
  // A data folder of its own: the user's copy of the sample is made afresh.
  QStandardPaths::setTestModeEnabled(true);
  QApplication::setApplicationName(QStringLiteral("OrbicaTour"));
  const QString sample = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  const QString second = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
  const QString output = QDir(QString::fromLocal8Bit(argv[3])).absolutePath();
  QDir().mkpath(output);
  QDir(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("sample")))
      .removeRecursively();
  orbica::AddRecentCensus(second);
  const QString empty = QDir::temp().filePath(QStringLiteral("orbica-tour-empty"));
  QDir().mkpath(empty);

  orbica::CensusSession session;
  session.SetSampleSource(sample);
  OnModal([&](QWidget* modal) {
    modal->move(400, 250);
    Shot(output, "start-dialog.png");
    // The getting-started text of the sample comes next: closed when it shows.
    OnModal([](QWidget* next) { next->close(); });
    if (auto* dialog = qobject_cast<orbica::StartDialog*>(modal)) dialog->OpenSample();
  });
  orbica::StartArguments start;
  start.folder = empty;
  start.choose = true;
  if (!session.Start(start)) return 1;
  Settle(500);
  OnModal([](QWidget* next) { next->close(); });
  if (!session.Open(second)) return 1;
  Settle(500);
  orbica::CApp& app = *session.App();
  app.MainFrame()->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  Shot(output, "open-census.png");

  orbica::CHistogram* view = app.MainFrame()->ActiveView();
  if (!view) return 1;
  OnModal([&](QWidget* modal) {
    modal->move(500, 300);
    Shot(output, "export-dialog.png");
    modal->close();
  });
  orbica::ExportActiveHistogram(app, app.MainFrame());
  QString error;
  if (!orbica::ExportHistogram(app, *view, QDir(output).filePath(QStringLiteral("export.png")), QSize(), &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  std::printf("wrote %s\n", qPrintable(QDir(output).filePath(QStringLiteral("export.png"))));
  session.Finish();
  return 0;
}
