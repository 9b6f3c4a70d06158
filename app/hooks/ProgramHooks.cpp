#include "app/hooks/ProgramHooks.h"

namespace trovane::hooks {

void firstFramePresented() {}

void stationShown(const CellMap&) {}

} // namespace trovane::hooks
