// Small hand-made census files for tests: a temporary folder, model files with
// chosen weights and probabilities, and records files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/observed_counts.h"
#include "model/questionnaire.h"

namespace orbica {
class CModel;
}

namespace orbica::test {

// A fresh folder "orbica-<process id>-<random number>" below `base` (the
// system's temporary folder when empty), removed with everything in it.
class TempDir {
 public:
  explicit TempDir(const std::string& base = "");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

// A model in the file's packed order: probabilities[c * 183 + flat code].
struct TestModel {
  std::int32_t respondents = 1000;
  std::vector<double> weights;
  std::vector<double> probabilities;

  // `components` components of equal weight, every question's answers equally likely.
  static TestModel Uniform(int components, std::int32_t respondents);
  double& P(int component, int question, int answer);
  double P(int component, int question, int answer) const;
  // The mixture's probability of a condition set, worked out from the parameters
  // above rather than from a loaded model: a reference for the engine's numbers.
  double ProbabilityOf(const ConditionSet& set) const;
  // The bytes of "data.mle"; header bytes 4..7 and 10..11 get `filler`.
  std::vector<unsigned char> Bytes(unsigned char filler = 0) const;
};

std::vector<unsigned char> RecordsBytes(const std::vector<CountRecord>& records);
// Writes "data.mle" of `model` and a "zData.gcd" holding only the whole
// population into the folder, and loads the model from there.
bool WriteAndLoadModel(const TempDir& dir, const TestModel& model, CModel& loaded);
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);

// A condition set from a code such as "3ac 12b" (fails the test on a bad code).
ConditionSet Set(const std::string& code);

}  // namespace orbica::test
