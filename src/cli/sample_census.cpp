#include "cli/sample_census.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "model/binary_io.h"
#include "model/questionnaire.h"
#include "survey/pop_format.h"
#include "survey/subpopulation_code.h"

extern const unsigned char kSampleQuestions[];
extern const std::size_t kSampleQuestions_size;
extern const unsigned char kSampleStartRtf[];
extern const std::size_t kSampleStartRtf_size;

namespace orbica {
namespace {

// xoshiro256** seeded through splitmix64: the same numbers on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) {
    for (std::uint64_t& word : state_) {
      seed += 0x9E3779B97F4A7C15ull;
      std::uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      word = z ^ (z >> 31);
    }
  }
  std::uint64_t Next() {
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
  }
  // Uniform in (0, 1).
  double Uniform() { return (static_cast<double>(Next() >> 11) + 0.5) * (1.0 / 9007199254740992.0); }
  double Normal() {
    const double u = Uniform(), v = Uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
  }
  // Gamma(shape, 1) by Marsaglia and Tsang; shapes below 1 through the boost u^(1/shape).
  double Gamma(double shape) {
    if (shape < 1.0) return Gamma(shape + 1.0) * std::pow(Uniform(), 1.0 / shape);
    const double d = shape - 1.0 / 3.0, c = 1.0 / std::sqrt(9.0 * d);
    for (;;) {
      double x, v;
      do {
        x = Normal();
        v = 1.0 + c * x;
      } while (v <= 0.0);
      v = v * v * v;
      const double u = Uniform();
      if (std::log(u) < 0.5 * x * x + d - d * v + d * std::log(v)) return d * v;
    }
  }
  // Poisson(mean): exact for small means, normal approximation for large ones.
  std::int64_t Poisson(double mean) {
    if (mean <= 0.0) return 0;
    if (mean < 30.0) {
      const double limit = std::exp(-mean);
      std::int64_t k = 0;
      for (double p = Uniform(); p > limit; p *= Uniform()) ++k;
      return k;
    }
    return std::max<std::int64_t>(0, std::llround(mean + std::sqrt(mean) * Normal()));
  }

 private:
  static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t state_[4];
};

// A mixture in packed layout: weights[c] and probabilities[c * 183 + flat code].
struct Mixture {
  std::vector<double> weights;
  std::vector<double> probabilities;
  int components = 0;
};

// The "true" population: latent types, each with answer profiles scattered around
// question-wide profiles. Answer 0 of every question ("n/a") stays rare.
Mixture TrueMixture(int components, Random& random) {
  Mixture m;
  m.components = components;
  m.weights.resize(static_cast<std::size_t>(components));
  m.probabilities.resize(static_cast<std::size_t>(components) * kFlatAnswerCount);
  std::vector<double> profile(kFlatAnswerCount);
  for (int q = 0; q < kQuestionCount; ++q)
    for (int a = 0; a < AnswerCount(q); ++a)
      profile[static_cast<std::size_t>(FlatCodeStart(q) + a)] = a == 0 ? 0.01 : random.Gamma(2.0) + 0.2;
  double weightSum = 0.0;
  for (int c = 0; c < components; ++c) {
    m.weights[static_cast<std::size_t>(c)] = random.Gamma(1.5);
    weightSum += m.weights[static_cast<std::size_t>(c)];
    double* row = m.probabilities.data() + static_cast<std::size_t>(c) * kFlatAnswerCount;
    for (int q = 0; q < kQuestionCount; ++q) {
      double sum = 0.0;
      for (int a = 0; a < AnswerCount(q); ++a) {
        const std::size_t code = static_cast<std::size_t>(FlatCodeStart(q) + a);
        row[code] = profile[code] * random.Gamma(0.8);
        sum += row[code];
      }
      for (int a = 0; a < AnswerCount(q); ++a) row[FlatCodeStart(q) + a] /= sum;
    }
  }
  for (double& w : m.weights) w /= weightSum;
  return m;
}

