#include "sysinfo/MemoryStatus.h"

#include <limits>

namespace trovane {

std::uint32_t saturate32(std::uint64_t value) {
    constexpr std::uint64_t largest = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(value > largest ? largest : value);
}

std::uint32_t pickMemoryFigure(const MemoryFigures& figures, std::uint32_t kind) {
    switch (kind) {
    case MemoryLoad:
        return saturate32(figures.loadPercent);
    case AvailablePhysical:
        return saturate32(figures.availablePhysical);
    case AvailablePageFile:
        return saturate32(figures.availablePageFile);
    case AvailableVirtual:
        return saturate32(figures.availableVirtual);
    case TotalPhysical:
        return saturate32(figures.totalPhysical);
    case TotalPageFile:
        return saturate32(figures.totalPageFile);
    case TotalVirtual:
        return saturate32(figures.totalVirtual);
    default:
        return 0;
    }
}

std::uint32_t GetMemoryStatus(std::uint32_t kind) {
    if (kind > TotalVirtual) {
        return 0;
    }
    return pickMemoryFigure(readMemoryFigures(), kind);
}

} // namespace trovane
