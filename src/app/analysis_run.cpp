#include "app/analysis_run.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <system_error>
#include <thread>

#include "analysis/analysis.h"
#include "app/analysis_dialog.h"
#include "app/analysis_results.h"
#include "app/app.h"
#include "app/main_frame.h"
#include "app/progress_dialog.h"

namespace orbica {

namespace {

// The search's reports as signals, emitted on the worker thread and delivered
// queued to the progress dialog on the user-interface thread.
class ProgressSignals final : public QObject, public AnalysisObserver {
  Q_OBJECT

 public:
  explicit ProgressSignals(orbica::Progress& dialog) {
    connect(this, &ProgressSignals::Progressed, &dialog, &orbica::Progress::ShowProgress, Qt::QueuedConnection);
    connect(this, &ProgressSignals::Finished, &dialog, &orbica::Progress::SearchDone, Qt::QueuedConnection);
  }
  void Progress(std::int64_t position, std::int64_t range) override { Q_EMIT Progressed(position, range); }
  void Done(std::int64_t records) override { Q_EMIT Finished(records); }

 Q_SIGNALS:
  void Progressed(qint64 position, qint64 range);
  void Finished(qint64 records);
};

// The worker's messages, shown by the application's notifier on the thread of
// `context` (the user-interface thread); the worker waits until the box is closed.
class UiThreadNotifier final : public Notifier {
 public:
  UiThreadNotifier(Notifier& target, QObject* context) : target_(target), context_(context) {}

  void Show(const Message& text, const Message& caption, MessageIcon icon) override {
    Call([&] { target_.Show(text, caption, icon); });
  }
  Reply Ask(const Message& text, const Message& caption) override {
    Reply reply = Reply::Cancel;
    Call([&] { reply = target_.Ask(text, caption); });
    return reply;
  }
  // From now on messages are dropped (the run is being abandoned).
  void Discard() { discard_.store(true); }

 private:
  template <typename F>
  void Call(F f) {
    if (discard_.load()) return;
    const auto guarded = [&] {
      if (!discard_.load()) f();
    };
    if (QThread::currentThread() == context_->thread())
      guarded();
    else
      QMetaObject::invokeMethod(context_, guarded, Qt::BlockingQueuedConnection);
  }

  Notifier& target_;
  QObject* context_;
  std::atomic<bool> discard_{false};
};

}  // namespace

bool RunSearch(CAnalysis& analysis, Notifier& notifier, QWidget* parent) {
  if (!analysis.BeginRun()) return false;
  Progress dialog([&analysis] { analysis.RequestStop(); }, [&analysis] { return analysis.StopRequested(); }, parent);
  UiThreadNotifier workerNotifier(notifier, &dialog);
  ProgressSignals observer(dialog);
  std::thread worker;
  try {
    worker = std::thread([&] { analysis.Search(observer, workerNotifier); });
  } catch (const std::system_error&) {
    notifier.Show(MessageId::NoMemory, {});
    analysis.FinishRun();
    return false;
  }
  // The worker's reports wait in the dialog's queue until its loop runs, so a
  // search that ends before the dialog shows still ends it.
  dialog.exec();
  if (!dialog.DoneReceived()) {
    // The loop was ended from outside (the application is quitting): stop the
    // search and let it finish, dropping the messages it still sends.
    analysis.RequestStop();
    workerNotifier.Discard();
    while (!analysis.SearchFinished()) {
      QCoreApplication::sendPostedEvents(&dialog, QEvent::MetaCall);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  worker.join();
  return analysis.FinishRun();
}

bool RunAnalysis(CApp& app, QWidget* parent) {
  AppContext& context = app.Context();
  if (!EditParameters(context.analysis, context.questions, app.Notifier(), parent)) return false;
  return RunSearch(context.analysis, app.Notifier(), parent);
}

}  // namespace orbica

#include "analysis_run.moc"
