// The directions of a set of rays from the eye, bounded as seen along each axis. Rays through an
// axis-aligned rectangle are exactly those whose directions, seen along each of the rectangle's two
// axes, point between its two edges across that axis; so a run of cell faces keeps an exact bound
// as one wedge per axis, where screen rectangles lose more at every oblique face.
#pragma once

#include <array>
#include <cstddef>

namespace trovane {

// Directions in the plane of two axes, p along the next axis after the one looked along and q
// along the one after that: the wedge counterclockwise from lo to hi, less than half a turn, or
// every direction. Left unset when made without a value: the walk keeps one set per cell it may
// reach and fills it in only when it does.
struct DirectionWedge {
    float loP;
    float loQ;
    float hiP;
    float hiQ;
    bool all;

    static constexpr DirectionWedge any() { return {0.0f, 0.0f, 0.0f, 0.0f, true}; }

    static constexpr float cross(float aP, float aQ, float bP, float bQ) {
        return aP * bQ - aQ * bP;
    }

    // The wedge between two directions less than half a turn apart, in either order.
    static constexpr DirectionWedge between(float aP, float aQ, float bP, float bQ) {
        if (cross(aP, aQ, bP, bQ) < 0.0f) {
            return {bP, bQ, aP, aQ, false};
        }
        return {aP, aQ, bP, bQ, false};
    }

    // Rounding may misjudge a direction within a hair of an edge; whoever turns the wedge into
    // limits widens them by more than that.
    constexpr bool holds(float p, float q) const {
        return all || (cross(loP, loQ, p, q) >= 0.0f && cross(p, q, hiP, hiQ) >= 0.0f);
    }

    // Widens the wedge to hold other too; false when it already did.
    constexpr bool widenToHold(const DirectionWedge& other) {
        if (all) {
            return false;
        }
        const bool loIn = other.all || holds(other.loP, other.loQ);
        const bool hiIn = other.all || holds(other.hiP, other.hiQ);
        if (!other.all && loIn && hiIn) {
            return false; // both span less than half a turn, so other lies within
        }
        if (other.all || (!loIn && !hiIn && !other.holds(loP, loQ))) {
            all = true; // apart, or meeting only past half a turn
            return true;
        }
        if (!loIn && !hiIn) {
            *this = other; // other holds this wedge
            return true;
        }
        if (loIn) {
            hiP = other.hiP;
            hiQ = other.hiQ;
        } else {
            loP = other.loP;
            loQ = other.loQ;
        }
        all = !(cross(loP, loQ, hiP, hiQ) > 0.0f);
        return true;
    }
};

struct RayDirections {
    std::array<DirectionWedge, 3> around; // indexed by the axis looked along

    static constexpr RayDirections any() {
        return {{DirectionWedge::any(), DirectionWedge::any(), DirectionWedge::any()}};
    }

    DirectionWedge& along(int axis) { return around[static_cast<std::size_t>(axis)]; }
    const DirectionWedge& along(int axis) const { return around[static_cast<std::size_t>(axis)]; }

    bool widenToHold(const RayDirections& other) {
        bool wider = false;
        for (std::size_t axis = 0; axis < around.size(); ++axis) {
            wider = around[axis].widenToHold(other.around[axis]) || wider;
        }
        return wider;
    }
};

} // namespace trovane
