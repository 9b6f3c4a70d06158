// Memory figures from Linux: /proc/meminfo for physical memory and swap (the
// page file), the address-space limit and /proc/self/status for virtual memory.
#include "sysinfo/MemoryStatus.h"

#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/sysinfo.h>

namespace trovane {

namespace {

constexpr std::uint64_t kKibibyte = 1024;

// The value in kB of the "<field>:" line of a /proc file, or 0 when absent.
std::uint64_t readKibibytes(const char* path, const char* field) {
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        return 0;
    }
    const std::size_t fieldLength = std::strlen(field);
    char line[256];
    unsigned long long value = 0;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, field, fieldLength) == 0 && line[fieldLength] == ':') {
            std::sscanf(line + fieldLength + 1, "%llu", &value);
            break;
        }
    }
    std::fclose(file);
    return value * kKibibyte;
}

struct Physical {
    std::uint64_t total = 0;
    std::uint64_t available = 0;
    std::uint64_t swapTotal = 0;
    std::uint64_t swapFree = 0;
};

// sysinfo() lacks the kernel's estimate of available memory; /proc/meminfo
// has it, and sysinfo() stands in when /proc is not mounted.
Physical readPhysical() {
    Physical figures;
    figures.total = readKibibytes("/proc/meminfo", "MemTotal");
    if (figures.total != 0) {
        figures.available = readKibibytes("/proc/meminfo", "MemAvailable");
        figures.swapTotal = readKibibytes("/proc/meminfo", "SwapTotal");
        figures.swapFree = readKibibytes("/proc/meminfo", "SwapFree");
        return figures;
    }
    struct sysinfo info {};
    if (::sysinfo(&info) == 0) {
        const std::uint64_t unit = info.mem_unit != 0 ? info.mem_unit : 1;
        figures.total = info.totalram * unit;
        figures.available = (info.freeram + info.bufferram) * unit;
        figures.swapTotal = info.totalswap * unit;
        figures.swapFree = info.freeswap * unit;
    }
    return figures;
}

// The address space a process may use: its limit, or the user half of the
// address space when there is none.
std::uint64_t addressSpaceSize() {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        return limit.rlim_cur;
    }
    return sizeof(void*) == 8 ? (std::uint64_t{1} << 47) : (std::uint64_t{3} << 30);
}

std::uint64_t percentInUse(std::uint64_t total, std::uint64_t available) {
    if (total == 0 || available >= total) {
        return 0;
    }
    return (total - available) * 100 / total;
}

} // namespace

MemoryFigures readMemoryFigures() {
    const Physical physical = readPhysical();
    MemoryFigures figures;
    figures.loadPercent = percentInUse(physical.total, physical.available);
    figures.totalPhysical = physical.total;
    figures.availablePhysical =
        physical.available < physical.total ? physical.available : physical.total;
    figures.totalPageFile = physical.swapTotal;
    figures.availablePageFile = physical.swapFree;
    figures.totalVirtual = addressSpaceSize();
    const std::uint64_t used = readKibibytes("/proc/self/status", "VmSize");
    figures.availableVirtual = used < figures.totalVirtual ? figures.totalVirtual - used : 0;
    return figures;
}

} // namespace trovane
