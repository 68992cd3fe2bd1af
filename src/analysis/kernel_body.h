// The kernels of kernels.h for one vector width. A source file defines
// ORBICA_KERNEL_LANES (2, 4 or 8 doubles) and ORBICA_KERNEL_NAMESPACE, includes
// this file and is compiled for an instruction set with vectors of that width.
//
// Every sum over components runs c = 0, 1, ..., C-1 as a chain of separate
// multiplications and additions, one chain per condition or per answer; the
// vectors only run several such chains side by side. Components past C are padded
// with weight 0.0 and probability 0.0, so the extra terms they add are +0.0, which
// leaves a sum that starts at +0.0 unchanged.
//
// Everything here has internal linkage and uses no library templates, so no code
// built for a wider instruction set can stand in for a shared inline function.
#include <cmath>
#include <cstring>
#include <utility>

#include "analysis/kernels.h"

namespace orbica::kernels::ORBICA_KERNEL_NAMESPACE {
namespace {

constexpr int W = ORBICA_KERNEL_LANES;
typedef double V __attribute__((vector_size(W * sizeof(double))));
typedef long long Mask __attribute__((vector_size(W * sizeof(long long))));

inline int Lesser(int a, int b) { return a < b ? a : b; }
inline int Ceil(int n, int to) { return (n + to - 1) / to * to; }

inline V Load(const double* p) {
  V v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline void Store(double* p, const V& v) { std::memcpy(p, &v, sizeof v); }

template <std::size_t... P>
inline V SplatOf(double x, std::index_sequence<P...>) {
  return V{(static_cast<void>(P), x)...};
}

inline V Splat(double x) { return SplatOf(x, std::make_index_sequence<W>()); }

// Transposing a W x W tile swaps its off-diagonal blocks of B x B, for B = W/2 .. 1:
// element P of a row pair's lower (upper) result, as an index into both rows.
template <int B, bool Upper>
constexpr long long SwapIndex(std::size_t p) {
  return Upper ? ((p & B) == 0 ? static_cast<long long>(p + B) : static_cast<long long>(W + p))
               : ((p & B) == 0 ? static_cast<long long>(p) : static_cast<long long>(W + p - B));
}

template <int B, bool Upper, std::size_t... P>
inline V Swap(const V& a, const V& b, std::index_sequence<P...>) {
#if defined(__clang__)
  return __builtin_shufflevector(a, b, SwapIndex<B, Upper>(P)...);
#else
  constexpr Mask mask = {SwapIndex<B, Upper>(P)...};
  return __builtin_shuffle(a, b, mask);
#endif
}

template <int B>
inline void SwapBlocks(V* t) {
  for (int i = 0; i < W; ++i)
    if ((i & B) == 0) {
      const V a = t[i], b = t[i + B];
      t[i] = Swap<B, false>(a, b, std::make_index_sequence<W>());
      t[i + B] = Swap<B, true>(a, b, std::make_index_sequence<W>());
    }
}

// t[r][j] becomes t[j][r].
inline void Transpose(V* t) {
  if constexpr (W >= 8) SwapBlocks<4>(t);
  if constexpr (W >= 4) SwapBlocks<2>(t);
  SwapBlocks<1>(t);
}

inline const double* Row(const KernelModel& m, int slot) {
  return m.rows + static_cast<std::size_t>(slot) * static_cast<std::size_t>(m.padded);
}

// w_c x q_c for components [0, end) into `out`.
inline void ConditionFactors(const KernelModel& m, const KernelCondition& k, int end, double* out) {
  const double* p1 = Row(m, k.s1);
  const double* p2 = Row(m, k.s2);
  const double* p3 = Row(m, k.s3);
  for (int c = 0; c < end; c += W) Store(out + c, Load(m.weights + c) * ((Load(p1 + c) * Load(p2 + c)) * Load(p3 + c)));
}

// Conditions in lanes: a tile of W conditions x W components is computed along the
// components and transposed, so that each lane adds its own condition's terms.
constexpr int kTiles = 2;

void ConditionSums(const KernelModel& m, const KernelCondition* conditions, int n, double* p) {
  constexpr int R = kTiles * W;
  const int end = Ceil(m.components, W);
  for (int r0 = 0; r0 < n; r0 += R) {
    const double* p1[R];
    const double* p2[R];
    const double* p3[R];
    for (int r = 0; r < R; ++r) {
      const KernelCondition& k = conditions[Lesser(r0 + r, n - 1)];
      p1[r] = Row(m, k.s1), p2[r] = Row(m, k.s2), p3[r] = Row(m, k.s3);
    }
    V sum[kTiles];
    for (int b = 0; b < kTiles; ++b) sum[b] = V{};
    for (int c = 0; c < end; c += W) {
      const V w = Load(m.weights + c);
      for (int b = 0; b < kTiles; ++b) {
        V t[W];
        for (int r = 0; r < W; ++r) {
          const int k = b * W + r;
          t[r] = w * ((Load(p1[k] + c) * Load(p2[k] + c)) * Load(p3[k] + c));
        }
        Transpose(t);
        for (int j = 0; j < W; ++j) sum[b] += t[j];
      }
    }
    for (int r = 0; r < R && r0 + r < n; ++r) p[r0 + r] = sum[r / W][r % W];
  }
}

void EventSums(const KernelModel& m, const KernelCondition* conditions, int n, double* t, double* p) {
  constexpr int R = kTiles * W;
  const int end = Ceil(m.components, W);
  for (int r0 = 0; r0 < n; r0 += R) {
    const double* p1[R];
    const double* p2[R];
    const double* p3[R];
    for (int r = 0; r < R; ++r) {
      const KernelCondition& k = conditions[Lesser(r0 + r, n - 1)];
      p1[r] = Row(m, k.s1), p2[r] = Row(m, k.s2), p3[r] = Row(m, k.s3);
    }
    V sumT[kTiles], sumP[kTiles];
    for (int b = 0; b < kTiles; ++b) sumT[b] = V{}, sumP[b] = V{};
    for (int c = 0; c < end; c += W) {
      const V w = Load(m.weights + c);
      const V we = Load(m.eventWeights + c);
      for (int b = 0; b < kTiles; ++b) {
        V tp[W], tt[W];
        for (int r = 0; r < W; ++r) {
          const int k = b * W + r;
          const V q = (Load(p1[k] + c) * Load(p2[k] + c)) * Load(p3[k] + c);
          tp[r] = w * q;
          tt[r] = we * q;
        }
        Transpose(tp);
        Transpose(tt);
        for (int j = 0; j < W; ++j) sumP[b] += tp[j];
        for (int j = 0; j < W; ++j) sumT[b] += tt[j];
      }
    }
    for (int r = 0; r < R && r0 + r < n; ++r) {
      t[r0 + r] = sumT[r / W][r % W];
      p[r0 + r] = sumP[r / W][r % W];
    }
  }
}

// Conditions in lanes without transposing: the lanes of a window are consecutive
// slots, read along a component-major row. The shared factor (p1 x p2) of a group
// is made once per component, then multiplied by the lane's own answer, as in
// q_c. Windows of one group are taken N at a time over a run of components, the
// group's factor broadcast once for all N; the partial sums wait in the outputs
// between runs, whose rows stay in the first-level cache while every window
// passes over them.
// Components ahead whose rows a window asks for while it reads its own.
constexpr int kWindowPrefetch = 4;

template <bool Event, int N>
void WindowBatch(const KernelModel& m, const double* base, const std::int32_t* starts, int c0, int c1, double* p,
                 double* t) {
  const double* column[N];
  V sumP[N], sumT[N];
  for (int k = 0; k < N; ++k) {
    column[k] = m.columns + starts[k];
    sumP[k] = Load(p + k * W);
    if constexpr (Event) sumT[k] = Load(t + k * W);
  }
  for (int c = c0; c < c1; ++c) {
    const V w = Splat(m.weights[c]);
    const V we = Event ? Splat(m.eventWeights[c]) : V{};
    const V b = Splat(base[c]);
    const std::size_t offset = static_cast<std::size_t>(c) * kColumnStride;
    for (int k = 0; k < N; ++k) {
      // The rows are too far apart for the processor to fetch them ahead unasked.
      __builtin_prefetch(column[k] + offset + kWindowPrefetch * kColumnStride);
      const V q = b * Load(column[k] + offset);
      sumP[k] += w * q;
      if constexpr (Event) sumT[k] += we * q;
    }
  }
  for (int k = 0; k < N; ++k) {
    Store(p + k * W, sumP[k]);
    if constexpr (Event) Store(t + k * W, sumT[k]);
  }
}

// A batch of n windows (n <= N).
template <bool Event, int N>
void WindowBatchOf(int n, const KernelModel& m, const double* base, const std::int32_t* starts, int c0, int c1,
                   double* p, double* t) {
  if constexpr (N > 1) {
    if (n < N) return WindowBatchOf<Event, N - 1>(n, m, base, starts, c0, c1, p, t);
  }
  WindowBatch<Event, N>(m, base, starts, c0, c1, p, t);
}

template <bool Event>
void WindowSumsOf(const KernelModel& m, const KernelWindows& windows, double* p, double* t, KernelScratch& scratch) {
  constexpr int G = Event ? 6 : 12;  // windows at a time
  constexpr int kRun = 32;           // components at a time
  const int end = Ceil(m.components, W);
  scratch.factors.Reserve(static_cast<std::size_t>(windows.groups > 0 ? windows.groups : 1) * m.padded);
  double* bases = scratch.factors.data();
  for (int g = 0; g < windows.groups; ++g) {
    const double* b1 = Row(m, windows.base1[g]);
    const double* b2 = Row(m, windows.base2[g]);
    double* base = bases + static_cast<std::size_t>(g) * m.padded;
    for (int c = 0; c < end; c += W) Store(base + c, Load(b1 + c) * Load(b2 + c));
  }
  for (int k = 0; k < windows.count; ++k) {
    Store(p + k * W, V{});
    if constexpr (Event) Store(t + k * W, V{});
  }
  for (int c0 = 0; c0 < m.components; c0 += kRun) {
    const int c1 = Lesser(c0 + kRun, m.components);
    for (int k0 = 0, n = 0; k0 < windows.count; k0 += n) {
      const int group = windows.group[k0];
      for (n = 1; n < G && k0 + n < windows.count && windows.group[k0 + n] == group;) ++n;
      WindowBatchOf<Event, G>(n, m, bases + static_cast<std::size_t>(group) * m.padded, windows.starts + k0, c0, c1,
                              p + k0 * W, Event ? t + k0 * W : nullptr);
    }
  }
}

void WindowSums(const KernelModel& m, const KernelWindows& windows, double* p, double* t, KernelScratch& scratch) {
  if (t)
    WindowSumsOf<true>(m, windows, p, t, scratch);
  else
    WindowSumsOf<false>(m, windows, p, t, scratch);
}

// Answers in lanes: AV vectors hold the answers of X; G conditions at a time keep
// enough independent chains in flight.
template <int AV, int G>
void AnswerSumsOf(const KernelModel& m, const KernelCondition* conditions, int n, double* j, KernelScratch& scratch) {
  const int end = Ceil(m.components, W);
  const int answers = m.answerCountX;
  scratch.factors.Reserve(static_cast<std::size_t>(G) * m.padded);
  double* factors = scratch.factors.data();
  for (int r0 = 0; r0 < n; r0 += G) {
    for (int g = 0; g < G; ++g) ConditionFactors(m, conditions[Lesser(r0 + g, n - 1)], end, factors + g * m.padded);
    V sum[G][AV];
    for (int g = 0; g < G; ++g)
      for (int v = 0; v < AV; ++v) sum[g][v] = V{};
    for (int c = 0; c < m.components; ++c) {
      const double* px = m.answersX + static_cast<std::size_t>(c) * m.strideX;
      V p[AV];
      for (int v = 0; v < AV; ++v) p[v] = Load(px + v * W);
      for (int g = 0; g < G; ++g) {
        const V f = Splat(factors[g * m.padded + c]);
        for (int v = 0; v < AV; ++v) sum[g][v] += f * p[v];
      }
    }
    for (int g = 0; g < G && r0 + g < n; ++g)
      for (int x = 0; x < answers; ++x) j[(r0 + g) * answers + x] = sum[g][x / W][x % W];
  }
}

void AnswerSums(const KernelModel& m, const KernelCondition* conditions, int n, double* j, KernelScratch& scratch) {
  // With 32 vector registers twice as many conditions fit side by side.
  constexpr int wide = W == 8 ? 2 : 1;
  switch ((m.answerCountX + W - 1) / W) {
    case 1:
      return AnswerSumsOf<1, 4 * wide>(m, conditions, n, j, scratch);
    case 2:
      return AnswerSumsOf<2, 4 * wide>(m, conditions, n, j, scratch);
    case 3:
      return AnswerSumsOf<3, 2 * wide>(m, conditions, n, j, scratch);
    case 4:
      return AnswerSumsOf<4, 2 * wide>(m, conditions, n, j, scratch);
    case 5:
      return AnswerSumsOf<5, 1>(m, conditions, n, j, scratch);
    case 6:
      return AnswerSumsOf<6, 1>(m, conditions, n, j, scratch);
    case 7:
      return AnswerSumsOf<7, 1>(m, conditions, n, j, scratch);
    default:
      return AnswerSumsOf<8, 1>(m, conditions, n, j, scratch);
  }
}

// Vector registers of the instruction set: what a register-blocked loop may hold.
constexpr int kRegisters = W == 8 ? 32 : 16;

// Components are swept in runs of kPairRun so that the rows of X and Y of a run
// stay in the first-level cache while every group of answers of Y passes over
// them; the sums wait in memory between runs.
constexpr int kPairRun = 64;

// Vectors of X a group takes at a time: with two-lane vectors a broadcast answer
// of Y serves two of them.
constexpr int kXBlock = W == 2 ? 2 : 1;

// Vectors of the sums one group keeps: G x kXBlock joint sums (the block of X
// against each of G answers of Y), Px of the block with WithX, and Py of the
// group's answers with WithY.
template <int G, bool WithX, bool WithY>
constexpr int GroupVectors() {
  return G * kXBlock + (WithX ? kXBlock : 0) + (WithY ? (G + W - 1) / W : 0);
}

// Components [c0, c1) of the block of X at vector v against answers y0 ..
// y0+G-1 of Y, all joint sums in registers: the products (w_c x q_c) x p_c(x) are
// made once per component and multiplied by each p_c(y) in turn. With WithX the
// products are summed into Px, with WithY the factors times the row of Y into Py.
template <int G, bool WithX, bool WithY>
void PairGroup(const KernelModel& m, const double* factors, int v, int y0, int c0, int c1, V* state) {
  constexpr int B = kXBlock, YG = (G + W - 1) / W, X = G * B, Y = X + (WithX ? B : 0);
  const int strideX = m.strideX, strideY = m.strideY;
  V sum[G][B], sumX[B], sumY[YG];
  for (int g = 0; g < G; ++g)
    for (int b = 0; b < B; ++b) sum[g][b] = state[g * B + b];
  if constexpr (WithX)
    for (int b = 0; b < B; ++b) sumX[b] = state[X + b];
  if constexpr (WithY)
    for (int k = 0; k < YG; ++k) sumY[k] = state[Y + k];
  const double* rowX = m.answersX + static_cast<std::size_t>(c0) * strideX + v * W;
  const double* rowY = m.answersY + static_cast<std::size_t>(c0) * strideY + y0;
  for (int c = c0; c < c1; ++c, rowX += strideX, rowY += strideY) {
    const V f = Splat(factors[c]);
    V product[B];
    for (int b = 0; b < B; ++b) product[b] = f * Load(rowX + b * W);
    for (int g = 0; g < G; ++g) {
      const V p = Splat(rowY[g]);
      for (int b = 0; b < B; ++b) sum[g][b] += product[b] * p;
    }
    if constexpr (WithX)
      for (int b = 0; b < B; ++b) sumX[b] += product[b];
    if constexpr (WithY)
      for (int k = 0; k < YG; ++k) sumY[k] += f * Load(rowY + k * W);
  }
  for (int g = 0; g < G; ++g)
    for (int b = 0; b < B; ++b) state[g * B + b] = sum[g][b];
  if constexpr (WithX)
    for (int b = 0; b < B; ++b) state[X + b] = sumX[b];
  if constexpr (WithY)
    for (int k = 0; k < YG; ++k) state[Y + k] = sumY[k];
}

// The group's sums out of its state.
template <int G, bool WithX, bool WithY>
void PairGroupResults(const KernelModel& m, const V* state, int v, int y0, double* joint, double* px, double* py) {
  constexpr int B = kXBlock, X = G * B, Y = X + (WithX ? B : 0);
  const int strideX = m.strideX;
  for (int g = 0; g < G; ++g)
    for (int b = 0; b < B; ++b) Store(joint + (y0 + g) * strideX + (v + b) * W, state[g * B + b]);
  if constexpr (WithX)
    for (int b = 0; b < B; ++b) Store(px + (v + b) * W, state[X + b]);
  if constexpr (WithY)
    for (int g = 0; g < G; ++g) py[y0 + g] = state[Y + g / W][g % W];
}

// The largest group of answers of Y whose sums fit the registers beside the
// products, Px, Py and the factor.
constexpr int GroupLimit() {
  const int fit = (kRegisters - 4 - 2 * kXBlock) / kXBlock;
  return fit < 1 ? 1 : fit > kMaxAnswers ? kMaxAnswers : fit;
}

// One group of `size` answers (size <= G): sweeps components [c0, c1), or with
// c0 < 0 stores the results. Returns the vectors of its state.
template <int G, bool WithX, bool WithY>
int PairGroupOf(int size, const KernelModel& m, const double* factors, int v, int y0, int c0, int c1, V* state,
                double* joint, double* px, double* py) {
  if constexpr (G > 1) {
    if (size < G) return PairGroupOf<G - 1, WithX, WithY>(size, m, factors, v, y0, c0, c1, state, joint, px, py);
  }
  if (c0 >= 0)
    PairGroup<G, WithX, WithY>(m, factors, v, y0, c0, c1, state);
  else
    PairGroupResults<G, WithX, WithY>(m, state, v, y0, joint, px, py);
  return GroupVectors<G, WithX, WithY>();
}

// Pairs of one condition at a time: each block of the answers of X against the
// answers of Y in as few groups as the registers allow, each group sweeping a run
// of components once. Px of a block is summed in its first group. When the rows
// of X hold 1.0 in the lane after their last answer, the joint sums of that lane
// are Py (w_c x q_c x 1.0 is w_c x q_c exactly); otherwise the first block's
// groups also sum Py. Rows of X are padded to whole blocks.
void PairSums(const KernelModel& m, const KernelCondition* conditions, int n, double* pxy, double* px, double* py,
              KernelScratch& scratch) {
  constexpr int limit = GroupLimit();
  const int end = Ceil(m.components, W);
  const bool pyInX = m.onesAfterX;
  // The blocks reach the lane of ones when there is one.
  const int lanesX = m.answerCountX + (pyInX ? 1 : 0);
  const int ay = m.answerCountY, blocks = (lanesX + kXBlock * W - 1) / (kXBlock * W);
  const int components = m.components, strideX = m.strideX;
  const int groups = (ay + limit - 1) / limit;
  scratch.factors.Reserve(static_cast<std::size_t>(m.padded));
  const std::size_t stateVectors = static_cast<std::size_t>(blocks) * kXBlock * (ay + 1) +
                                   static_cast<std::size_t>(ay / W + groups);
  scratch.sums.Reserve(stateVectors * W);
  double* factors = scratch.factors.data();
  V* state = reinterpret_cast<V*>(scratch.sums.data());
  const auto eachGroup = [&](int c0, int c1, double* joint, double* x, double* y) {
    V* at = state;
    for (int k = 0; k < blocks; ++k)
      for (int g = 0, y0 = 0, v = k * kXBlock; g < groups; ++g) {
        const int size = ay / groups + (g < ay % groups ? 1 : 0);
        if (k == 0 && !pyInX)
          at += g == 0 ? PairGroupOf<limit, true, true>(size, m, factors, v, y0, c0, c1, at, joint, x, y)
                       : PairGroupOf<limit, false, true>(size, m, factors, v, y0, c0, c1, at, joint, x, y);
        else
          at += g == 0 ? PairGroupOf<limit, true, false>(size, m, factors, v, y0, c0, c1, at, joint, x, y)
                       : PairGroupOf<limit, false, false>(size, m, factors, v, y0, c0, c1, at, joint, x, y);
        y0 += size;
      }
  };
  for (int i = 0; i < n; ++i) {
    ConditionFactors(m, conditions[i], end, factors);
    std::memset(static_cast<void*>(state), 0, stateVectors * sizeof(V));
    for (int c0 = 0; c0 < components; c0 += kPairRun) eachGroup(c0, Lesser(c0 + kPairRun, components), nullptr, nullptr, nullptr);
    double* joint = pxy + static_cast<std::size_t>(i) * ay * strideX;
    eachGroup(-1, 0, joint, px + i * strideX, py + i * ay);
    if (pyInX)
      for (int y = 0; y < ay; ++y) py[i * ay + y] = joint[y * strideX + m.answerCountX];
  }
}

// The last steps of criteria 2 and 3 for many conditions. The quotients and
// products are correctly rounded operations and run in vectors; the logarithms
// are the library's, called in a tight loop; each condition's sums are then
// accumulated in the order of its answers, kGroup conditions side by side so that
// their chains of additions overlap. A term that the criterion leaves out is
// added as +0.0 instead: a sum that starts at +0.0 is never -0.0, so adding +0.0
// leaves it unchanged.
constexpr int kGroup = 4;

inline V KeptTerms(const Mask& keep, const V& terms) { return keep ? terms : V{}; }

// Criterion 3 from pxy[(i * ay + y) * stride + x], px[i * stride + x] and
// py[i * ay + y] (stride a whole number of vectors) into out[i].
void Informations(int ax, int ay, int stride, const double* pxy, const double* px, const double* py, int n,
                  double* out, KernelScratch& scratch) {
  const int span = ay * stride;
  scratch.products.Reserve(static_cast<std::size_t>(kGroup) * span);
  double* terms = scratch.products.data();
  for (int i0 = 0; i0 < n; i0 += kGroup) {
    const int count = Lesser(kGroup, n - i0);
    for (int g = 0; g < count; ++g) {
      const int i = i0 + g;
      const double* joint = pxy + static_cast<std::size_t>(i) * span;
      const double* pX = px + static_cast<std::size_t>(i) * stride;
      double* term = terms + g * span;
      for (int y = 0; y < ay; ++y) {
        const V pY = Splat(py[i * ay + y]);
        for (int x = 0; x < ax; x += W)
          Store(term + y * stride + x, Load(joint + y * stride + x) / (Load(pX + x) * pY));
      }
      for (int y = 0; y < ay; ++y)
        for (int x = 0; x < ax; ++x) term[y * stride + x] = std::log(term[y * stride + x]);
      for (int y = 0; y < ay; ++y) {
        const Mask pY = py[i * ay + y] != 0.0 ? ~Mask{} : Mask{};
        for (int x = 0; x < ax; x += W) {
          const V j = Load(joint + y * stride + x);
          const Mask keep = (j != V{}) & (Load(pX + x) != V{}) & pY;
          Store(term + y * stride + x, KeptTerms(keep, j * Load(term + y * stride + x)));
        }
      }
    }
    double b[kGroup] = {}, s[kGroup] = {};
    for (int x = 0; x < ax; ++x)
      for (int y = 0; y < ay; ++y)
        for (int g = 0; g < kGroup; ++g) {
          b[g] += pxy[static_cast<std::size_t>(i0 + Lesser(g, count - 1)) * span + y * stride + x];
          s[g] += terms[g * span + y * stride + x];
        }
    for (int g = 0; g < count; ++g) out[i0 + g] = std::log(b[g]) + s[g] / b[g];
  }
}

// Criterion 2 from j[i * answers + x] (readable W values past its end) into out[i].
void Entropies(int answers, const double* j, int n, double* out, KernelScratch& scratch) {
  const int span = Ceil(answers, W) + W;
  scratch.products.Reserve(static_cast<std::size_t>(kGroup) * span);
  double* terms = scratch.products.data();
  for (int i0 = 0; i0 < n; i0 += kGroup) {
    const int count = Lesser(kGroup, n - i0);
    for (int g = 0; g < count; ++g) {
      const double* in = j + (i0 + g) * answers;
      double* term = terms + g * span;
      for (int x = 0; x < answers; ++x) term[x] = std::log(in[x]);
      for (int x = 0; x < answers; x += W) {
        const V v = Load(in + x);
        Store(term + x, KeptTerms(v != V{}, v * Load(term + x)));
      }
    }
    double total[kGroup] = {}, s[kGroup] = {};
    for (int x = 0; x < answers; ++x)
      for (int g = 0; g < kGroup; ++g) {
        total[g] += j[(i0 + Lesser(g, count - 1)) * answers + x];
        s[g] += terms[g * span + x];
      }
    for (int g = 0; g < count; ++g) {
      const double h = std::log(total[g]) - s[g] / total[g];
      out[i0 + g] = h > 0.0 ? h : 0.0;
    }
  }
}

}  // namespace

const KernelSet kKernels = {ORBICA_KERNEL_NAME, W,        ConditionSums, EventSums,  WindowSums,
                            AnswerSums,         PairSums, Entropies,     Informations};

}  // namespace orbica::kernels::ORBICA_KERNEL_NAMESPACE
