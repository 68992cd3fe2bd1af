// The pie style: grid of pies, slices, percent labels and the legend.
#include <gtest/gtest.h>

#include <set>

#include "graph_test_support.h"

namespace orbica {
namespace {

using test::MakeData;

constexpr int kCx = 500, kCy = 400;

std::vector<CanvasCall> PercentLabels(const RecordingCanvas& dc) {
  std::vector<CanvasCall> labels;
  for (const CanvasCall& call : dc.CallsOf(CanvasOp::kTextInRect))
    if (call.flags == (kTextCenter | kTextNoClip)) labels.push_back(call);
  return labels;
}

std::vector<CanvasCall> LegendTexts(const RecordingCanvas& dc) {
  std::vector<CanvasCall> texts;
  for (const CanvasCall& call : dc.CallsOf(CanvasOp::kTextInRect))
    if (call.flags == kTextLeft) texts.push_back(call);
  return texts;
}

// Centres of the pies: the middle of each slice's bounding box.
std::set<std::pair<int, int>> PieCentres(const RecordingCanvas& dc) {
  std::set<std::pair<int, int>> centres;
  for (const CanvasCall& pie : dc.CallsOf(CanvasOp::kPie))
    centres.insert({(pie.args[0] + pie.args[2]) / 2, (pie.args[1] + pie.args[3]) / 2});
  return centres;
}

TEST(PieGrid, PicksTheRowsThatGiveTheLargestPies) {
  const auto grid = [](int n, int w, int h) {
    const PieGraph::Grid g = PieGraph::PieGrid(n, w, h);
    return std::vector<int>{g.rows, g.cols, g.radius};
  };
  EXPECT_EQ(grid(1, 500, 300), (std::vector<int>{1, 1, 150}));
  EXPECT_EQ(grid(3, 900, 300), (std::vector<int>{1, 3, 150}));  // two rows would give 75
  EXPECT_EQ(grid(3, 400, 400), (std::vector<int>{2, 2, 100}));
  EXPECT_EQ(grid(4, 400, 400), (std::vector<int>{2, 2, 100}));
  EXPECT_EQ(grid(2, 200, 800), (std::vector<int>{2, 1, 100}));
  EXPECT_EQ(grid(0, 400, 400), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(grid(3, 1, 1), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(grid(2, 400, -5), (std::vector<int>{0, 0, 0}));
}

class PieLayout : public ::testing::Test {
 protected:
  test::LoadedTexts texts;
  RecordingCanvas dc;
  PieGraph graph;
  void Draw(const HistogramData& data, int question, int right, int bottom) {
    graph.data = &data;
    graph.questions = &texts.questions;
    graph.questionIndex = question;
    graph.Draw(dc, 0, 0, right, bottom);
  }
};

// Bottom 391: yTop 39 and the legend from 339, so the pies get 900 x 300.
TEST_F(PieLayout, ThreePiesInOneRow) {
  const HistogramData data = MakeData({{0.25, 0.25, 0.5}, {0.25, 0.25, 0.5}, {0.25, 0.25, 0.5}});
  Draw(data, 6, 900, 391);
  EXPECT_EQ(PieCentres(dc), (std::set<std::pair<int, int>>{{150, 189}, {450, 189}, {750, 189}}));
  const CanvasCall first = dc.CallsOf(CanvasOp::kPie).front();
  EXPECT_EQ(first.args[2] - first.args[0], 2 * 112);  // drawn at three quarters of the radius
  // Radius 150 carries percent labels.
  EXPECT_EQ(test::Texts(PercentLabels(dc)),
            (std::vector<std::string>{"25", "25", "50", "25", "25", "50", "25", "25", "50"}));
  EXPECT_EQ(dc.CallsOf(CanvasOp::kTextInRect).front().text, "Question 7");
  EXPECT_EQ(dc.CallsOf(CanvasOp::kTextInRect).front().textColor, kBlack);
}

// Bottom 502: yTop 50 and the legend from 450, so the pies get 400 x 400.
TEST_F(PieLayout, AnIncompleteLastRowIsCentred) {
  const HistogramData data = MakeData({{0.25, 0.25, 0.5}, {0.25, 0.25, 0.5}, {0.25, 0.25, 0.5}});
  Draw(data, 6, 400, 502);
  EXPECT_EQ(PieCentres(dc), (std::set<std::pair<int, int>>{{100, 150}, {300, 150}, {200, 350}}));
  EXPECT_TRUE(PercentLabels(dc).empty());  // radius 100: no labels
}

TEST_F(PieLayout, SlicesFollowClockwiseFromThreeOClock) {
  const int values[3] = {333, 333, 334};
  graph.DrawPie(dc, kCx, kCy, 200, 3, values);
  const std::vector<CanvasCall> slices = dc.CallsOf(CanvasOp::kPie);
  ASSERT_EQ(slices.size(), 3u);
  // r = 150: bounding box and the first slice starting at 3 o'clock.
  EXPECT_EQ(slices[0].args[0], kCx - 150);
  EXPECT_EQ(slices[0].args[3], kCy + 150);
  EXPECT_EQ(slices[0].args[6], kCx + 150);
  EXPECT_EQ(slices[0].args[7], kCy);
  // A third of the way round clockwise, seen with y downwards: below and left.
  EXPECT_LT(slices[0].args[4], kCx);
  EXPECT_GT(slices[0].args[5], kCy);
  // Each slice starts where the previous one ended; the last ends at 3 o'clock.
  EXPECT_EQ(slices[1].args[6], slices[0].args[4]);
  EXPECT_EQ(slices[1].args[7], slices[0].args[5]);
  EXPECT_GT(slices[2].args[4], kCx + 140);
  EXPECT_EQ(slices[2].args[5], kCy);
  EXPECT_EQ(slices[0].brush, SolidBrush(PieGraph::AnswerColor(0)));
  EXPECT_EQ(slices[2].brush, SolidBrush(PieGraph::AnswerColor(2)));
  EXPECT_EQ(slices[0].pen, SolidPen(kBlack));
  // Integer percents: 33, 33, 33; the first label stands outside the pie beside
  // the middle of its slice, at 4 to 5 o'clock.
  const std::vector<CanvasCall> labels = PercentLabels(dc);
  EXPECT_EQ(test::Texts(labels), (std::vector<std::string>{"33", "33", "33"}));
  const int labelX = (labels[0].args[0] + labels[0].args[2]) / 2 - kCx;
  const int labelY = (labels[0].args[1] + labels[0].args[3]) / 2 - kCy;
  EXPECT_GT(labelX, 60);
  EXPECT_GT(labelY, 120);
  EXPECT_GT(labelX * labelX + labelY * labelY, 160 * 160);
}

TEST_F(PieLayout, EmptySlicesFullSlicesAndEmptyPies) {
  // A slice of 0 draws nothing and has no room for a label.
  const int zeroFirst[3] = {0, 500, 500};
  graph.DrawPie(dc, kCx, kCy, 200, 3, zeroFirst);
  EXPECT_EQ(dc.CallsOf(CanvasOp::kPie).size(), 2u);
  EXPECT_EQ(test::Texts(PercentLabels(dc)), (std::vector<std::string>{"50", "50"}));

  // The whole pie in one slice: a full disc in its colour with one label and no
  // radius line.
  dc.Clear();
  const int whole[3] = {0, 1000, 0};
  graph.DrawPie(dc, kCx, kCy, 200, 3, whole);
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kPie).empty());
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kLine).empty());
  const std::vector<CanvasCall> discs = dc.CallsOf(CanvasOp::kEllipse);
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].brush, SolidBrush(PieGraph::AnswerColor(1)));
  EXPECT_EQ(discs[0].args, (std::vector<int>{kCx - 150, kCy - 150, kCx + 150, kCy + 150}));
  EXPECT_EQ(test::Texts(PercentLabels(dc)), (std::vector<std::string>{"100"}));

  // Nothing to share out: an empty outline, no labels.
  dc.Clear();
  const int nothing[3] = {0, 0, 0};
  graph.DrawPie(dc, kCx, kCy, 200, 3, nothing);
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kPie).empty());
  ASSERT_EQ(dc.CallsOf(CanvasOp::kEllipse).size(), 1u);
  EXPECT_EQ(dc.CallsOf(CanvasOp::kEllipse)[0].brush, NullBrush());
  EXPECT_TRUE(PercentLabels(dc).empty());
}

