#include "app/print_page.h"

#include <algorithm>

#include <QCoreApplication>

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

// A heading of the printed legend in the user's language.
std::string Legend(const char* heading) {
  return QCoreApplication::translate("orbica::PrintPage", heading).toStdString();
}

constexpr unsigned kLegendFlags = kTextLeft | kTextSingleLine;

// A legend text in its box, shortened with an ellipsis when it is too long.
void LegendText(Canvas& dc, const std::string& text, const CanvasRect& box) {
  dc.TextInRect(FitText(dc, text, box.right - box.left), box, kLegendFlags);
}

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

  // Where the graph labels its answers with letters, the legend names them by
  // the same letters instead of the numbers their texts begin with.
  bool letters = false;
  auto answersBlock = [&](int y, int bl, int br) {
    const int o = (br - bl) / 20;
    LegendText(dc, Legend(QT_TRANSLATE_NOOP("orbica::PrintPage", "Answers")), CanvasRect{bl + o, y + h, br - o, y + 2 * h});
    for (int k = 1; k <= answers; ++k) {
      const std::string& text = legend.answerTexts[static_cast<std::size_t>(k - 1)];
      const int yk = y + (k + 2) * h;
      LegendText(dc, letters ? AnswerLetter(k) + "." : FirstCharacters(text, 3), CanvasRect{bl + o + w, yk, br - o, yk + h});
      const std::size_t blank = text.find(' ');
      if (blank != std::string::npos)
        LegendText(dc, text.substr(blank + 1), CanvasRect{bl + o + 4 * w, yk, br - o, yk + h});
    }
  };
  auto subpopulationsBlock = [&](int y, int sl, int sr) {
    const int o = (sr - sl) / 20;
    LegendText(dc, Legend(QT_TRANSLATE_NOOP("orbica::PrintPage", "Displayed subpopulations")), CanvasRect{sl + o, y + h, sr - o, y + 2 * h});
    for (int j = 1; j <= n; ++j) {
      const int yj = y + (j + 2) * h;
      LegendText(dc, std::to_string(j) + ".", CanvasRect{sl + o + w, yj, sr - o, yj + h});
      LegendText(dc, legend.subpopulationNames[static_cast<std::size_t>(j - 1)],
                 CanvasRect{sl + o + 4 * w, yj, sr - o, yj + h});
    }
  };

  // The graph is drawn first: the answers block follows its labels.
  const int blocksTop = graph.Style() == kStylePie ? bottom - h - subpopulationsHeight
                        : landscape               ? bottom - std::max(answersHeight, subpopulationsHeight)
                                                  : bottom - h - answersHeight - subpopulationsHeight;
  const int graphBottom = graph.Style() == kStylePie ? blocksTop : blocksTop - h;
  dc.SelectFont(oldFont);
  graph.Draw(dc, left, top, right, graphBottom);
  letters = graph.LabelsAreLetters();
  dc.SelectFont(CanvasFont::kVariablePitch);

  if (graph.Style() == kStylePie) {
    subpopulationsBlock(blocksTop, left, right);
  } else if (landscape) {
    answersBlock(blocksTop, left, mid);
    subpopulationsBlock(blocksTop, mid, right);
  } else {
    answersBlock(blocksTop + subpopulationsHeight, left, right);
    subpopulationsBlock(blocksTop, left, right);
  }
  dc.SelectFont(oldFont);
}

}  // namespace orbica
