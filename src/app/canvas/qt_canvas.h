// The graphs' canvas over a QPainter: the same drawing on the screen, on images,
// in SVG and PDF files and on printers.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>

#include "histogram/canvas.h"

class QPainter;
class QString;

namespace orbica {

class QtCanvas : public Canvas {
 public:
  // Draws with `painter`, which must stay active while the canvas is used. The
  // painter starts in the state of a fresh device: black 1-pixel pen, white brush,
  // system font, opaque white text background, black text. Smoothed drawing
  // antialiases curves, slanted edges and text; without it every pixel has one
  // of the colours drawn (exported images keep it off).
  enum class Drawing { kExact, kSmoothed };
  explicit QtCanvas(QPainter& painter, Drawing drawing = Drawing::kExact);

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

  // The Qt font that stands for each of the canvas's fonts.
  static QFont FontFor(CanvasFont font);
  static QColor ToQColor(Color color);

 private:
  // Antialiasing for one shape, when the drawing is smoothed.
  class Smoothed;

  // Sets the painter's pen to the text colour for one text and back afterwards.
  void DrawTextWithPainter(const QRect& rect, int qtFlags, const QString& text, bool clip);

  QPainter& painter_;
  bool smoothed_ = false;
  Pen pen_;
  QPen qpen_;
  Brush brush_;
  CanvasFont font_ = CanvasFont::kSystem;
  BackgroundMode backgroundMode_ = BackgroundMode::kOpaque;
  Color backgroundColor_ = kWhite;
  Color textColor_ = kBlack;
};

}  // namespace orbica
