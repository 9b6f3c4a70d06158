#include "world/PortalWalk.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "world/RoomWalls.h"

namespace trovane {

namespace {

constexpr float e = kWallInset;
constexpr float a = kDoorInset;

// The frustum's openings grow by this fraction: a pixel's ray may lie a little outside the
// mathematical frustum after rounding.
constexpr float kFrustumMargin = 0.01f;
// The eye must keep this many near-plane corner reaches from its room's walls.
constexpr float kNearReachMargin = 1.5f;
// A ray that enters the 2e gap between two rooms' walls through a door leaves it again across
// the plane of the far wall. It may only slip out of the gap sideways, into the gaps around the
// cells, if it reaches the edge of the walls (e from the cell faces) before that plane. Its
// footprint on the far plane must therefore stay within the walls' edges, with this margin.
constexpr float kSlabMargin = 0.002f;
// A straight ray crosses at most this many cells of the station.
constexpr int kMaxDepth = 3 * kStationExtent;
constexpr int kMaxCorners = 24;

float& at(Vector3& v, int axis) {
    return axis == 0 ? v.x : (axis == 1 ? v.y : v.z);
}
float at(const Vector3& v, int axis) {
    return axis == 0 ? v.x : (axis == 1 ? v.y : v.z);
}
int at(const CellPosition& c, int axis) {
    return axis == 0 ? c.x : (axis == 1 ? c.y : c.z);
}
int& at(CellPosition& c, int axis) {
    return axis == 0 ? c.x : (axis == 1 ? c.y : c.z);
}

// A convex polygon, its corners relative to the eye.
struct Outline {
    std::array<Vector3, kMaxCorners> corners;
    int count = 0;
    bool overflow = false;

    void add(Vector3 q) {
        if (count == kMaxCorners) {
            overflow = true;
            return;
        }
        corners[static_cast<std::size_t>(count++)] = q;
    }
};

// Planes through the eye: a direction q is inside when dot(normal, q) >= 0 for all of them.
struct Cone {
    std::array<Vector3, kMaxCorners> normals;
    int count = 0;
};

// The walls with doors, in the order of wallOpenings: the axis each faces and which way.
struct DoorSide {
    int axis;
    int sign;
};
constexpr std::array<DoorSide, 6> kDoorSides{{{2, -1}, {2, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 1}}};

Outline clip(const Outline& in, Vector3 normal) {
    Outline out;
    for (int i = 0; i < in.count; ++i) {
        const Vector3 p = in.corners[static_cast<std::size_t>(i)];
        const Vector3 q = in.corners[static_cast<std::size_t>((i + 1) % in.count)];
        const float dp = dot(normal, p);
        const float dq = dot(normal, q);
        if (dp >= 0.0f) {
            out.add(p);
        }
        if ((dp >= 0.0f) != (dq >= 0.0f)) {
            out.add(p + (q - p) * (dp / (dp - dq)));
        }
    }
    out.overflow = out.overflow || in.overflow;
    return out;
}

Outline clip(Outline outline, const Cone& cone) {
    for (int i = 0; i < cone.count && outline.count > 0; ++i) {
        outline = clip(outline, cone.normals[static_cast<std::size_t>(i)]);
    }
    return outline;
}

// The cone of rays from the eye through a convex outline. Planes of edges too short to have a
// trustworthy direction are left out, which only widens the cone.
Cone coneThrough(const Outline& outline) {
    Vector3 centre;
    for (int i = 0; i < outline.count; ++i) {
        centre += outline.corners[static_cast<std::size_t>(i)];
    }
    Cone cone;
    for (int i = 0; i < outline.count; ++i) {
        const Vector3 p = outline.corners[static_cast<std::size_t>(i)];
        const Vector3 q = outline.corners[static_cast<std::size_t>((i + 1) % outline.count)];
        Vector3 n = cross(p, q);
        if (dot(n, n) <= 1e-10f * dot(p, p) * dot(q, q)) {
            continue;
        }
        if (dot(n, centre) < 0.0f) {
            n = -n;
        }
        cone.normals[static_cast<std::size_t>(cone.count++)] = n;
    }
    return cone;
}

Cone frustumCone(const ViewFrustum& f) {
    const float w = f.tanHalfWidth * (1.0f + kFrustumMargin);
    const float h = f.tanHalfHeight * (1.0f + kFrustumMargin);
    Cone cone;
    cone.normals = {f.forward * w - f.side, f.forward * w + f.side, f.forward * h - f.up,
                    f.forward * h + f.up};
    cone.count = 4;
    return cone;
}

class Walk {
public:
    Walk(const CellMap& cells, const ViewFrustum& frustum)
        : cells_(cells), eye_(frustum.eye), frustum_(frustum) {}

