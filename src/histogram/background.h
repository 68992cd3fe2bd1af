// The background of a histogram window: a vertical gradient between the two
// gradient colours of the settings.
#pragma once

#include "histogram/canvas.h"

namespace orbica {

class CSettings;

// 3-pixel lines every 3 pixels from y = 0 down to `bottom`, each from x = 0 to
// `right`, blending from `topColor` to `bottomColor` over the rectangle's height.
void DrawBackground(Canvas& dc, int left, int top, int right, int bottom, Color topColor, Color bottomColor);
// The same with the gradient colours of the settings.
void DrawBackground(Canvas& dc, int left, int top, int right, int bottom, const CSettings& settings);

}  // namespace orbica
