// The view of a histogram window: draws its document with the current graph
// style, reacts to the mouse, carries the graph commands and prints.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "app/command_table.h"
#include "app/print_page.h"
#include "histogram/graph.h"

class QPrinter;

namespace orbica {

class CApp;
class CDokument;
class Panel;

class CHistogram : public QWidget, public CommandTarget {
  Q_OBJECT

 public:
  CHistogram(CApp& app, CDokument& document, QWidget* parent = nullptr);
  ~CHistogram() override;

  CDokument& Document() { return document_; }
  BaseGraph& Graph() { return *graph_; }
  int StyleCommand() const { return styleCommand_; }
  int MinimumWidth() const { return minimumWidth_; }
  int MinimumHeight() const { return minimumHeight_; }
  Panel& NavigationPanel() { return *panel_; }
  int SelectedAnswer() const { return graph_->selectedAnswer; }
  // Highlights answer k (1-based) and redraws (the answer list's selection).
  void SelectAnswer(int k);
  // Answer number (1-based) of the column under a point, 0 when none.
  int HitTest(const QPoint& point) const;
  // The tooltip text for a point ("" when there is none).
  QString ToolTipText(const QPoint& point) const;
  // Switches to the style of command 32777, 32773, 32774 or 32775.
  void SwitchStyle(int command);
  // Prints one page on `printer` without dialogs.
  void PrintPage(QPrinter& printer);
  // What the printed page's legend holds.
  PrintLegend Legend() const;

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void OnDocumentUpdated();
  void TakeOptionsFromToolbar();
  bool ToolbarChecked(int id) const;
  void Print(bool preview);

  CApp& app_;
  CDokument& document_;
  std::unique_ptr<BaseGraph> graph_;
  int styleCommand_ = 0;
  Panel* panel_ = nullptr;
  int minimumWidth_ = 150;
  int minimumHeight_ = 200;
  int tooltipAnswer_ = 0;
  QImage buffer_;
};

}  // namespace orbica
