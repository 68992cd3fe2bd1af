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
// q_c. The components are taken in short runs for all windows, so that the rows
// of a run stay in the first-level cache while every window passes over them; the
// partial sums wait in the outputs between runs.
template <bool Event>
void WindowSumsOf(const KernelModel& m, const KernelWindows& windows, double* p, double* t, KernelScratch& scratch) {
  constexpr int G = Event ? 4 : 8;  // windows at a time
  constexpr int kRun = 16;          // components at a time
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
    for (int k0 = 0; k0 < windows.count; k0 += G) {
      const int n = Lesser(G, windows.count - k0);
      const double* column[G];
      const double* base[G];
      V sumP[G], sumT[G];
      for (int k = 0; k < G; ++k) {
        const int window = k0 + Lesser(k, n - 1);
        column[k] = m.columns + windows.starts[window];
        base[k] = bases + static_cast<std::size_t>(windows.group[window]) * m.padded;
        sumP[k] = Load(p + window * W);
        if constexpr (Event) sumT[k] = Load(t + window * W);
      }
      for (int c = c0; c < c1; ++c) {
        const V w = Splat(m.weights[c]);
        const std::size_t offset = static_cast<std::size_t>(c) * kColumnStride;
        for (int k = 0; k < G; ++k) {
          const V q = Splat(base[k][c]) * Load(column[k] + offset);
          sumP[k] += w * q;
          if constexpr (Event) sumT[k] += Splat(m.eventWeights[c]) * q;
        }
      }
      for (int k = 0; k < n; ++k) {
        Store(p + (k0 + k) * W, sumP[k]);
        if constexpr (Event) Store(t + (k0 + k) * W, sumT[k]);
      }
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
  switch ((m.answerCountX + W - 1) / W) {
    case 1:
      return AnswerSumsOf<1, 4>(m, conditions, n, j, scratch);
    case 2:
      return AnswerSumsOf<2, 4>(m, conditions, n, j, scratch);
    case 3:
      return AnswerSumsOf<3, 2>(m, conditions, n, j, scratch);
    case 4:
      return AnswerSumsOf<4, 2>(m, conditions, n, j, scratch);
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

// Px (or Py) of one condition from its factors: the answers in lanes.
template <int AV>
void SingleSums(const double* factors, const double* answers, int stride, int components, int count, double* out) {
  V sum[AV];
  for (int v = 0; v < AV; ++v) sum[v] = V{};
  for (int c = 0; c < components; ++c) {
    const V f = Splat(factors[c]);
    const double* row = answers + static_cast<std::size_t>(c) * stride;
    for (int v = 0; v < AV; ++v) sum[v] += f * Load(row + v * W);
  }
  for (int x = 0; x < count; ++x) out[x] = sum[x / W][x % W];
}

void SingleSumsAny(const double* factors, const double* answers, int stride, int components, int count, double* out) {
  switch ((count + W - 1) / W) {
    case 1:
      return SingleSums<1>(factors, answers, stride, components, count, out);
    case 2:
      return SingleSums<2>(factors, answers, stride, components, count, out);
    case 3:
      return SingleSums<3>(factors, answers, stride, components, count, out);
    case 4:
      return SingleSums<4>(factors, answers, stride, components, count, out);
    case 5:
      return SingleSums<5>(factors, answers, stride, components, count, out);
    case 6:
      return SingleSums<6>(factors, answers, stride, components, count, out);
    case 7:
      return SingleSums<7>(factors, answers, stride, components, count, out);
    default:
      return SingleSums<8>(factors, answers, stride, components, count, out);
  }
}

// Pairs: the answers of Y in lanes, GX answers of X at a time. The products
// (w_c x q_c) x p_c(x) are made once per condition along the components.
template <int YV, int GX>
void PairSumsOf(const KernelModel& m, const KernelCondition* conditions, int n, double* pxy, double* px, double* py,
                KernelScratch& scratch) {
  const int end = Ceil(m.components, W);
  const int ax = m.answerCountX, ay = m.answerCountY;
  const int rowsX = Ceil(ax, GX);
  scratch.factors.Reserve(static_cast<std::size_t>(m.padded));
  scratch.products.Reserve(static_cast<std::size_t>(rowsX) * m.padded);
  double* factors = scratch.factors.data();
  double* products = scratch.products.data();
  for (int i = 0; i < n; ++i) {
    ConditionFactors(m, conditions[i], end, factors);
    SingleSumsAny(factors, m.answersX, m.strideX, m.components, ax, px + i * ax);
    for (int x = 0; x < ax; ++x) {
      const double* p = Row(m, m.firstSlotX + x);
      double* out = products + x * m.padded;
      for (int c = 0; c < end; c += W) Store(out + c, Load(factors + c) * Load(p + c));
    }
    for (int x = ax; x < rowsX; ++x)
      for (int c = 0; c < end; ++c) products[x * m.padded + c] = 0.0;
    double* joint = pxy + static_cast<std::size_t>(i) * ax * ay;
    for (int x0 = 0; x0 < ax; x0 += GX) {
      // The first group also sums Py from the same loads.
      const bool withY = x0 == 0;
      V sum[GX][YV], sumY[YV];
      for (int g = 0; g < GX; ++g)
        for (int v = 0; v < YV; ++v) sum[g][v] = V{};
      for (int v = 0; v < YV; ++v) sumY[v] = V{};
      for (int c = 0; c < m.components; ++c) {
        const double* row = m.answersY + static_cast<std::size_t>(c) * m.strideY;
        V p[YV];
        for (int v = 0; v < YV; ++v) p[v] = Load(row + v * W);
        for (int g = 0; g < GX; ++g) {
          const V f = Splat(products[(x0 + g) * m.padded + c]);
          for (int v = 0; v < YV; ++v) sum[g][v] += f * p[v];
        }
        if (withY) {
          const V f = Splat(factors[c]);
          for (int v = 0; v < YV; ++v) sumY[v] += f * p[v];
        }
      }
      for (int g = 0; g < GX && x0 + g < ax; ++g)
        for (int y = 0; y < ay; ++y) joint[(x0 + g) * ay + y] = sum[g][y / W][y % W];
      if (withY)
        for (int y = 0; y < ay; ++y) py[i * ay + y] = sumY[y / W][y % W];
    }
  }
}

void PairSums(const KernelModel& m, const KernelCondition* conditions, int n, double* pxy, double* px, double* py,
              KernelScratch& scratch) {
  switch ((m.answerCountY + W - 1) / W) {
    case 1:
      return PairSumsOf<1, 6>(m, conditions, n, pxy, px, py, scratch);
    case 2:
      return PairSumsOf<2, 4>(m, conditions, n, pxy, px, py, scratch);
    case 3:
      return PairSumsOf<3, 2>(m, conditions, n, pxy, px, py, scratch);
    case 4:
      return PairSumsOf<4, 2>(m, conditions, n, pxy, px, py, scratch);
    case 5:
      return PairSumsOf<5, 1>(m, conditions, n, pxy, px, py, scratch);
    case 6:
      return PairSumsOf<6, 1>(m, conditions, n, pxy, px, py, scratch);
    case 7:
      return PairSumsOf<7, 1>(m, conditions, n, pxy, px, py, scratch);
    default:
      return PairSumsOf<8, 1>(m, conditions, n, pxy, px, py, scratch);
  }
}

}  // namespace

const KernelSet kKernels = {ORBICA_KERNEL_NAME, W, ConditionSums, EventSums, WindowSums, AnswerSums, PairSums};

}  // namespace orbica::kernels::ORBICA_KERNEL_NAMESPACE
