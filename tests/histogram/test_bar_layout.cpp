// Layout of the bar-like styles on the recording canvas (fonts: device-default
// 8 x 16, variable-pitch 6 x 13 per character).
#include <gtest/gtest.h>

#include "graph_test_support.h"

namespace orbica {
namespace {

using test::BarCall;
using test::BarSpy;
using test::MakeData;

constexpr Color kRow0 = 0x8080FF, kRow1 = 0x80FF80, kRow2 = 0x80FFFF;
constexpr Color kText = 0x151515;  // contrast text colour of the default gradient

template <class Style>
void Prepare(Style& graph, const HistogramData& data, const CQuestionList& questions, int question) {
  graph.data = &data;
  graph.questions = &questions;
  graph.questionIndex = question;
}

std::vector<CanvasCall> Labels(const RecordingCanvas& dc) {
  std::vector<CanvasCall> labels;
  for (const CanvasCall& call : dc.CallsOf(CanvasOp::kTextInRect))
    if (call.flags == (kTextLeft | kTextSingleLine)) labels.push_back(call);
  return labels;
}

std::vector<CanvasCall> ScaleLabels(const RecordingCanvas& dc) {
  std::vector<CanvasCall> labels;
  for (const CanvasCall& call : dc.CallsOf(CanvasOp::kTextInRect))
    if (call.flags == (kTextRight | kTextNoClip)) labels.push_back(call);
  return labels;
}

void ExpectBar(const BarCall& bar, int x, int base, int h, int w, int depth, Color color) {
  EXPECT_EQ(bar.x, x);
  EXPECT_EQ(bar.base, base);
  EXPECT_EQ(bar.h, h);
  EXPECT_EQ(bar.w, w);
  EXPECT_EQ(bar.depth, depth);
  EXPECT_EQ(bar.color, color);
}

class BarLayout : public ::testing::Test {
 protected:
  test::LoadedTexts texts;
  RecordingCanvas dc;
};

// Rectangle 310 x 302, three answers: the margin holds the label "100", so xLeft
// 24, xRight 295, groupWidth 90; the plot runs from yTop 40 down to yBottom 252.
TEST_F(BarLayout, TwoRowsBesideWithGroupWidth90) {
  const HistogramData data =
      MakeData({{0.5, 0.25, 0.25}, {0.125, 0.25, 0.625}}, {{0.02, 0.0, 0.0}, {0.0, 0.0, 0.0}});
  BarSpy<BarGraph3D> graph;
  Prepare(graph, data, texts.questions, 6);
  graph.Draw(dc, 0, 0, 310, 302);

  // barWidth 30: bars 27 wide, depth 12, plot 200 high, rows 30 apart.
  const std::vector<BarCall> bars = graph.ValueBars();
  ASSERT_EQ(bars.size(), 6u);
  ExpectBar(bars[0], 37, 253, 100, 27, 12, kRow0);  // a share of 0.5: half the plot
  ExpectBar(bars[1], 127, 253, 50, 27, 12, kRow0);
  ExpectBar(bars[2], 217, 253, 50, 27, 12, kRow0);
  ExpectBar(bars[3], 67, 253, 25, 27, 12, kRow1);
  ExpectBar(bars[5], 247, 253, 125, 27, 12, kRow1);

  // An error of 0.02 on the 200-high plot: a box 4 high centred on the bar's top,
  // a third darker than the bar.
  const std::vector<BarCall> boxes = graph.ErrorBoxes();
  ASSERT_FALSE(boxes.empty());
  ExpectBar(boxes[0], 37, 155, 4, 27, 12, 0x5656AA);
  EXPECT_EQ(boxes[0].base - boxes[0].h, 253 - 100 - 2);
  EXPECT_EQ(boxes.size(), 1u);  // errors of 0 draw no box

  // Value texts, one line per row below the axis.
  const std::vector<CanvasCall> values = dc.CallsOf(CanvasOp::kTextAt);
  ASSERT_EQ(values.size(), 6u);
  EXPECT_EQ(values[0].text, "50,0 %");
  EXPECT_EQ(values[0].args, (std::vector<int>{37, 256}));
  EXPECT_EQ(values[3].text, "12,5 %");
  EXPECT_EQ(values[3].args, (std::vector<int>{67, 269}));
  EXPECT_EQ(values[3].font, CanvasFont::kVariablePitch);
  EXPECT_EQ(values[3].textColor, kText);

  // Columns 90 wide are wider than ten letters: short answer texts.
  const std::vector<CanvasCall> labels = Labels(dc);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(test::Texts(labels), (std::vector<std::string>{"S7.1", "S7.2", "S7.3"}));
  EXPECT_EQ(labels[1].args, (std::vector<int>{127, 286, 205, 302}));
  EXPECT_EQ(labels[1].font, CanvasFont::kDeviceDefault);

  // Title centred near the top.
  const CanvasCall title = dc.CallsOf(CanvasOp::kTextInRect).front();
  EXPECT_EQ(title.text, "Question 7");
  EXPECT_EQ(title.flags, kTextCenter);
  EXPECT_EQ(title.args, (std::vector<int>{5, 10, 305, 26}));
}

TEST_F(BarLayout, FlatBarsHaveNoDepthAndAlwaysStandBeside) {
  const HistogramData data = MakeData({{0.5, 0.25, 0.25}, {0.125, 0.25, 0.625}});
  BarSpy<BarGraph> graph;
  graph.SetArrangement(kArrangementBehind);
  EXPECT_EQ(graph.arrangement, kArrangementBeside);
  EXPECT_FALSE(graph.SupportsArrangement());
  EXPECT_TRUE(graph.SupportsErrors());
  Prepare(graph, data, texts.questions, 6);
  graph.Draw(dc, 0, 0, 310, 302);
  const std::vector<BarCall> bars = graph.ValueBars();
  ASSERT_EQ(bars.size(), 6u);
  ExpectBar(bars[0], 37, 253, 106, 27, 0, kRow0);  // plot 212 high without depth
  ExpectBar(bars[3], 67, 253, 26, 27, 0, kRow1);

  BarGraph3D box;
  box.SetArrangement(kArrangementBehind);
  EXPECT_EQ(box.arrangement, kArrangementBehind);
  EXPECT_TRUE(box.SupportsArrangement());
  EXPECT_FALSE(PieGraph().SupportsErrors());
}

// Rectangle 474 x 400, three answers: groupWidth 140, barWidth 40, depth 17.
TEST_F(BarLayout, ThreeRowsBehindStandDiagonallyBackToFront) {
  const HistogramData data = MakeData({{0.5, 0.25, 0.25}, {0.5, 0.25, 0.25}, {0.5, 0.25, 0.25}});
  BarSpy<CylinderGraph> graph;
  graph.SetArrangement(kArrangementBehind);
  Prepare(graph, data, texts.questions, 6);
  graph.showErrors = false;
  graph.Draw(dc, 0, 0, 474, 400);

  // half = (140 - 51 - 40) / 2 = 24; the plot is 337 - 51 - 50 = 236 high.
  const std::vector<BarCall>& bars = graph.bars;
  ASSERT_EQ(bars.size(), 9u);
  ExpectBar(bars[0], 29 + 24 + 34, 338 - 34, 118, 40, 17, kRow2);  // row 2 first
  ExpectBar(bars[3], 29 + 24 + 17, 338 - 17, 118, 40, 17, kRow1);
  ExpectBar(bars[6], 29 + 24, 338, 118, 40, 17, kRow0);
  ExpectBar(bars[7], 29 + 24 + 140, 338, 59, 40, 17, kRow0);

  // The axes are drawn with the depth of all rows (3 x 17 + 1) in the dotted axis colour.
  const std::vector<CanvasCall> lines = dc.CallsOf(CanvasOp::kLine);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].args, (std::vector<int>{29, 337, 451 - 52, 337}));
  EXPECT_EQ(lines[0].pen, (Pen{PenStyle::kDot, 1, 0x7F7F7F}));
  EXPECT_EQ(lines[1].args, (std::vector<int>{451 - 52, 337, 451, 337 - 52}));

