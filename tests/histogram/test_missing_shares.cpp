// Shares that a model leaves without a usable value, in every graph style: the
// answer gets no bar, slice or value text, and the scale and the pie's total
// are those of the other answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <memory>
#include <ostream>
#include <tuple>

#include "graph_test_support.h"

namespace orbica {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Unusable {
  double share, error;
};
void PrintTo(const Unusable& u, std::ostream* os) { *os << "share " << u.share << " error " << u.error; }

// The x coordinates of a drawing call.
std::vector<int> Xs(const CanvasCall& call) {
  std::vector<int> xs;
  for (const CanvasPoint& p : call.points) xs.push_back(p.x);
  for (std::size_t i = 0; i < call.args.size(); i += 2) xs.push_back(call.args[i]);
  return xs;
}

bool IsShapeOrValue(CanvasOp op) {
  return op == CanvasOp::kRectangle || op == CanvasOp::kPolygon || op == CanvasOp::kEllipse || op == CanvasOp::kPie ||
         op == CanvasOp::kLine || op == CanvasOp::kSetPixel || op == CanvasOp::kTextAt;
}

// Shapes and value texts that lie wholly between lo and hi.
int CallsWithin(const RecordingCanvas& dc, int lo, int hi) {
  return static_cast<int>(std::count_if(dc.Calls().begin(), dc.Calls().end(), [&](const CanvasCall& call) {
    const std::vector<int> xs = Xs(call);
    return IsShapeOrValue(call.op) && !xs.empty() &&
           std::all_of(xs.begin(), xs.end(), [&](int x) { return lo <= x && x <= hi; });
  }));
}

std::vector<std::string> TextsOf(const RecordingCanvas& dc, CanvasOp op, unsigned flags = 0) {
  std::vector<std::string> texts;
  for (const CanvasCall& call : dc.CallsOf(op))
    if (op != CanvasOp::kTextInRect || call.flags == flags) texts.push_back(call.text);
  return texts;
}

class MissingShare : public ::testing::TestWithParam<std::tuple<int, bool, Unusable>> {};

TEST_P(MissingShare, HasNoShapeNoTextAndNoPartInScaleOrTotal) {
  const auto [style, absolute, unusable] = GetParam();
  const test::LoadedTexts texts;
  // Question 7 has three answers; the second is unusable, the others hold 20 %
  // and 60 % of the 1000 persons.
  const HistogramData data = test::MakeData({{0.2, unusable.share, 0.6}}, {{0.01, unusable.error, 0.01}});
  std::unique_ptr<BaseGraph> graph = MakeGraph(style);
  graph->data = &data;
  graph->questions = &texts.questions;
  graph->questionIndex = 6;
  graph->respondents = 1000;
  graph->absolute = absolute;
  graph->interactive = true;
  RecordingCanvas dc;
  graph->Draw(dc, 0, 0, 640, 480);

  for (const CanvasCall& call : dc.Calls()) {
    std::string lower = call.text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(lower.find("nan"), std::string::npos) << call.text;
    EXPECT_EQ(lower.find("inf"), std::string::npos) << call.text;
    for (const int x : Xs(call)) EXPECT_LT(std::abs(x), 10000);
    for (const CanvasPoint& p : call.points) EXPECT_LT(std::abs(p.y), 10000);
    for (std::size_t i = 1; i < call.args.size(); i += 2) EXPECT_LT(std::abs(call.args[i]), 10000);
  }

  if (style == kStylePie) {
    // The slices of the usable answers make the whole pie: 25 and 75 percent.
    for (const CanvasCall& pie : dc.CallsOf(CanvasOp::kPie)) EXPECT_NE(pie.brush.color, PieGraph::AnswerColor(1));
    EXPECT_EQ(dc.CallsOf(CanvasOp::kPie).size(), 2u);
    EXPECT_EQ(TextsOf(dc, CanvasOp::kTextInRect, kTextCenter | kTextNoClip), (std::vector<std::string>{"25", "75"}));
    return;
  }

  // Nothing stands in the second answer's column (a cylinder reaches up to 10
  // pixels left of its bar); the first one's holds its bar.
  const std::vector<HitRegion>& columns = graph->regions.Regions();
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(CallsWithin(dc, columns[1].left - 10, columns[1].right), 0);
  EXPECT_GT(CallsWithin(dc, columns[0].left - 10, columns[0].right), 0);
  EXPECT_EQ(TextsOf(dc, CanvasOp::kTextAt),
            absolute ? (std::vector<std::string>{"200", "600"}) : (std::vector<std::string>{"20,0 %", "60,0 %"}));
  // The scale runs to the rounded largest usable value.
  EXPECT_EQ(TextsOf(dc, CanvasOp::kTextInRect, kTextRight | kTextNoClip).back(), absolute ? "600" : "100");
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, MissingShare,
                         ::testing::Combine(::testing::Values(kStyleBar2D, kStyleBar3D, kStyleCylinder, kStylePie),
                                            ::testing::Bool(),
                                            ::testing::Values(Unusable{kNaN, 0.01}, Unusable{kInf, 0.01},
                                                              Unusable{-0.2, 0.01}, Unusable{0.3, kNaN})));

}  // namespace
}  // namespace orbica
