// The processor identification instruction.
#pragma once

#include <cstdint>

namespace trovane {

// The four registers CPUID returns, in this order.
struct CpuidResult {
    std::uint32_t eax = 0;
    std::uint32_t ebx = 0;
    std::uint32_t ecx = 0;
    std::uint32_t edx = 0;
};

// CPUID with leaf in EAX (and 0 in ECX), whatever the highest leaf the
// processor names. Four zeros when the processor has no such instruction, and
// on processors other than x86.
CpuidResult ReadCpuid(std::uint32_t leaf);

} // namespace trovane