  // Labels start half a column in.
  EXPECT_EQ(Labels(dc)[0].args, (std::vector<int>{53, 384, 53 + 140 - 20, 400}));
}

// The largest value is 1234.6 persons: half of it, 617.3, is rounded up to 700
// and the axis runs to 1400. The margin holds the label "1400": xLeft 30.
TEST_F(BarLayout, AbsoluteScaleRoundsHalfTheLargestValue) {
  HistogramData data = MakeData({{0.12346, 0.05, 0.01}});
  BarSpy<BarGraph3D> graph;
  Prepare(graph, data, texts.questions, 6);
  graph.absolute = true;
  graph.respondents = 10000;
  graph.Draw(dc, 0, 0, 316, 400);

  std::vector<std::string> expected;
  for (int i = 0; i <= 10; ++i) expected.push_back(std::to_string(140 * i));
  EXPECT_EQ(test::Texts(ScaleLabels(dc)), expected);
  // barWidth 45, depth 19: the plot is 363 - 19 - 50 = 294 high.
  const std::vector<BarCall> bars = graph.ValueBars();
  ASSERT_EQ(bars.size(), 3u);
  EXPECT_EQ(bars[0].h, 259);  // 1234.6 / 1400 x 294 = 259.3
  ASSERT_FALSE(dc.CallsOf(CanvasOp::kTextAt).empty());
  EXPECT_EQ(dc.CallsOf(CanvasOp::kTextAt)[0].text, "1 234");
  // Error boxes are persons on the bars' scale: 150 / 1400 x 294 = 31.5.
  data.errors[0] = 0.015;
  graph.bars.clear();
  graph.Draw(dc, 0, 0, 316, 400);
  ASSERT_EQ(graph.ErrorBoxes().size(), 1u);
  EXPECT_EQ(graph.ErrorBoxes()[0].h, 31);

  // With nobody in the subpopulations every bar is 0 high and every label 0.
  const HistogramData empty = MakeData({{0.0, 0.0, 0.0}});
  graph.data = &empty;
  graph.bars.clear();
  dc.Clear();
  graph.Draw(dc, 0, 0, 316, 400);
  const std::vector<BarCall> emptyBars = graph.ValueBars();
  ASSERT_EQ(emptyBars.size(), 3u);
  for (const BarCall& bar : emptyBars) EXPECT_EQ(bar.h, 0);
  EXPECT_EQ(test::Texts(ScaleLabels(dc)), std::vector<std::string>(11, "0"));
}

