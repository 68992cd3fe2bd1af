// The component loops of the criteria, written once and compiled for several
// vector widths. Every sum runs over the components in order, one condition per
// vector lane (or one answer per lane), so each width gives the same values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "analysis/analysis.h"
#include "model/questionnaire.h"

namespace orbica::kernels {

// Widest vector, in doubles; component and answer rows are padded to it.
inline constexpr int kMaxLanes = 8;
// The row after the last slot holds 1.0 for every component: empty positions of a
// condition point at it, which leaves the condition factor unchanged.
inline constexpr int kOnesRow = kSlotCount;

// Component-major rows of p_c(s): kColumnStride values per component, so that the
// widest vector starting at any slot stays inside the row.
inline constexpr int kColumnStride = 216;

constexpr int RoundUp(int n, int to) { return (n + to - 1) / to * to; }

// Zero-filled doubles on a 64-byte boundary.
class AlignedDoubles {
 public:
  AlignedDoubles() = default;
  explicit AlignedDoubles(std::size_t n) { Reserve(n); }
  // Makes room for at least n values (new memory is zero-filled, values already
  // held may be lost); throws std::bad_alloc when the memory cannot be had.
  void Reserve(std::size_t n);
  double* data() { return data_.get(); }
  const double* data() const { return data_.get(); }
  std::size_t size() const { return size_; }

 private:
  struct Free {
    void operator()(double* p) const { std::free(p); }
  };
  std::unique_ptr<double[], Free> data_;
  std::size_t size_ = 0;
};

// The model of one search, laid out for the component loops.
struct KernelModel {
  int components = 0;                    // C
  int padded = 0;                        // C rounded up to kMaxLanes
  const double* rows = nullptr;          // (kSlotCount + 1) rows of `padded` values: p_c(s) by slot, then kOnesRow
  const double* weights = nullptr;       // w_c, padded with 0.0
  const double* eventWeights = nullptr;  // criteria 4, 5: w_c x e_c
  const double* columns = nullptr;       // components x kColumnStride: p_c(s) by component
  // Criteria 2 and 3: the analysed answers, per component a row of `stride` values.
  const double* answersX = nullptr;
  int answerCountX = 0, firstSlotX = 0, strideX = 0;
  bool onesAfterX = false;  // each row of X holds 1.0 in the lane after its last answer
  const double* answersY = nullptr;
  int answerCountY = 0, firstSlotY = 0, strideY = 0;
};

// The rows of a condition's answers (kOnesRow for empty positions).
struct KernelCondition {
  std::int32_t s1 = kOnesRow, s2 = kOnesRow, s3 = kOnesRow;
};

// Groups of conditions that share every answer but the last, their last answers
// in windows of consecutive slots: the condition of group g with last answer
// start + k is lane k of a window of g. Group g's shared answers are the rows
// base1[g] and base2[g] (kOnesRow for none).
struct KernelWindows {
  const std::int32_t* base1 = nullptr;
  const std::int32_t* base2 = nullptr;
  int groups = 0;
  const std::int32_t* starts = nullptr;  // first slot of each window
  const std::int32_t* group = nullptr;   // group of each window
  int count = 0;                         // windows
};

// Working memory of one thread.
struct KernelScratch {
  AlignedDoubles factors;   // w_c x q_c of a few conditions, or shared factors of groups
  AlignedDoubles products;  // w_c x q_c x p_c(x) for every answer x
  AlignedDoubles sums;      // sums kept between runs of components
};

struct KernelSet {
  const char* name;
  int lanes;
  // P(cond) = sum of w_c x q_c for each of n conditions.
  void (*conditionSums)(const KernelModel&, const KernelCondition*, int n, double* p);
  // T = sum of (w_c x e_c) x q_c and P for each condition (criteria 4, 5).
  void (*eventSums)(const KernelModel&, const KernelCondition*, int n, double* t, double* p);
  // P(cond) (and T with event weights) of every lane of the windows: p[w * lanes + k].
  void (*windowSums)(const KernelModel&, const KernelWindows&, double* p, double* t, KernelScratch&);
  // J_x = sum of w_c x q_c x p_c(x) for the answers of X: j[i * answerCountX + x].
  void (*answerSums)(const KernelModel&, const KernelCondition*, int n, double* j, KernelScratch&);
  // Pxy, Px and Py of the answers of X and Y, rows of X padded to strideX:
  // pxy[(i * answerCountY + y) * strideX + x], px[i * strideX + x], py[i * answerCountY + y].
  void (*pairSums)(const KernelModel&, const KernelCondition*, int n, double* pxy, double* px, double* py,
                   KernelScratch&);
  // Criterion 2 of n conditions from their J_x (as answerSums gives them, the
  // array readable kMaxLanes values past its end): values[i].
  void (*entropies)(int answers, const double* j, int n, double* values, KernelScratch&);
  // Criterion 3 of n conditions from Pxy, Px and Py as pairSums gives them
  // (`stride` = strideX): values[i].
  void (*informations)(int answersX, int answersY, int stride, const double* pxy, const double* px, const double* py,
                       int n, double* values, KernelScratch&);
};

// Kernels for each width; null when this build or this processor has none.
const KernelSet* GenericKernels();
const KernelSet* Avx2Kernels();
const KernelSet* Avx512Kernels();
// The kernels of `level`, or the widest available below it (Auto: the widest).
const KernelSet& SelectKernels(KernelLevel level);

}  // namespace orbica::kernels
