// Choice of the kernels by what the processor can run.
#include <cstring>
#include <new>

#include "analysis/kernels.h"

namespace orbica::kernels {

void AlignedDoubles::Reserve(std::size_t n) {
  if (n <= size_) return;
  const std::size_t bytes = (n * sizeof(double) + 63) / 64 * 64;
  auto* memory = static_cast<double*>(std::aligned_alloc(64, bytes));
  if (!memory) throw std::bad_alloc();
  std::memset(memory, 0, bytes);
  data_.reset(memory);
  size_ = bytes / sizeof(double);
}

namespace {

bool CpuHasAvx512() {
#if defined(__x86_64__) || defined(__i386__)
  return __builtin_cpu_supports("avx512f");
#else
  return false;
#endif
}

bool CpuHasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
  return __builtin_cpu_supports("avx2");
#else
  return false;
#endif
}

}  // namespace

const KernelSet& SelectKernels(KernelLevel level) {
  if ((level == KernelLevel::Auto || level == KernelLevel::Avx512) && Avx512Kernels() && CpuHasAvx512())
    return *Avx512Kernels();
  if ((level == KernelLevel::Auto || level == KernelLevel::Avx512 || level == KernelLevel::Avx2) && Avx2Kernels() &&
      CpuHasAvx2())
    return *Avx2Kernels();
  return *GenericKernels();
}

}  // namespace orbica::kernels