    PortalView run(CellPosition room, const Cone& cone) {
        view_.cells.insert(cellIndex(room));
        view_.bounds[static_cast<std::size_t>(cellIndex(room))] = ScreenBounds::whole();
        if (!visit(room, cone, 0)) {
            view_.cells = CellSet::all();
        }
        return view_;
    }

private:
    // The door square of room's wall on side, lying in the plane at planeAt on that side's axis.
    Outline doorSquare(CellPosition room, DoorSide side, float planeAt) const {
        const int u = (side.axis + 1) % 3;
        const int v = (side.axis + 2) % 3;
        const float lowU = static_cast<float>(at(room, u)) + a - kPortalMargin;
        const float highU = static_cast<float>(at(room, u)) + 1.0f - a + kPortalMargin;
        const float lowV = static_cast<float>(at(room, v)) + a - kPortalMargin;
        const float highV = static_cast<float>(at(room, v)) + 1.0f - a + kPortalMargin;
        Outline square;
        for (const auto& [cu, cv] : {std::array{lowU, lowV}, std::array{highU, lowV},
                                     std::array{highU, highV}, std::array{lowU, highV}}) {
            Vector3 corner;
            at(corner, side.axis) = planeAt;
            at(corner, u) = cu;
            at(corner, v) = cv;
            square.add(corner - eye_);
        }
        return square;
    }

