#include "sysinfo/Cpuid.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace trovane {

#if defined(__x86_64__) || defined(__i386__)

CpuidResult ReadCpuid(std::uint32_t leaf) {
    CpuidResult result;
    // The highest leaf of leaf's range (basic or extended); 0 when the
    // instruction itself is missing. Leaves above it would return another
    // leaf's data rather than fail.
    const unsigned int highest = __get_cpuid_max(leaf & 0x80000000u, nullptr);
    if (highest == 0 || leaf > highest) {
        return result;
    }
    __cpuid_count(leaf, 0, result.eax, result.ebx, result.ecx, result.edx);
    return result;
}

#else

CpuidResult ReadCpuid(std::uint32_t /*leaf*/) {
    return {};
}

#endif

} // namespace trovane
