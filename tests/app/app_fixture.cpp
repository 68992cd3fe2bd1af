#include "app_fixture.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <vector>

#include "cli/sample_census.h"
#include "survey/settings.h"

namespace {

// Every test process gets configuration and data folders of its own, so
// that copies running at once never see each other's recent censuses or sample
// copy; the folders are removed when the process ends.
void IsolateUserFolders() {
  static const QTemporaryDir home;
  if (!home.isValid()) qFatal("cannot make the test's user folders");
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"})
    qputenv(variable, QFile::encodeName(home.filePath(QString::fromLatin1(variable))));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(IsolateUserFolders)

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

namespace {

// How long a modal dialog that no watch expects may stay open.
constexpr int kStrayMilliseconds = 5000;

void CloseModal(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal))
    dialog->reject();
  else
    modal->close();
}

}  // namespace

struct ModalScript::State {
  struct Watch {
    const QMetaObject* type;
    QString objectName;
    std::function<void(QWidget*)> action;
    bool fired = false;
    bool Matches(const QWidget& w) const {
      return !fired && w.metaObject()->inherits(type) && (objectName.isEmpty() || w.objectName() == objectName);
    }
  };
  std::vector<std::shared_ptr<Watch>> watches;
  // Dialogs a watch has run on, while they stay open.
  std::vector<QPointer<QWidget>> handled;
  QPointer<QWidget> stray;
  QElapsedTimer straySince;
  int fired = 0;
  QTimer poll;

  void Poll();
};

void ModalScript::State::Poll() {
  std::erase_if(handled, [](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || std::find(handled.begin(), handled.end(), modal) != handled.end()) return;
  for (const std::shared_ptr<Watch>& watch : watches) {
    if (!watch->Matches(*modal)) continue;
    const std::shared_ptr<Watch> running = watch;  // actions may add watches
    running->fired = true;
    ++fired;
    handled.emplace_back(modal);
    stray = nullptr;
    const QPointer<QWidget> dialog(modal);
    running->action(modal);
    if (QTest::currentTestFailed() && dialog && dialog->isVisible()) CloseModal(dialog);
    return;
  }
  if (stray != modal) stray = modal, straySince.start();
  if (QTest::currentTestFailed() || straySince.elapsed() > kStrayMilliseconds) {
    qWarning("closing the modal %s that the test does not expect", modal->metaObject()->className());
    stray = nullptr;
    CloseModal(modal);
  }
}

ModalScript::ModalScript() : state_(std::make_unique<State>()) {
  QObject::connect(&state_->poll, &QTimer::timeout, [state = state_.get()] { state->Poll(); });
  state_->poll.start(10);
}

ModalScript::~ModalScript() = default;

int ModalScript::Fired() const { return state_->fired; }

void ModalScript::Add(const QMetaObject& type, const QString& objectName, std::function<void(QWidget*)> action) {
  state_->watches.push_back(std::make_shared<State::Watch>(State::Watch{&type, objectName, std::move(action)}));
}

bool StartedApp::Start() {
  WriteSmallCensus(dir.Path());
  WriteQuietSettings(dir.Path());
  app = std::make_unique<CApp>(QString::fromStdString(dir.Path()), &notifier);
  return app->InitInstance();
}

}  // namespace orbica::test
