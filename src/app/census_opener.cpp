#include "app/census_opener.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "app/app.h"
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/qt_notifier.h"
#include "app/start_dialog.h"
#include "engine/app_context.h"

namespace orbica {

namespace {

constexpr const char* kRecentKey = "recentCensuses";
// The caption of the boxes about opening a census.
Message OpenCaption() { return PlainMessage(QCoreApplication::translate("CensusSession", "Open census")); }

QString Absolute(const QString& folder) { return QDir::cleanPath(QDir(folder).absolutePath()); }

// Copies the tree `from` into the new folder `to`; every copy can be written by
// its owner, whatever the source allowed.
bool CopyTree(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
    const QFileInfo info = it.fileInfo();
    if (info.isSymLink()) continue;  // the sample holds none; never follow one
    if (info.isDir()) {
      if (!QDir().mkpath(target)) return false;
      continue;
    }
    if (!QFile::copy(source, target)) return false;
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
  }
  return true;
}

}  // namespace

StartArguments ParseStartArguments(const QStringList& arguments) {
  StartArguments start;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& word = arguments[i];
    if (word == QLatin1String("-h") || word == QLatin1String("--help")) {
      start.action = StartArguments::Action::kHelp;
      return start;
    }
    if (word == QLatin1String("--version")) {
      start.action = StartArguments::Action::kVersion;
      return start;
    }
    if (word == QLatin1String("--choose")) {
      start.choose = true;
    } else if (word.startsWith(QLatin1Char('-')) && word != QLatin1String("-")) {
      start.action = StartArguments::Action::kError;
      start.error = QStringLiteral("unknown option \"%1\"").arg(word);
      return start;
    } else if (!start.folder.isEmpty()) {
      start.action = StartArguments::Action::kError;
      start.error = QStringLiteral("only one census FOLDER can be given");
      return start;
    } else {
      const QFileInfo info(word);
      start.folder = info.exists() && !info.isDir() ? info.absolutePath() : word;
    }
  }
  return start;
}

QString StartUsage() {
  return QStringLiteral(
      "usage: orbica [--choose] [FOLDER] | --help | --version\n"
      "Shows the census in FOLDER (by default the current directory): the files\n"
      "data.mle, zData.gcd, Otazky.txt and Populace are read and written there.\n"
      "  --choose    when the folder holds no census, offer a start dialog: open a\n"
      "              census folder, a recent one or the sample census\n"
      "  --help      this text\n"
      "  --version   the program's version\n");
}

QString ShareFile(const QString& name) {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString& candidate :
       {programDir.filePath(QStringLiteral("../share/orbica/") + name), programDir.filePath(name)})
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  return QString();
}

bool HoldsCensus(const QString& folder) {
  return QFileInfo(QDir(folder).filePath(QString::fromLatin1(kModelFileName))).isFile();
}

bool FolderWritable(const QString& folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".orbica-write-test-XXXXXX")));
  return probe.open();
}

QStringList RecentCensuses() {
  QStringList recent = QSettings().value(QString::fromLatin1(kRecentKey)).toStringList();
  while (recent.size() > kRecentCensusCount) recent.removeLast();
  return recent;
}

void AddRecentCensus(const QString& folder) {
  QStringList recent = RecentCensuses();
  const QString path = Absolute(folder);
  recent.removeAll(path);
  recent.prepend(path);
  while (recent.size() > kRecentCensusCount) recent.removeLast();
  QSettings().setValue(QString::fromLatin1(kRecentKey), recent);
}

QString WritableSampleCopy(const QString& source, QString* error) {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const QString copy = QDir(data).filePath(QStringLiteral("sample"));
  if (HoldsCensus(copy)) return copy;
  if (source.isEmpty() || !HoldsCensus(source)) {
    if (error) *error = QCoreApplication::translate("CensusSession", "The sample census is not installed.");
    return QString();
  }
  // Copied beside its place first and renamed at the end, so that an
  // interrupted copy is never taken for the sample.
  const QString partial = copy + QStringLiteral(".partial");
  QDir(partial).removeRecursively();
  if (!CopyTree(source, partial) || !QDir(data).rename(QStringLiteral("sample.partial"), QStringLiteral("sample"))) {
    QDir(partial).removeRecursively();
    if (error)
      *error = QCoreApplication::translate("CensusSession", "The sample census cannot be copied to %1.").arg(copy);
    return QString();
  }
  return copy;
}

bool ReleaseModifiedSlots(AppContext& context) {
  for (int slot = 0; slot < kDisplaySlots; ++slot) {
    CPopulace* population = context.displayed.Subpopulation(slot);
    if (!context.displayed.Modified(slot) || !population) continue;
    switch (context.notifier.Ask(MessageId::NotSavedQuestion, MessageId::ChangedCaption)) {
      case Reply::Cancel:
        return false;
      case Reply::Yes: {
        bool written = false;
        context.subpopulations.Store(*population, population->Identity(), context.notifier, &written);
        if (!written) return false;  // the user has been told
        break;
      }
      case Reply::No:
        break;
    }
    context.displayed.SetModified(slot, false);
  }
  return true;
}

