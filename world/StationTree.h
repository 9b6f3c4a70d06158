// The BSP tree built bottom-up from a complete station's cells.
#pragma once

#include "base/SharedPtr.h"
#include "bsp/BspTree.h"
#include "world/CellMap.h"

namespace trovane {

// The BSP tree of a complete cell map: one leaf per room in x-major order (ids and cells 0..L-1),
// joined bottom-up over cubes of 2, 4 and 8 cells under planes through the cube centres. Inner
// ids continue from L in merge order; regions without rooms add no nodes.
SharedPtr<BspTree> buildStationTree(const CellMap& cells);

} // namespace trovane
