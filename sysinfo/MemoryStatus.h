// The operating system's memory figures, in 32 bits.
#pragma once

#include <cstdint>

namespace trovane {

// The available figures come before the totals.
enum MemoryKind : std::uint32_t {
    MemoryLoad = 0,        // physical memory in use, in percent
    AvailablePhysical = 1, // bytes
    AvailablePageFile = 2, // what may still be committed (memory and swap), bytes
    AvailableVirtual = 3,  // address space of this process, bytes
    TotalPhysical = 4,
    TotalPageFile = 5, // the commit limit: memory and swap together
    TotalVirtual = 6,
};

// The figures at full width.
struct MemoryFigures {
    std::uint64_t loadPercent = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t availablePageFile = 0;
    std::uint64_t availableVirtual = 0;
    std::uint64_t totalPhysical = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t totalVirtual = 0;
};

// Reads the figures now, from the backend (linux/ or win32/OsMemory.cpp).
MemoryFigures readMemoryFigures();

// A value above 0xFFFFFFFF stays at 0xFFFFFFFF instead of wrapping.
std::uint32_t saturate32(std::uint64_t value);

// The figure of kind, saturated; 0 for a kind above TotalVirtual.
std::uint32_t pickMemoryFigure(const MemoryFigures& figures, std::uint32_t kind);

// pickMemoryFigure of freshly read figures.
std::uint32_t GetMemoryStatus(std::uint32_t kind);

} // namespace trovane
