#include "app/progress_dialog.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "ui_progress_dialog.h"

namespace orbica {

Progress::Progress(std::function<void()> stop, std::function<bool()> stopped, QWidget* parent)
    : QDialog(parent), stop_(std::move(stop)), stopped_(std::move(stopped)) {
  Ui::ProgressDialog ui;
  ui.setupUi(this);
  setObjectName(QStringLiteral("progressDialog"));
  // A caption bar without a system menu or close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  bar_ = ui.progressBar;
  bar_->setRange(0, 100);
  stopButton_ = ui.stopButton;
  // Enter must not end anything: no button of this dialog is a default button.
  connect(stopButton_, &QPushButton::clicked, this, &Progress::Stop);
}

void Progress::Stop() {
  if (stop_) stop_();
}

void Progress::reject() {
  // Esc and the close box: the run is stopped, the dialog waits for the worker.
  if (!doneReceived_) {
    Stop();
    return;
  }
  QDialog::reject();
}

void Progress::done(int result) {
  // The run's lock and buffers live until the dialog ends, so nothing but the
  // worker's last message may end it.
  if (!ending_) return;
  QDialog::done(result);
}

void Progress::Finish() {
  ending_ = true;
  QDialog::done(stopped_ && stopped_() ? QDialog::Rejected : QDialog::Accepted);
}

void Progress::ShowProgress(qint64 position, qint64 range) {
  const qint64 percent = range != 0 ? position * 100 / range : 0;
  bar_->setValue(static_cast<int>(std::clamp<qint64>(percent, 0, 100)));
}

void Progress::SearchDone(qint64) {
  doneReceived_ = true;
  Finish();
}

void Progress::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The worker finished before the dialog was shown: end it once its loop runs.
  if (doneReceived_) QTimer::singleShot(0, this, &Progress::Finish);
}

}  // namespace orbica
