// Drawing time of each graph style as a histogram window of 1920 x 1080 paints
// it (background gradient, then the graph) into a QImage: four shown
// subpopulations on question 1 (15 answers).
//   bench_graphs [CENSUS_FOLDER]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>

#include "app/canvas/qt_canvas.h"
#include "bench_util.h"
#include "engine/app_context.h"
#include "histogram/graph.h"
#include "histogram/recording_canvas.h"
#include "survey/subpopulation_code.h"

using namespace orbica;

int main(int argc, char** argv) {
  const std::string folder = bench::CensusFolder(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  char name[] = "bench_graphs";
  char* qtArgv[] = {name, nullptr};
  QGuiApplication app(qtArgc, qtArgv);

  RecordingNotifier notifier;
  AppContext context(notifier, folder);
  if (context.StartUp() != 0) {
    std::fprintf(stderr, "cannot load the census in %s\n", folder.c_str());
    return 1;
  }
  // Four shown slots: the whole population and three subpopulations.
  const char* codes[kDisplaySlots] = {"", "2b", "3ac", "5a 12b"};
  for (int slot = 0; slot < kDisplaySlots; ++slot) {
    auto population = std::make_unique<CPopulace>(0);
    ConditionSet set{};
    std::string error;
    if (!ParseSubpopulationCode(codes[slot], set, error)) return 1;
    population->Masks() = set;
    context.displayed.Put(slot, std::move(population));
    context.displayed.Show(slot, true);
  }
  HistogramData data;
  RecomputeHistogram(data, 0, context.model, context.displayed);
  std::printf("question 1: %d answers, %d shown subpopulations, image 1920 x 1080\n", data.answerCount,
              data.shownCount);

  QImage image(1920, 1080, QImage::Format_RGB32);
  const auto measure = [&](int style, int arrangement, const char* label) {
    std::unique_ptr<BaseGraph> graph = MakeGraph(style);
    graph->data = &data;
    graph->questions = &context.questions;
    graph->settings = &context.settings;
    graph->respondents = context.model.Respondents();
    graph->questionIndex = 0;
    graph->interactive = true;
    graph->SetArrangement(arrangement);
    std::size_t calls = 0;
    {
      RecordingCanvas recording;
      DrawHistogramWindow(recording, *graph, 1920, 1080, 0);
      calls = recording.Calls().size();
    }
    const auto draw = [&] {
      QPainter painter(&image);
      QtCanvas canvas(painter);
      DrawHistogramWindow(canvas, *graph, 1920, 1080, 0);
    };
    draw();  // warm-up: fonts and glyph caches
    const double seconds = bench::MedianSeconds(15, draw);
    std::printf("%-22s %7.2f ms  (%zu canvas calls)  %s\n", label, seconds * 1e3, calls,
                seconds < 0.016 ? "under 16 ms" : "OVER 16 ms");
  };
  measure(kStyleBar2D, kArrangementBeside, "2D bars");
  measure(kStyleBar3D, kArrangementBeside, "3D bars, beside");
  measure(kStyleBar3D, kArrangementBehind, "3D bars, behind");
  measure(kStyleCylinder, kArrangementBeside, "cylinders, beside");
  measure(kStyleCylinder, kArrangementBehind, "cylinders, behind");
  measure(kStylePie, kArrangementBeside, "pies");

  // Reference: the background gradient alone.
  const double background = bench::MedianSeconds(15, [&] {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    DrawBackground(canvas, 0, 0, 1920, 1080, context.settings);
  });
  std::printf("%-22s %7.2f ms\n", "background alone", background * 1e3);
  return 0;
}
