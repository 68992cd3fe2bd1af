// A small census in a temporary folder for the analysis tests: a hand-made model,
// a records file, labelled question texts, and an analysis on them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "analysis/analysis.h"
#include "support/census_files.h"
#include "support/description_file.h"

namespace orbica::test {

// Flat code and slot of answer a of question index q.
inline std::int32_t Code(int q, int a) { return FlatCodeStart(q) + a; }
inline int Slot(int q, int a) { return AnswerSlot(q, a); }

// A record with one to three answers given as (question index, answer) pairs.
inline CountRecord Rec(std::int32_t count, std::initializer_list<std::pair<int, int>> answers) {
  CountRecord r;
  r.count = count;
  int k = 0;
  for (const auto& [q, a] : answers) r.codes[static_cast<std::size_t>(k++)] = Code(q, a);
  return r;
}

// Records and progress of a search.
class RecordingObserver : public AnalysisObserver {
 public:
  void Progress(std::int64_t position, std::int64_t range) override { progress.push_back({position, range}); }
  void Done(std::int64_t records) override {
    ++doneCalls;
    doneRecords = records;
  }
  std::vector<std::pair<std::int64_t, std::int64_t>> progress;
  int doneCalls = 0;
  std::int64_t doneRecords = -1;
};

class AnalysisCensus {
 public:
  // Writes the files and loads the model (without the index of counts) and the texts.
  void Write(const TestModel& model, const std::vector<CountRecord>& records) {
    WriteBytes(dir.File("data.mle"), model.Bytes());
    WriteRecords(records);
    WriteText(dir.File("Otazky.txt"), DescriptionFile::Labelled().Text());
    ASSERT_EQ(this->model.Load(dir.File("data.mle"), notifier, false), 0);
    ASSERT_EQ(questions.Load(dir.File("Otazky.txt"), this->model, notifier), 1);
    analysis = std::make_unique<CAnalysis>(this->model, questions, notifier, dir.File("zData.gcd"));
  }
  void WriteRecords(const std::vector<CountRecord>& records) {
    WriteBytes(dir.File("zData.gcd"), RecordsBytes(records));
  }

  // A whole run (BeginRun, Search, FinishRun); the ranked conditions it found.
  std::vector<AnalysisHit> Run(RecordingObserver* observer = nullptr, bool* completed = nullptr) {
    RecordingObserver own;
    RecordingObserver& o = observer ? *observer : own;
    EXPECT_TRUE(analysis->BeginRun());
    analysis->Search(o, notifier);
    EXPECT_EQ(o.doneCalls, 1);
    std::vector<AnalysisHit> hits = analysis->Ranked();
    const bool done = analysis->FinishRun();
    if (completed) *completed = done;
    return hits;
  }

  TempDir dir;
  RecordingNotifier notifier;
  CModel model;
  CQuestionList questions;
  std::unique_ptr<CAnalysis> analysis;
};

// A model with random weights and probabilities (some exactly 0) for `components` components.
inline TestModel RandomModel(int components, std::uint32_t seed, std::int32_t respondents = 5000) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  TestModel m = TestModel::Uniform(components, respondents);
  for (double& w : m.weights) w = uniform(random) / components;
  for (int c = 0; c < components; ++c)
    for (int q = 0; q < kQuestionCount; ++q) {
      double total = 0.0;
      for (int a = 0; a < AnswerCount(q); ++a) total += (m.P(c, q, a) = uniform(random) < 0.1 ? 0.0 : uniform(random));
      for (int a = 0; a < AnswerCount(q); ++a) m.P(c, q, a) /= total > 0 ? total : 1.0;
    }
  return m;
}

// Every single answer, a sample of pairs and triples in ascending code order, with random counts.
inline std::vector<CountRecord> SomeRecords(std::uint32_t seed, int pairStep, int tripleStep) {
  std::mt19937 random(seed);
  std::vector<CountRecord> records;
  const auto count = [&] { return static_cast<std::int32_t>(random() % 400); };
  for (int c = 0; c < kFlatAnswerCount; ++c) records.push_back({count(), {c, -1, -1}});
  int n = 0;
  for (int a = 0; a < kFlatAnswerCount; ++a)
    for (int b = FlatCodeStart(QuestionOfFlatCode(a) + 1); b < kFlatAnswerCount; ++b)
      if (++n % pairStep == 0) records.push_back({count(), {a, b, -1}});
  n = 0;
  for (int a = 0; a < kFlatAnswerCount; ++a)
    for (int b = FlatCodeStart(QuestionOfFlatCode(a) + 1); b < kFlatAnswerCount; ++b)
      for (int c = FlatCodeStart(QuestionOfFlatCode(b) + 1); c < kFlatAnswerCount; ++c)
        if (++n % tripleStep == 0) records.push_back({count(), {a, b, c}});
  return records;
}

}  // namespace orbica::test
