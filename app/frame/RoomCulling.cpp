#include "app/frame/RoomCulling.h"

namespace trovane {

void RoomCulling::update(const CellMap& cells, const ViewFrustum& frustum,
                         const CullingConditions& when) {
    const bool judged =
        when.enabled && when.filledPolygons && (when.depthTest || !when.frontToBack);
    const PortalView view =
        judged ? walkPortals(cells, frustum) : PortalView{CellSet::all(), PortalFallback::None};
    everything_ = !judged || view.seesEverything();
    fallback_ = view.fallback;
    leaves_.reset();
    rooms_ = 0;
    for (int cell = 0; cell < kStationCellCount; ++cell) {
        if (cells[static_cast<std::size_t>(cell)] == kCellEmpty) {
            continue;
        }
        if (view.cells.contains(cell)) {
            leaves_.set(static_cast<std::size_t>(rooms_));
            bounds_[static_cast<std::size_t>(rooms_)] = view.bounds[static_cast<std::size_t>(cell)];
        }
        ++rooms_;
    }
}

} // namespace trovane
