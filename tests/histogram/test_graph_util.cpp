// Colours, number texts, contrast colours, the background gradient and the
// recording canvas's fixed metrics.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graph_test_support.h"

namespace orbica {
namespace {

TEST(GraphColors, BlendTruncatesEachChannelTowardZero) {
  EXPECT_EQ(BlendColor(0xC0C0C0, 0xFFFFFF, 2, 3), 0xEAEAEAu);
  EXPECT_EQ(BlendColor(0x8080FF, kBlack, 1, 3), 0x5656AAu);  // -128 / 3 = -42, not -43
  EXPECT_EQ(BlendColor(0x8080FF, kWhite, 1, 3), 0xAAAAFFu);
  EXPECT_EQ(BlendColor(0x102030, 0x302010, 0, 7), 0x102030u);
  EXPECT_EQ(BlendColor(0x102030, 0x302010, 7, 7), 0x302010u);
  // Out-of-range calls stay inside the channels and never divide by zero.
  EXPECT_EQ(BlendColor(0x8080FF, kWhite, 5, 0), 0x8080FFu);
  EXPECT_EQ(BlendColor(0x8080FF, kWhite, 12, 4), 0xFFFFFFu);
  EXPECT_EQ(BlendColor(0x8080FF, kWhite, -3, 4), 0x8080FFu);

  EXPECT_EQ(ColorDistance(0x000000, 0xFFFFFF), 765);
  EXPECT_EQ(ColorDistance(0x102030, 0x302010), 0x20 + 0 + 0x20);
  EXPECT_EQ(ColorDistance(0xEAEAEA, 0xEAEAEA), 0);
}

TEST(GraphColors, ContrastColorsAgainstTheGradient) {
  // Default gradient: two thirds down is 0xEAEAEA; its inverse stands out.
  const ContrastColors defaults = ContrastColorsFor(0xC0C0C0, 0xFFFFFF);
  EXPECT_EQ(defaults.text, 0x151515u);
  EXPECT_EQ(defaults.axis, 0x7F7F7Fu);
  // Mid grey: the inverse is too close, black or white is picked by distance.
  const ContrastColors grey = ContrastColorsFor(0x808080, 0x808080);
  EXPECT_EQ(grey.text, kBlack);
  EXPECT_EQ(grey.axis, kBlack);
  const ContrastColors darker = ContrastColorsFor(0x7F7F7F, 0x7F7F7F);
  EXPECT_EQ(darker.text, kWhite);
  EXPECT_EQ(darker.axis, kWhite);
}

TEST(GraphNumbers, PercentAndCountTexts) {
  EXPECT_EQ(FormatPercent(12.34), "12,3 %");
  EXPECT_EQ(FormatPercent(617.3), "617,3 %");
  EXPECT_EQ(FormatPercent(0.0), "0,0 %");
  EXPECT_EQ(FormatPercent(99.95), "100,0 %");  // stored a little above 99.95
  EXPECT_EQ(FormatPercent(12345678.25), "12345678,2 %");

  EXPECT_EQ(FormatCount(0), "0");
  EXPECT_EQ(FormatCount(999), "999");
  EXPECT_EQ(FormatCount(1000), "1 000");
  EXPECT_EQ(FormatCount(1234567), "1 234 567");
  EXPECT_EQ(FormatCount(10000000), "10 000 000");

  EXPECT_EQ(TruncToInt(-2.7), -2);
  EXPECT_EQ(TruncToInt(2.999), 2);
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
  EXPECT_EQ(TruncToInt(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(TruncToInt(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
}

// Default font of the recording canvas: 8 per character, "…" included.
TEST(GraphText, LongTextsEndInAnEllipsisAtAWordOrCharacter) {
  struct Case {
    std::string text;
    int width;
    std::string fitted;
  };
  const std::vector<Case> cases = {
      {"Moravian Plain", 112, "Moravian Plain"},  // exactly as wide as the box
      {"Moravian Plain", 111, "Moravian…"},       // "Moravian Pla…" fits; the word is kept whole
      {"Moravian Plain", 72, "Moravian…"},
      {"A Moravian", 72, "A Moravi…"},          // a word cut would lose too much
      {"Technician or associate professional", 160, "Technician or…"},
      {"Západočeský kraj", 64, "Západoč…"},   // never inside a character
      {"Capital", 8, "…"},
      {"Capital", 7, ""},
      {"", 0, ""},
  };
  RecordingCanvas dc;
  dc.SelectFont(CanvasFont::kDeviceDefault);
  for (const Case& c : cases) {
    const std::string fitted = FitText(dc, c.text, c.width);
    EXPECT_EQ(fitted, c.fitted) << c.text << " in " << c.width;
    EXPECT_LE(dc.TextExtent(fitted).cx, std::max(c.width, 0)) << c.text;
  }
}

// In the graphs: answer labels and the title of the bar styles, and the pie's
// legend texts.
TEST(GraphText, TextsTooLongForTheirBoxesInTheGraphs) {
  const HistogramData data = test::MakeData({{0.5, 0.25, 0.25}});
  const auto withFlags = [](const RecordingCanvas& dc, unsigned flags) {
    std::vector<CanvasCall> calls;
    for (const CanvasCall& call : dc.CallsOf(CanvasOp::kTextInRect))
      if (call.flags == flags) calls.push_back(call);
    return calls;
  };
  BarGraph3D bars;
  const RecordingCanvas barCanvas = test::DrawWithLongTexts(bars, data, 400, 302);
  const std::vector<CanvasCall> labels = withFlags(barCanvas, kTextLeft | kTextSingleLine);
  ASSERT_EQ(labels.size(), 3u);
  for (const CanvasCall& call : labels) test::ExpectShortened(call, "S7.", RecordingCanvas::kWideCharWidth);
  test::ExpectShortened(withFlags(barCanvas, kTextCenter).front(), "Question 7 of a", RecordingCanvas::kWideCharWidth);

  PieGraph pie;
  const std::vector<CanvasCall> legend = withFlags(test::DrawWithLongTexts(pie, data, 400, 400), kTextLeft);
  ASSERT_EQ(legend.size(), 3u);
  for (const CanvasCall& call : legend) test::ExpectShortened(call, "Long 7.", RecordingCanvas::kNarrowCharWidth);
}

TEST(GraphBackground, ThreePixelLinesFromTopToBottomColour) {
  RecordingCanvas dc;
  DrawBackground(dc, 0, 0, 640, 300, 0xC0C0C0, 0xFFFFFF);
  const std::vector<CanvasCall> lines = dc.CallsOf(CanvasOp::kLine);
  ASSERT_EQ(lines.size(), 101u);  // y = 0, 3, ..., 300
  EXPECT_EQ(lines[0].args, (std::vector<int>{0, 0, 640, 0}));
  EXPECT_EQ(lines[0].pen, SolidPen(0xC0C0C0, 3));
  EXPECT_EQ(lines[50].args, (std::vector<int>{0, 150, 640, 150}));
  EXPECT_EQ(lines[50].pen, SolidPen(BlendColor(0xC0C0C0, 0xFFFFFF, 150, 300), 3));
  EXPECT_EQ(lines[100].pen, SolidPen(0xFFFFFF, 3));
  EXPECT_EQ(dc.CurrentPen(), Pen());  // the previous pen is back

  // A window of no height draws one line of the top colour.
  dc.Clear();
  DrawBackground(dc, 0, 0, 640, 0, 0xC0C0C0, 0xFFFFFF);
  ASSERT_EQ(dc.CallsOf(CanvasOp::kLine).size(), 1u);
  EXPECT_EQ(dc.CallsOf(CanvasOp::kLine)[0].pen.color, 0xC0C0C0u);
}

TEST(GraphWindow, BackgroundThenTheGraphInsideTheMargins) {
  test::LoadedTexts texts;
  const HistogramData data = test::MakeData({{0.5, 0.25, 0.25}});
  BarGraph graph;
  graph.data = &data;
  graph.questions = &texts.questions;
  graph.questionIndex = 6;
  RecordingCanvas dc;
  DrawHistogramWindow(dc, graph, 1000, 700, 0);
  // The gradient first, then the title centred in (5 + 5 .. 995 - 5) near the top.
  EXPECT_EQ(dc.CallsOf(CanvasOp::kLine)[0].pen.width, 3);
  const CanvasCall title = dc.CallsOf(CanvasOp::kTextInRect).front();
  EXPECT_EQ(title.args, (std::vector<int>{10, 5 + 688 / 20 - 5, 990, 5 + 688 / 20 - 5 + 16}));
  // The answer labels end at the graph's bottom, 7 above the window's.
  EXPECT_EQ(dc.CallsOf(CanvasOp::kTextInRect).back().args[3], 693);
}

TEST(RecordingCanvas, FixedMetricsAndStateSnapshots) {
  RecordingCanvas dc;
  EXPECT_EQ(dc.TextExtent("Abc"), (TextSize{24, 16}));
  EXPECT_EQ(dc.SelectFont(CanvasFont::kVariablePitch), CanvasFont::kSystem);
  EXPECT_EQ(dc.TextExtent("1"), (TextSize{6, 13}));
  EXPECT_EQ(dc.TextExtent("Účet"), (TextSize{24, 13}));  // characters, not bytes
  EXPECT_EQ(dc.SelectFont(CanvasFont::kDeviceDefault), CanvasFont::kVariablePitch);
  EXPECT_EQ(dc.TextExtent("A"), (TextSize{8, 16}));

  const Pen previous = dc.SelectPen(SolidPen(0x606060));
  EXPECT_EQ(previous, Pen());
  dc.SelectBrush(SolidBrush(0x112233));
  dc.SetTextColor(0x445566);
  dc.Rectangle(1, 2, 3, 4);
  const CanvasCall rect = dc.CallsOf(CanvasOp::kRectangle).at(0);
  EXPECT_EQ(rect.pen, SolidPen(0x606060));
  EXPECT_EQ(rect.brush, SolidBrush(0x112233));
  EXPECT_EQ(rect.textColor, 0x445566u);
  EXPECT_EQ(rect.font, CanvasFont::kDeviceDefault);
}

}  // namespace
}  // namespace orbica
