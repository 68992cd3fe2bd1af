#include "histogram/recording_canvas.h"

namespace orbica {

int CodePointCount(const std::string& text) {
  int count = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

CanvasCall& RecordingCanvas::Record(CanvasOp op) {
  CanvasCall& call = calls_.emplace_back();
  call.op = op;
  call.pen = pen_;
  call.brush = brush_;
  call.font = font_;
  call.backgroundMode = backgroundMode_;
  call.backgroundColor = backgroundColor_;
  call.textColor = textColor_;
  return call;
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CanvasOp op) const {
  std::vector<CanvasCall> result;
  for (const CanvasCall& call : calls_)
    if (call.op == op) result.push_back(call);
  return result;
}

Pen RecordingCanvas::SelectPen(const Pen& pen) {
  const Pen previous = pen_;
  pen_ = pen;
  Record(CanvasOp::kSelectPen);
  return previous;
}

Brush RecordingCanvas::SelectBrush(const Brush& brush) {
  const Brush previous = brush_;
  brush_ = brush;
  Record(CanvasOp::kSelectBrush);
  return previous;
}

CanvasFont RecordingCanvas::SelectFont(CanvasFont font) {
  const CanvasFont previous = font_;
  font_ = font;
  Record(CanvasOp::kSelectFont);
  return previous;
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
  Record(CanvasOp::kRectangle).args = {left, top, right, bottom};
}

void RecordingCanvas::Polygon(const CanvasPoint* points, int count) {
  Record(CanvasOp::kPolygon).points.assign(points, points + (count > 0 ? count : 0));
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
  Record(CanvasOp::kEllipse).args = {left, top, right, bottom};
}

void RecordingCanvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  Record(CanvasOp::kPie).args = {left, top, right, bottom, x1, y1, x2, y2};
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) { Record(CanvasOp::kLine).args = {x1, y1, x2, y2}; }

void RecordingCanvas::SetPixel(int x, int y, Color color) {
  CanvasCall& call = Record(CanvasOp::kSetPixel);
  call.args = {x, y};
  call.color = color;
}

void RecordingCanvas::TextAt(int x, int y, const std::string& text) {
  CanvasCall& call = Record(CanvasOp::kTextAt);
  call.args = {x, y};
  call.text = text;
}

void RecordingCanvas::TextInRect(const std::string& text, const CanvasRect& rect, unsigned flags) {
  CanvasCall& call = Record(CanvasOp::kTextInRect);
  call.args = {rect.left, rect.top, rect.right, rect.bottom};
  call.text = text;
  call.flags = flags;
}

TextSize RecordingCanvas::TextExtent(const std::string& text) {
  Record(CanvasOp::kTextExtent).text = text;
  const bool narrow = font_ == CanvasFont::kVariablePitch;
  return TextSize{CodePointCount(text) * (narrow ? kNarrowCharWidth : kWideCharWidth),
                  narrow ? kNarrowLineHeight : kWideLineHeight};
}

void RecordingCanvas::SetBackgroundMode(BackgroundMode mode) {
  backgroundMode_ = mode;
  Record(CanvasOp::kSetBackgroundMode);
}

void RecordingCanvas::SetBackgroundColor(Color color) {
  backgroundColor_ = color;
  Record(CanvasOp::kSetBackgroundColor).color = color;
}

void RecordingCanvas::SetTextColor(Color color) {
  textColor_ = color;
  Record(CanvasOp::kSetTextColor).color = color;
}

}  // namespace orbica
