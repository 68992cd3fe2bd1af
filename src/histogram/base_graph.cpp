#include "histogram/graph.h"
#include "survey/question_list.h"
#include "survey/settings.h"

namespace orbica {

std::optional<HitRegion> HitRegionList::HitTest(int x, int y) const {
  for (const HitRegion& region : regions_)
    if (region.kind == kHitAnswerColumn && region.left <= x && x <= region.right && region.top <= y &&
        y <= region.bottom)
      return region;
  return std::nullopt;
}

std::string BaseGraph::QuestionText(int question) const {
  if (!questions || !questions->Loaded() || question < 0 || question >= questions->QuestionCount()) return {};
  return questions->QuestionText(question);
}

std::string BaseGraph::ShortAnswerText(int question, int n) const {
  if (!questions || !questions->Loaded() || question < 0 || question >= questions->QuestionCount()) return {};
  if (n < 1 || n > questions->AnswerCount(question)) return {};
  const std::string* text = questions->ShortText(question, n);
  return text ? *text : std::string();
}

std::string BaseGraph::LongAnswerText(int question, int n) const {
  if (!questions || !questions->Loaded() || question < 0 || question >= questions->QuestionCount()) return {};
  if (n < 1 || n > questions->AnswerCount(question)) return {};
  const std::string* text = questions->LongText(question, n);
  return text ? *text : std::string();
}

Color BaseGraph::PaletteColor(int index) const {
  // Sixteen colours; further answers take them again from the start.
  const auto& palette = settings ? settings->colors : kDefaultPalette;
  const int size = static_cast<int>(palette.size());
  return palette[static_cast<std::size_t>(((index % size) + size) % size)] & 0xFFFFFF;
}

namespace {
const CSettings& DefaultSettings() {
  static const CSettings defaults;
  return defaults;
}
}  // namespace

Color BaseGraph::GradientTop() const { return (settings ? *settings : DefaultSettings()).gradientTop; }
Color BaseGraph::GradientBottom() const { return (settings ? *settings : DefaultSettings()).gradientBottom; }

ContrastColors BaseGraph::Contrast() const { return ContrastColorsFor(GradientTop(), GradientBottom()); }

void BaseGraph::DrawTitle(Canvas& dc, int left, int top, int right, int bottom, int question) const {
  const CanvasFont previous = dc.SelectFont(CanvasFont::kDeviceDefault);
  const int titleTop = top + (bottom - top) / 20 - 5;
  const int height = dc.TextExtent("A").cy;
  const CanvasRect box{left + 5, titleTop, right - 5, titleTop + height};
  // A rectangle too small for the title's line shows none.
  if (box.top >= top && box.bottom <= bottom && box.right > box.left)
    dc.TextInRect(FitText(dc, QuestionText(question), box.right - box.left), box, kTextCenter);
  dc.SelectFont(previous);
}

std::unique_ptr<BaseGraph> MakeGraph(int style) {
  switch (style) {
    case kStyleBar2D: return std::make_unique<BarGraph>();
    case kStyleBar3D: return std::make_unique<BarGraph3D>();
    case kStyleCylinder: return std::make_unique<CylinderGraph>();
    case kStylePie: return std::make_unique<PieGraph>();
    default: return nullptr;
  }
}

void DrawHistogramWindow(Canvas& dc, BaseGraph& graph, int width, int height, int panelHeight) {
  DrawBackground(dc, 0, 0, width, height, graph.settings ? *graph.settings : DefaultSettings());
  graph.Draw(dc, 5, 5, width - 5, height - panelHeight - 7);
}

}  // namespace orbica
