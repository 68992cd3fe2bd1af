// Kernels for the baseline instruction set: vectors of two doubles.
#define ORBICA_KERNEL_LANES 2
#define ORBICA_KERNEL_NAMESPACE generic
#define ORBICA_KERNEL_NAME "generic"
#include "analysis/kernel_body.h"

namespace orbica::kernels {
const KernelSet* GenericKernels() { return &generic::kKernels; }
}  // namespace orbica::kernels
