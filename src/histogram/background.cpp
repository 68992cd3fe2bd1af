#include "histogram/background.h"

#include "histogram/graph_util.h"
#include "survey/settings.h"

namespace orbica {

void DrawBackground(Canvas& dc, int left, int top, int right, int bottom, Color topColor, Color bottomColor) {
  (void)left;
  const Pen previous = dc.SelectPen(SolidPen(topColor, 3));
  for (int y = 0; y <= bottom; y += 3) {
    dc.SelectPen(SolidPen(BlendColor(topColor, bottomColor, y, bottom - top), 3));
    dc.Line(0, y, right, y);
  }
  dc.SelectPen(previous);
}

void DrawBackground(Canvas& dc, int left, int top, int right, int bottom, const CSettings& settings) {
  DrawBackground(dc, left, top, right, bottom, settings.gradientTop, settings.gradientBottom);
}

}  // namespace orbica