    // Whether every ray through the door outline, which lies ahead of the eye at the distance
    // ahead along the door's axis, crosses the gap behind the wall without reaching its edges.
    bool staysBetweenWalls(const Outline& hole, CellPosition room, DoorSide side,
                           float ahead) const {
        const float scale = (ahead + 2.0f * e) / ahead;
        for (int i = 0; i < hole.count; ++i) {
            const Vector3 footprint = eye_ + hole.corners[static_cast<std::size_t>(i)] * scale;
            for (int axis = 0; axis < 3; ++axis) {
                if (axis == side.axis) {
                    continue;
                }
                const float local = at(footprint, axis) - static_cast<float>(at(room, axis));
                if (!(local >= e + kSlabMargin && local <= 1.0f - e - kSlabMargin)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Widens bounds to the outline as the picture shows it. The outline lies inside the frustum,
    // so in front of the eye. The view's side and up axes point to the picture's left and bottom.
    void includeOutline(ScreenBounds& bounds, const Outline& outline) const {
        for (int i = 0; i < outline.count; ++i) {
            const Vector3 q = outline.corners[static_cast<std::size_t>(i)];
            const float ahead = dot(q, frustum_.forward);
            if (!(ahead > 1e-6f * length(q))) {
                bounds = ScreenBounds::whole(); // a widened cone: keep the whole picture
                return;
            }
            bounds.include(-dot(q, frustum_.side) / (ahead * frustum_.tanHalfWidth),
                           -dot(q, frustum_.up) / (ahead * frustum_.tanHalfHeight));
        }
    }

    bool fallBack(PortalFallback reason) {
        view_.fallback = reason;
        return false;
    }

    // Marks what the rays in cone reach when they leave room; false when the frame must take
    // every cell instead.
    bool visit(CellPosition room, const Cone& cone, int depth) {
        const std::array<bool, 6> open = wallOpenings(cells_, room.x, room.y, room.z);
        for (std::size_t wall = 0; wall < open.size(); ++wall) {
            if (open[wall] && !pass(room, kDoorSides[wall], cone, depth)) {
                return false;
            }
        }
        return true;
    }

    bool pass(CellPosition room, DoorSide side, const Cone& cone, int depth) {
        const float cell = static_cast<float>(at(room, side.axis));
        const float inner = side.sign > 0 ? cell + 1.0f - e : cell + e;
        const float outer = side.sign > 0 ? cell + 1.0f + e : cell - e;
        // Rays leave through this wall only when it lies ahead of the eye.
        const float ahead = (inner - at(eye_, side.axis)) * static_cast<float>(side.sign);
        if (!(ahead > 0.0f)) {
            return true;
        }
        const Outline hole = clip(doorSquare(room, side, inner), cone);
        if (hole.overflow) {
            return fallBack(PortalFallback::TooComplex);
        }
        if (hole.count == 0) {
            return true;
        }
        if (!staysBetweenWalls(hole, room, side, ahead)) {
            return fallBack(PortalFallback::GrazingDoor);
        }
        CellPosition next = room;
        at(next, side.axis) += side.sign;
        if (!insideStation(next.x, next.y, next.z)) {
            return true; // an opening to the outside: nothing lies beyond
        }
        // Rays that miss the neighbour's hole hit the back of its wall: reached either way.
        view_.cells.insert(cellIndex(next));
        includeOutline(view_.bounds[static_cast<std::size_t>(cellIndex(next))], hole);
        const Outline through = clip(doorSquare(room, side, outer), coneThrough(hole));
        if (through.overflow) {
            return fallBack(PortalFallback::TooComplex);
        }
        if (through.count == 0) {
            return true;
        }
        if (depth + 1 >= kMaxDepth) {
            return fallBack(PortalFallback::TooComplex);
        }
        return visit(next, coneThrough(through), depth + 1);
    }

    const CellMap& cells_;
    Vector3 eye_;
    ViewFrustum frustum_;
    PortalView view_;
};

bool isFinite(Vector3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

void ScreenBounds::include(float x, float y) {
    if (empty()) {
        *this = {x, y, x, y};
        return;
    }
    left = std::min(left, x);
    right = std::max(right, x);
    bottom = std::min(bottom, y);
    top = std::max(top, y);
}

PortalView walkPortals(const CellMap& cells, const ViewFrustum& frustum) {
    PortalView everything{CellSet::all(), PortalFallback::EyeOutsideRoom};
    const Vector3 eye = frustum.eye;
    const auto extent = static_cast<float>(kStationExtent);
    if (!isFinite(eye) || eye.x < 0.0f || eye.y < 0.0f || eye.z < 0.0f || eye.x >= extent ||
        eye.y >= extent || eye.z >= extent) {
        return everything;
    }
    const CellPosition room{static_cast<int>(eye.x), static_cast<int>(eye.y),
                            static_cast<int>(eye.z)};
    if (cells[static_cast<std::size_t>(cellIndex(room))] == kCellEmpty) {
        return everything;
    }
    const float keep = e + frustum.nearCornerReach() * kNearReachMargin;
    for (int axis = 0; axis < 3; ++axis) {
        const float local = at(eye, axis) - static_cast<float>(at(room, axis));
        if (!(local >= e && local <= 1.0f - e)) {
            return everything; // in the gap between two cells' walls
        }
        if (!(local >= keep && local <= 1.0f - keep)) {
            everything.fallback = PortalFallback::EyeNearWall;
            return everything;
        }
    }
    return Walk(cells, frustum).run(room, frustumCone(frustum));
}

} // namespace trovane
