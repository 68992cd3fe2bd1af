// The shaped bars: the box of the 3D style and the shaded cylinder.
#include <cmath>

#include "histogram/graph.h"

namespace orbica {

void BarGraph3D::DrawBar(Canvas& dc, int x, int base, int h, int w, int d, Color color, bool) {
  const int right = x + w;
  const int top = base - h;
  const Pen previousPen = dc.SelectPen(outlinePen_);
  const Brush previousBrush = dc.SelectBrush(SolidBrush(BlendColor(color, kBlack, 1, 3)));
  const CanvasPoint side[4] = {{right + d, top - d - 1}, {right, top - 1}, {right, base - 1}, {right + d, base - d - 1}};
  dc.Polygon(side, 4);
  dc.SelectBrush(SolidBrush(BlendColor(color, kWhite, 1, 3)));
  const CanvasPoint topFace[4] = {{right + d, top - d - 1}, {right, top - 1}, {x, top - 1}, {x + d, top - d - 1}};
  dc.Polygon(topFace, 4);
  dc.SelectBrush(SolidBrush(color));
  const CanvasPoint front[4] = {{right, base - 1}, {right, top - 1}, {x, top - 1}, {x, base - 1}};
  dc.Polygon(front, 4);
  dc.SelectBrush(previousBrush);
  dc.SelectPen(previousPen);
}

void CylinderGraph::DrawBar(Canvas& dc, int x, int base, int h, int w, int d, Color color, bool) {
  // A bar without width has no cylinder to shade.
  if (w <= 0) return;
  const int r = w / 2;
  const int yc = base - d / 2 - 1;
  const double k = static_cast<double>(d - 5) / w;
  const double q = static_cast<double>(d) / w;
  const double K = k * k + 1;
  const double R2 = K * ((w * w) / 4);
  const Pen edgePen = SolidPen(BlendColor(color, kWhite, 1, 3));
  const Pen previousPen = dc.SelectPen(edgePen);

  // Offsets of the ellipse's upper and lower edge at the column j from the middle.
  const auto offsets = [&](int j, int& y1, int& y2) {
    const double s = std::sqrt(R2 - static_cast<double>(j) * j);
    y1 = TruncToInt((-s - j * k) * q / K);
    y2 = TruncToInt((s - j * k) * q / K);
  };

  // Columns from both outer edges toward the middle; those outside the ellipse are
  // skipped and counted, so `skip` ends as the first column drawn.
  int skip = -10;
  for (int i = -10; i <= r; ++i) {
    const int j = r - i;
    const int xl = x + i;
    const int xr = x + w - i;
    if (R2 - static_cast<double>(j) * j < 0) {
      ++skip;
      continue;
    }
    int y1 = 0, y2 = 0;
    offsets(j, y1, y2);
    dc.SelectPen(SolidPen(BlendColor(color, kWhite, j, 2 * r)));
    dc.Line(xl, yc - y1 - 1, xl, yc - y1 - h - 1);
    dc.SelectPen(SolidPen(BlendColor(color, kBlack, j, 2 * r)));
    dc.Line(xr, yc + y2 - 1, xr, yc + y2 - h - 1);
    dc.SelectPen(edgePen);
    dc.Line(xr, yc + y2 - h, xr, yc + y1 - h);
    dc.Line(xl, yc - y1 - h, xl, yc - y2 - h);
    dc.SetPixel(xl, yc - y1, kOutlineColor);
    dc.SetPixel(xr, yc + y2, kOutlineColor);
    dc.SetPixel(xl, yc - y1 - h, kOutlineColor);
    dc.SetPixel(xr, yc + y1 - h, kOutlineColor);
    dc.SetPixel(xl, yc - y2 - h, kOutlineColor);
    dc.SetPixel(xr, yc + y2 - h, kOutlineColor);
  }

  // Silhouette at the outermost columns drawn.
  int y1 = 0, y2 = 0;
  offsets(r - skip, y1, y2);
  dc.SelectPen(outlinePen_);
  dc.Line(x + skip, yc - y1 - 1, x + skip, yc - y1 - h - 1);
  dc.Line(x + w - skip, yc + y2 - 1, x + w - skip, yc + y2 - h - 1);
  dc.SelectPen(previousPen);
}

}  // namespace orbica
