// A literal single-threaded implementation of the ranked search, written from
// the algorithm's description without any of the search's shortcuts: the records
// file read 16 bytes at a time on every pass, one scalar loop over the components
// for every probability (joint and single ones recomputed for every pair of
// answers), a sorted pair table searched by bisection. Tests and the benchmark
// compare the search with it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "model/model.h"
#include "model/questionnaire.h"

namespace orbica::test {

struct LiteralHit {
  int s1, s2, s3;
  double score, value, difference, count;
};

struct LiteralParameters {
  int criterion = 0, x = -1, y = -1, maxLength = 2;
  double threshold = 0.0, weight = 0.0;
};

class LiteralSearch {
 public:
  LiteralSearch(const CModel& model, LiteralParameters p) : model_(model), p_(p) {
    // slotQuestion, codeQuestion and firstAnswerSlot by walking the questions.
    slotQuestion_.assign(kSlotCount + 1, -1);
    codeQuestion_.assign(kSlotCount + 1, -1);
    int start = 0, code = 0;
    for (int q = 0; q < kQuestionCount; ++q) {
      for (int s = start; s <= start + model.AnswerCount(q); ++s) slotQuestion_[s] = q;
      for (int a = 0; a < model.AnswerCount(q); ++a) codeQuestion_[code++] = q;
      firstAnswerSlot_.push_back(start + 1);
      start += model.AnswerCount(q) + 1;
    }
  }

  std::vector<LiteralHit> Run(const std::string& path) {
    std::vector<LiteralHit> ranked;
    std::vector<std::pair<std::uint32_t, double>> pairs;
    pairs.reserve(183 * 183);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return ranked;
    std::fseek(file, 0, SEEK_END);
    const long d = std::ftell(file) / 16;
    const long k = d / 100;
    const int s = p_.criterion == 2 ? -1 : 1;
    long counted = 0;
    for (int pass = 0; pass < p_.maxLength; ++pass) {
      std::fseek(file, 0, SEEK_SET);
      std::int32_t raw[4];
      while (std::fread(raw, 16, 1, file) == 1) {
        std::int32_t slots[3] = {0, 0, 0};
        bool skip = false;
        for (int i = 0; i < 3 && raw[i + 1] != -1; ++i) {
          if (raw[i + 1] < 0 || raw[i + 1] >= kFlatAnswerCount) {
            skip = true;
            break;
          }
          slots[i] = raw[i + 1] + codeQuestion_[raw[i + 1]] + 1;
        }
        // Checkpoint: a lock around the stop flag every d / 100 records.
        if (++counted >= k) {
          counted = 0;
          const std::lock_guard<std::mutex> guard(lock_);
          if (stop_) break;
        }
        const std::uint32_t n = static_cast<std::uint32_t>(raw[0]);
        if (skip || slots[0] == 0 || (p_.criterion == 1 && n == 0)) continue;
        const int length = slots[2] != 0 ? 3 : slots[1] != 0 ? 2 : 1;
        if (length != pass + 1) continue;
        const double l = Evaluate(n, slots[0], slots[1], slots[2]);
        if (l == -10000.0) continue;
        const double v = s * (l - p_.threshold);
        if (slots[2] == 0) Insert(pairs, slots[1] != 0 ? slots[0] : 0, slots[1] != 0 ? slots[1] : slots[0], s * l);
        double best = 0.0, difference = 0.0;
        if (slots[1] != 0) {
          std::vector<double> vals = {Lookup(pairs, 0, slots[0]), Lookup(pairs, 0, slots[1])};
          if (slots[2] != 0) {
            vals.push_back(Lookup(pairs, 0, slots[2]));
            vals.push_back(Lookup(pairs, slots[0], slots[1]));
            vals.push_back(Lookup(pairs, slots[0], slots[2]));
            vals.push_back(Lookup(pairs, slots[1], slots[2]));
          }
          bool dropped = false;
          best = vals[0];
          for (double val : vals) {
            if (val > best) best = val;
            if (val >= v) dropped = true;
          }
          if (dropped) continue;
          difference = s * l - best;
        }
        const double score = s * l * (1 - p_.weight) + difference * p_.weight;
        std::size_t at = ranked.size();
        for (std::size_t i = 0; i < ranked.size(); ++i)
          if (ranked[i].score < score) {
            at = i;
            break;
          }
        if (at >= 150) continue;
        if (ranked.size() == 150) ranked.pop_back();
        ranked.insert(ranked.begin() + static_cast<long>(at),
                      {slots[0], slots[1], slots[2], score, l, difference, static_cast<double>(n)});
      }
    }
    std::fclose(file);
    return ranked;
  }

  long evaluations = 0;

