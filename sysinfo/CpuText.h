// Vendor and brand texts assembled from CPUID registers.
#pragma once

#include "sysinfo/Cpuid.h"

#include <array>

namespace trovane {

inline constexpr std::size_t kVendorLength = 12;
inline constexpr std::size_t kBrandLength = 48;

// EBX, EDX, ECX of leaf 0, four characters each, lowest byte first, then a NUL.
void writeVendorText(const CpuidResult& leaf0, char (&text)[kVendorLength + 1]);

// EAX, EBX, ECX, EDX of leaves 0x80000002 to 0x80000004 in turn, then a NUL.
// Returns a pointer to the first character of text that is not a blank.
const char* writeBrandText(const std::array<CpuidResult, 3>& leaves,
                           char (&text)[kBrandLength + 1]);

} // namespace trovane
