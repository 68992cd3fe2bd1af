// render: draws a histogram window's graph into a PNG, SVG or PDF file.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>

#include "app/canvas/graph_file.h"
#include "cli/cli_common.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/gui_session.h"
#include "engine/app_context.h"
#include "histogram/graph.h"
#include "histogram/histogram_data.h"

namespace orbica::cli {
namespace {

constexpr int kMaxImageExtent = 8192;
// The navigation panel under a histogram window's graph is 14 dialog units high.
constexpr int kPanelHeightUnits = 14;

struct RenderOptions {
  int style = -1;
  int question = -1;
  bool behind = false;
  bool absolute = false;
  bool errors = true;
  bool highlight = true;
  int width = 1024;
  int height = 700;
  std::string out;
  GraphFileKind kind = GraphFileKind::kPng;
  std::vector<ConditionSet> sets;
};

std::optional<int> ParseStyle(const std::string& text) {
  if (text == "bar2d") return kStyleBar2D;
  if (text == "bar3d") return kStyleBar3D;
  if (text == "cylinder") return kStyleCylinder;
  if (text == "pie") return kStylePie;
  return std::nullopt;
}

bool ParseSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const auto w = ParseInteger(text.substr(0, x), 1, kMaxImageExtent);
  const auto h = ParseInteger(text.substr(x + 1), 1, kMaxImageExtent);
  if (!w || !h) return false;
  width = static_cast<int>(*w);
  height = static_cast<int>(*h);
  return true;
}

// Reads the options; on a mistake prints it and returns the usage exit code.
std::optional<int> ParseRenderOptions(const Args& args, RenderOptions& options) {
  bool haveQuestion = false;
  std::vector<std::string> codes;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool hasValue = i + 1 < args.size();
    if (word == "--style") {
      if (!hasValue)
        return UsageError(
            QCoreApplication::translate("orbica-cli", "--style needs a value (bar2d, bar3d, cylinder or pie)"));
      const auto style = ParseStyle(args[++i]);
      if (!style)
        return UsageError(QCoreApplication::translate("orbica-cli", "bad style \"%1\" (bar2d, bar3d, cylinder or pie)")
                              .arg(FromUtf8(args[i])));
      options.style = *style;
    } else if (word == "--question") {
      if (!hasValue) return UsageError(QCoreApplication::translate("orbica-cli", "--question needs a question number"));
      const auto question = ParseQuestionNumber(args[++i]);
      if (!question)
        return UsageError(QCoreApplication::translate("orbica-cli", "bad question number \"%1\" (questions are 1..24)")
                              .arg(FromUtf8(args[i])));
      options.question = *question;
      haveQuestion = true;
    } else if (word == "--size") {
      if (!hasValue) return UsageError(QCoreApplication::translate("orbica-cli", "--size needs WxH"));
      if (!ParseSize(args[++i], options.width, options.height))
        return UsageError(QCoreApplication::translate("orbica-cli", "bad size \"%1\" (WxH, each 1..%2)")
                              .arg(FromUtf8(args[i]), QString::number(kMaxImageExtent)));
    } else if (word == "--out") {
      if (!hasValue) return UsageError(QCoreApplication::translate("orbica-cli", "--out needs a file name"));
      options.out = args[++i];
      const auto kind = GraphFileKindOf(QString::fromStdString(options.out));
      if (!kind)
        return UsageError(
            QCoreApplication::translate("orbica-cli", "the output file \"%1\" must end in .png, .svg or .pdf")
                .arg(FromUtf8(options.out)));
      options.kind = *kind;
    } else if (word == "--behind") {
      options.behind = true;
    } else if (word == "--absolute") {
      options.absolute = true;
    } else if (word == "--no-errors") {
      options.errors = false;
    } else if (word == "--no-highlight") {
      options.highlight = false;
    } else if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      return UsageError(UnknownOption(word));
    } else {
      codes.push_back(word);
    }
  }
  if (options.style < 0) return UsageError(QCoreApplication::translate("orbica-cli", "--style is missing"));
  if (!haveQuestion) return UsageError(QCoreApplication::translate("orbica-cli", "--question is missing"));
  if (options.out.empty()) return UsageError(QCoreApplication::translate("orbica-cli", "--out is missing"));
  if (codes.empty())
    return UsageError(QCoreApplication::translate("orbica-cli", "no subpopulation CODE given (one to four)"));
  if (codes.size() > kDisplaySlots)
    return UsageError(QCoreApplication::translate("orbica-cli", "at most four subpopulation codes can be shown"));
  for (const std::string& code : codes) {
    const auto set = ParseCodeOrComplain(code);
    if (!set) return kExitUsage;
    options.sets.push_back(*set);
  }
  return std::nullopt;
}

