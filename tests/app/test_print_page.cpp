// The printed page on the recording canvas (variable-pitch font 6 x 13): where
// the graph and the two legend blocks stand on portrait and landscape pages, and
// how the answers block names the answers.
#include <gtest/gtest.h>

#include "../histogram/graph_test_support.h"
#include "app/print_page.h"

namespace orbica {
namespace {

using test::MakeData;

// The texts drawn in legend rectangles, with their rectangles.
std::vector<CanvasCall> LegendCalls(const RecordingCanvas& dc) {
  std::vector<CanvasCall> calls;
  for (const CanvasCall& call : dc.CallsOf(CanvasOp::kTextInRect))
    if (call.flags == (kTextLeft | kTextSingleLine) && call.font == CanvasFont::kVariablePitch) calls.push_back(call);
  return calls;
}

const CanvasCall* Find(const std::vector<CanvasCall>& calls, const std::string& text) {
  for (const CanvasCall& call : calls)
    if (call.text == text) return &call;
  return nullptr;
}

// The lowest point the graph drew: the bottom of its answer labels.
int GraphBottom(const RecordingCanvas& dc) {
  int bottom = 0;
  for (const CanvasCall& call : dc.CallsOf(CanvasOp::kTextInRect))
    if (call.font == CanvasFont::kDeviceDefault) bottom = std::max(bottom, call.args[3]);
  return bottom;
}

PrintLegend Legend(int answers) {
  PrintLegend legend;
  for (int k = 1; k <= answers; ++k) legend.answerTexts.push_back(std::to_string(k) + ". Answer text " + std::to_string(k));
  legend.subpopulationNames = {"Whole population"};
  return legend;
}

struct Page {
  int style, right, bottom;
  std::vector<int> answersHeading, firstAnswer, subpopulationsHeading, firstName;  // rectangles; empty: none
  int graphBottom;
};

TEST(PrintPage, LegendBlocksBelowTheGraph) {
  // Three answers (blocks of 6 and 4 lines), one subpopulation.
  const std::vector<Page> pages = {
      // Portrait 600 x 900: answers from 900 - 13 - 78 = 809, subpopulations from 757.
      {kStyleBar3D, 600, 900, {30, 822, 570, 835}, {36, 848, 570, 861}, {30, 770, 570, 783}, {54, 796, 570, 809}, 744},
      // Landscape 900 x 600: both blocks from 600 - 78 = 522, split at 450.
      {kStyleBar2D, 900, 600, {22, 535, 428, 548}, {28, 561, 428, 574}, {472, 535, 878, 548}, {496, 561, 878, 574}, 509},
      // Pies: only the subpopulations, from 600 - 13 - 52 = 535; the graph ends there.
      {kStylePie, 900, 600, {}, {}, {45, 548, 855, 561}, {69, 574, 855, 587}, 535},
  };
  const HistogramData data = MakeData({{0.5, 0.25, 0.25}});
  for (const Page& page : pages) {
    SCOPED_TRACE(page.style);
    auto graph = MakeGraph(page.style);
    graph->data = &data;
    RecordingCanvas dc;
    DrawPrintPage(dc, 0, 0, page.right, page.bottom, *graph, Legend(3));
    const std::vector<CanvasCall> legend = LegendCalls(dc);
    const CanvasCall* answers = Find(legend, "Answers");
    if (page.answersHeading.empty()) {
      EXPECT_EQ(answers, nullptr);
    } else {
      ASSERT_NE(answers, nullptr);
      EXPECT_EQ(answers->args, page.answersHeading);
      ASSERT_NE(Find(legend, "1. "), nullptr);
      EXPECT_EQ(Find(legend, "1. ")->args, page.firstAnswer);
      ASSERT_NE(Find(legend, "Answer text 3"), nullptr);
      EXPECT_EQ(Find(legend, "Answer text 3")->args[1], page.firstAnswer[1] + 2 * 13);
    }
    const CanvasCall* subpopulations = Find(legend, "Displayed subpopulations");
    ASSERT_NE(subpopulations, nullptr);
    EXPECT_EQ(subpopulations->args, page.subpopulationsHeading);
    ASSERT_NE(Find(legend, "Whole population"), nullptr);
    EXPECT_EQ(Find(legend, "Whole population")->args, page.firstName);
    EXPECT_EQ(Find(legend, "1.")->args[1], page.firstName[1]);
    if (page.style == kStylePie) {
      EXPECT_LE(dc.CallsOf(CanvasOp::kRectangle).back().args[3], page.graphBottom);  // the pie legend's last box
    } else {
      EXPECT_EQ(GraphBottom(dc), page.graphBottom);
    }
    EXPECT_EQ(dc.CurrentFont(), CanvasFont::kSystem);  // the font it found
  }
}

// Where the graph labels its answers a, b, c, ..., the legend uses the same
// letters instead of the numbers the texts begin with.
TEST(PrintPage, LetteredAnswersKeepTheirLettersInTheLegend) {
  std::vector<double> shares(15, 1.0 / 15);
  const HistogramData data = MakeData({shares});
  BarGraph3D graph;
  graph.data = &data;
  RecordingCanvas dc;
  DrawPrintPage(dc, 0, 0, 600, 900, graph, Legend(15));
  ASSERT_TRUE(graph.LabelsAreLetters());
  const std::vector<CanvasCall> legend = LegendCalls(dc);
  EXPECT_NE(Find(legend, "a."), nullptr);
  EXPECT_NE(Find(legend, "o."), nullptr);
  EXPECT_EQ(Find(legend, "1. "), nullptr);
  EXPECT_NE(Find(legend, "Answer text 15"), nullptr);
}

}  // namespace
}  // namespace orbica
