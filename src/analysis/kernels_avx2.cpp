// Kernels for AVX2 processors: vectors of four doubles. The build compiles this
// file with -mavx2 and defines ORBICA_KERNELS_AVX2 when the compiler can.
#include "analysis/kernels.h"

#ifdef ORBICA_KERNELS_AVX2
#define ORBICA_KERNEL_LANES 4
#define ORBICA_KERNEL_NAMESPACE avx2
#define ORBICA_KERNEL_NAME "avx2"
#include "analysis/kernel_body.h"
#endif

namespace orbica::kernels {
#ifdef ORBICA_KERNELS_AVX2
const KernelSet* Avx2Kernels() { return &avx2::kKernels; }
#else
const KernelSet* Avx2Kernels() { return nullptr; }
#endif
}  // namespace orbica::kernels
