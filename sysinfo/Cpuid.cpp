#include "sysinfo/Cpuid.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace trovane {

#if defined(__x86_64__) || defined(__i386__)

// The leaf as given: leaves outside the basic and extended ranges, such as
// the hypervisor's from 0x40000000, answer too.
CpuidResult ReadCpuid(std::uint32_t leaf) {
    CpuidResult result;
#if defined(__i386__)
    // Only the oldest 32-bit processors lack the instruction.
    if (__get_cpuid_max(0, nullptr) == 0) {
        return result;
    }
#endif
    __cpuid_count(leaf, 0, result.eax, result.ebx, result.ecx, result.edx);
    return result;
}

#else

CpuidResult ReadCpuid(std::uint32_t /*leaf*/) {
    return {};
}

#endif

} // namespace trovane
