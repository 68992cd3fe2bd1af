// Start-up of the application to its first painted histogram window, and the
// repaint time of a maximised cylinder window, on the offscreen platform.
//   bench_app [CENSUS_FOLDER]
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <cstdio>

#include "app/app.h"
#include "app/child_frame.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "bench_util.h"
#include "survey/settings.h"

namespace {

// Notes when a watched widget has been painted.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = orbica::bench::CensusFolder(argc, argv);
  {
    // No getting-started dialog: it would wait for the user.
    orbica::CSettings settings;
    settings.Load(folder + "/Status.dat");
    settings.hideGettingStarted = true;
    orbica::RecordingNotifier quiet;
    settings.Save(folder + "/Status.dat", quiet);
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_QPA_OFFSCREEN_SCREEN_GEOMETRY", "1920x1080");  // not every Qt reads it; the frame is sized below
  QElapsedTimer clock;
  clock.start();
  QApplication qapp(argc, argv);
  Q_INIT_RESOURCE(orbica);
  orbica::CApp app(QString::fromStdString(folder));
  PaintWatch watch;
  if (!app.InitInstance()) return 1;
  orbica::CHistogram* view = app.MainFrame()->ActiveView();
  view->installEventFilter(&watch);
  while (!watch.painted) QCoreApplication::processEvents();
  const double startup = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  std::printf("start-up to the first painted histogram window: %.1f ms\n", startup);

  app.MainFrame()->setGeometry(0, 0, 1920, 1080);
  app.MainFrame()->Action(QStringLiteral("graph.cylinder"))->trigger();
  app.MainFrame()->ActiveChildFrame()->showMaximized();
  QCoreApplication::processEvents();
  std::printf("maximised view: %d x %d\n", view->width(), view->height());
  for (const bool direct : {false, true}) {
    app.Context().settings.directDrawing = direct;
    const double repaint = orbica::bench::MedianSeconds(15, [&] { view->repaint(); });
    std::printf("repaint of a maximised cylinder window (%s): %.2f ms\n",
                direct ? "drawn directly" : "through the off-screen image", repaint * 1e3);
  }
  return 0;
}