TEST_F(BarLayout, RelativeScaleLabelsThinOutOnLowPlots) {
  const HistogramData data = MakeData({{0.5, 0.25, 0.25}});
  BarSpy<BarGraph> graph;
  Prepare(graph, data, texts.questions, 6);
  graph.Draw(dc, 0, 0, 307, 400);  // plot 350 - 50 = 300 high: all eleven
  EXPECT_EQ(test::Texts(ScaleLabels(dc)),
            (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
  dc.Clear();
  graph.Draw(dc, 0, 0, 307, 200);  // plot 163 - 30 = 133 high: every other one
  EXPECT_EQ(test::Texts(ScaleLabels(dc)), (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));
}

TEST_F(BarLayout, NarrowColumnsAreLabelledWithLetters) {
  const HistogramData data = MakeData({{0.5, 0.25, 0.25}});
  BarSpy<BarGraph3D> graph;
  Prepare(graph, data, texts.questions, 6);
  graph.Draw(dc, 0, 0, 284, 302);  // groupWidth 82
  EXPECT_EQ(test::Texts(Labels(dc)), (std::vector<std::string>{"S7.1", "S7.2", "S7.3"}));
  dc.Clear();
  graph.Draw(dc, 0, 0, 278, 302);  // groupWidth 80, ten widths of "A"
  EXPECT_EQ(test::Texts(Labels(dc)), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(BarLayout, ThinBarsOrLowPlotsHideTheValueTexts) {
  BarSpy<BarGraph3D> graph;
  // Four rows beside in columns of 64: barWidth 12.
  const HistogramData four = MakeData({{0.5, 0.5, 0.5}, {0.5, 0.5, 0.5}, {0.5, 0.5, 0.5}, {0.5, 0.5, 0.5}});
  Prepare(graph, four, texts.questions, 6);
  graph.Draw(dc, 0, 0, 227, 400);  // m 11, xLeft 24, xRight 216: groupWidth 64
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kTextAt).empty());
  EXPECT_EQ(graph.bars.front().base, 400 - 29);  // the axis 30 above the bottom
  dc.Clear();
  graph.bars.clear();
  graph.Draw(dc, 0, 0, 243, 400);  // groupWidth 69: barWidth 13
  EXPECT_EQ(dc.CallsOf(CanvasOp::kTextAt).size(), 12u);

  // A plot lower than 80 (yTop 22, yBottom 120 - 24 - 13 = 83).
  const HistogramData one = MakeData({{0.5, 0.25, 0.25}});
  Prepare(graph, one, texts.questions, 6);
  dc.Clear();
  graph.bars.clear();
  graph.Draw(dc, 0, 0, 600, 120);
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kTextAt).empty());
  EXPECT_EQ(graph.bars.front().base, 91);
}

