#include "app/print_page.h"

#include <algorithm>

namespace orbica {

namespace {

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, int count) {
  std::size_t i = 0;
  for (int n = 0; n < count && i < text.size(); ++n) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return text.substr(0, i);
}

constexpr unsigned kLegendFlags = kTextLeft | kTextSingleLine;

}  // namespace

void DrawPrintPage(Canvas& dc, int left, int top, int right, int bottom, BaseGraph& graph, const PrintLegend& legend) {
  graph.interactive = false;
  const CanvasFont oldFont = dc.SelectFont(CanvasFont::kVariablePitch);
  const TextSize letter = dc.TextExtent("A");
  const int w = letter.cx, h = letter.cy;
  const int n = static_cast<int>(legend.subpopulationNames.size());
  const int answers = static_cast<int>(legend.answerTexts.size());
  const int answersHeight = (answers + 3) * h;
  const int subpopulationsHeight = (n + 3) * h;
  const bool landscape = right - left > bottom - top;
  const int mid = left + (right - left) / 2;

  auto answersBlock = [&](int y, int bl, int br) {
    const int o = (br - bl) / 20;
    dc.TextInRect("Answers", CanvasRect{bl + o, y + h, br - o, y + 2 * h}, kLegendFlags);
    for (int k = 1; k <= answers; ++k) {
      const std::string& text = legend.answerTexts[static_cast<std::size_t>(k - 1)];
      const int yk = y + (k + 2) * h;
      dc.TextInRect(FirstCharacters(text, 3), CanvasRect{bl + o + w, yk, br - o, yk + h}, kLegendFlags);
      const std::size_t blank = text.find(' ');
      if (blank != std::string::npos)
        dc.TextInRect(text.substr(blank + 1), CanvasRect{bl + o + 4 * w, yk, br - o, yk + h}, kLegendFlags);
    }
  };
  auto subpopulationsBlock = [&](int y, int sl, int sr) {
    const int o = (sr - sl) / 20;
    dc.TextInRect("Displayed subpopulations", CanvasRect{sl + o, y + h, sr - o, y + 2 * h}, kLegendFlags);
    for (int j = 1; j <= n; ++j) {
      const int yj = y + (j + 2) * h;
      dc.TextInRect(std::to_string(j) + ".", CanvasRect{sl + o + w, yj, sr - o, yj + h}, kLegendFlags);
      dc.TextInRect(legend.subpopulationNames[static_cast<std::size_t>(j - 1)],
                    CanvasRect{sl + o + 4 * w, yj, sr - o, yj + h}, kLegendFlags);
    }
  };

  int graphBottom;
  if (graph.Style() == kStylePie) {
    const int gb = bottom - h - subpopulationsHeight;
    subpopulationsBlock(gb, left, right);
    graphBottom = bottom - h - subpopulationsHeight;
  } else if (landscape) {
    const int gb = bottom - std::max(answersHeight, subpopulationsHeight);
    answersBlock(gb, left, mid);
    subpopulationsBlock(gb, mid, right);
    graphBottom = gb - h;
  } else {
    const int m = bottom - h - answersHeight;
    const int gb = m - subpopulationsHeight;
    answersBlock(m, left, right);
    subpopulationsBlock(gb, left, right);
    graphBottom = gb - h;
  }
  dc.SelectFont(oldFont);
  graph.Draw(dc, left, top, right, graphBottom);
}

}  // namespace orbica