CensusSession* SessionOf(const CApp& app) { return qobject_cast<CensusSession*>(app.parent()); }

void FillRecentMenu(QMenu& menu, CensusSession& session) {
  menu.clear();
  const QStringList recent = RecentCensuses();
  for (qsizetype i = 0; i < recent.size(); ++i) {
    // "&1 /path/to/census": the number is the menu's accelerator.
    QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(recent[i])));
    QObject::connect(action, &QAction::triggered, &session, [&session, i] { session.OpenRecent(static_cast<int>(i)); });
  }
  menu.setEnabled(!recent.isEmpty());
}

CensusSession::CensusSession(Notifier* notifier, QObject* parent)
    : QObject(parent), notifier_(notifier), sampleSource_(ShareFile(QStringLiteral("sample"))) {}

CensusSession::~CensusSession() = default;

Notifier& CensusSession::Messages() {
  if (notifier_) return *notifier_;
  if (!boxes_) boxes_ = std::make_unique<QtNotifier>();
  return *boxes_;
}

bool CensusSession::Start(const StartArguments& arguments) {
  const QString folder = arguments.folder.isEmpty() ? QDir::currentPath() : arguments.folder;
  if (arguments.choose && !HoldsCensus(folder)) return RunStartDialog();
  return StartOn(folder);
}

bool CensusSession::StartOn(const QString& folder) { return Launch(folder); }

bool CensusSession::Launch(const QString& folder) {
  const QString path = Absolute(folder);
  if (!QDir::setCurrent(path)) {
    Messages().Show(PlainMessage(tr("The census folder %1 cannot be opened.").arg(path)), OpenCaption(),
                    MessageIcon::Error);
    return false;
  }
  // Window numbers, and with them the placements they look up, start afresh.
  CChildFrame::ResetNumbering();
  auto app = std::make_unique<CApp>(path, notifier_);
  app->setParent(this);  // SessionOf finds the session; the pointer below owns it
  if (!app->InitInstance()) return false;
  app_ = std::move(app);
  folder_ = path;
  AddRecentCensus(path);
  if (!folderWritable(path) && !toldReadOnly_.contains(path)) {
    toldReadOnly_.insert(path);
    Messages().Show(PlainMessage(tr("The census folder %1 cannot be written: subpopulations you save and the "
                                    "settings cannot be kept there.")
                                     .arg(path)),
                    OpenCaption(), MessageIcon::Warning);
  }
  Q_EMIT CensusOpened(path);
  return true;
}

bool CensusSession::Open(const QString& folder) {
  const QString path = Absolute(folder);
  if (!app_) return Launch(path);
  // The start-up load of the new census first, quietly; on failure its boxes
  // are shown and the running census stays as it is.
  RecordingNotifier quiet;
  {
    AppContext trial(quiet, path.toStdString());
    if (trial.StartUp() != 0) {
      for (const RecordingNotifier::Message& message : quiet.messages)
        Messages().Show(message.sentText, message.sentCaption, message.icon);
      return false;
    }
  }
  if (!ReleaseModifiedSlots(app_->Context())) return false;
  const QString previous = folder_;
  // Every window of the running census closes with it (recording its place);
  // its settings are written back. The program goes on without a window
  // meanwhile.
  const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  if (app_->MainFrame()) app_->MainFrame()->close();
  app_->ExitInstance();
  app_.reset();
  folder_.clear();
  const bool opened = Launch(path);
  // Only when the census changed between the trial and the start: back to the old one.
  if (!opened && !previous.isEmpty()) Launch(previous);
  QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
  return opened;
}

void CensusSession::Finish() {
  if (app_) app_->ExitInstance();
}

void CensusSession::ChooseAndOpen() {
  QWidget* parent = app_ ? app_->MainFrame() : nullptr;
  const QString folder = QFileDialog::getExistingDirectory(parent, tr("Open census folder"), folder_);
  if (!folder.isEmpty()) OpenLater(folder);
}

void CensusSession::OpenRecent(int index) {
  const QStringList recent = RecentCensuses();
  if (index >= 0 && index < recent.size()) OpenLater(recent[index]);
}

void CensusSession::OpenSample() {
  const QString copy = SampleFolder();
  if (!copy.isEmpty()) OpenLater(copy);
}

void CensusSession::OpenLater(const QString& folder) {
  QMetaObject::invokeMethod(this, [this, folder] { Open(folder); }, Qt::QueuedConnection);
}

QString CensusSession::SampleFolder() {
  QString error;
  const QString copy = WritableSampleCopy(sampleSource_, &error);
  if (copy.isEmpty()) Messages().Show(PlainMessage(error), OpenCaption(), MessageIcon::Error);
  return copy;
}

bool CensusSession::RunStartDialog() {
  for (;;) {
    StartDialog dialog(RecentCensuses());
    if (dialog.exec() != QDialog::Accepted) return false;
    const QString folder = dialog.Chosen() == StartDialog::Choice::kSample ? SampleFolder() : dialog.Folder();
    if (!folder.isEmpty() && Launch(folder)) return true;
  }
}

}  // namespace orbica
