#include "support/census_files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "model/binary_io.h"
#include "model/model.h"
#include "model/notifier.h"
#include "survey/subpopulation_code.h"

namespace orbica::test {

TempDir::TempDir(const std::string& base) {
  std::random_device device;
  const std::filesystem::path below = base.empty() ? std::filesystem::temp_directory_path() : std::filesystem::path(base);
  for (;;) {
    const auto candidate = below / ("orbica-" + std::to_string(::getpid()) + "-" + std::to_string(device()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }

TestModel TestModel::Uniform(int components, std::int32_t respondents) {
  TestModel m;
  m.respondents = respondents;
  m.weights.assign(static_cast<std::size_t>(components), components > 0 ? 1.0 / components : 0.0);
  m.probabilities.resize(static_cast<std::size_t>(components) * kFlatAnswerCount);
  for (int c = 0; c < components; ++c)
    for (int q = 0; q < kQuestionCount; ++q)
      for (int a = 0; a < AnswerCount(q); ++a) m.P(c, q, a) = 1.0 / AnswerCount(q);
  return m;
}

static std::size_t PackedIndex(int component, int question, int answer) {
  return static_cast<std::size_t>(component) * kFlatAnswerCount + static_cast<std::size_t>(FlatCodeStart(question) + answer);
}

double& TestModel::P(int component, int question, int answer) {
  return probabilities[PackedIndex(component, question, answer)];
}

double TestModel::P(int component, int question, int answer) const {
  return probabilities[PackedIndex(component, question, answer)];
}

double TestModel::ProbabilityOf(const ConditionSet& set) const {
  double sum = 0.0;
  for (std::size_t c = 0; c < weights.size(); ++c) {
    double product = weights[c];
    for (int q = 0; q < kQuestionCount; ++q) {
      if (set[static_cast<std::size_t>(q)] == 0) continue;
      double allowed = 0.0;
      for (int a = 0; a < AnswerCount(q); ++a)
        if (set[static_cast<std::size_t>(q)] & (1u << a)) allowed += P(static_cast<int>(c), q, a);
      product *= allowed;
    }
    sum += product;
  }
  return sum;
}

std::vector<unsigned char> TestModel::Bytes(unsigned char filler) const {
  std::vector<unsigned char> bytes;
  AppendLE(bytes, respondents);
  for (int i = 0; i < 4; ++i) bytes.push_back(filler);
  AppendLE(bytes, static_cast<std::uint16_t>(weights.size()));
  for (int i = 0; i < 2; ++i) bytes.push_back(filler);
  for (const double w : weights) AppendLE(bytes, w);
  for (const double p : probabilities) AppendLE(bytes, p);
  return bytes;
}

std::vector<unsigned char> RecordsBytes(const std::vector<CountRecord>& records) {
  std::vector<unsigned char> bytes;
  for (const CountRecord& r : records) {
    AppendLE(bytes, r.count);
    for (const std::int32_t code : r.codes) AppendLE(bytes, code);
  }
  return bytes;
}

bool WriteAndLoadModel(const TempDir& dir, const TestModel& model, CModel& loaded) {
  WriteBytes(dir.File("data.mle"), model.Bytes());
  WriteBytes(dir.File("zData.gcd"), RecordsBytes({{model.respondents, {-1, -1, -1}}}));
  RecordingNotifier notifier;
  return loaded.Load(dir.File("data.mle"), notifier) == 0 && notifier.messages.empty();
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ConditionSet Set(const std::string& code) {
  ConditionSet set{};
  std::string error;
  if (!ParseSubpopulationCode(code, set, error)) throw std::invalid_argument("bad code " + code + ": " + error);
  return set;
}

}  // namespace orbica::test
