// The pie style: one pie per shown subpopulation in a grid, and a legend of answers.
#include <algorithm>
#include <array>
#include <cmath>

#include "histogram/graph.h"

namespace orbica {

namespace {
constexpr double kPi = 3.1415;  // the slices span 2 x this constant together

// Slices and legend boxes of the answers: sixteen colours that differ clearly from
// each other, so that no two answers of a question look alike.
constexpr std::array<Color, 16> kAnswerPalette = {
    0x4B19E6, 0x4BB43C, 0x19E1FF, 0xD86343, 0x3182F5, 0xB41E91, 0xF0F046, 0xE632F0,
    0x0CF6BC, 0xBEBEFA, 0x808000, 0x750000, 0x24639A, 0x808080, 0x000080, 0xC3FFAA,
};
}  // namespace

Color PieGraph::AnswerColor(int answer) {
  const int size = static_cast<int>(kAnswerPalette.size());
  return kAnswerPalette[static_cast<std::size_t>(((answer % size) + size) % size)];
}

PieGraph::Grid PieGraph::PieGrid(int n, int w, int h) {
  Grid grid;
  if (n <= 0) return grid;
  while (grid.rows <= n) {
    const int rows = grid.rows + 1;
    const int cols = (n + rows - 1) / rows;
    const int radius = std::min(w / cols, h / rows) / 2;
    if (radius <= grid.radius) break;
    grid = Grid{rows, cols, radius};
  }
  return grid;
}

void PieGraph::Draw(Canvas& dc, int L, int T, int R, int B) {
  const int n = data ? std::clamp(data->shownCount, 0, kHistogramRows) : 0;
  const int answers = data ? std::clamp(data->answerCount, 0, kHistogramAnswers) : 0;

  const int yTop = T + (B - T) / 10;
  dc.SelectFont(CanvasFont::kVariablePitch);
  dc.SelectPen(SolidPen(kBlack));
  const TextSize a = dc.TextExtent("A");
  const int w = a.cx, h = a.cy;
  const int yLegend = B - 4 * h;

  dc.SetBackgroundMode(BackgroundMode::kTransparent);
  const Color g = BlendColor(GradientTop(), GradientBottom(), 2, 3);
  dc.SetTextColor(ColorDistance(g, kBlack) > 384 ? kBlack : kWhite);
  if (showTitle) DrawTitle(dc, L, T, R, B, questionIndex);

  dc.SelectBrush(NullBrush());
  dc.SelectPen(SolidPen(kBlack));

  // Pies: none when no subpopulation is shown or no pie fits.
  const Grid grid = PieGrid(n, R - L, yLegend - yTop);
  if (grid.radius > 0) {
    const int cellW = (R - L) / grid.cols;
    const int cellH = (yLegend - yTop) / grid.rows;
    for (int d = 0; d < n; ++d) {
      int values[kHistogramAnswers];
      for (int i = 0; i < answers; ++i)
        values[i] = data->Missing(d, i) ? kMissingValue : TruncToInt(data->Share(d, i) * 1000);
      const int row = d / grid.cols;
      const int col = d % grid.cols;
      // An incomplete last row is centred.
      const int cx = row == grid.rows - 1 ? col * cellW + (cellW * (grid.cols * grid.rows - n + 1)) / 2 + L
                                          : ((2 * col + 1) * cellW) / 2 + L;
      const int cy = yTop + ((2 * row + 1) * cellH) / 2;
      DrawPie(dc, cx, cy, grid.radius, answers, values);
    }
  }

  // Legend, three answers per column, where its lines and columns have room.
  if (answers == 0 || yLegend < T) return;
  const int m = (R - L) / 20;
  const int columns = (answers + 2) / 3;
  const int colW = (R - 2 * m - L) / columns;
  if (colW < 3 * w) return;
  for (int i = 0; i < answers; ++i) {
    const int col = i / 3;
    const int line = i % 3;
    const int x0 = L + m + col * colW;
    const int y0 = yLegend + line * h;
    dc.SelectBrush(SolidBrush(AnswerColor(i)));
    dc.SelectPen(SolidPen(kBlack));
    dc.Rectangle(x0, y0 + h / 3, x0 + 3 * w / 2, y0 + h);
    const std::string text = colW > 20 * w ? LongAnswerText(questionIndex, i + 1) : ShortAnswerText(questionIndex, i + 1);
    const CanvasRect box{x0 + 2 * w, y0 + h / 5, L + m + (col + 1) * colW - w / 2, y0 + 4 * h / 3};
    dc.TextInRect(FitText(dc, text, box.right - box.left), box, kTextLeft);
  }
}

void PieGraph::DrawPie(Canvas& dc, int cx, int cy, int radius, int count, const int* values) {
  const int r = 3 * radius / 4;
  const bool labels = radius > 100;
  long long sum = 0;
  for (int j = 0; j < count; ++j)
    if (values[j] > 0) sum += values[j];

  dc.SelectPen(SolidPen(kBlack));
  dc.SelectFont(CanvasFont::kVariablePitch);
  dc.SetBackgroundMode(BackgroundMode::kTransparent);
  const TextSize a = dc.TextExtent("A");
  const int w = a.cx, h = a.cy;

  // Nothing to divide: an empty circle.
  if (sum <= 0) {
    const Brush previous = dc.SelectBrush(NullBrush());
    dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
    dc.SelectBrush(previous);
    return;
  }

  const int dist = r + (3 * h) / 2;
  // A percent label centred at `angle` on the circle of labels.
  const auto label = [&](long long value, double angle) {
    const CanvasPoint t{TruncToInt(std::cos(angle) * dist), TruncToInt(std::sin(angle) * dist)};
    dc.TextInRect(FormatCount((value * 100LL) / sum),
                  CanvasRect{cx + t.x - 2 * w, cy + t.y - h / 2, cx + t.x + 2 * w, cy + t.y + h / 2},
                  kTextCenter | kTextNoClip);
  };

  // One answer holds everything: a full disc with one label, no radius.
  for (int j = 0; j < count; ++j)
    if (values[j] == sum) {
      const Brush previous = dc.SelectBrush(SolidBrush(AnswerColor(j)));
      dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
      dc.SelectBrush(previous);
      if (labels) label(values[j], kPi);
      return;
    }

  const double scale = static_cast<double>(sum) / kPi * 0.5;
  CanvasPoint prev{r, 0};
  double angle = 0;
  for (int j = 0; j < count; ++j) {
    if (values[j] < 0) continue;  // missing: no slice and no label
    angle = angle + values[j] / scale;
    const CanvasPoint p{TruncToInt(std::cos(angle) * r), TruncToInt(std::sin(angle) * r)};
    const Brush previousBrush = dc.SelectBrush(SolidBrush(AnswerColor(j)));
    if (!(p == prev)) dc.Pie(cx - r, cy - r, cx + r, cy + r, cx + p.x, cy + p.y, cx + prev.x, cy + prev.y);
    // A label needs its slice, where the label stands, to be as wide as the text
    // is along the circle, or it would run into its neighbours' labels.
    if (labels) {
      const double span = values[j] / scale;
      const double mid = angle - (values[j] / 2) / scale;
      const double chord = 2.0 * dist * std::sin(std::min(span, kPi) / 2);
      const TextSize text = dc.TextExtent(FormatCount((values[j] * 100LL) / sum));
      const double along = std::abs(text.cx * std::sin(mid)) + std::abs(text.cy * std::cos(mid));
      if (chord >= along) label(values[j], mid);
    }
    prev = p;
    dc.SelectBrush(previousBrush);
  }
}

}  // namespace orbica
