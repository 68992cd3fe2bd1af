#include "app_fixture.h"

#include <QDialog>
#include <QElapsedTimer>

#include "cli/sample_census.h"
#include "survey/settings.h"

namespace orbica::test {

void WriteSmallCensus(const std::string& folder) {
  SampleOptions options;
  options.components = 4;
  SampleSummary summary;
  std::string error;
  if (!WriteSampleCensus(folder, options, summary, error)) qFatal("cannot write the test census: %s", error.c_str());
}

void WriteQuietSettings(const std::string& folder) {
  CSettings settings;
  settings.hideGettingStarted = true;
  RecordingNotifier notifier;
  settings.Save(folder + "/Status.dat", notifier);
}

void OnNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal || clock->elapsed() > 5000) {
      timer->stop();
      timer->deleteLater();
      delete clock;
      if (modal) action(modal);
    }
  });
  timer->start(20);
}

bool StartedApp::Start() {
  WriteSmallCensus(dir.Path());
  WriteQuietSettings(dir.Path());
  app = std::make_unique<CApp>(QString::fromStdString(dir.Path()), &notifier);
  return app->InitInstance();
}

}  // namespace orbica::test
