// Memory figures from Linux: /proc/meminfo for physical memory and the page
// file, the address-space limit and /proc/self/status for virtual memory.
//
// The page file is the commit limit, which counts physical memory as well as
// swap: total = CommitLimit, available = CommitLimit - Committed_AS.
#include "sysinfo/MemoryStatus.h"
#include "sysinfo/linux/Meminfo.h"

#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/sysinfo.h>

namespace trovane {

namespace {

// The whole of a small /proc file; empty when it cannot be read.
std::string readProcFile(const char* path) {
    std::string text;
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        return text;
    }
    char chunk[4096];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, count);
    }
    std::fclose(file);
    return text;
}

// sysinfo() lacks the kernel's estimate of available memory and the commit
// figures; /proc/meminfo has them, and sysinfo() stands in when /proc is not
// mounted, counting memory and swap as the commit limit.
Meminfo readMeminfo() {
    Meminfo figures = parseMeminfo(readProcFile("/proc/meminfo"));
    if (figures.total != 0) {
        return figures;
    }
    struct sysinfo info {};
    if (::sysinfo(&info) == 0) {
        const std::uint64_t unit = info.mem_unit != 0 ? info.mem_unit : 1;
        figures.total = info.totalram * unit;
        figures.available = (info.freeram + info.bufferram) * unit;
        figures.commitLimit = (info.totalram + info.totalswap) * unit;
        figures.committed = figures.commitLimit - (info.freeram + info.freeswap) * unit;
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
    const Meminfo memory = readMeminfo();
    MemoryFigures figures;
    figures.loadPercent = percentInUse(memory.total, memory.available);
    figures.totalPhysical = memory.total;
    figures.availablePhysical = memory.available < memory.total ? memory.available : memory.total;
    figures.totalPageFile = memory.commitLimit;
    figures.availablePageFile = memory.commitLeft();
    figures.totalVirtual = addressSpaceSize();
    const std::uint64_t used = kibibyteField(readProcFile("/proc/self/status"), "VmSize");
    figures.availableVirtual = used < figures.totalVirtual ? figures.totalVirtual - used : 0;
    return figures;
}

} // namespace trovane
