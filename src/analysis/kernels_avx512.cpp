// Kernels for AVX-512 processors: vectors of eight doubles. The build compiles
// this file with -mavx512f and defines ORBICA_KERNELS_AVX512 when the compiler can.
#include "analysis/kernels.h"

#ifdef ORBICA_KERNELS_AVX512
#define ORBICA_KERNEL_LANES 8
#define ORBICA_KERNEL_NAMESPACE avx512
#define ORBICA_KERNEL_NAME "avx512"
#include "analysis/kernel_body.h"
#endif

namespace orbica::kernels {
#ifdef ORBICA_KERNELS_AVX512
const KernelSet* Avx512Kernels() { return &avx512::kKernels; }
#else
const KernelSet* Avx512Kernels() { return nullptr; }
#endif
}  // namespace orbica::kernels
