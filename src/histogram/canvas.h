// The drawing surface the graphs draw on: a small device-context-like interface
// with a current pen, brush and font, text colours and a background mode. The app
// implements it with QPainter; tests use RecordingCanvas.
//
// Coordinates are integer device units, y grows downwards. Rectangles are given as
// (left, top, right, bottom) with the right and bottom edges excluded from what is
// drawn.
#pragma once

#include <cstdint>
#include <string>

namespace orbica {

using Color = std::uint32_t;  // 0x00BBGGRR, red in the low byte

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;

struct CanvasPoint {
  int x = 0;
  int y = 0;
  bool operator==(const CanvasPoint&) const = default;
};

struct CanvasRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const CanvasRect&) const = default;
};

struct TextSize {
  int cx = 0;  // width
  int cy = 0;  // height of a line of the font
  bool operator==(const TextSize&) const = default;
};

enum class PenStyle { kSolid, kDot, kNull };

struct Pen {
  PenStyle style = PenStyle::kSolid;
  int width = 1;
  Color color = kBlack;
  bool operator==(const Pen&) const = default;
};

enum class BrushStyle { kSolid, kNull };

struct Brush {
  BrushStyle style = BrushStyle::kSolid;
  Color color = kWhite;
  bool operator==(const Brush&) const = default;
};

inline constexpr Pen SolidPen(Color color, int width = 1) { return Pen{PenStyle::kSolid, width, color}; }
inline constexpr Pen NullPen() { return Pen{PenStyle::kNull, 0, kBlack}; }
inline constexpr Brush SolidBrush(Color color) { return Brush{BrushStyle::kSolid, color}; }
inline constexpr Brush NullBrush() { return Brush{BrushStyle::kNull, kBlack}; }

// The three fonts the graphs use: the output device's own default font, a small
// proportional font for numbers and legends, and the system's user-interface font.
enum class CanvasFont { kDeviceDefault, kVariablePitch, kSystem };

// Transparent: text is drawn over what is there. Opaque: the text's cells are first
// filled with the background colour.
enum class BackgroundMode { kTransparent, kOpaque };

// Flags of Canvas::TextInRect. Horizontal alignment is one of left, centre, right;
// vertically the text stands at the top unless kTextVCenter is given. The text is
// clipped to the rectangle unless kTextNoClip is given.
enum TextFlags : unsigned {
  kTextLeft = 0,
  kTextCenter = 1u << 0,
  kTextRight = 1u << 1,
  kTextVCenter = 1u << 2,
  kTextSingleLine = 1u << 3,
  kTextNoClip = 1u << 4,
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Each selection returns what was selected before, so that it can be put back.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual Brush SelectBrush(const Brush& brush) = 0;
  virtual CanvasFont SelectFont(CanvasFont font) = 0;

  // Filled with the brush, outlined with the pen.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Polygon(const CanvasPoint* points, int count) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // A sector of the ellipse in the bounding box, from the ray through (x1, y1) to the
  // ray through (x2, y2), counter-clockwise as seen on the device; the two radii
  // and the arc are outlined with the pen, the inside is filled with the brush.
  // When both rays coincide the sector is the whole ellipse.
  virtual void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) = 0;
  // A line with the pen from (x1, y1) up to, but not including, (x2, y2).
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  virtual void SetPixel(int x, int y, Color color) = 0;

  // Text (UTF-8) in the current font and text colour, its top-left corner at (x, y).
  virtual void TextAt(int x, int y, const std::string& text) = 0;
  // Text (UTF-8) placed in a rectangle by `flags` (TextFlags).
  virtual void TextInRect(const std::string& text, const CanvasRect& rect, unsigned flags) = 0;
  // Width of the text and height of a line in the current font.
  virtual TextSize TextExtent(const std::string& text) = 0;

  virtual void SetBackgroundMode(BackgroundMode mode) = 0;
  virtual void SetBackgroundColor(Color color) = 0;
  virtual void SetTextColor(Color color) = 0;
};

}  // namespace orbica