TEST_F(BarLayout, HitRegionsAreTheLabelColumnsOfTheLastInteractiveDrawing) {
  HistogramData data = MakeData({{0.5, 0.25, 0.25}});
  BarGraph3D graph;
  Prepare(graph, data, texts.questions, 6);
  graph.interactive = true;
  graph.selectedAnswer = 2;
  graph.Draw(dc, 0, 0, 310, 302);

  const std::vector<HitRegion>& regions = graph.regions.Regions();
  ASSERT_EQ(regions.size(), 3u);
  // barWidth 45: half = 40 / 2 = 20.
  EXPECT_EQ(regions[0], (HitRegion{24 + 20, 40, 24 + 20 + 78, 302, kHitAnswerColumn, 1}));
  EXPECT_EQ(graph.regions.HitTest(44, 40)->answer, 1);   // corners belong to it
  EXPECT_EQ(graph.regions.HitTest(122, 302)->answer, 1);
  EXPECT_EQ(graph.regions.HitTest(134, 200)->answer, 2);
  EXPECT_FALSE(graph.regions.HitTest(128, 200));          // between two columns
  EXPECT_FALSE(graph.regions.HitTest(44, 39));            // above the plot

  // The selected answer's label is inverted.
  const std::vector<CanvasCall> labels = Labels(dc);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[1].backgroundMode, BackgroundMode::kOpaque);
  EXPECT_EQ(labels[1].backgroundColor, kText);
  EXPECT_EQ(labels[1].textColor, 0xFFFFFF - kText);
  EXPECT_EQ(labels[0].backgroundMode, BackgroundMode::kTransparent);
  EXPECT_EQ(labels[0].textColor, kText);

  // A drawing of another question replaces the regions.
  const HistogramData five = MakeData({{0.2, 0.2, 0.2, 0.2, 0.2}});
  graph.data = &five;
  graph.Draw(dc, 0, 0, 600, 302);
  ASSERT_EQ(graph.regions.Regions().size(), 5u);
  EXPECT_EQ(graph.regions.Regions()[4].answer, 5);

  // A printout neither records regions nor highlights.
  const std::vector<HitRegion> before = graph.regions.Regions();
  graph.interactive = false;
  graph.data = &data;
  dc.Clear();
  graph.Draw(dc, 0, 0, 310, 302);
  EXPECT_EQ(graph.regions.Regions(), before);
  const std::vector<CanvasCall> printed = Labels(dc);
  ASSERT_EQ(printed.size(), 3u);
  for (const CanvasCall& label : printed) EXPECT_EQ(label.backgroundMode, BackgroundMode::kTransparent);
}

