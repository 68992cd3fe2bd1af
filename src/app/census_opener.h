// Which census the program runs on: the command line (`orbica [FOLDER]`,
// `--choose`), the recent census folders, the user's writable copy of the
// sample census, and the session that starts on one census and replaces it by
// another on request.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "model/notifier.h"

class QMenu;
class QWidget;

namespace orbica {

class AppContext;
class CApp;
class QtNotifier;

// The program's own command line, after the toolkit took its options.
struct StartArguments {
  enum class Action { kRun, kHelp, kVersion, kError };
  Action action = Action::kRun;
  QString folder;       // FOLDER; empty: the current directory
  bool choose = false;  // --choose: the start dialog when the folder holds no census
  QString error;        // kError: what is wrong
};

// `arguments` starts with the program's name. A FILE given instead of a
// folder (as a file manager hands one over) stands for the folder it lies in.
StartArguments ParseStartArguments(const QStringList& arguments);
// The text of --help.
QString StartUsage();

// A file or folder of the program's shared data: share/orbica/NAME beside the
// bin/ folder of the executable when installed, else NAME beside the
// executable (a build tree). Empty when neither exists.
QString ShareFile(const QString& name);

// Whether `folder` holds a model file.
bool HoldsCensus(const QString& folder);
// Whether a file can be created in `folder`.
bool FolderWritable(const QString& folder);

// The census folders opened last, most recent first; kept in the user's
// configuration (QSettings), never in a census folder.
inline constexpr int kRecentCensusCount = 8;
QStringList RecentCensuses();
void AddRecentCensus(const QString& folder);

// The user's writable copy of the read-only sample census in `source`: copied
// into the application's data folder the first time, reused afterwards. Empty
// (with `error` set) when the copy cannot be made.
QString WritableSampleCopy(const QString& source, QString* error);

// Gives up the modified display slots of `context`, asking to save each one as
// choosing another subpopulation does. False when the user cancels or a save
// that was asked for fails: the census must then stay open.
bool ReleaseModifiedSlots(AppContext& context);

class CensusSession;

// The session that runs `app` (its parent), or null for an application of its own.
CensusSession* SessionOf(const CApp& app);

// Fills `menu` ("Recent censuses") with the recent folders, each opening its
// census through `session`; disabled when there are none.
void FillRecentMenu(QMenu& menu, CensusSession& session);

// Runs the program on one census at a time.
class CensusSession : public QObject {
  Q_OBJECT

 public:
  // Messages go to `notifier` when one is given (tests), else to message boxes.
  explicit CensusSession(Notifier* notifier = nullptr, QObject* parent = nullptr);
  ~CensusSession() override;

  CApp* App() const { return app_.get(); }
  // The folder of the running census (absolute); empty before the first start.
  QString Folder() const { return folder_; }
  // The read-only sample census (ShareFile("sample") unless set).
  void SetSampleSource(const QString& folder) { sampleSource_ = folder; }
  // Whether a census folder can be written (FolderWritable unless set).
  std::function<bool(const QString&)> folderWritable = FolderWritable;

  // Starts as the command line says: on FOLDER or the current directory; with
  // `choose` and no census there, through the start dialog. False when the
  // program is to end (a failed start-up or a closed start dialog).
  bool Start(const StartArguments& arguments);
  // Starts on the census in `folder`: changes to it and runs the start-up
  // sequence. False when it failed (after its boxes).
  bool StartOn(const QString& folder);
  // Opens another census instead of the running one. Its start-up load runs
  // first; when it fails the boxes are shown and the running census stays.
  // Otherwise the modified slots are given up (the user may cancel), every
  // window of the running census closes and the new one starts.
  bool Open(const QString& folder);
  // Writes the settings back (when the event loop has ended).
  void Finish();

 public Q_SLOTS:
  // The menu commands. Each opens once control is back in the event loop, as
  // the windows of the running census (the menu's own among them) close.
  // "Open census…": asks for a folder and opens it.
  void ChooseAndOpen();
  // Opens a folder of RecentCensuses().
  void OpenRecent(int index);
  // Opens the user's copy of the sample census.
  void OpenSample();
  // Open(folder), once control is back in the event loop.
  void OpenLater(const QString& folder);

 Q_SIGNALS:
  // A census started (the first or another); the recent list has changed.
  void CensusOpened(const QString& folder);

 private:
  bool Launch(const QString& folder);
  // The start dialog until a census starts; false when the user closes it.
  bool RunStartDialog();
  QString SampleFolder();
  Notifier& Messages();

  Notifier* notifier_;
  std::unique_ptr<QtNotifier> boxes_;
  std::unique_ptr<CApp> app_;
  QString folder_;
  QString sampleSource_;
  QSet<QString> toldReadOnly_;
};

}  // namespace orbica