TEST_F(PieLayout, WithoutPiesTheTitleAndLegendRemain) {
  HistogramData data = MakeData({{0.25, 0.25, 0.5}});
  data.shownCount = 0;
  Draw(data, 6, 900, 391);
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kPie).empty());
  EXPECT_EQ(dc.CallsOf(CanvasOp::kRectangle).size(), 3u);
  EXPECT_EQ(dc.CallsOf(CanvasOp::kTextInRect).front().text, "Question 7");

  // No room for a pie above the legend.
  data.shownCount = 1;
  dc.Clear();
  Draw(data, 6, 900, 55);
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kPie).empty());
  EXPECT_TRUE(dc.CallsOf(CanvasOp::kEllipse).empty());
  EXPECT_EQ(test::Texts(LegendTexts(dc)), (std::vector<std::string>{"Long 7.1", "Long 7.2", "Long 7.3"}));
}

TEST_F(PieLayout, LegendColumnsOfThreeWithShortTextsWhenNarrow) {
  std::vector<double> shares(15, 1.0 / 15);
  const HistogramData data = MakeData({shares});
  Draw(data, 0, 600, 502);  // five columns of 108, not wider than 20 widths of "A"
  const std::vector<CanvasCall> legend = LegendTexts(dc);
  ASSERT_EQ(legend.size(), 15u);
  EXPECT_EQ(legend[0].text, "S1.1");
  // Answer 5 (index 4) stands in column 1, line 1: x0 = 30 + 108, y0 = 450 + 13.
  EXPECT_EQ(legend[4].args, (std::vector<int>{138 + 12, 463 + 2, 30 + 216 - 3, 463 + 17}));
  const std::vector<CanvasCall> boxes = dc.CallsOf(CanvasOp::kRectangle);
  ASSERT_EQ(boxes.size(), 15u);
  EXPECT_EQ(boxes[4].args, (std::vector<int>{138, 463 + 4, 138 + 9, 463 + 13}));
  EXPECT_EQ(boxes[4].brush, SolidBrush(PieGraph::AnswerColor(4)));
  EXPECT_EQ(boxes[4].pen, SolidPen(kBlack));

  dc.Clear();
  Draw(data, 0, 1200, 502);  // columns of 216
  EXPECT_EQ(LegendTexts(dc)[0].text, "Long 1.1");
}

