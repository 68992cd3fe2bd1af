// Layout of the bar-like styles: scale, axes, bars beside or behind each other,
// value texts, error boxes and answer labels.
#include <algorithm>
#include <cmath>
#include <string>

#include "histogram/graph.h"

namespace orbica {

void SideGraph::Draw(Canvas& dc, int L, int T, int R, int B) {
  const int n = data ? std::clamp(data->shownCount, 0, kHistogramRows) : 0;
  const int answers = data ? std::clamp(data->answerCount, 0, kHistogramAnswers) : 0;

  // Font metrics.
  dc.SelectFont(CanvasFont::kDeviceDefault);
  const TextSize devA = dc.TextExtent("A");
  const int hDev = devA.cy, wDev = devA.cx;
  dc.SelectFont(CanvasFont::kVariablePitch);
  const int hVar = dc.TextExtent("A").cy;
  const int wDigit = dc.TextExtent("1").cx;
  digitWidth_ = wDigit;

  if (interactive) regions.Clear();
  lettersUsed_ = false;

  // Scale: shares in percent, or persons up to a rounded maximum.
  const double persons = static_cast<double>(respondents);
  double axisMax = 100.0;
  double unit = 1.0;
  if (absolute) {
    double largest = 0.0;
    for (int r = 0; r < n; ++r)
      for (int a = 0; a < answers; ++a) {
        if (data->CountMissing(r, a)) continue;
        const double value = data->Share(r, a) * data->size[static_cast<std::size_t>(r)] * persons;
        if (value > largest) largest = value;
      }
    double half = largest * 0.5;
    const int length = static_cast<int>(FormatPercent(half).size());
    if (length > 1) {
      const double target = 1.5 * half;
      for (int e = length - 1; e >= 1; --e) {
        const double power = std::pow(10.0, e);
        const double candidate = std::ceil(half / power) * power;
        if (candidate < target) {
          half = candidate;
          break;
        }
      }
    }
    axisMax = 2.0 * half;
    // A largest value of 0 leaves no scale: every bar is 0 high and every label 0.
    unit = axisMax > 0.0 ? 1.0 / axisMax : 0.0;
  }

  // Frame. The left margin holds the widest scale label and its gap to the axis.
  int yTop = T + (B - T) / 10;
  const int m = (R - L) / 20;
  int widestLabel = 0;
  for (int i = 0; i <= 10; ++i) widestLabel = std::max(widestLabel, dc.TextExtent(ScaleLabel(i, axisMax)).cx);
  const int xLeft = L + std::max(m, widestLabel) + wDigit;
  const int xRight = R - m;
  int yBottom = B - (6 * hDev) / 4 - n * hVar;

  const ContrastColors contrast = Contrast();
  axisColor_ = contrast.axis;
  dc.SetBackgroundMode(BackgroundMode::kTransparent);
  dc.SetTextColor(contrast.text);

  if (showTitle) {
    DrawTitle(dc, L, T, R, B, questionIndex);
    yTop += 10;
  }
  if (answers == 0) {
    dc.SelectFont(CanvasFont::kSystem);
    return;
  }

  const int groupWidth = (xRight - xLeft) / answers;
  const bool beside = arrangement == kArrangementBeside;
  int barWidth = beside ? groupWidth / (n + 1) : 2 * groupWidth / (n + 4);

  bool showValues = true;
  if (barWidth <= 12 || yBottom - yTop < 80) {
    showValues = false;
    yBottom = B - 30;
  }

  outlinePen_ = SolidPen(kOutlineColor);

  dc.SelectFont(CanvasFont::kVariablePitch);

  // A rectangle too small for a plot between the title and the labels, or for
  // a pixel per answer, shows no plot.
  const bool plotFits = groupWidth > 0 && yTop >= T && yBottom <= B && yBottom > yTop;

  // Placement of the rows.
  int depth = 0, plotHeight = 0, barW = 0, step = 0, half = 0;
  std::array<int, kHistogramRows> x0{}, y0{};
  if (beside) {
    step = barWidth;
    depth = barWidth * 6 / 14;
    barW = barWidth * 9 / 10;
    if (Style() == kStyleBar2D) depth = 0;
    plotHeight = yBottom - depth - yTop;
    // Narrower bars have less depth; a plot that stays too low ends the narrowing
    // when the bars have no width left.
    while (plotHeight < 20 && barW > 0) {
      barW = barW / 2;
      depth = barW * 6 / 14;
      plotHeight = yBottom - depth - yTop;
    }
    if (plotFits) DrawAxes(dc, xLeft, yTop, xRight, yBottom, depth, axisMax);
    for (int r = 0; r < n; ++r) {
      x0[static_cast<std::size_t>(r)] = xLeft + barW / 2 + r * step;
      y0[static_cast<std::size_t>(r)] = yBottom + 1;
    }
    half = barW / 2;
  } else {
    depth = barWidth * 6 / 14;
    plotHeight = yBottom - n * depth - yTop;
    while (plotHeight < 20 && barWidth > 0) {
      barWidth = barWidth / 2;
      depth = barWidth * 6 / 14;
      plotHeight = yBottom - n * depth - yTop;
    }
    if (plotFits) DrawAxes(dc, xLeft, yTop, xRight, yBottom, n * depth + 1, axisMax);
    half = (groupWidth - n * depth - barWidth) / 2;
    for (int r = 0; r < n; ++r) {
      x0[static_cast<std::size_t>(r)] = xLeft + half + r * depth;
      y0[static_cast<std::size_t>(r)] = yBottom + 1 - r * depth;
    }
    barW = barWidth;
  }

  // Bars, error boxes and value texts; behind, the last row is drawn first so that
  // row 0 stands in front.
  for (int i = 0; plotFits && i < n; ++i) {
    const int r = beside ? i : n - 1 - i;
    const std::size_t ri = static_cast<std::size_t>(r);
    const Color color = PaletteColor(data->slot[ri]);
    const int textY = yBottom + r * hVar + hVar / 3;
    for (int a = 0; a < answers; ++a) {
      // A missing value has no bar, no error box and no text.
      if (absolute ? data->CountMissing(r, a) : data->Missing(r, a)) continue;
      const int x = x0[ri] + a * groupWidth;
      const double share = data->Share(r, a);
      // Shares and errors become heights on one scale: the plot's height is 100 %,
      // or axisMax persons.
      const double toHeight = absolute ? data->size[ri] * persons * unit * plotHeight : plotHeight;
      // No bar reaches above the plot, nor below its base line.
      const int h = std::max(std::min(TruncToInt(share * toHeight), plotHeight), 0);
      DrawBar(dc, x, y0[ri], h, barW, depth, color, false);
      if (showErrors) {
        const int e = std::max(TruncToInt(data->Error(r, a) * toHeight), 0);
        // The box is centred on the bar's top; what would rise above the plot is
        // cut off, and a box without height is not drawn over the bar's top face.
        const int boxBase = y0[ri] - h + e / 2;
        const int boxTop = std::max(boxBase - e, y0[ri] - plotHeight);
        if (boxBase > boxTop)
          DrawBar(dc, x, boxBase, boxBase - boxTop, barW, depth, BlendColor(color, kBlack, 1, 3), true);
      }
      if (showValues) {
        const std::string text = absolute
            ? FormatCount(static_cast<std::int64_t>(std::trunc(std::clamp(data->size[ri] * share * persons, 0.0, 9e18))))
            : FormatPercent(share * 100.0);
        // A text that does not fit its answer's column with a digit's gap to the
        // next one (or that would run past the graph) is left out.
        const int width = dc.TextExtent(text).cx;
        if (width + wDigit <= groupWidth && x + width <= R) dc.TextAt(x, textY, text);
      }
    }
  }

  // Answer labels, and the answer columns for the mouse.
  dc.SelectFont(CanvasFont::kDeviceDefault);
  dc.SetBackgroundColor(contrast.text);
  lettersUsed_ = groupWidth <= 10 * wDev;
  // The labels' line needs room below the top, and each label a column.
  const bool labelsFit = groupWidth > 0 && B - hDev >= T;
  for (int k = 1; labelsFit && k <= answers; ++k) {
    const int left = xLeft + half + (k - 1) * groupWidth;
    // Behind, narrowed bars move the labels right: the last one ends at the edge.
    const int right = std::min(left + groupWidth - groupWidth / 7, R);
    if (interactive && k == selectedAnswer) {
      dc.SetBackgroundMode(BackgroundMode::kOpaque);
      dc.SetTextColor(kWhite - contrast.text);
    } else {
      dc.SetBackgroundMode(BackgroundMode::kTransparent);
      dc.SetTextColor(contrast.text);
    }
    const std::string text = lettersUsed_ ? AnswerLetter(k) : FitText(dc, ShortAnswerText(questionIndex, k), right - left);
    dc.TextInRect(text, CanvasRect{left, B - hDev, right, B}, kTextLeft | kTextSingleLine);
    if (interactive) regions.Add(HitRegion{left, yTop, right, B, kHitAnswerColumn, k});
  }

  dc.SelectFont(CanvasFont::kSystem);
}

std::string SideGraph::ScaleLabel(int i, double axisMax) {
  return std::to_string(static_cast<long long>(std::trunc(std::clamp(i * axisMax / 10, -9e18, 9e18))));
}

void SideGraph::DrawAxes(Canvas& dc, int L, int T, int R, int B, int depth, double axisMax) {
  const Pen previous = dc.SelectPen(Pen{PenStyle::kDot, 1, axisColor_});
  dc.SelectBrush(NullBrush());

  // Frame.
  if (depth > 0) {
    dc.Line(L, B, R - depth, B);
    dc.Line(R - depth, B, R, B - depth);
    dc.Line(R, B - depth, R, T);
  } else {
    dc.Line(R, B, R, T);
  }
  dc.Line(L, B, L, T + depth);
  if (depth > 0) dc.Line(L + depth, B - depth, L + depth, T);

  // Grid lines: all eleven on a plot higher than 100, otherwise every other one.
  const int l = B - T - depth;
  for (int i = 0; i <= 10; ++i) {
    const int y = B - (l * i) / 10;
    if (l > 100 || i % 2 == 0) {
      if (depth > 0) {
        dc.Line(L, y, L + depth, y - depth);
        dc.Line(L + depth, y - depth, R, y - depth);
      } else {
        dc.Line(L, y, R, y);
      }
    }
  }

  // Scale labels: all on a plot higher than 200, every other one from 50 up, else
  // only 0, the middle and the top.
  for (int i = 0; i <= 10; ++i) {
    const bool shown = l > 200 || (l >= 50 && i % 2 == 0) || (l < 50 && i % 5 == 0);
    if (!shown) continue;
    const int y = B - (l * i) / 10;
    dc.TextInRect(ScaleLabel(i, axisMax), CanvasRect{L - 2 * digitWidth_, y - 10, L - digitWidth_, y + depth - 10},
                  kTextRight | kTextNoClip);
  }

  dc.SelectPen(previous);
}

void BarGraph::DrawBar(Canvas& dc, int x, int base, int h, int w, int, Color color, bool) {
  const Pen previousPen = dc.SelectPen(outlinePen_);
  const Brush previousBrush = dc.SelectBrush(SolidBrush(color));
  dc.Rectangle(x, base - h, x + w, base);
  dc.SelectBrush(previousBrush);
  dc.SelectPen(previousPen);
}

}  // namespace orbica
