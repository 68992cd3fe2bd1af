// A sample census in a temporary folder and a started application on it, for
// the application's tests; modal dialogs that the code under test opens are
// answered by scheduled actions.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/app.h"
#include "model/notifier.h"
#include "support/census_files.h"

namespace orbica::test {

// Writes a small sample census (4 components) into `folder`.
void WriteSmallCensus(const std::string& folder);

// Writes "Status.dat" with the getting-started text switched off, so that
// start-up opens no modal dialog.
void WriteQuietSettings(const std::string& folder);

// Runs `action` on the next modal dialog that opens (polling briefly).
void OnNextModal(std::function<void(QWidget*)> action);

struct StartedApp {
  TempDir dir;
  RecordingNotifier notifier;
  std::unique_ptr<CApp> app;
  // Writes the census and starts the application (true when start-up succeeded).
  bool Start();
};

}  // namespace orbica::test
