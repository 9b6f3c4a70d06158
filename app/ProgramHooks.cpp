#include "app/ProgramHooks.h"

namespace trovane::hooks {

void firstFramePresented() {}

void stationShown(const CellMap&) {}

} // namespace trovane::hooks