TEST_F(BarLayout, WithoutRowsOnlyTheFrameAndLabelsAppear) {
  HistogramData data = MakeData({{0.5, 0.25, 0.25}});
  data.shownCount = 0;
  BarSpy<BarGraph3D> graph;
  Prepare(graph, data, texts.questions, 6);
  graph.interactive = true;
  graph.Draw(dc, 0, 0, 307, 302);
  EXPECT_TRUE(graph.bars.empty());
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kTextAt).empty());
  EXPECT_EQ(Labels(dc).size(), 3u);
  EXPECT_EQ(ScaleLabels(dc).size(), 6u);  // barWidth 90, depth 38: a plot of 278 - 40 - 38 = 200
  EXPECT_EQ(graph.regions.Regions().size(), 3u);
  EXPECT_EQ(dc.CallsOf(CanvasOp::kTextInRect).front().text, "Question 7");
}

// Too small to hold a plot of 20: the bars are narrowed until they have no width
// left. Whatever the rectangle, even empty or inverted, nothing fails and nothing
// (shape, rectangle of a text, hit region) lies outside it.
TEST_F(BarLayout, TinyOrInvertedRectanglesEndTheNarrowing) {
  const HistogramData data = MakeData({{0.5, 0.3, 0.2}, {0.5, 0.3, 0.2}, {0.5, 0.3, 0.2}, {0.5, 0.3, 0.2}});
  for (const int arrangement : {kArrangementBeside, kArrangementBehind}) {
    BarSpy<BarGraph3D> spy;
    Prepare(spy, data, texts.questions, 6);
    spy.SetArrangement(arrangement);
    spy.Draw(dc, 0, 0, 2000, 45);
    ASSERT_FALSE(spy.bars.empty());
    EXPECT_EQ(spy.bars.front().w, 0);
    EXPECT_EQ(spy.bars.front().depth, 0);
  }
  for (int style = kStyleBar2D; style <= kStylePie; ++style)
    for (const int arrangement : {kArrangementBeside, kArrangementBehind})
      for (const CanvasRect r : {CanvasRect{0, 0, 0, 0}, CanvasRect{0, 0, 12, 9}, CanvasRect{300, 300, 0, 0},
                                 CanvasRect{0, 0, 3000, 40}, CanvasRect{0, 0, 40, 3000}, CanvasRect{5, 5, 145, 170},
                                 CanvasRect{-50, -20, 90, 60}}) {
        auto graph = MakeGraph(style);
        Prepare(*graph, data, texts.questions, 6);
        graph->SetArrangement(arrangement);
        graph->absolute = style % 2 == 0;
        graph->interactive = true;
        dc.Clear();
        graph->Draw(dc, r.left, r.top, r.right, r.bottom);
        ASSERT_FALSE(dc.Calls().empty());
        const CanvasRect box{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                             std::max(r.top, r.bottom)};
        for (const CanvasCall& call : dc.Calls()) {
          std::vector<CanvasPoint> points = call.points;
          for (std::size_t i = 0; i + 1 < call.args.size(); i += 2) points.push_back({call.args[i], call.args[i + 1]});
          for (const CanvasPoint& p : points)
            EXPECT_TRUE(box.left <= p.x && p.x <= box.right && box.top <= p.y && p.y <= box.bottom)
                << "style " << style << " arrangement " << arrangement << " in " << r.left << ',' << r.top << ','
                << r.right << ',' << r.bottom << ": op " << static_cast<int>(call.op) << " at " << p.x << ',' << p.y;
        }
        for (const HitRegion& region : graph->regions.Regions())
          EXPECT_TRUE(box.left <= region.left && region.right <= box.right && box.top <= region.top &&
                      region.bottom <= box.bottom)
              << "style " << style << " region of answer " << region.answer;
      }
}

