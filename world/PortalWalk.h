// The rooms a view can reach, found anew every frame. From inside a room the walk goes through each
// door the view frustum passes, narrowing it to the door as it goes. From the empty cells and the
// space around the station it goes from cell to cell, narrowing a picture rectangle to each face,
// reaches every room whose wall bounds that open space, and goes on into a room's interior through
// the start and end rooms' openings and through doors the gaps between rooms lead to.
// Conservative: a room whose wall some ray of the view hits first is always in the set, and where
// that cannot be promised the answer is every cell.
#pragma once

#include <array>

#include "math/ViewFrustum.h"
#include "world/CellMap.h"
#include "world/CellSet.h"

namespace trovane {

// Why a view had to take every cell.
enum class PortalFallback {
    None,
    EyeOutsideRoom, // in the gap between two rooms' walls, or not a finite position
    EyeNearWall,    // the near plane may cut open a wall near the eye
    GrazingDoor,    // a ray through a door may slip sideways between two walls
    TooComplex,     // a portal outline grew past what the walk keeps, or the walk ran too deep
    GrazingSlab,    // from the open space, the rays along the gaps between rooms' walls could not
                    // be bounded (a spread that is not finite)
};

// A rectangle of the picture in normalised device coordinates, -1 to 1 from left to right and
// from bottom to top.
struct ScreenBounds {
    float left = 1.0f;
    float bottom = 1.0f;
    float right = -1.0f;
    float top = -1.0f;

    static constexpr ScreenBounds whole() { return {-1.0f, -1.0f, 1.0f, 1.0f}; }
    bool empty() const { return left > right || bottom > top; }
    void include(float x, float y);
};

struct PortalView {
    CellSet cells; // every cell when fallback is not None
    PortalFallback fallback = PortalFallback::None;
    // For each reached cell, where on the picture the rays that reach it pass: every pixel its
    // room can show lies inside. Meaningless for a view that sees everything.
    std::array<ScreenBounds, kStationCellCount> bounds{};

    bool seesEverything() const { return fallback != PortalFallback::None; }
};

// Door squares grow by this much (world units) on every side, so that rounding only adds rooms.
inline constexpr float kPortalMargin = 0.002f;

PortalView walkPortals(const CellMap& cells, const ViewFrustum& frustum);

} // namespace trovane
