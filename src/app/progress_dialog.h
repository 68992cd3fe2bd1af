// The modal dialog shown while an analysis search runs on its worker thread: a
// progress bar moved by the worker's messages and the "Stop" button.
#pragma once

#include <QDialog>
#include <QEvent>
#include <cstdint>
#include <functional>

class QProgressBar;
class QPushButton;

namespace orbica {

// The worker's two messages to the dialog, posted as events from its thread.
inline constexpr QEvent::Type kAnalysisDoneEvent = static_cast<QEvent::Type>(QEvent::User + 0x501);
inline constexpr QEvent::Type kAnalysisProgressEvent = static_cast<QEvent::Type>(QEvent::User + 0x502);

// WM_ANALYSIS_PROGRESS carries position and range; WM_ANALYSIS_DONE the record count.
class AnalysisEvent : public QEvent {
 public:
  AnalysisEvent(QEvent::Type type, std::int64_t first, std::int64_t second)
      : QEvent(type), first_(first), second_(second) {}
  std::int64_t Position() const { return first_; }
  std::int64_t Range() const { return second_; }
  std::int64_t Records() const { return second_; }

 private:
  std::int64_t first_, second_;
};

class Progress : public QDialog {
  Q_OBJECT

 public:
  // `stop` sets the run's stop flag under its lock; `stopped` reads it the same way.
  Progress(std::function<void()> stop, std::function<bool()> stopped, QWidget* parent);

  QProgressBar* Bar() const { return bar_; }
  QPushButton* StopButton() const { return stopButton_; }
  // True once the worker's last message has arrived.
  bool DoneReceived() const { return doneReceived_; }

  // "Stop": sets the flag; the dialog stays open until the worker reports that it has ended.
  void Stop();
  // The dialog ends only on the worker's last message; Esc and the close box act as "Stop".
  void done(int result) override;
  void reject() override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Finish();

  QProgressBar* bar_ = nullptr;
  QPushButton* stopButton_ = nullptr;
  std::function<void()> stop_;
  std::function<bool()> stopped_;
  bool doneReceived_ = false;
  bool ending_ = false;
};

}  // namespace orbica