// Where a text stands when drawn with the recording canvas's metrics.
struct TextBox {
  int left, right;
};
TextBox ValueTextBox(const CanvasCall& call) {
  return {call.args[0], call.args[0] + RecordingCanvas::kNarrowCharWidth * CodePointCount(call.text)};
}

// One row of fifteen answers in 700: columns of 41. "5,0 %" (30) fits with a
// digit's gap; "24,5 %" (36) does not and is left out instead of running into
// its neighbour.
TEST_F(BarLayout, ValueTextsThatDoNotFitTheirColumnAreLeftOut) {
  std::vector<double> shares;
  for (int a = 0; a < 15; ++a) shares.push_back(a % 2 == 0 ? 0.05 : 0.245);
  const HistogramData data = MakeData({shares});
  for (const int width : {700, 600}) {
    BarSpy<BarGraph3D> graph;
    Prepare(graph, data, texts.questions, 0);
    dc.Clear();
    graph.Draw(dc, 0, 0, width, 400);
    const std::vector<CanvasCall> values = dc.CallsOf(CanvasOp::kTextAt);
    for (const CanvasCall& value : values) EXPECT_EQ(value.text, "5,0 %") << width;
    EXPECT_EQ(values.size(), width == 700 ? 8u : 0u);  // columns of 35 hold no text
    for (std::size_t i = 0; i + 1 < values.size(); ++i)
      EXPECT_LT(ValueTextBox(values[i]).right, ValueTextBox(values[i + 1]).left);
    if (!values.empty()) {
      EXPECT_LE(ValueTextBox(values.back()).right, width);
    }
  }
}

// Scale labels stand right-aligned a digit's width left of the axis, each 10
// above its grid line, and the left margin grows until the widest fits inside
// the rectangle.
TEST_F(BarLayout, ScaleLabelsStayInsideTheRectangleBesideTheAxis) {
  const HistogramData data = MakeData({{0.6, 0.3, 0.1}});
  for (const int width : {300, 600, 1000}) {
    BarSpy<BarGraph3D> graph;
    Prepare(graph, data, texts.questions, 6);
    graph.absolute = true;
    graph.respondents = 20000000;  // the axis runs to 12 000 000: labels up to 48 wide
    dc.Clear();
    graph.Draw(dc, 10, 0, 10 + width, 400);
    const std::vector<CanvasCall> labels = ScaleLabels(dc);
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels[10].text, "12000000");
    const int axisX = dc.CallsOf(CanvasOp::kLine)[0].args[0];  // the frame's bottom line starts at the axis
    const int depth = graph.bars.front().depth;
    for (const CanvasCall& label : labels) {
      EXPECT_EQ(label.args[2], axisX - 6);
      EXPECT_EQ(label.args[0], axisX - 12);
      EXPECT_EQ(label.args[3] - label.args[1], depth);
      EXPECT_GE(label.args[2] - RecordingCanvas::kNarrowCharWidth * CodePointCount(label.text), 10) << label.text;
    }
    // Label i stands 10 above line i of the grid, which divides the plot in tenths.
    const int base = graph.bars.front().base - 1, plot = base - depth - (400 / 10 + 10);
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(labels[static_cast<std::size_t>(i)].args[1], base - plot * i / 10 - 10);
    EXPECT_EQ(axisX, 10 + std::max(width / 20, 48) + 6) << width;
  }
}

