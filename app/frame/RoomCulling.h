// Which rooms of the cached draw list a frame draws: those the portal walk reaches from the eye,
// or all of them when the picture could depend on hidden rooms or the walk cannot judge the view.
#pragma once

#include "math/ViewFrustum.h"
#include "world/CellMap.h"
#include "world/PortalWalk.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace trovane {

struct CullingConditions {
    bool enabled = true;        // Rendering.PortalCulling, toggled with p
    bool filledPolygons = true; // wireframe and points show hidden rooms through the walls
    bool depthTest = true;
    bool frontToBack = false; // without the depth test, later and farther rooms paint over
};

class RoomCulling {
public:
    // Decides for one frame of the station with these cells.
    void update(const CellMap& cells, const ViewFrustum& frustum, const CullingConditions& when);

    // Leaf cells number the station's rooms 0, 1, ... in x-major cell order, as the station tree
    // makes them.
    bool drawsLeaf(std::int32_t leafCell) const {
        return everything_ || (leafCell >= 0 && leafCell < kStationCellCount &&
                               leaves_.test(static_cast<std::size_t>(leafCell)));
    }
    bool drawsEverything() const { return everything_; }
    // Where on the picture a drawn leaf can show, in normalised device coordinates.
    ScreenBounds boundsOf(std::int32_t leafCell) const {
        if (everything_ || leafCell < 0 || leafCell >= kStationCellCount) {
            return ScreenBounds::whole();
        }
        const ScreenBounds& bounds = bounds_[static_cast<std::size_t>(leafCell)];
        return bounds.empty() ? ScreenBounds::whole() : bounds;
    }
    // Why the walk took every room; None when it decided, or was not asked.
    PortalFallback fallback() const { return fallback_; }
    int roomsDrawn() const { return everything_ ? rooms_ : static_cast<int>(leaves_.count()); }

private:
    std::bitset<kStationCellCount> leaves_;
    std::array<ScreenBounds, kStationCellCount> bounds_{};
    bool everything_ = true;
    PortalFallback fallback_ = PortalFallback::None;
    int rooms_ = 0;
};

} // namespace trovane
