// The printed page of a histogram: the graph with a legend of the answers and of
// the displayed subpopulations below it (side by side on a landscape page).
#pragma once

#include <string>
#include <vector>

#include "histogram/canvas.h"
#include "histogram/graph.h"

namespace orbica {

struct PrintLegend {
  std::vector<std::string> answerTexts;         // long texts of the answers, in order
  std::vector<std::string> subpopulationNames;  // names of the shown slots, in slot order
};

// Draws the page into (left, top, right, bottom): the graph (which must already
// hold its data, question and options) without hit regions, then the legend blocks.
void DrawPrintPage(Canvas& dc, int left, int top, int right, int bottom, BaseGraph& graph, const PrintLegend& legend);

}  // namespace orbica
