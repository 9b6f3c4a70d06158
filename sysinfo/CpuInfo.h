// What the processor says about itself. Each query reads CPUID on first use
// and keeps its own copy; meant for one thread.
#pragma once

#include <cstdint>

namespace trovane {

// Bit of EDX of leaf 1 (23 MMX, 25 SSE, 26 SSE2); false for a bit of 32 or
// more, which names no flag. The flags are read and kept first.
bool HasCpuFeature(unsigned int bit);

// The 12-character vendor text ("AuthenticAMD"); the same buffer on every call.
const char* GetCpuVendor();

// The brand text past its leading blanks; empty where the processor has none.
const char* GetCpuBrand();

// Bits 8 to 11 of EAX of leaf 1.
std::uint8_t GetCpuFamily();
// Bits 4 to 7 of EAX of leaf 1.
std::uint8_t GetCpuModel();
// Bits 0 to 7 of EBX of leaf 1.
std::uint8_t GetCpuBrandIndex();
// Bit 13 of EAX of leaf 1, the upper bit of the processor-type field.
bool IsDualProcessorType();

// EBX of leaf 1 shifted right by 16: the logical-processor count field in bits
// 0 to 7, the initial APIC identifier in bits 8 to 15. Read on every call.
std::uint32_t GetLogicalProcessorInfo();

} // namespace trovane
