// Progress: the modal dialog shown while an analysis search runs on its worker
// thread, with a progress bar that the worker's reports move and the "Stop" button.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QProgressBar;
class QPushButton;

namespace orbica {

class Progress : public QDialog {
  Q_OBJECT

 public:
  // `stop` sets the run's stop flag under its lock; `stopped` reads it the same way.
  Progress(std::function<void()> stop, std::function<bool()> stopped, QWidget* parent);

  QProgressBar* Bar() const { return bar_; }
  QPushButton* StopButton() const { return stopButton_; }
  // True once the worker's last report has arrived.
  bool DoneReceived() const { return doneReceived_; }

  // The worker's reports, queued to the dialog's thread: progress is position x
  // 100 / range per cent; the search has ended after reading `records` records.
  void ShowProgress(qint64 position, qint64 range);
  void SearchDone(qint64 records);

  // "Stop": sets the flag; the dialog stays open until the worker reports that it has ended.
  void Stop();
  // The dialog ends only on the worker's last message; Esc and the close box act as "Stop".
  void done(int result) override;
  void reject() override;

 protected:
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