TEST_F(PieLayout, MoreAnswersThanColoursReuseThePalette) {
  std::vector<double> shares(20, 0.05);
  const HistogramData data = MakeData({shares});
  Draw(data, 0, 1200, 600);
  const std::vector<CanvasCall> boxes = dc.CallsOf(CanvasOp::kRectangle);
  ASSERT_EQ(boxes.size(), 20u);
  EXPECT_EQ(boxes[16].brush, boxes[0].brush);
  EXPECT_EQ(boxes[19].brush, boxes[3].brush);
  const std::vector<CanvasCall> slices = dc.CallsOf(CanvasOp::kPie);
  ASSERT_EQ(slices.size(), 20u);
  EXPECT_EQ(slices[17].brush, SolidBrush(PieGraph::AnswerColor(1)));
}

// Where a percent label's text stands with the recording canvas's metrics.
CanvasRect LabelTextBox(const CanvasCall& label) {
  const int cx = (label.args[0] + label.args[2]) / 2, cy = (label.args[1] + label.args[3]) / 2;
  const int width = RecordingCanvas::kNarrowCharWidth * CodePointCount(label.text);
  return {cx - width / 2, cy - RecordingCanvas::kNarrowLineHeight / 2, cx + (width + 1) / 2,
          cy + (RecordingCanvas::kNarrowLineHeight + 1) / 2};
}

