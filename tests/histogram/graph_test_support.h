// Helpers of the graph tests: a loaded question list with predictable texts, data
// blocks, and graphs that record the bars the layout asks for.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "histogram/graph.h"
#include "histogram/recording_canvas.h"
#include "model/model.h"
#include "model/notifier.h"
#include "support/census_files.h"
#include "support/description_file.h"
#include "survey/question_list.h"
#include "survey/settings.h"

namespace orbica::test {

// Question texts of DescriptionFile::Labelled(tail), loaded against a model.
struct LoadedTexts {
  explicit LoadedTexts(const std::string& tail = "") {
    if (!WriteAndLoadModel(dir, TestModel::Uniform(1, 1000), model)) ADD_FAILURE() << "model not loaded";
    WriteText(dir.File("Otazky.txt"), DescriptionFile::Labelled(tail).Text());
    if (questions.Load(dir.File("Otazky.txt"), model, notifier) != 1) ADD_FAILURE() << "question texts not loaded";
  }
  TempDir dir;
  RecordingNotifier notifier;
  CModel model;
  CQuestionList questions;
};

// A data block of n rows (slots 0..n-1) with the given shares and errors per row.
inline HistogramData MakeData(const std::vector<std::vector<double>>& shares,
                              const std::vector<std::vector<double>>& errors = {}) {
  HistogramData data;
  data.shownCount = static_cast<int>(shares.size());
  data.answerCount = shares.empty() ? 0 : static_cast<int>(shares[0].size());
  for (std::size_t r = 0; r < shares.size(); ++r) {
    data.slot[r] = static_cast<int>(r);
    data.size[r] = 1.0;
    for (std::size_t a = 0; a < shares[r].size(); ++a) {
      const std::size_t i = r * static_cast<std::size_t>(data.answerCount) + a;
      data.shares[i] = shares[r][a];
      data.errors[i] = r < errors.size() ? errors[r][a] : 0.0;
    }
  }
  return data;
}

struct BarCall {
  int x, base, h, w, depth;
  Color color;
  bool errorBox;
};

// A bar style that records each bar instead of drawing it.
template <class Style>
class BarSpy : public Style {
 public:
  void DrawBar(Canvas&, int x, int base, int h, int w, int depth, Color color, bool errorBox) override {
    bars.push_back(BarCall{x, base, h, w, depth, color, errorBox});
  }
  std::vector<BarCall> bars;
  std::vector<BarCall> ValueBars() const {
    std::vector<BarCall> result;
    for (const BarCall& bar : bars)
      if (!bar.errorBox) result.push_back(bar);
    return result;
  }
  std::vector<BarCall> ErrorBoxes() const {
    std::vector<BarCall> result;
    for (const BarCall& bar : bars)
      if (bar.errorBox) result.push_back(bar);
    return result;
  }
};

// A tail that makes every question and answer text too long for a small graph.
inline const std::string kLongTail = " of a census question with a rather long description";

// Draws question 7 with the long texts into a rectangle `right` x `bottom`.
template <class Graph>
RecordingCanvas DrawWithLongTexts(Graph& graph, const HistogramData& data, int right, int bottom) {
  const LoadedTexts longTexts(kLongTail);
  graph.data = &data;
  graph.questions = &longTexts.questions;
  graph.questionIndex = 6;
  RecordingCanvas dc;
  graph.Draw(dc, 0, 0, right, bottom);
  graph.questions = nullptr;
  return dc;
}

// A text rectangle whose text begins with `start`, was shortened and fits its
// rectangle in characters `charWidth` wide.
inline void ExpectShortened(const CanvasCall& call, const std::string& start, int charWidth) {
  EXPECT_EQ(call.text.rfind(start, 0), 0u) << call.text;
  EXPECT_EQ(call.text.substr(call.text.size() - 3), "…") << call.text;
  EXPECT_LE(charWidth * CodePointCount(call.text), call.args[2] - call.args[0]) << call.text;
}

inline std::vector<std::string> Texts(const std::vector<CanvasCall>& calls) {
  std::vector<std::string> texts;
  for (const CanvasCall& call : calls) texts.push_back(call.text);
  return texts;
}

}  // namespace orbica::test
