// Moments of a run that tests and start-up measurements watch for. The
// shipped program's notifications do nothing (ProgramHooks.cpp); the tests'
// build of the program links its own definitions instead, so no test-only
// output can be reached in the shipped binaries.
#pragma once

#include "world/CellMap.h"

namespace trovane::hooks {

// The first frame of the run was presented.
void firstFramePresented();

// The station now flown: at start and after each regeneration.
void stationShown(const CellMap& cells);

} // namespace trovane::hooks