 private:
  static std::uint32_t Key(int a, int b) {
    return static_cast<std::uint32_t>(std::min(a, b)) << 16 | static_cast<std::uint32_t>(std::max(a, b));
  }
  static void Insert(std::vector<std::pair<std::uint32_t, double>>& t, int a, int b, double v) {
    const std::uint32_t key = Key(a, b);
    if (t.size() >= 183 * 183 || (!t.empty() && key < t.back().first)) return;
    t.push_back({key, v});
  }
  static double Lookup(const std::vector<std::pair<std::uint32_t, double>>& t, int a, int b) {
    const std::uint32_t key = Key(a, b);
    std::size_t lo = 0, hi = t.size();
    while (lo < hi) {
      const std::size_t mid = (lo + hi) / 2;
      if (t[mid].first < key)
        lo = mid + 1;
      else
        hi = mid;
    }
    return lo < t.size() && t[lo].first == key ? t[lo].second : 0.0;
  }

  double P(int c, int s) const { return model_.Row(c)[s]; }
  double Q(int c, int s1, int s2, int s3) const {
    return P(c, s1) * (s2 != 0 ? P(c, s2) : 1.0) * (s3 != 0 ? P(c, s3) : 1.0);
  }
  bool Touches(int q, int s1, int s2, int s3) const {
    return q == slotQuestion_[s1] || (s2 != 0 && q == slotQuestion_[s2]) || (s3 != 0 && q == slotQuestion_[s3]);
  }

  double Evaluate(std::uint32_t n, int s1, int s2, int s3) {
    ++evaluations;
    const int C = model_.Components();
    const double N = model_.Respondents();
    switch (p_.criterion) {
      case 0: {
        double sum = 0;
        for (int c = 0; c < C; ++c) sum += model_.Weight(c) * Q(c, s1, s2, s3);
        return std::fabs(sum - n / N);
      }
      case 2: {
        if (Touches(p_.x, s1, s2, s3)) return -10000.0;
        const int first = firstAnswerSlot_[p_.x], answers = model_.AnswerCount(p_.x);
        double f = 0, sum = 0;
        for (int x = first; x < first + answers; ++x) {
          double j = 0;
          for (int c = 0; c < C; ++c) j += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, x);
          f += j;
          if (j != 0) sum += j * std::log(j);
        }
        const double h = std::log(f) - sum / f;
        return h > 0 ? h : 0;
      }
      case 3: {
        if (Touches(p_.x, s1, s2, s3) || Touches(p_.y, s1, s2, s3)) return -10000.0;
        if (p_.x == p_.y) return 1.0;
        const int fx = firstAnswerSlot_[p_.x], ax = model_.AnswerCount(p_.x);
        const int fy = firstAnswerSlot_[p_.y], ay = model_.AnswerCount(p_.y);
        double b = 0, sum = 0;
        for (int x = fx; x < fx + ax; ++x)
          for (int y = fy; y < fy + ay; ++y) {
            double pxy = 0, px = 0, py = 0;
            for (int c = 0; c < C; ++c) pxy += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, x) * P(c, y);
            for (int c = 0; c < C; ++c) px += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, x);
            for (int c = 0; c < C; ++c) py += model_.Weight(c) * Q(c, s1, s2, s3) * P(c, y);
            b += pxy;
            if (pxy != 0 && px != 0 && py != 0) sum += pxy * std::log(pxy / (px * py));
          }
        return std::log(b) + sum / b;
      }
      case 1: {
        double sum = 0;
        for (int c = 0; c < C; ++c) sum += model_.Weight(c) * Q(c, s1, s2, s3);
        return std::fabs((sum * N - n) / n);
      }
      default: {  // 4, 5
        const int qx = slotQuestion_[p_.x], qy = p_.y != -1 ? slotQuestion_[p_.y] : -1;
        if (Touches(qx, s1, s2, s3) || Touches(qy, s1, s2, s3)) return -10000.0;
        if (p_.x == p_.y) p_.y = -1;
        double t = 0, sum = 0;
        for (int c = 0; c < C; ++c) {
          double e = P(c, p_.x);
          if (p_.y > 0) e = qx == qy ? P(c, p_.x) + P(c, p_.y) : P(c, p_.x) * P(c, p_.y);
          t += model_.Weight(c) * e * Q(c, s1, s2, s3);
          sum += model_.Weight(c) * Q(c, s1, s2, s3);
        }
        return p_.criterion == 4 ? t / sum : t;
      }
    }
  }

  const CModel& model_;
  LiteralParameters p_;
  std::vector<int> slotQuestion_, codeQuestion_, firstAnswerSlot_;
  std::mutex lock_;
  bool stop_ = false;
};

}  // namespace orbica::test
