// The shaped bars: the box's three faces and the cylinder's columns.
#include <gtest/gtest.h>

#include <algorithm>

#include "graph_test_support.h"

namespace orbica {
namespace {

constexpr Color kColor = 0x8080FF;
constexpr Pen kOutline = Pen{PenStyle::kSolid, 1, 0x606060};

TEST(BoxBar, ThreeOutlinedFacesLeaningUpAndRight) {
  RecordingCanvas dc;
  dc.SelectPen(SolidPen(0x123456, 2));
  BarGraph3D graph;
  graph.DrawBar(dc, 10, 100, 30, 20, 5, kColor, false);

  const std::vector<CanvasCall> faces = dc.CallsOf(CanvasOp::kPolygon);
  ASSERT_EQ(faces.size(), 3u);
  // Side, a third darker.
  EXPECT_EQ(faces[0].points, (std::vector<CanvasPoint>{{35, 64}, {30, 69}, {30, 99}, {35, 94}}));
  EXPECT_EQ(faces[0].brush, SolidBrush(0x5656AA));
  // Top, a third lighter.
  EXPECT_EQ(faces[1].points, (std::vector<CanvasPoint>{{35, 64}, {30, 69}, {10, 69}, {15, 64}}));
  EXPECT_EQ(faces[1].brush, SolidBrush(0xAAAAFF));
  // Front in the colour itself.
  EXPECT_EQ(faces[2].points, (std::vector<CanvasPoint>{{30, 99}, {30, 69}, {10, 69}, {10, 99}}));
  EXPECT_EQ(faces[2].brush, SolidBrush(kColor));
  for (const CanvasCall& face : faces) EXPECT_EQ(face.pen, kOutline);
  EXPECT_EQ(dc.CurrentPen(), SolidPen(0x123456, 2));

  // Without depth the side and top faces have no width.
  dc.Clear();
  graph.DrawBar(dc, 10, 100, 30, 20, 0, kColor, true);
  const std::vector<CanvasCall> flat = dc.CallsOf(CanvasOp::kPolygon);
  ASSERT_EQ(flat.size(), 3u);
  EXPECT_EQ(flat[0].points, (std::vector<CanvasPoint>{{30, 69}, {30, 69}, {30, 99}, {30, 99}}));
  EXPECT_EQ(flat[1].points, (std::vector<CanvasPoint>{{30, 69}, {30, 69}, {10, 69}, {10, 69}}));
}

TEST(FlatBar, OneOutlinedRectangle) {
  RecordingCanvas dc;
  BarGraph graph;
  graph.DrawBar(dc, 10, 100, 30, 20, 12, kColor, false);
  const std::vector<CanvasCall> rects = dc.CallsOf(CanvasOp::kRectangle);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].args, (std::vector<int>{10, 70, 30, 100}));
  EXPECT_EQ(rects[0].brush, SolidBrush(kColor));
  EXPECT_EQ(rects[0].pen, kOutline);
}

struct Column {
  std::vector<CanvasCall> lines;
};