// Height in pixels of the navigation panel that a window reserves below its graph:
// dialog units of the application font, as the panel itself is laid out.
int PanelHeight() {
  return kPanelHeightUnits * std::max(QFontMetrics(QGuiApplication::font()).height(), 1) / 8;
}

int CmdRender(const Args& args, OutputFormat) {
  RenderOptions options;
  if (const auto failure = ParseRenderOptions(args, options)) return *failure;

  StreamNotifier notifier = ErrorNotifier();
  AppContext context(notifier);
  if (context.StartUp() != 0) return kExitLoadFailure;

  // The listed subpopulations stand in display slots 0, 1, ... and are shown.
  for (int slot = 0; slot < kDisplaySlots; ++slot) {
    if (slot < static_cast<int>(options.sets.size())) {
      auto population = std::make_unique<CPopulace>(0);
      population->Masks() = options.sets[static_cast<std::size_t>(slot)];
      context.displayed.Put(slot, std::move(population));
      context.displayed.Show(slot, true);
    } else {
      context.displayed.Show(slot, false);
    }
  }
  HistogramData data;
  RecomputeHistogram(data, options.question, context.model, context.displayed);

  std::unique_ptr<BaseGraph> graph = MakeGraph(options.style);
  graph->data = &data;
  graph->questions = &context.questions;
  graph->settings = &context.settings;
  graph->respondents = context.model.Respondents();
  graph->questionIndex = options.question;
  graph->showTitle = true;
  graph->showErrors = options.errors;
  graph->absolute = options.absolute;
  // As on the screen, the first answer's label is highlighted.
  graph->interactive = options.highlight;
  graph->selectedAnswer = 1;
  graph->SetArrangement(options.behind ? kArrangementBehind : kArrangementBeside);

  GuiSession gui;
  const bool written =
      WriteGraphFile(*graph, QString::fromStdString(options.out), options.kind, options.width, options.height,
                     QStringLiteral("Frequencies for question %1").arg(options.question + 1), PanelHeight());
  if (!written) {
    std::cerr
        << "orbica-cli: "
        << QCoreApplication::translate("orbica-cli", "cannot write \"%1\"").arg(FromUtf8(options.out)).toStdString()
        << '\n';
    return kExitLoadFailure;
  }
  return kExitOk;
}

const CommandRegistrar kRender(
    {"render", CmdRender,
     "render --style S --question Q [--behind] [--absolute] [--no-errors] [--no-highlight] [--size WxH] --out FILE "
     "CODE...",
     QT_TRANSLATE_NOOP("orbica-cli", "draw a histogram (PNG, SVG or PDF)"),
     QT_TRANSLATE_NOOP("orbica-cli",
                       "Draws the graph of a histogram window for question Q (1..24) with one to four\n"
                       "subpopulations CODE... into FILE; its name ends in .png, .svg or .pdf.\n"
                       "  --style S      bar2d, bar3d, cylinder or pie\n"
                       "  --behind       bars of several subpopulations behind each other (default beside)\n"
                       "  --absolute     numbers of persons instead of shares in percent\n"
                       "  --no-errors    without the error boxes\n"
                       "  --no-highlight without the highlighted label of answer 1\n"
                       "  --size WxH     picture size in pixels, each 1..8192 (default 1024x700)\n"),
     60, false, true, true});

}  // namespace
}  // namespace orbica::cli
