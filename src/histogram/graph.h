// The graph renderers of a histogram window: 2D bars, 3D bars, cylinders and pies,
// drawn from a HistogramData block onto a Canvas, and the hit regions of the
// answer columns that the last interactive drawing recorded.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "histogram/background.h"
#include "histogram/canvas.h"
#include "histogram/graph_util.h"
#include "histogram/histogram_data.h"

namespace orbica {

class CQuestionList;
class CSettings;

inline constexpr int kHitAnswerColumn = 1;

struct HitRegion {
  int left = 0, top = 0, right = 0, bottom = 0;  // inclusive
  int kind = kHitAnswerColumn;
  int answer = 0;  // 1-based
  bool operator==(const HitRegion&) const = default;
};

// The answer columns of the last interactive drawing, in drawing order. Clearing
// keeps the storage, so redrawing does not allocate.
class HitRegionList {
 public:
  void Clear() { regions_.clear(); }
  void Add(const HitRegion& region) { regions_.push_back(region); }
  // The first answer column (kind 1) that holds the point, borders included.
  std::optional<HitRegion> HitTest(int x, int y) const;
  const std::vector<HitRegion>& Regions() const { return regions_; }

 private:
  std::vector<HitRegion> regions_;
};

inline constexpr int kArrangementBehind = 0;
inline constexpr int kArrangementBeside = 1;

enum GraphStyle : int { kStyleBar2D = 0, kStyleBar3D = 1, kStyleCylinder = 2, kStylePie = 3 };

// Colour of the one-pixel outline of every bar shape.
inline constexpr Color kOutlineColor = 0x606060;

class BaseGraph {
 public:
  BaseGraph() = default;
  BaseGraph(const BaseGraph&) = delete;
  BaseGraph& operator=(const BaseGraph&) = delete;
  virtual ~BaseGraph() = default;

  // Draws the whole graph into the rectangle (left, top, right, bottom).
  virtual void Draw(Canvas& dc, int left, int top, int right, int bottom) = 0;
  virtual void SetArrangement(int value) { arrangement = value; }
  virtual int Style() const = 0;
  virtual bool SupportsArrangement() const { return false; }
  virtual bool SupportsErrors() const { return false; }
  // Whether the last drawing labelled the answers with letters (a, b, ...)
  // instead of their short texts.
  virtual bool LabelsAreLetters() const { return false; }

  // The question's text centred near the top of the rectangle, in the
  // device-default font, with the text colour and background mode already set.
  void DrawTitle(Canvas& dc, int left, int top, int right, int bottom, int question) const;

  // Contrast colours of texts and axes against the background gradient.
  ContrastColors Contrast() const;

  // Options and inputs, set by the owner before drawing.
  HitRegionList regions;
  const HistogramData* data = nullptr;          // not owned
  const CQuestionList* questions = nullptr;     // texts; none: texts are empty
  const CSettings* settings = nullptr;          // colours; none: the default colours
  int respondents = 0;                          // N, for absolute values
  int questionIndex = 0;
  bool showTitle = true;
  bool showErrors = true;
  bool absolute = false;
  bool interactive = false;
  int selectedAnswer = 1;                       // 1-based
  int arrangement = kArrangementBeside;

 protected:
  // Texts of the current question; empty when there is none.
  std::string QuestionText(int question) const;
  std::string ShortAnswerText(int question, int n) const;  // n = answer + 1
  std::string LongAnswerText(int question, int n) const;
  Color PaletteColor(int index) const;
  Color GradientTop() const;
  Color GradientBottom() const;
};

// The bar-like styles: scale, axes, bar placement beside or behind, value texts,
// answer labels, error boxes and hit regions. Subclasses give the bar's shape.
class SideGraph : public BaseGraph {
 public:
  void Draw(Canvas& dc, int left, int top, int right, int bottom) override;
  bool SupportsErrors() const override { return true; }
  bool LabelsAreLetters() const override { return lettersUsed_; }

  // One bar: x its left edge, base the base line, h its height, w its width, depth
  // the depth of its perspective; error box tells an error box from a value bar.
  virtual void DrawBar(Canvas& dc, int x, int base, int h, int w, int depth, Color color, bool errorBox) = 0;

  // The plot frame, grid and scale labels of a plot from (left, top) to (right,
  // bottom) seen with the given depth; the scale runs from 0 to axisMax.
  void DrawAxes(Canvas& dc, int left, int top, int right, int bottom, int depth, double axisMax);
  // Text of scale label i (0..10) of a scale from 0 to axisMax.
  static std::string ScaleLabel(int i, double axisMax);

 protected:
  Pen outlinePen_ = SolidPen(kOutlineColor);
  int digitWidth_ = 0;  // width of "1" in the variable-pitch font, measured by Draw
  Color axisColor_ = kBlack;
  bool lettersUsed_ = false;
};

class BarGraph : public SideGraph {
 public:
  // The flat bars are always drawn beside each other.
  void SetArrangement(int) override { arrangement = kArrangementBeside; }
  int Style() const override { return kStyleBar2D; }
  void DrawBar(Canvas& dc, int x, int base, int h, int w, int depth, Color color, bool errorBox) override;
};

class BarGraph3D : public SideGraph {
 public:
  int Style() const override { return kStyleBar3D; }
  bool SupportsArrangement() const override { return true; }
  void DrawBar(Canvas& dc, int x, int base, int h, int w, int depth, Color color, bool errorBox) override;
};

class CylinderGraph : public SideGraph {
 public:
  int Style() const override { return kStyleCylinder; }
  bool SupportsArrangement() const override { return true; }
  void DrawBar(Canvas& dc, int x, int base, int h, int w, int depth, Color color, bool errorBox) override;
};

class PieGraph : public BaseGraph {
 public:
  void Draw(Canvas& dc, int left, int top, int right, int bottom) override;
  int Style() const override { return kStylePie; }

  // One pie centred at (cx, cy); values are `count` shares in thousandths. A
  // negative value stands for a missing share: it has no slice and no label, and
  // the total the others are parts of leaves it out.
  static constexpr int kMissingValue = -1;
  virtual void DrawPie(Canvas& dc, int cx, int cy, int radius, int count, const int* values);

  // The grid of pies for n pies in an area w x h: the number of rows that gives
  // the largest radius, the fewest rows on ties. All zero when no pie fits.
  struct Grid {
    int rows = 0, cols = 0, radius = 0;
  };
  static Grid PieGrid(int n, int w, int h);

  // Colour of the slice and legend box of answer index `answer`; more answers than
  // colours take them again from the start.
  static Color AnswerColor(int answer);
};

// A new renderer of the given style (GraphStyle); null for an unknown style.
std::unique_ptr<BaseGraph> MakeGraph(int style);

// What a histogram window with a client area of width x height shows above a
// navigation panel of panelHeight: the background gradient over the whole area
// and the graph inset by 5 pixels, ending 7 pixels above the panel.
void DrawHistogramWindow(Canvas& dc, BaseGraph& graph, int width, int height, int panelHeight);

}  // namespace orbica