// w 20, d 8: r 10, k 0.15, K 1.0225, R2 102.25, so the ten columns with j > 10 are
// skipped and the silhouette stands at x and x + w.
TEST(CylinderBar, ShadedColumnsBetweenTheSilhouetteLines) {
  RecordingCanvas dc;
  CylinderGraph graph;
  graph.DrawBar(dc, 100, 300, 50, 20, 8, kColor, false);

  const std::vector<CanvasCall> lines = dc.CallsOf(CanvasOp::kLine);
  ASSERT_EQ(lines.size(), 11u * 4 + 2);
  // The first column drawn: i = 0, j = 10, half-way toward white on the left and
  // toward black on the right.
  EXPECT_EQ(lines[0].args[0], 100);
  EXPECT_EQ(lines[0].pen, SolidPen(0xBFBFFF));
  EXPECT_EQ(lines[1].args[0], 120);
  EXPECT_EQ(lines[1].pen, SolidPen(0x404080));
  EXPECT_EQ(lines[2].pen, SolidPen(0xAAAAFF));  // top ellipse edge
  // The middle column (j = 0) in the plain colour on both sides.
  EXPECT_EQ(lines[40].args[0], 110);
  EXPECT_EQ(lines[40].pen, SolidPen(kColor));
  EXPECT_EQ(lines[41].args[0], 110);
  EXPECT_EQ(lines[41].pen, SolidPen(kColor));
  // Side lines are the bar's height long, the centre line 5 above the base.
  for (std::size_t c = 0; c < 11; ++c) {
    const CanvasCall& left = lines[4 * c];
    EXPECT_EQ(left.args[0], left.args[2]);
    EXPECT_EQ(left.args[1] - left.args[3], 50);
    EXPECT_EQ(left.args[0], 100 + static_cast<int>(c));
  }
  // Silhouette with the outline pen.
  EXPECT_EQ(lines[44].pen, kOutline);
  EXPECT_EQ(lines[44].args[0], 100);
  EXPECT_EQ(lines[45].args[0], 120);
  EXPECT_EQ(lines[44].args[1] - lines[44].args[3], 50);

  const std::vector<CanvasCall> pixels = dc.CallsOf(CanvasOp::kSetPixel);
  EXPECT_EQ(pixels.size(), 11u * 6);
  for (const CanvasCall& pixel : pixels) EXPECT_EQ(pixel.color, 0x606060u);
  // The front of the bottom ellipse lies at or below its centre line yc = 295.
  EXPECT_GE(pixels[0].args[1], 295);
}

TEST(CylinderBar, DeepCylindersReachTenPixelsBeyondTheirWidth) {
  RecordingCanvas dc;
  CylinderGraph graph;
  graph.DrawBar(dc, 100, 300, 50, 20, 40, kColor, false);  // R2 = 406.25: no column skipped
  const std::vector<CanvasCall> lines = dc.CallsOf(CanvasOp::kLine);
  ASSERT_EQ(lines.size(), 21u * 4 + 2);
  EXPECT_EQ(lines[0].args[0], 90);
  EXPECT_EQ(lines[1].args[0], 130);
  EXPECT_EQ(lines[84].args[0], 90);
  EXPECT_EQ(lines[85].args[0], 130);
  // Columns beyond the width go on toward white (left) and black (right): the
  // outermost, j = 20 = 2r, reach them; j = 15 goes three quarters of the way,
  // 0x80 + 127 x 3/4 = 0xDF and 0x80 - 128 x 3/4 = 0x20, 0xFF - 255 x 3/4 = 0x40.
  EXPECT_EQ(lines[0].pen, SolidPen(kWhite));
  EXPECT_EQ(lines[1].pen, SolidPen(kBlack));
  EXPECT_EQ(lines[20].args[0], 95);
  EXPECT_EQ(lines[20].pen, SolidPen(0xDFDFFF));
  EXPECT_EQ(lines[21].pen, SolidPen(0x202040));
}

// Width 1 leaves r = 0 and one column in the plain colour (a blend over 0 steps
// keeps it); width 2, r = 1, has the columns j = 2, 1, 0 (R2 = 7.25).
TEST(CylinderBar, NarrowCylindersDoNotFail) {
  RecordingCanvas dc;
  CylinderGraph graph;
  graph.DrawBar(dc, 100, 300, 50, 0, 0, kColor, false);
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kLine).empty());
  graph.DrawBar(dc, 100, 300, 50, 1, 0, kColor, false);
  std::vector<CanvasCall> lines = dc.CallsOf(CanvasOp::kLine);
  ASSERT_EQ(lines.size(), 4u + 2);
  EXPECT_EQ(lines[0].pen, SolidPen(kColor));
  EXPECT_EQ(lines[1].pen, SolidPen(kColor));
  dc.Clear();
  graph.DrawBar(dc, 100, 300, 0, 2, 0, kColor, true);
  lines = dc.CallsOf(CanvasOp::kLine);
  ASSERT_EQ(lines.size(), 3u * 4 + 2);
  const Color left[] = {kWhite, 0xBFBFFF, kColor}, right[] = {kBlack, 0x404080, kColor};
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(lines[4 * c].pen, SolidPen(left[c])) << c;
    EXPECT_EQ(lines[4 * c + 1].pen, SolidPen(right[c])) << c;
  }
}

}  // namespace
}  // namespace orbica