// Thin slices anywhere round the pie: a label is left out where its slice is too
// narrow for it, so no two labels overlap, while wide slices keep theirs.
TEST_F(PieLayout, LabelsOfThinSlicesNeverOverlap) {
  const std::vector<std::vector<int>> pies = {
      {5, 5, 5, 985},           // at 3 o'clock, stacked vertically
      {240, 8, 8, 8, 736},      // at 6 o'clock, side by side
      {480, 10, 10, 10, 490},   // at 9 o'clock
      {700, 20, 20, 20, 240},   // near 12 o'clock
      {100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
  };
  for (const std::vector<int>& values : pies) {
    dc.Clear();
    graph.DrawPie(dc, kCx, kCy, 200, static_cast<int>(values.size()), values.data());
    const std::vector<CanvasCall> labels = PercentLabels(dc);
    for (std::size_t i = 0; i < labels.size(); ++i)
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        const CanvasRect a = LabelTextBox(labels[i]), b = LabelTextBox(labels[j]);
        EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top)
            << labels[i].text << " and " << labels[j].text << " of a pie starting with " << values[0];
      }
    // The wide slices (a tenth or more) are labelled.
    std::size_t wide = 0;
    for (const int v : values) wide += v >= 100;
    EXPECT_GE(labels.size(), wide) << values[0];
  }
}

// A label stands 1.5 lines outside the drawn circle on the bisector of its slice.
TEST_F(PieLayout, LabelsStandOnTheirSlicesBisector) {
  const int values[2] = {250, 750};
  graph.DrawPie(dc, kCx, kCy, 200, 2, values);
  const std::vector<CanvasCall> labels = PercentLabels(dc);
  ASSERT_EQ(labels.size(), 2u);
  // r = 150, distance 150 + 19 = 169; bisectors at 45 and 225 degrees (clockwise, y down).
  EXPECT_EQ(labels[0].args, (std::vector<int>{kCx + 119 - 12, kCy + 119 - 6, kCx + 119 + 12, kCy + 119 + 6}));
  EXPECT_EQ(labels[1].args, (std::vector<int>{kCx - 119 - 12, kCy - 119 - 6, kCx - 119 + 12, kCy - 119 + 6}));
  EXPECT_EQ(test::Texts(labels), (std::vector<std::string>{"25", "75"}));
}

// Legend columns wider than 20 widths of "A" (120) show the long texts.
TEST_F(PieLayout, LegendTextsLongOnlyAboveTwentyLetters) {
  const HistogramData data = MakeData({{0.25, 0.25, 0.5}});
  for (const auto& [right, text] : std::vector<std::pair<int, std::string>>{{132, "S7.1"}, {133, "Long 7.1"}}) {
    dc.Clear();
    Draw(data, 6, right, 400);  // one legend column of right - 2 x (right / 20)
    EXPECT_EQ(LegendTexts(dc).front().text, text) << right;
  }
}

// Every answer of a pie has a colour of its own, far from all others, whatever
// the slots' colours are.
TEST_F(PieLayout, AnswersHaveSixteenDistinctColours) {
  std::vector<double> shares(16, 1.0 / 16);
  const HistogramData data = MakeData({shares});
  CSettings settings;
  settings.colors.fill(0x123456);
  graph.settings = &settings;
  Draw(data, 0, 1200, 700);
  const std::vector<CanvasCall> slices = dc.CallsOf(CanvasOp::kPie);
  const std::vector<CanvasCall> boxes = dc.CallsOf(CanvasOp::kRectangle);
  ASSERT_EQ(slices.size(), 16u);
  ASSERT_EQ(boxes.size(), 16u);
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(boxes[i].brush, slices[i].brush);
    for (std::size_t j = i + 1; j < 16; ++j)
      EXPECT_GE(ColorDistance(slices[i].brush.color, slices[j].brush.color), 100) << i << " and " << j;
  }
}

}  // namespace
}  // namespace orbica