// What a fit with fewer components finds: pairs of true types merged into one
// product component (losing their inner dependence), with a little estimation noise.
Mixture FittedMixture(const Mixture& truth, int components, Random& random) {
  Mixture m;
  m.components = components;
  m.weights.resize(static_cast<std::size_t>(components));
  m.probabilities.resize(static_cast<std::size_t>(components) * kFlatAnswerCount);
  for (int c = 0; c < components; ++c) {
    const std::size_t t1 = 2 * static_cast<std::size_t>(c), t2 = t1 + 1;
    const double w1 = truth.weights[t1], w2 = truth.weights[t2];
    m.weights[static_cast<std::size_t>(c)] = w1 + w2;
    double* row = m.probabilities.data() + static_cast<std::size_t>(c) * kFlatAnswerCount;
    for (int q = 0; q < kQuestionCount; ++q) {
      double sum = 0.0;
      for (int a = 0; a < AnswerCount(q); ++a) {
        const std::size_t code = static_cast<std::size_t>(FlatCodeStart(q) + a);
        const double merged = (w1 * truth.probabilities[t1 * kFlatAnswerCount + code] +
                               w2 * truth.probabilities[t2 * kFlatAnswerCount + code]) / (w1 + w2);
        row[code] = merged * std::exp(0.03 * random.Normal());
        sum += row[code];
      }
      for (int a = 0; a < AnswerCount(q); ++a) row[FlatCodeStart(q) + a] /= sum;
    }
  }
  return m;
}

std::vector<unsigned char> ModelFileBytes(const Mixture& m, std::int32_t respondents) {
  std::vector<unsigned char> bytes;
  bytes.reserve(12 + 8 * m.weights.size() + 8 * m.probabilities.size());
  AppendLE(bytes, respondents);
  AppendLE(bytes, std::int32_t{0});
  AppendLE(bytes, static_cast<std::uint16_t>(m.components));
  AppendLE(bytes, std::uint16_t{0});
  for (const double w : m.weights) AppendLE(bytes, w);
  for (const double p : m.probabilities) AppendLE(bytes, p);
  return bytes;
}

void AppendRecord(std::vector<unsigned char>& out, std::int64_t count, int c1, int c2, int c3) {
  AppendLE(out, static_cast<std::int32_t>(std::min<std::int64_t>(count, INT32_MAX)));
  AppendLE(out, static_cast<std::int32_t>(c1));
  AppendLE(out, static_cast<std::int32_t>(c2));
  AppendLE(out, static_cast<std::int32_t>(c3));
}

