// A canvas that draws nothing and keeps the list of calls made on it, with the
// state in force at each call, so that tests can check a drawing's geometry and
// colours.
//
// Font metrics are fixed: every character (UTF-8 code point) of the device-default
// and system fonts is 8 wide and a line is 16 high; every character of the
// variable-pitch font is 6 wide and a line is 13 high.
#pragma once

#include <string>
#include <vector>

#include "histogram/canvas.h"

namespace orbica {

enum class CanvasOp {
  kSelectPen,
  kSelectBrush,
  kSelectFont,
  kRectangle,
  kPolygon,
  kEllipse,
  kPie,
  kLine,
  kSetPixel,
  kTextAt,
  kTextInRect,
  kTextExtent,
  kSetBackgroundMode,
  kSetBackgroundColor,
  kSetTextColor,
};

struct CanvasCall {
  CanvasOp op = CanvasOp::kLine;
  // Coordinates in the order of the call's parameters: (left, top, right, bottom)
  // of rectangles, ellipses and text rectangles; then the two ray points of a pie;
  // (x1, y1, x2, y2) of lines; (x, y) of pixels and TextAt.
  std::vector<int> args;
  std::vector<CanvasPoint> points;  // Polygon
  std::string text;                 // TextAt, TextInRect, TextExtent
  unsigned flags = 0;               // TextInRect
  Color color = 0;                  // SetPixel and the colour setters
  // State in force when the call was made (after it, for the setters).
  Pen pen;
  Brush brush;
  CanvasFont font = CanvasFont::kSystem;
  BackgroundMode backgroundMode = BackgroundMode::kOpaque;
  Color backgroundColor = kWhite;
  Color textColor = kBlack;
};

class RecordingCanvas : public Canvas {
 public:
  static constexpr int kWideCharWidth = 8, kWideLineHeight = 16;      // device-default and system fonts
  static constexpr int kNarrowCharWidth = 6, kNarrowLineHeight = 13;  // variable-pitch font

  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(const Brush& brush) override;
  CanvasFont SelectFont(CanvasFont font) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Polygon(const CanvasPoint* points, int count) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void SetPixel(int x, int y, Color color) override;
  void TextAt(int x, int y, const std::string& text) override;
  void TextInRect(const std::string& text, const CanvasRect& rect, unsigned flags) override;
  TextSize TextExtent(const std::string& text) override;
  void SetBackgroundMode(BackgroundMode mode) override;
  void SetBackgroundColor(Color color) override;
  void SetTextColor(Color color) override;

  const std::vector<CanvasCall>& Calls() const { return calls_; }
  // The calls of one kind, in order.
  std::vector<CanvasCall> CallsOf(CanvasOp op) const;
  void Clear() { calls_.clear(); }

  const Pen& CurrentPen() const { return pen_; }
  const Brush& CurrentBrush() const { return brush_; }
  CanvasFont CurrentFont() const { return font_; }

 private:
  CanvasCall& Record(CanvasOp op);

  std::vector<CanvasCall> calls_;
  // The state of a fresh device: black 1-pixel pen, white brush, system font,
  // opaque white background, black text.
  Pen pen_;
  Brush brush_;
  CanvasFont font_ = CanvasFont::kSystem;
  BackgroundMode backgroundMode_ = BackgroundMode::kOpaque;
  Color backgroundColor_ = kWhite;
  Color textColor_ = kBlack;
};

// Number of UTF-8 code points in `text`.
int CodePointCount(const std::string& text);

}  // namespace orbica
