// The view of a histogram window: draws its document with the current graph
// style, reacts to the mouse, carries the graph commands and prints.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include <QList>
#include <QMetaObject>
#include <QStringList>

#include "app/print_page.h"
#include "histogram/graph.h"

class QPrinter;

namespace orbica {

class CApp;
class ActionRegistry;
class CDokument;
class Panel;


class CHistogram : public QWidget {
  Q_OBJECT

 public:
  CHistogram(CApp& app, CDokument& document, QWidget* parent = nullptr);
  ~CHistogram() override;

  CDokument& Document() { return document_; }
  BaseGraph& Graph() { return *graph_; }
  GraphStyle Style() const { return style_; }
  int MinimumWidth() const { return minimumWidth_; }
  int MinimumHeight() const { return minimumHeight_; }
  Panel& NavigationPanel() { return *panel_; }
  int SelectedAnswer() const { return graph_->selectedAnswer; }
  // The off-screen image of the last paint (null before the first).
  const QImage& OffScreenImage() const { return buffer_; }
  // Highlights answer k (1-based) and redraws (the answer list's selection).
  void SelectAnswer(int k);
  // Answer number (1-based) of the column under a point, 0 when none.
  int HitTest(const QPoint& point) const;
  // The tooltip text for a point ("" when there is none).
  QString ToolTipText(const QPoint& point) const;
  // Builds a new renderer of `style` and takes the options from the toolbar.
  void SwitchStyle(GraphStyle style);
  // Prints one page on `printer` without dialogs.
  void PrintPage(QPrinter& printer);
  // What the printed page's legend holds.
  PrintLegend Legend() const;

  // The commands a histogram view handles: the graph styles and options, the
  // question list, printing and stepping through the questions.
  static const QStringList& ActionNames();
  // Connects those actions to this view (the connections end with the view).
  QList<QMetaObject::Connection> ConnectActions(const ActionRegistry& actions);
  // Shows this view's options in the enabling and check marks of its actions.
  void ShowActionState(const ActionRegistry& actions) const;

 Q_SIGNALS:
  // An option or the style changed: the actions' state is to be shown again.
  void StateChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void OnDocumentUpdated();
  void TakeOptionsFromToolbar();
  bool ToolbarChecked(const char* name) const;
  void SetArrangement(int arrangement);
  void SetShowErrors(bool show);
  void SetAbsolute(bool absolute);
  void Print(bool preview);

  CApp& app_;
  CDokument& document_;
  std::unique_ptr<BaseGraph> graph_;
  GraphStyle style_ = kStyleBar3D;
  Panel* panel_ = nullptr;
  int minimumWidth_ = 150;
  int minimumHeight_ = 200;
  int tooltipAnswer_ = 0;
  QImage buffer_;
};

}  // namespace orbica