// All eleven grid lines on a plot higher than 100, every other one else; labels:
// all above 200, every other one from 50, only 0, 50 and 100 below 50.
TEST_F(BarLayout, GridLinesAndScaleLabelsThinOutWithThePlotHeight) {
  const std::vector<std::string> all = {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};
  const std::vector<std::string> even = {"0", "20", "40", "60", "80", "100"};
  struct Case {
    int bottom;  // of a 600 wide rectangle with one row of flat bars
    int plot;
    int gridLines;
    std::vector<std::string> labels;
  };
  const std::vector<Case> cases = {
      {275, 201, 11, all}, {274, 200, 11, even}, {164, 101, 11, even},  {163, 100, 6, even},
      {100, 50, 6, even},  // values hidden: the axis 30 above the bottom
      {90, 41, 6, {"0", "50", "100"}},
  };
  const HistogramData data = MakeData({{0.5, 0.25, 0.25}});
  for (const Case& c : cases) {
    BarSpy<BarGraph> graph;
    Prepare(graph, data, texts.questions, 6);
    dc.Clear();
    graph.Draw(dc, 0, 0, 600, c.bottom);
    EXPECT_EQ(graph.bars.front().base - 1 - (c.bottom / 10 + 10), c.plot) << c.bottom;
    EXPECT_EQ(test::Texts(ScaleLabels(dc)), c.labels) << c.bottom;
    // Two frame lines, then the grid.
    EXPECT_EQ(static_cast<int>(dc.CallsOf(CanvasOp::kLine).size()) - 2, c.gridLines) << c.bottom;
  }
}

// Half the largest value is rounded up to the coarsest power of ten that stays
// below one and a half times it; the axis runs to twice that.
TEST_F(BarLayout, AbsoluteScaleRounding) {
  struct Case {
    double largest;
    std::string top, middle;
  };
  const std::vector<Case> cases = {
      {1234.6, "1400", "700"},   {50, "60", "30"},          {199, "200", "100"},  {15000, "20000", "10000"},
      {1000000, "1000000", "500000"}, {8, "8", "4"},        {3, "3", "1"},
  };
  for (const Case& c : cases) {
    const HistogramData data = MakeData({{c.largest / 1e7, 0.0, 0.0}});
    BarSpy<BarGraph3D> graph;
    Prepare(graph, data, texts.questions, 6);
    graph.absolute = true;
    graph.respondents = 10000000;
    dc.Clear();
    graph.Draw(dc, 0, 0, 600, 400);
    const std::vector<CanvasCall> labels = ScaleLabels(dc);
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels[10].text, c.top) << c.largest;
    EXPECT_EQ(labels[5].text, c.middle) << c.largest;
  }
}

// Bars too deep for a plot of 20 are halved until the plot is high enough.
TEST_F(BarLayout, NarrowingStopsAtTheFirstWidthThatLeavesAPlotOf20) {
  // 500 x 100: xLeft 31, groupWidth 148; values hidden, the plot runs from 20 to 70.
  const HistogramData one = MakeData({{0.5, 0.25, 0.25}});
  BarSpy<BarGraph3D> beside;
  Prepare(beside, one, texts.questions, 6);
  beside.Draw(dc, 0, 0, 500, 100);
  // barWidth 74: bars 66 wide and 31 deep leave 19; halved: 33 wide, 14 deep.
  ExpectBar(beside.bars.front(), 31 + 16, 71, 18, 33, 14, kRow0);

  const HistogramData two = MakeData({{0.5, 0.25, 0.25}, {0.5, 0.25, 0.25}});
  BarSpy<BarGraph3D> behind;
  behind.SetArrangement(kArrangementBehind);
  behind.showErrors = false;
  Prepare(behind, two, texts.questions, 6);
  behind.Draw(dc, 0, 0, 500, 100);
  // barWidth 49 and depth 21 twice leave 8; halved: 24 wide, 10 deep, plot 30;
  // half = (148 - 20 - 24) / 2 = 52.
  ExpectBar(behind.bars[0], 31 + 52 + 10, 71 - 10, 15, 24, 10, kRow1);
  ExpectBar(behind.bars[3], 31 + 52, 71, 15, 24, 10, kRow0);
}

