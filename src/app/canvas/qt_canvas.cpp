#include "app/canvas/qt_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orbica {

namespace {

QPen ToQPen(const Pen& pen) {
  if (pen.style == PenStyle::kNull) return QPen(Qt::NoPen);
  QPen qpen(QtCanvas::ToQColor(pen.color), std::max(1, pen.width));
  qpen.setStyle(pen.style == PenStyle::kDot ? Qt::DotLine : Qt::SolidLine);
  // Flat ends leave the last point of a line out, and wide lines end exactly there.
  qpen.setCapStyle(Qt::FlatCap);
  qpen.setJoinStyle(Qt::MiterJoin);
  return qpen;
}

QBrush ToQBrush(const Brush& brush) {
  if (brush.style == BrushStyle::kNull) return QBrush(Qt::NoBrush);
  return QBrush(QtCanvas::ToQColor(brush.color));
}

// The box of a shape drawn with an outline: the outline's pixels stay inside
// (left..right - 1, top..bottom - 1).
QRect OutlinedBox(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

// Direction of the ray from (cx, cy) through (x, y) in degrees, counter-clockwise
// from 3 o'clock as seen on the device (y grows downwards).
double RayAngle(double cx, double cy, int x, int y) {
  if (x == cx && y == cy) return 0.0;
  return std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
}

}  // namespace

class QtCanvas::Smoothed {
 public:
  explicit Smoothed(const QtCanvas& canvas) : painter_(canvas.painter_), on_(canvas.smoothed_) {
    if (on_) painter_.setRenderHint(QPainter::Antialiasing, true);
  }
  ~Smoothed() {
    if (on_) painter_.setRenderHint(QPainter::Antialiasing, false);
  }
  Smoothed(const Smoothed&) = delete;
  Smoothed& operator=(const Smoothed&) = delete;

 private:
  QPainter& painter_;
  const bool on_;
};

QColor QtCanvas::ToQColor(Color color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QFont QtCanvas::FontFor(CanvasFont font) {
  QFont qfont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  switch (font) {
    case CanvasFont::kDeviceDefault:  // a clear, bold face for titles and labels
      qfont.setPointSizeF(10);
      qfont.setBold(true);
      break;
    case CanvasFont::kVariablePitch:  // a small proportional face for numbers and legends
      qfont.setPointSizeF(8);
      qfont.setBold(false);
      break;
    case CanvasFont::kSystem:
      qfont.setPointSizeF(9);
      qfont.setBold(false);
      break;
  }
  return qfont;
}

QtCanvas::QtCanvas(QPainter& painter, Drawing drawing) : painter_(painter), smoothed_(drawing == Drawing::kSmoothed) {
  // Lines and rectangles stay on whole pixels in either drawing.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  if (smoothed_) painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setBackgroundMode(Qt::TransparentMode);
  qpen_ = ToQPen(pen_);
  painter_.setPen(qpen_);
  painter_.setBrush(ToQBrush(brush_));
  painter_.setFont(FontFor(font_));
}

Pen QtCanvas::SelectPen(const Pen& pen) {
  const Pen previous = pen_;
  if (!(pen == pen_)) {
    pen_ = pen;
    qpen_ = ToQPen(pen);
    painter_.setPen(qpen_);
  }
  return previous;
}

Brush QtCanvas::SelectBrush(const Brush& brush) {
  const Brush previous = brush_;
  if (!(brush == brush_)) {
    brush_ = brush;
    painter_.setBrush(ToQBrush(brush));
  }
  return previous;
}

CanvasFont QtCanvas::SelectFont(CanvasFont font) {
  const CanvasFont previous = font_;
  if (font != font_) {
    font_ = font;
    painter_.setFont(FontFor(font));
  }
  return previous;
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (left == right || top == bottom) return;
  if (pen_.style == PenStyle::kNull) {
    painter_.drawRect(QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                            QSize(std::abs(right - left), std::abs(bottom - top))));
    return;
  }
  painter_.drawRect(OutlinedBox(left, top, right, bottom));
}

void QtCanvas::Polygon(const CanvasPoint* points, int count) {
  if (count < 2) return;
  QPolygon polygon(count);
  for (int i = 0; i < count; ++i) polygon.setPoint(i, points[i].x, points[i].y);
  const Smoothed smoothed(*this);
  painter_.drawPolygon(polygon, Qt::OddEvenFill);
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
  if (left == right || top == bottom) return;
  const Smoothed smoothed(*this);
  painter_.drawEllipse(OutlinedBox(left, top, right, bottom));
}

void QtCanvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  if (left == right || top == bottom) return;
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double start = RayAngle(cx, cy, x1, y1);
  double span = RayAngle(cx, cy, x2, y2) - start;
  while (span <= 0) span += 360.0;
  while (span > 360.0) span -= 360.0;
  const Smoothed smoothed(*this);
  painter_.drawPie(OutlinedBox(left, top, right, bottom), static_cast<int>(std::lround(start * 16)),
                   static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 == y2) return;
  painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::SetPixel(int x, int y, Color color) { painter_.fillRect(x, y, 1, 1, ToQColor(color)); }

void QtCanvas::DrawTextWithPainter(const QRect& rect, int qtFlags, const QString& text, bool clip) {
  if (backgroundMode_ == BackgroundMode::kOpaque) {
    QRect cells = painter_.boundingRect(rect, qtFlags, text);
    if (clip) cells = cells.intersected(rect);
    painter_.fillRect(cells, ToQColor(backgroundColor_));
  }
  painter_.setPen(QPen(ToQColor(textColor_)));
  painter_.drawText(rect, qtFlags, text);
  painter_.setPen(qpen_);
}

void QtCanvas::TextAt(int x, int y, const std::string& text) {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics metrics = painter_.fontMetrics();
  const QRect rect(x, y, std::max(1, metrics.horizontalAdvance(qtext)), metrics.height());
  DrawTextWithPainter(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, qtext, false);
}

void QtCanvas::TextInRect(const std::string& text, const CanvasRect& rect, unsigned flags) {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  int qtFlags = (flags & kTextCenter) ? Qt::AlignHCenter : (flags & kTextRight) ? Qt::AlignRight : Qt::AlignLeft;
  qtFlags |= (flags & kTextVCenter) ? Qt::AlignVCenter : Qt::AlignTop;
  if (flags & kTextSingleLine) qtFlags |= Qt::TextSingleLine;
  const bool clip = !(flags & kTextNoClip);
  if (!clip) qtFlags |= Qt::TextDontClip;
  const QRect qrect(QPoint(rect.left, rect.top), QSize(rect.right - rect.left, rect.bottom - rect.top));
  if (clip && (qrect.width() <= 0 || qrect.height() <= 0)) return;
  DrawTextWithPainter(qrect, qtFlags, qtext, clip);
}

TextSize QtCanvas::TextExtent(const std::string& text) {
  const QFontMetrics metrics = painter_.fontMetrics();
  return TextSize{metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
                  metrics.height()};
}

void QtCanvas::SetBackgroundMode(BackgroundMode mode) { backgroundMode_ = mode; }
void QtCanvas::SetBackgroundColor(Color color) { backgroundColor_ = color; }
void QtCanvas::SetTextColor(Color color) { textColor_ = color; }

}  // namespace orbica
