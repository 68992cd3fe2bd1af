// A sample census in a temporary folder and a started application on it, for
// the application's tests; modal dialogs that the code under test opens are
// answered by a ModalScript.
#pragma once

#include <QApplication>
#include <QMetaObject>
#include <QString>
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

// Answers the modal dialogs that the code under test opens. Each watch added
// with On() runs its action once, on the first active modal widget of its class
// (and object name, when one is given) that no earlier watch of this script has
// handled; actions may add further watches for the dialogs they open. Every
// watch ends with the script, so nothing outlives the test that made it.
//
// A dialog that is still open after its action failed the test is closed, so a
// failed check never leaves the code under test waiting; so is a modal dialog
// that no watch expects, after a few seconds (at once once the test failed).
class ModalScript {
 public:
  ModalScript();
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  template <class Dialog>
  void On(std::function<void(Dialog*)> action, const QString& objectName = {}) {
    Add(Dialog::staticMetaObject, objectName, [action](QWidget* w) { action(static_cast<Dialog*>(w)); });
  }
  // How many watches have run their action.
  int Fired() const;

 private:
  struct State;
  void Add(const QMetaObject& type, const QString& objectName, std::function<void(QWidget*)> action);
  std::unique_ptr<State> state_;
};

struct StartedApp {
  TempDir dir;
  RecordingNotifier notifier;
  std::unique_ptr<CApp> app;
  // Writes the census and starts the application (true when start-up succeeded).
  bool Start();
};

}  // namespace orbica::test