// Error boxes: centred on the bar's top with the odd pixel above; none where
// the error is 0; never above the plot; in absolute mode persons on the bars' scale.
TEST_F(BarLayout, ErrorBoxesOnTheBarsScale) {
  // 310 x 302 with one row of flat bars: the plot is 225 high.
  const HistogramData data = MakeData({{0.5, 0.999, 0.25}}, {{0.025, 0.02, 0.0}});
  BarSpy<BarGraph> graph;
  Prepare(graph, data, texts.questions, 6);
  graph.Draw(dc, 0, 0, 310, 302);
  const int base = graph.bars.front().base;
  ASSERT_EQ(graph.ValueBars()[1].h, 224);
  const std::vector<BarCall> boxes = graph.ErrorBoxes();
  ASSERT_EQ(boxes.size(), 2u);  // none for the error of 0
  // 5 high around the top of a bar of 112: 2 below, 3 above.
  EXPECT_EQ(boxes[0].base, base - 112 + 2);
  EXPECT_EQ(boxes[0].h, 5);
  // Around the bar of 224, a box of 4 would reach 1 above the plot: it is cut there.
  EXPECT_EQ(boxes[1].base, base - 224 + 2);
  EXPECT_EQ(boxes[1].base - boxes[1].h, base - 225);

  // Persons: a subpopulation of 5 % beside the whole census. Its error of 0.3
  // is 1500 of the axis's 60000 persons, 5 of the plot's 212, like its bar of
  // 2500 persons (8): not 0.3 of the plot.
  HistogramData two = MakeData({{0.5, 0.25, 0.25}, {0.5, 0.25, 0.25}}, {{0.0, 0.0, 0.0}, {0.3, 0.0, 0.0}});
  two.size[1] = 0.05;
  graph.data = &two;
  graph.absolute = true;
  graph.respondents = 100000;
  graph.bars.clear();
  graph.Draw(dc, 0, 0, 310, 302);
  const std::vector<BarCall> bars = graph.ValueBars();
  ASSERT_EQ(bars.size(), 6u);
  EXPECT_EQ(bars[3].h, 8);
  ASSERT_EQ(graph.ErrorBoxes().size(), 1u);
  EXPECT_EQ(graph.ErrorBoxes()[0].h, 5);
  EXPECT_EQ(graph.ErrorBoxes()[0].base, bars[3].base - 8 + 2);
}

// Whatever the number of rows, a full bar behind the others, with its top face
// or ellipse and its error box, stays inside the plot frame.
TEST_F(BarLayout, FullBarsBehindStayInsideTheFrame) {
  for (const int style : {kStyleBar3D, kStyleCylinder})
    for (int n = 1; n <= 4; ++n) {
      std::vector<std::vector<double>> shares(static_cast<std::size_t>(n), {1.0, 0.0, 0.0});
      std::vector<std::vector<double>> errors(static_cast<std::size_t>(n), {0.1, 0.0, 0.0});
      const HistogramData data = MakeData(shares, errors);
      auto graph = MakeGraph(style);
      Prepare(*graph, data, texts.questions, 6);
      graph->SetArrangement(kArrangementBehind);
      dc.Clear();
      graph->Draw(dc, 0, 0, 600, 400);
      int frameTop = 400, shapeTop = 400;
      for (const CanvasCall& call : dc.Calls()) {
        if (call.op == CanvasOp::kLine && call.pen.style == PenStyle::kDot)
          frameTop = std::min({frameTop, call.args[1], call.args[3]});
        else if (call.op == CanvasOp::kLine)
          shapeTop = std::min({shapeTop, call.args[1], call.args[3]});
        else if (call.op == CanvasOp::kSetPixel)
          shapeTop = std::min(shapeTop, call.args[1]);
        for (const CanvasPoint& p : call.points) shapeTop = std::min(shapeTop, p.y);
      }
      EXPECT_GE(shapeTop, frameTop) << "style " << style << ", " << n << " rows";
    }
}

}  // namespace
}  // namespace orbica
