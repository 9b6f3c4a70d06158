// Memory figures from Windows, at full width; saturating to 32 bits happens
// where a figure is picked, as on Linux.
#include "sysinfo/MemoryStatus.h"

#include <windows.h>

namespace trovane {

MemoryFigures readMemoryFigures() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    MemoryFigures figures;
    if (::GlobalMemoryStatusEx(&status) == 0) {
        return figures;
    }
    figures.loadPercent = status.dwMemoryLoad;
    figures.availablePhysical = status.ullAvailPhys;
    figures.availablePageFile = status.ullAvailPageFile;
    figures.availableVirtual = status.ullAvailVirtual;
    figures.totalPhysical = status.ullTotalPhys;
    figures.totalPageFile = status.ullTotalPageFile;
    figures.totalVirtual = status.ullTotalVirtual;
    return figures;
}

} // namespace trovane