// Observed counts of the whole population and of every combination of one, two
// and three answers of different questions, drawn from the true mixture with
// sampling noise; records with count 0 are left out. Codes ascend within a record
// and records of one length follow in ascending code order.
std::vector<unsigned char> CountsFileBytes(const Mixture& truth, std::int32_t respondents, Random& random,
                                           std::int64_t& records) {
  const std::size_t c = static_cast<std::size_t>(truth.components);
  // Component-major copy of the probabilities by flat code, each row pre-multiplied by nothing.
  std::vector<double> byCode(kFlatAnswerCount * c);
  for (std::size_t k = 0; k < c; ++k)
    for (std::size_t code = 0; code < kFlatAnswerCount; ++code)
      byCode[code * c + k] = truth.probabilities[k * kFlatAnswerCount + code];
  const double n = static_cast<double>(respondents);
  std::vector<unsigned char> out;
  out.reserve(16u * 900'000u);
  records = 0;
  auto emit = [&](double p, int c1, int c2, int c3) {
    const std::int64_t count = random.Poisson(n * p);
    if (count <= 0) return;
    AppendRecord(out, count, c1, c2, c3);
    ++records;
  };
  AppendRecord(out, respondents, -1, -1, -1);
  ++records;
  for (int x = 0; x < kFlatAnswerCount; ++x) {
    double p = 0.0;
    for (std::size_t k = 0; k < c; ++k) p += truth.weights[k] * byCode[static_cast<std::size_t>(x) * c + k];
    emit(p, x, -1, -1);
  }
  std::vector<double> pair(c);
  for (int x = 0; x < kFlatAnswerCount; ++x) {
    const int qx = QuestionOfFlatCode(x);
    for (int y = FlatCodeStart(qx + 1); y < kFlatAnswerCount; ++y) {
      double p = 0.0;
      for (std::size_t k = 0; k < c; ++k) p += truth.weights[k] * byCode[static_cast<std::size_t>(x) * c + k] *
                                               byCode[static_cast<std::size_t>(y) * c + k];
      emit(p, x, y, -1);
    }
  }
  for (int x = 0; x < kFlatAnswerCount; ++x) {
    const int qx = QuestionOfFlatCode(x);
    for (int y = FlatCodeStart(qx + 1); y < kFlatAnswerCount; ++y) {
      const int qy = QuestionOfFlatCode(y);
      for (std::size_t k = 0; k < c; ++k)
        pair[k] = truth.weights[k] * byCode[static_cast<std::size_t>(x) * c + k] * byCode[static_cast<std::size_t>(y) * c + k];
      for (int z = FlatCodeStart(qy + 1); z < kFlatAnswerCount; ++z) {
        const double* pz = byCode.data() + static_cast<std::size_t>(z) * c;
        double p = 0.0;
        for (std::size_t k = 0; k < c; ++k) p += pair[k] * pz[k];
        emit(p, x, y, z);
      }
    }
  }
  return out;
}

struct SampleSubpopulation {
  const char* code;
  const char* name;
  const char* note;
};

// Answer letters count the "n/a" answer as 'a', so the first listed answer is 'b'.
constexpr SampleSubpopulation kSubpopulations[] = {
    {"3fg 4fg 7c", "Women aged 30-49 with a university degree",
     "Women of the two middle age groups whose highest completed education is a bachelor's or a master's degree."},
    {"6m 8b", "Pensioners living alone", "Old-age and disability pensioners in one-person households."},
    {"2b 13g", "City dwellers commuting by public transport",
     "Residents of cities of 100,000 inhabitants or more whose usual means of transport to work or school "
     "is public transport."},
};

bool WriteFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes, std::string& error) {
  std::string why;
  if (WriteFileAtomically(path.string(), bytes.data(), bytes.size(), &why)) return true;
  error = "cannot write " + path.string() + ": " + why;
  return false;
}

}  // namespace

bool WriteSampleCensus(const std::string& folder, const SampleOptions& options, SampleSummary& summary,
                       std::string& error) {
  if (options.components < 1 || options.components > 65535) {
    error = "the component count must lie in 1..65535";
    return false;
  }
  if (options.respondents < 1) {
    error = "the respondent count must be positive";
    return false;
  }
  const std::filesystem::path dir(folder);
  std::error_code ec;
  std::filesystem::create_directories(dir / "Populace", ec);
  if (ec) {
    error = "cannot create " + (dir / "Populace").string() + ": " + ec.message();
    return false;
  }
  Random random(options.seed);
  const Mixture truth = TrueMixture(2 * options.components, random);
  const Mixture fitted = FittedMixture(truth, options.components, random);
  if (!WriteFile(dir / "data.mle", ModelFileBytes(fitted, options.respondents), error)) return false;
  if (!WriteFile(dir / "zData.gcd", CountsFileBytes(truth, options.respondents, random, summary.records), error))
    return false;
  const std::vector<unsigned char> questions(kSampleQuestions, kSampleQuestions + kSampleQuestions_size);
  if (!WriteFile(dir / "Otazky.txt", questions, error)) return false;
  const std::vector<unsigned char> rtf(kSampleStartRtf, kSampleStartRtf + kSampleStartRtf_size);
  if (!WriteFile(dir / "start.rtf", rtf, error)) return false;
  for (const SampleSubpopulation& sub : kSubpopulations) {
    PopContents contents;
    std::string why;
    if (!ParseSubpopulationCode(sub.code, contents.masks, why)) {
      error = "bad built-in subpopulation code: " + why;
      return false;
    }
    contents.name = sub.name;
    contents.note = sub.note;
    const std::filesystem::path path = dir / "Populace" / (CompactCode(contents.masks) + ".pop");
    if (!WriteFile(path, EncodePop(contents), error)) return false;
  }
  return true;
}

}  // namespace orbica
