// Colour and number helpers shared by the graph styles and the histogram view.
#pragma once

#include <cstdint>
#include <string>

#include "histogram/canvas.h"

namespace orbica {

// Channel by channel a + (b - a) x n / d with the division truncating toward zero.
// Callers keep 0 <= n <= d; n is held to that range and d = 0 gives a, so that no
// call can leave a channel's range or divide by zero.
Color BlendColor(Color a, Color b, int n, int d);

// Sum of the absolute channel differences (0..765).
int ColorDistance(Color a, Color b);

// x with one decimal, a decimal comma and a percent sign: 12.34 gives "12,3 %".
std::string FormatPercent(double x);

// Decimal digits with a blank before every group of three from the right: "1 234 567".
std::string FormatCount(std::int64_t n);

// x truncated toward zero; NaN gives 0 and values beyond the int range the nearest end.
int TruncToInt(double x);

// Colours of texts and axes that stand out against the window's gradient, taken
// two thirds of the way down it.
struct ContrastColors {
  Color text = kBlack;
  Color axis = kBlack;
};
ContrastColors ContrastColorsFor(Color gradientTop, Color gradientBottom);

// The letter that stands for answer number n (1-based) where there is no room
// for its text: "a", "b", ...
std::string AnswerLetter(int n);

// The text as it fits a box `width` wide in the canvas's current font: unchanged
// when it fits, otherwise shortened with an ellipsis ("…") after the last whole
// word, or after the last whole character when cutting at a word would lose too
// much; empty when not even the ellipsis fits.
std::string FitText(Canvas& dc, const std::string& text, int width);

}  // namespace orbica
