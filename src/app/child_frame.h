// A histogram window inside the main frame: numbered 1..20 so that its place is
// remembered between runs, counting the open histogram windows.
#pragma once

#include <QMdiSubWindow>

namespace orbica {

class CApp;
class CDokument;
class CHistogram;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  explicit CChildFrame(CApp& app);
  ~CChildFrame() override;

  int Number() const { return number_; }
  int PlacementKey() const { return number_ + 10; }
  CHistogram* View() const { return view_; }
  CDokument* Document() const { return document_; }

  // Gives the window its number and its recorded place, if any (before it is shown).
  void PlaceAtStart();
  // The window became the active histogram window.
  void OnActivated();
  // Refills the answer list (when it exists) from this window and selects its answer.
  void RefillAnswerList();

  // Histogram windows open now, and the last number handed out.
  static int OpenCount() { return openCount_; }
  static int LastNumber() { return lastNumber_; }
  // For tests: both counters back to their start values.
  static void ResetNumbering();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void AssignNumber();
  CApp& app_;
  CDokument* document_ = nullptr;
  CHistogram* view_ = nullptr;
  int number_ = 0;
  bool recorded_ = false;
  static int openCount_;
  static int lastNumber_;
};

}  // namespace orbica
