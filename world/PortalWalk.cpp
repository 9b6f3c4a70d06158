#include "world/PortalWalk.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>

#include "world/RayDirections.h"
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
// Screen rectangles of the open-space walk grow by this much (normalised device units) before they
// bound a cone, so that rounding in their projection only adds rays.
constexpr float kRectMargin = 2e-4f;
// Where a set of ray directions limits the rays on a plane, the limits grow by this fraction of
// their distance from the eye, and a hair more: far more than rounding moves a wedge's edges.
constexpr float kDirectionMargin = 1e-5f;
constexpr float kDirectionHair = 1e-6f;
// The open-space walk covers the station and a ring of one empty cell around it: a ray that leaves
// that box never comes back, since the station lies inside it.
constexpr int kRingLow = -1;
constexpr int kRingSpan = kStationExtent + 2;
constexpr int kRingCellCount = kRingSpan * kRingSpan * kRingSpan;
// A cell may be walked again when more rays reach it; past this many walks the view is too complex.
constexpr int kMaxAirVisits = 4 * kRingCellCount;
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
float at(const std::array<float, 3>& v, int axis) {
    return v[static_cast<std::size_t>(axis)];
}
std::array<float, 3> byAxis(Vector3 v) {
    return {v.x, v.y, v.z};
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
    // The walk writes what it finds into view.
    Walk(const CellMap& cells, const ViewFrustum& frustum, PortalView& view)
        : cells_(cells), eye_(frustum.eye), frustum_(frustum), eyeByAxis_(byAxis(frustum.eye)),
          forward_(byAxis(frustum.forward)),
          toX_(byAxis(frustum.side * (-1.0f / frustum.tanHalfWidth))),
          toY_(byAxis(frustum.up * (-1.0f / frustum.tanHalfHeight))), view_(view) {
        for (int axis = 0; axis < 3; ++axis) {
            const float clamped = std::clamp(at(eyeByAxis_, axis), -64.0f, 64.0f);
            const int cell = static_cast<int>(std::floor(clamped));
            at(eyeCell_, axis) = cell;
            firstBucket_ += std::max({kRingLow - cell, cell - (kRingLow + kRingSpan - 1), 0});
        }
    }

    void run(CellPosition room, const Cone& cone) {
        view_.cells.insert(cellIndex(room));
        view_.bounds[static_cast<std::size_t>(cellIndex(room))] = ScreenBounds::whole();
        if (!visit(room, cone, 0)) {
            view_.cells = CellSet::all();
        }
    }

    // From the open space around the rooms: the eye lies in the empty cell start (the station's
    // cells or the ring around them), or, with no start, outside the station.
    void runInOpenSpace(const CellPosition* start) {
        air_.heads.fill(-1);
        air_.reached.fill(false);
        air_.pending.fill(false);
        // Every wall lies within the box e inside the station's faces. A ray that has left that
        // box never comes back, and from outside it every ray that meets a wall enters it through
        // a face enterStation takes whole. So the ring around the station is walked only from an
        // eye between that box and the station's faces.
        walksRing_ = start != nullptr && !insideWallBox(eye_);
        if (start != nullptr) {
            reachAir(*start, frustumRect(), RayDirections::any());
        }
        if ((start == nullptr && !enterStation()) || !walkAir()) {
            view_.cells = CellSet::all();
        }
    }

private:
    // The cells of the open-space walk, worked through in order of their distance in cells from
    // the eye's cell, which every ray's run of cells increases; a cell reached again by more rays
    // goes back on the list. A cell's rays are bounded twice: by a rectangle of the picture, which
    // bounds where rooms can show, and by their directions, which keep the bound tight through
    // runs of oblique faces.
    struct AirCells {
        std::array<ScreenBounds, kRingCellCount> rects;       // set when first reached
        std::array<RayDirections, kRingCellCount> directions; // set when first reached
        std::array<bool, kRingCellCount> reached;
        std::array<bool, kRingCellCount> pending;
        std::array<int, kRingCellCount> next;
        std::array<int, 4 * kRingSpan> heads;
    };

    static bool insideWallBox(Vector3 p) {
        const float high = static_cast<float>(kStationExtent) - e;
        return p.x > e && p.y > e && p.z > e && p.x < high && p.y < high && p.z < high;
    }
    static bool inRing(CellPosition c) {
        const int high = kRingLow + kRingSpan;
        return c.x >= kRingLow && c.y >= kRingLow && c.z >= kRingLow && c.x < high && c.y < high &&
               c.z < high;
    }
    static int ringIndex(CellPosition c) {
        return ((c.x - kRingLow) * kRingSpan + (c.y - kRingLow)) * kRingSpan + (c.z - kRingLow);
    }
    static CellPosition ringCell(int index) {
        return {index / (kRingSpan * kRingSpan) + kRingLow,
                (index / kRingSpan) % kRingSpan + kRingLow, index % kRingSpan + kRingLow};
    }
    bool isAir(CellPosition c) const {
        return !insideStation(c.x, c.y, c.z) ||
               cells_[static_cast<std::size_t>(cellIndex(c))] == kCellEmpty;
    }
    int bucketOf(CellPosition c) const {
        int d = 0;
        for (int axis = 0; axis < 3; ++axis) {
            d += std::abs(at(c, axis) - at(eyeCell_, axis));
        }
        return std::clamp(d - firstBucket_, 0, static_cast<int>(air_.heads.size()) - 1);
    }

    // A span along one axis.
    struct Interval {
        float low = -std::numeric_limits<float>::infinity();
        float high = std::numeric_limits<float>::infinity();

        bool empty() const { return !(low <= high); }
        Interval within(const Interval& other) const {
            return {std::max(low, other.low), std::min(high, other.high)};
        }
    };

    // Where along the axis along the rays of d can cross the plane at planeAt across axis: the
    // wedge about the third axis, met with the line where the plane crosses their plane.
    Interval crossing(const RayDirections& d, int axis, float planeAt, int along) const {
        const DirectionWedge& wedge = d.along(3 - axis - along);
        Interval out;
        if (wedge.all) {
            return out;
        }
        const float qa = planeAt - at(eyeByAxis_, axis);
        // A direction (qa, t), in the order of the wedge's plane, lies on the inner side of each
        // edge where slope * t + offset >= 0.
        const bool axisFirst = (4 - axis - along) % 3 == axis;
        const std::array<std::array<float, 2>, 2> edges{{
            {axisFirst ? wedge.loP : -wedge.loQ, axisFirst ? -wedge.loQ * qa : wedge.loP * qa},
            {axisFirst ? -wedge.hiP : wedge.hiQ, axisFirst ? wedge.hiQ * qa : -wedge.hiP * qa},
        }};
        const float origin = at(eyeByAxis_, along);
        for (const auto& [slope, offset] : edges) {
            if (slope == 0.0f) {
                if (offset < -kDirectionHair * std::fabs(qa)) {
                    return {1.0f, -1.0f}; // the plane lies beside every direction
                }
                continue;
            }
            const float t = -offset / slope;
            const float grow = kDirectionMargin * (std::fabs(t) + std::fabs(qa)) + kDirectionHair;
            if (slope > 0.0f) {
                out.low = std::max(out.low, origin + t - grow);
            } else {
                out.high = std::min(out.high, origin + t + grow);
            }
        }
        return out;
    }

    // The directions of the rays of d that cross the rectangle at planeAt across axis, spanning
    // alongU and alongV on the next two axes (where d lets them cross): about those two axes,
    // exactly the wedges between the rectangle's edges.
    RayDirections directionsThrough(const RayDirections& d, int axis, float planeAt,
                                    Interval alongU, Interval alongV) const {
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        const float qa = planeAt - at(eyeByAxis_, axis);
        RayDirections out;
        out.along(axis) = d.along(axis);
        // About v the plane's coordinates are (axis, u); about u they are (v, axis).
        const float lowU = alongU.low - at(eyeByAxis_, u);
        const float highU = alongU.high - at(eyeByAxis_, u);
        const float lowV = alongV.low - at(eyeByAxis_, v);
        const float highV = alongV.high - at(eyeByAxis_, v);
        out.along(v) = DirectionWedge::between(qa, lowU, qa, highU);
        out.along(u) = DirectionWedge::between(lowV, qa, highV, qa);
        return out;
    }

    ScreenBounds frustumRect() const {
        const float w = 1.0f + kFrustumMargin;
        return {-w, -w, w, w};
    }

    // The rays through the picture rectangle r.
    Cone rectCone(const ScreenBounds& r) const {
        const float tw = frustum_.tanHalfWidth;
        const float th = frustum_.tanHalfHeight;
        const Vector3 f = frustum_.forward;
        Cone cone;
        cone.normals = {-frustum_.side - f * ((r.left - kRectMargin) * tw),
                        frustum_.side + f * ((r.right + kRectMargin) * tw),
                        -frustum_.up - f * ((r.bottom - kRectMargin) * th),
                        frustum_.up + f * ((r.top + kRectMargin) * th)};
        cone.count = 4;
        return cone;
    }

    using Quad = std::array<Vector3, 4>;

    // An axis-aligned rectangle in the plane at planeAt on axis, spanning lowU..highU and
    // lowV..highV on the two other axes (the next ones after axis, cyclically), relative to the
    // eye. Built without indexing a vector by a variable axis, which stalls the stores.
    Quad quad(int axis, float planeAt, float lowU, float highU, float lowV, float highV) const {
        auto point = [&](float onU, float onV) {
            const Vector3 p = axis == 0   ? Vector3{planeAt, onU, onV}
                              : axis == 1 ? Vector3{onV, planeAt, onU}
                                          : Vector3{onU, onV, planeAt};
            return p - eye_;
        };
        return {point(lowU, lowV), point(highU, lowV), point(highU, highV), point(lowU, highV)};
    }

    static Outline outlineOf(const Quad& square) {
        Outline outline;
        for (const Vector3& corner : square) {
            outline.add(corner);
        }
        return outline;
    }

    // Where on the picture the rays inside r that pass through the rectangle can lie. Projecting
    // the corners is enough when all lie safely ahead; otherwise the rectangle is clipped first.
    ScreenBounds through(int axis, float planeAt, float lowU, float highU, float lowV, float highV,
                         const ScreenBounds& r) const {
        // The picture's coordinates are ratios of sums of one term per axis, so the terms of the
        // two values on each free axis serve all four corners.
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        const float qa = planeAt - at(eyeByAxis_, axis);
        const std::array<float, 2> qu{lowU - at(eyeByAxis_, u), highU - at(eyeByAxis_, u)};
        const std::array<float, 2> qv{lowV - at(eyeByAxis_, v), highV - at(eyeByAxis_, v)};
        const float da = at(forward_, axis) * qa;
        const float xa = at(toX_, axis) * qa;
        const float ya = at(toY_, axis) * qa;
        float left = 1e30f;
        float right = -1e30f;
        float bottom = 1e30f;
        float top = -1e30f;
        for (std::size_t i = 0; i < 2; ++i) {
            const float du = at(forward_, u) * qu[i];
            const float xu = at(toX_, u) * qu[i];
            const float yu = at(toY_, u) * qu[i];
            for (std::size_t j = 0; j < 2; ++j) {
                const float depth = da + du + at(forward_, v) * qv[j];
                const float squared = qa * qa + qu[i] * qu[i] + qv[j] * qv[j];
                // depth > 1e-3 |q|, without the square root
                if (!(depth > 0.0f && depth * depth > 1e-6f * squared)) {
                    return throughClipped(quad(axis, planeAt, lowU, highU, lowV, highV), r);
                }
                const float inverse = 1.0f / depth;
                const float x = (xa + xu + at(toX_, v) * qv[j]) * inverse;
                const float y = (ya + yu + at(toY_, v) * qv[j]) * inverse;
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::min(bottom, y);
                top = std::max(top, y);
            }
        }
        return {std::max(left, r.left), std::max(bottom, r.bottom), std::min(right, r.right),
                std::min(top, r.top)};
    }

    // The same for a rectangle reaching beside or behind the eye: clipped to the rays first.
    [[gnu::noinline]] ScreenBounds throughClipped(const Quad& square, const ScreenBounds& r) const {
        ScreenBounds b;
        const Outline clipped = clip(outlineOf(square), rectCone(r));
        if (clipped.count == 0) {
            return b;
        }
        includeOutline(b, clipped);
        b.left = std::max(b.left, r.left);
        b.right = std::min(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
        b.top = std::min(b.top, r.top);
        return b;
    }

    // Widens into to a rectangle that is not empty.
    static void merge(ScreenBounds& into, const ScreenBounds& b) {
        if (into.empty()) {
            into = b;
            return;
        }
        into.left = std::min(into.left, b.left);
        into.right = std::max(into.right, b.right);
        into.bottom = std::min(into.bottom, b.bottom);
        into.top = std::max(into.top, b.top);
    }

    void markRoom(CellPosition room, const ScreenBounds& b) {
        view_.cells.insert(cellIndex(room));
        merge(view_.bounds[static_cast<std::size_t>(cellIndex(room))], b);
    }

    // The rays within b and d are in the open box of the empty cell c: the cell grown by e on
    // every side, where no wall stands.
    void reachAir(CellPosition c, const ScreenBounds& b, const RayDirections& d) {
        if (b.empty() || !(walksRing_ ? inRing(c) : insideStation(c.x, c.y, c.z))) {
            return;
        }
        const int index = ringIndex(c);
        ScreenBounds& rect = air_.rects[static_cast<std::size_t>(index)];
        if (!air_.reached[static_cast<std::size_t>(index)]) {
            air_.reached[static_cast<std::size_t>(index)] = true;
            rect = b;
            air_.directions[static_cast<std::size_t>(index)] = d;
        } else {
            const ScreenBounds before = rect;
            merge(rect, b);
            const bool wider = widenDirections(index, d);
            if (air_.pending[static_cast<std::size_t>(index)] ||
                (rect.left == before.left && rect.right == before.right &&
                 rect.bottom == before.bottom && rect.top == before.top && !wider)) {
                return;
            }
        }
        air_.pending[static_cast<std::size_t>(index)] = true;
        const int bucket = std::max(bucketOf(c), currentBucket_);
        air_.next[static_cast<std::size_t>(index)] = air_.heads[static_cast<std::size_t>(bucket)];
        air_.heads[static_cast<std::size_t>(bucket)] = index;
    }

    // Widens the directions of the cell at index to hold d; whether they grew. A cell already
    // walked takes every direction about an axis whose wedge grows, so that it is not walked once
    // more for every sliver of new rays.
    bool widenDirections(int index, const RayDirections& d) {
        RayDirections& held = air_.directions[static_cast<std::size_t>(index)];
        const bool walked = !air_.pending[static_cast<std::size_t>(index)];
        bool wider = false;
        for (std::size_t axis = 0; axis < held.around.size(); ++axis) {
            DirectionWedge& wedge = held.around[axis];
            if (wedge.widenToHold(d.around[axis])) {
                wedge.all = wedge.all || walked;
                wider = true;
            }
        }
        return wider;
    }

    // The empty cells one face leads to, each with the rays that reach it, handed on together:
    // strips and corners beside the same cell would otherwise queue it once each. A face has four
    // strips and four corners, each leading to at most one cell.
    class AirReaches {
    public:
        void add(CellPosition c, const ScreenBounds& b, const RayDirections& d) {
            for (std::size_t i = 0; i < count_; ++i) {
                if (cells_[i] == c) {
                    merge(rects_[i], b);
                    directions_[i].widenToHold(d);
                    return;
                }
            }
            cells_[count_] = c;
            rects_[count_] = b;
            directions_[count_++] = d;
        }
        void handOn(Walk& walk) const {
            for (std::size_t i = 0; i < count_; ++i) {
                walk.reachAir(cells_[i], rects_[i], directions_[i]);
            }
        }

    private:
        std::array<CellPosition, 8> cells_{};
        std::array<ScreenBounds, 8> rects_{};
        std::array<RayDirections, 8> directions_; // set as cells are added
        std::size_t count_ = 0;
    };

    // An eye outside the station: no wall stands less than e inside the station's faces, so every
    // ray that meets a wall first crosses the plane e inside a face that faces the eye, on the
    // open box of the ring cell just outside. There it meets the wall of the room behind, or
    // enters the empty cell behind.
    bool enterStation() {
        const ScreenBounds whole = frustumRect();
        const auto extent = static_cast<float>(kStationExtent);
        for (int axis = 0; axis < 3; ++axis) {
            for (int sign : {-1, 1}) {
                const float plane = sign > 0 ? extent - e : e;
                if (!((at(eyeByAxis_, axis) - plane) * static_cast<float>(sign) > 0.0f)) {
                    continue;
                }
                const int u = (axis + 1) % 3;
                const int v = (axis + 2) % 3;
                for (int i = 0; i < kStationExtent; ++i) {
                    for (int j = 0; j < kStationExtent; ++j) {
                        const float lowU = static_cast<float>(i) - e - kPortalMargin;
                        const float lowV = static_cast<float>(j) - e - kPortalMargin;
                        const float span = 1.0f + 2.0f * (e + kPortalMargin);
                        const ScreenBounds b =
                            through(axis, plane, lowU, lowU + span, lowV, lowV + span, whole);
                        if (b.empty()) {
                            continue;
                        }
                        CellPosition cell;
                        at(cell, axis) = sign > 0 ? kStationExtent - 1 : 0;
                        at(cell, u) = i;
                        at(cell, v) = j;
                        CellPosition ring = cell;
                        at(ring, axis) += sign;
                        if (isAir(cell)) {
                            reachAir(cell, b,
                                     directionsThrough(RayDirections::any(), axis, plane,
                                                       {lowU, lowU + span}, {lowV, lowV + span}));
                        } else if (!meetRoom(ring, cell, DoorSide{axis, sign}, plane, b,
                                             RayDirections::any())) {
                            return false;
                        }
                    }
                }
            }
        }
        return true;
    }

    bool walkAir() {
        int visits = 0;
        for (currentBucket_ = 0; currentBucket_ < static_cast<int>(air_.heads.size());
             ++currentBucket_) {
            for (;;) {
                int& head = air_.heads[static_cast<std::size_t>(currentBucket_)];
                const int index = head;
                if (index < 0) {
                    break;
                }
                head = air_.next[static_cast<std::size_t>(index)];
                air_.pending[static_cast<std::size_t>(index)] = false;
                if (++visits > kMaxAirVisits) {
                    return fallBack(PortalFallback::TooComplex);
                }
                if (!leaveAir(ringCell(index), air_.rects[static_cast<std::size_t>(index)],
                              air_.directions[static_cast<std::size_t>(index)])) {
                    return false;
                }
            }
        }
        return true;
    }

    // The rays within r and d leave the open box of the empty cell c through its faces ahead.
    bool leaveAir(CellPosition c, ScreenBounds r, RayDirections d) {
        for (int axis = 0; axis < 3; ++axis) {
            for (int sign : {-1, 1}) {
                const float cell = static_cast<float>(at(c, axis));
                const float plane = sign > 0 ? cell + 1.0f + e : cell - e;
                if (!((plane - at(eyeByAxis_, axis)) * static_cast<float>(sign) > 0.0f)) {
                    continue;
                }
                CellPosition next = c;
                at(next, axis) += sign;
                // Out of the ring, or out of the station from inside it: past the plane e beyond
                // the station's face no wall stands, and such a ray never comes back.
                if (!inRing(next) ||
                    (insideStation(c.x, c.y, c.z) && !insideStation(next.x, next.y, next.z))) {
                    continue;
                }
                if (isAir(next)) {
                    const int u = (axis + 1) % 3;
                    const int v = (axis + 2) % 3;
                    const float lowU = static_cast<float>(at(c, u)) - e - kPortalMargin;
                    const float lowV = static_cast<float>(at(c, v)) - e - kPortalMargin;
                    const float span = 1.0f + 2.0f * (e + kPortalMargin);
                    const Interval alongU =
                        Interval{lowU, lowU + span}.within(crossing(d, axis, plane, u));
                    const Interval alongV =
                        Interval{lowV, lowV + span}.within(crossing(d, axis, plane, v));
                    if (!alongU.empty() && !alongV.empty()) {
                        reachAir(next,
                                 through(axis, plane, alongU.low, alongU.high, alongV.low,
                                         alongV.high, r),
                                 directionsThrough(d, axis, plane, alongU, alongV));
                    }
                } else if (!meetRoom(c, next, DoorSide{axis, -sign}, plane, r, d)) {
                    return false;
                }
            }
        }
        return true;
    }

    // How the rays through a polygon on a plane across axis spread along another axis: where they
    // cross the plane, and how far they move per unit of travel along axis.
    struct Spread {
        float lowAt = 0.0f;
        float highAt = 0.0f;
        float lowSlope = 0.0f;
        float highSlope = 0.0f;

        // Rays all moving one way and none parallel: the least speed along the axis, else 0.
        float leastSpeed() const {
            if (lowSlope > 0.0f) {
                return lowSlope;
            }
            return highSlope < 0.0f ? -highSlope : 0.0f;
        }
        // Whether every ray stays within low..high over travel 0..t.
        bool staysWithin(float t, float low, float high) const {
            return lowAt + t * std::min(0.0f, lowSlope) >= low &&
                   highAt + t * std::max(0.0f, highSlope) <= high;
        }
    };

    // The spread along lateral of the rays through a rectangle spanning low..high on it, in a
    // plane across another axis at distance 1 / inverseAhead ahead of the eye.
    Spread spread(float inverseAhead, int lateral, float low, float high) const {
        return {low, high, (low - at(eyeByAxis_, lateral)) * inverseAhead,
                (high - at(eyeByAxis_, lateral)) * inverseAhead};
    }

    static std::size_t wallOf(DoorSide side) {
        for (std::size_t wall = 0; wall < kDoorSides.size(); ++wall) {
            if (kDoorSides[wall].axis == side.axis && kDoorSides[wall].sign == side.sign) {
                return wall;
            }
        }
        return 0;
    }

    // The rays within b that pass the door or opening of room's wall on side, from beyond it, walk
    // on inside the room.
    bool enterRoom(CellPosition room, DoorSide side, const ScreenBounds& b) {
        const float cell = static_cast<float>(at(room, side.axis));
        const float plane = side.sign > 0 ? cell + 1.0f - e : cell + e;
        if (!((at(eyeByAxis_, side.axis) - plane) * static_cast<float>(side.sign) > 0.0f)) {
            return true; // the eye is not beyond this wall
        }
        // Most doors lie beside the rays: the door's picture rectangle, grown as the rays' cone
        // is, tells so without clipping.
        const int u = (side.axis + 1) % 3;
        const int v = (side.axis + 2) % 3;
        const float lowU = static_cast<float>(at(room, u)) + a - kPortalMargin;
        const float lowV = static_cast<float>(at(room, v)) + a - kPortalMargin;
        const float span = 1.0f - 2.0f * (a - kPortalMargin);
        const ScreenBounds grown{b.left - kRectMargin, b.bottom - kRectMargin,
                                 b.right + kRectMargin, b.top + kRectMargin};
        if (through(side.axis, plane, lowU, lowU + span, lowV, lowV + span, grown).empty()) {
            return true;
        }
        const Outline hole = clip(doorSquare(room, side, plane), rectCone(b));
        if (hole.overflow) {
            return fallBack(PortalFallback::TooComplex);
        }
        if (hole.count == 0) {
            return true;
        }
        includeOutline(view_.bounds[static_cast<std::size_t>(cellIndex(room))], hole);
        view_.cells.insert(cellIndex(room));
        return visit(room, coneThrough(hole), 0);
    }

    // Rooms whose walls bound the rays of polygon: each is reached, and when the rays may travel
    // far enough along the gaps between them to reach a door, they walk on through it.
    bool reachRooms(std::span<const CellPosition> rooms, const ScreenBounds& b, float travel) {
        for (const CellPosition room : rooms) {
            markRoom(room, b);
        }
        if (!(travel > a - e - kSlabMargin)) {
            return true;
        }
        for (const CellPosition from : rooms) {
            for (const CellPosition to : rooms) {
                for (int axis = 0; axis < 3; ++axis) {
                    CellPosition step = from;
                    at(step, axis) += 1;
                    if (step == to && (!enterRoom(from, DoorSide{axis, 1}, b) ||
                                       !enterRoom(to, DoorSide{axis, -1}, b))) {
                        return false;
                    }
                }
            }
        }
        return true;
    }

    // Sixteen points of a plane across an axis, on four values of each free axis, as the picture
    // shows them; ahead when all lie safely in front of the eye.
    struct Grid {
        std::array<std::array<float, 4>, 4> x{};
        std::array<std::array<float, 4>, 4> y{};
        bool ahead = true;

        // Where the rays within r cross the rectangle between values i0..i1 and j0..j1.
        ScreenBounds bounds(std::size_t i0, std::size_t i1, std::size_t j0, std::size_t j1,
                            const ScreenBounds& r) const {
            const float left = std::min({x[i0][j0], x[i1][j0], x[i0][j1], x[i1][j1]});
            const float right = std::max({x[i0][j0], x[i1][j0], x[i0][j1], x[i1][j1]});
            const float bottom = std::min({y[i0][j0], y[i1][j0], y[i0][j1], y[i1][j1]});
            const float top = std::max({y[i0][j0], y[i1][j0], y[i0][j1], y[i1][j1]});
            return {std::max(left, r.left), std::max(bottom, r.bottom), std::min(right, r.right),
                    std::min(top, r.top)};
        }
    };

    Grid project(int axis, float planeAt, const std::array<float, 4>& us,
                 const std::array<float, 4>& vs) const {
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        const float qa = planeAt - at(eyeByAxis_, axis);
        std::array<float, 4> qv{};
        std::array<float, 4> dv{};
        std::array<float, 4> xv{};
        std::array<float, 4> yv{};
        for (std::size_t j = 0; j < 4; ++j) {
            qv[j] = vs[j] - at(eyeByAxis_, v);
            dv[j] = at(forward_, v) * qv[j];
            xv[j] = at(toX_, v) * qv[j];
            yv[j] = at(toY_, v) * qv[j];
        }
        Grid grid;
        for (std::size_t i = 0; i < 4; ++i) {
            const float qu = us[i] - at(eyeByAxis_, u);
            const float da = at(forward_, axis) * qa + at(forward_, u) * qu;
            const float xa = at(toX_, axis) * qa + at(toX_, u) * qu;
            const float ya = at(toY_, axis) * qa + at(toY_, u) * qu;
            const float squared = qa * qa + qu * qu;
            for (std::size_t j = 0; j < 4; ++j) {
                const float depth = da + dv[j];
                // depth > 1e-3 |q|, without the square root
                if (!(depth > 0.0f && depth * depth > 1e-6f * (squared + qv[j] * qv[j]))) {
                    grid.ahead = false;
                    return grid;
                }
                const float inverse = 1.0f / depth;
                grid.x[i][j] = (xa + xv[j]) * inverse;
                grid.y[i][j] = (ya + yv[j]) * inverse;
            }
        }
        return grid;
    }

    // Rays of polygon, on the plane of room's wall on side, that may run along the gaps between
    // rooms past the far side of room's layer. Such a ray leaves the gap it is in within 2e / s
    // of travel, s its least speed across that gap, and the gap across the other free axis, which
    // it may meet where cells meet, within 2e / s' more. Out of both, it is between two layers or
    // in a wall's way, and meets a wall or a door within another 2e. Until then it stays in the
    // cells its spread covers over that travel, and past the station's far face no wall stands:
    // the rooms among those cells are reached, the doors between them walked through, and the
    // empty ones take the rays on.
    bool reachAlongGaps(CellPosition room, DoorSide side, const Spread& alongU,
                        const Spread& alongV, const ScreenBounds& b, const RayDirections& d) {
        const int axis = side.axis;
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        const int step = -side.sign; // the rays' way along axis
        const int layer = at(room, axis);
        const int layers = step > 0 ? kStationExtent - layer : layer + 1;
        float travel = static_cast<float>(layers);
        const float speedU = alongU.leastSpeed();
        const float speedV = alongV.leastSpeed();
        if (speedU > 0.0f && speedV > 0.0f) {
            travel = std::min(travel, 2.0f * e / speedU + 2.0f * e / speedV + 2.0f * e);
        }
        travel += kSlabMargin;
        std::array<int, 3> low{};
        std::array<int, 3> high{};
        const int count = std::min(layers, static_cast<int>(std::floor(travel + e)) + 1);
        low[static_cast<std::size_t>(axis)] = std::min(layer, layer + step * (count - 1));
        high[static_cast<std::size_t>(axis)] = std::max(layer, layer + step * (count - 1));
        for (const auto& [lateral, s] : {std::pair{u, &alongU}, std::pair{v, &alongV}}) {
            const float from = s->lowAt + travel * std::min(0.0f, s->lowSlope) - kSlabMargin;
            const float to = s->highAt + travel * std::max(0.0f, s->highSlope) + kSlabMargin;
            if (!(std::isfinite(from) && std::isfinite(to))) {
                return fallBack(PortalFallback::GrazingSlab);
            }
            low[static_cast<std::size_t>(lateral)] =
                std::max(0, static_cast<int>(std::floor(std::max(from, -1.0f))));
            high[static_cast<std::size_t>(lateral)] =
                std::min(kStationExtent - 1, static_cast<int>(std::floor(std::min(to, 64.0f))));
        }
        for (int x = low[0]; x <= high[0]; ++x) {
            for (int y = low[1]; y <= high[1]; ++y) {
                for (int z = low[2]; z <= high[2]; ++z) {
                    const CellPosition cell{x, y, z};
                    if (isAir(cell)) {
                        reachAir(cell, b, d);
                    } else {
                        markRoom(cell, b);
                    }
                }
            }
        }
        for (int x = low[0]; x <= high[0]; ++x) {
            for (int y = low[1]; y <= high[1]; ++y) {
                for (int z = low[2]; z <= high[2]; ++z) {
                    const CellPosition from{x, y, z};
                    if (isAir(from)) {
                        continue;
                    }
                    for (int d = 0; d < 3; ++d) {
                        CellPosition to = from;
                        at(to, d) += 1;
                        if (at(to, d) > high[static_cast<std::size_t>(d)] || isAir(to)) {
                            continue;
                        }
                        if (!enterRoom(from, DoorSide{d, 1}, b) ||
                            !enterRoom(to, DoorSide{d, -1}, b)) {
                            return false;
                        }
                    }
                }
            }
        }
        return true;
    }

    // The rays within r leave the open box of the empty cell c across the plane of the wall of
    // room on side, which faces c. The plane is cut in nine: the middle, where the rays meet that
    // wall or its opening; four strips along the cell's edges, where they pass into the gap
    // between room and the room beside it, 2e wide; and four corners, where four rooms' gaps
    // meet. A gap next to an empty cell is part of that cell's open box. A gap between rooms is
    // bounded by their walls: a ray in it moves across it at some least speed s per unit of
    // travel into the room's layer, so it leaves the gap, into a wall or a door, within
    // 2e / s of travel (2e / s + 2e / s' in a corner, across both gaps). As long as that stays
    // short of the layer's far side (1 - 2e, with kSlabMargin), the ray meets only the walls and
    // doors of these rooms, and, through a door, the door walk. The same holds beside an empty
    // cell for rays moving away from it, toward a room. Rays that may run along a gap further,
    // nearly parallel to it, are followed through the cells they can pass (reachAlongGaps).
    bool meetRoom(CellPosition c, CellPosition room, DoorSide side, float plane,
                  const ScreenBounds& r, const RayDirections& d) {
        const int u = (side.axis + 1) % 3;
        const int v = (side.axis + 2) % 3;
        const float m = kPortalMargin;
        const std::array<float, 2> lineU{static_cast<float>(at(c, u)),
                                         static_cast<float>(at(c, u)) + 1.0f};
        const std::array<float, 2> lineV{static_cast<float>(at(c, v)),
                                         static_cast<float>(at(c, v)) + 1.0f};
        // The room's layer around it, looked up once: [du + 1][dv + 1] along u and v.
        struct Neighbour {
            CellPosition cell;
            bool air = false;
            bool inside = false; // in the station
        };
        std::array<std::array<Neighbour, 3>, 3> layer{};
        for (int du = -1; du <= 1; ++du) {
            for (int dv = -1; dv <= 1; ++dv) {
                Neighbour& n =
                    layer[static_cast<std::size_t>(du + 1)][static_cast<std::size_t>(dv + 1)];
                n.cell = side.axis == 0   ? CellPosition{room.x, room.y + du, room.z + dv}
                         : side.axis == 1 ? CellPosition{room.x + dv, room.y, room.z + du}
                                          : CellPosition{room.x + du, room.y + dv, room.z};
                n.inside = insideStation(n.cell.x, n.cell.y, n.cell.z);
                n.air =
                    !n.inside || cells_[static_cast<std::size_t>(cellIndex(n.cell))] == kCellEmpty;
            }
        }
        auto beside = [&](int du, int dv) -> const Neighbour& {
            return layer[static_cast<std::size_t>(du + 1)][static_cast<std::size_t>(dv + 1)];
        };

        // The nine parts meet on four values along each free axis: the open box's edges and the
        // walls' edges. They tile the plane, so each ray crosses one part or its border.
        const std::array<float, 4> us{lineU[0] - e - m, lineU[0] + e, lineU[1] - e,
                                      lineU[1] + e + m};
        const std::array<float, 4> vs{lineV[0] - e - m, lineV[0] + e, lineV[1] - e,
                                      lineV[1] + e + m};
        const Grid grid = project(side.axis, plane, us, vs);
        // Where the directions let the rays cross the plane, set once the plane is seen at all.
        Interval crossU;
        Interval crossV;
        auto crosses = [&](float lowU, float highU, float lowV, float highV) {
            return !Interval{lowU, highU}.within(crossU).empty() &&
                   !Interval{lowV, highV}.within(crossV).empty();
        };
        auto directionsOf = [&](float lowU, float highU, float lowV, float highV) {
            return directionsThrough(d, side.axis, plane, Interval{lowU, highU}.within(crossU),
                                     Interval{lowV, highV}.within(crossV));
        };
        auto part = [&](std::size_t i0, std::size_t i1, std::size_t j0, std::size_t j1) {
            if (!crosses(us[i0], us[i1], vs[j0], vs[j1])) {
                return ScreenBounds{};
            }
            if (!grid.ahead) {
                return through(side.axis, plane, us[i0], us[i1], vs[j0], vs[j1], r);
            }
            return grid.bounds(i0, i1, j0, j1, r);
        };
        if (part(0, 3, 0, 3).empty()) {
            return true;
        }
        crossU = crossing(d, side.axis, plane, u);
        crossV = crossing(d, side.axis, plane, v);
        if (!crosses(us[0], us[3], vs[0], vs[3])) {
            return true;
        }
        AirReaches reached;
        const ScreenBounds middle = part(1, 2, 1, 2);
        if (!middle.empty()) {
            markRoom(room, middle);
            // Only the start and end rooms' openings face out of the station; a wall facing an
            // empty cell inside it has no door.
            if (!insideStation(c.x, c.y, c.z) &&
                wallOpenings(cells_, room.x, room.y, room.z)[wallOf(side)] &&
                !enterRoom(room, side, middle)) {
                return false;
            }
        }

        const float inverseAhead = 1.0f / std::fabs(plane - at(eyeByAxis_, side.axis));
        // How far along each line's strip its rays may move before they leave the gap; the
        // corners grow by as much, to take the rays that reach them.
        std::array<float, 2> reachAlongU{}; // from the strips on the lines of v
        std::array<float, 2> reachAlongV{}; // from the strips on the lines of u
        for (int across = 0; across < 2; ++across) {
            for (int end = 0; end < 2; ++end) {
                const bool onU = across == 0;
                const float line = onU ? lineU[end] : lineV[end];
                const std::array<float, 4> span =
                    onU ? std::array{line - e - m, line + e + m, lineV[0] + e - m, lineV[1] - e + m}
                        : std::array{lineU[0] + e - m, lineU[1] - e + m, line - e - m,
                                     line + e + m};
                const std::size_t first = end == 0 ? 0 : 2;
                const ScreenBounds b =
                    onU ? part(first, first + 1, 1, 2) : part(1, 2, first, first + 1);
                if (b.empty()) {
                    continue;
                }
                auto directions = [&] { return directionsOf(span[0], span[1], span[2], span[3]); };
                const Neighbour& other =
                    onU ? beside(end == 0 ? -1 : 1, 0) : beside(0, end == 0 ? -1 : 1);
                const std::array<CellPosition, 2> pair{room, other.cell};
                const Spread moving = onU ? spread(inverseAhead, u, span[0], span[1])
                                          : spread(inverseAhead, v, span[2], span[3]);
                const Spread along = onU ? spread(inverseAhead, v, span[2], span[3])
                                         : spread(inverseAhead, u, span[0], span[1]);
                const bool besideAir = other.air;
                // Beside an empty cell of the station only rays moving toward the room are
                // bounded: they cross the gap as between two rooms and meet the room's wall,
                // which has no door toward an empty cell. The rest go on in the empty cell.
                const float speed = !besideAir ? moving.leastSpeed()
                                    : other.inside
                                        ? (end == 0 ? moving.lowSlope : -moving.highSlope)
                                        : 0.0f;
                const float travel = (besideAir ? 2.0f * e + m : 2.0f * e) / speed;
                const bool bounded = speed > 0.0f && travel <= 1.0f - 2.0f * e - kSlabMargin;
                if (besideAir && !bounded) {
                    reached.add(other.cell, b, directions());
                    continue;
                }
                if (!bounded) {
                    if (!reachAlongGaps(room, side, onU ? moving : along, onU ? along : moving, b,
                                        directions())) {
                        return false;
                    }
                    continue;
                }
                const float reach =
                    travel * std::max(along.highSlope, -along.lowSlope) + kSlabMargin;
                float& grow = onU ? reachAlongV[static_cast<std::size_t>(end)]
                                  : reachAlongU[static_cast<std::size_t>(end)];
                grow = std::max(grow, reach);
                if (besideAir) {
                    markRoom(room, b);
                } else if (!reachRooms(pair, b, travel)) {
                    return false;
                }
            }
        }

        for (int endU = 0; endU < 2; ++endU) {
            for (int endV = 0; endV < 2; ++endV) {
                const float lu = lineU[static_cast<std::size_t>(endU)];
                const float lv = lineV[static_cast<std::size_t>(endV)];
                const float growU = reachAlongU[static_cast<std::size_t>(endV)] + e + m;
                const float growV = reachAlongV[static_cast<std::size_t>(endU)] + e + m;
                const std::array<float, 4> span{
                    std::max(lu - growU, lineU[0] - e - m), std::min(lu + growU, lineU[1] + e + m),
                    std::max(lv - growV, lineV[0] - e - m), std::min(lv + growV, lineV[1] + e + m)};
                const bool grown = reachAlongU[static_cast<std::size_t>(endV)] > 0.0f ||
                                   reachAlongV[static_cast<std::size_t>(endU)] > 0.0f;
                const std::size_t iu = endU == 0 ? 0 : 2;
                const std::size_t iv = endV == 0 ? 0 : 2;
                if (!crosses(span[0], span[1], span[2], span[3])) {
                    continue;
                }
                const ScreenBounds b =
                    grown ? through(side.axis, plane, span[0], span[1], span[2], span[3], r)
                          : part(iu, iu + 1, iv, iv + 1);
                if (b.empty()) {
                    continue;
                }
                auto directions = [&] { return directionsOf(span[0], span[1], span[2], span[3]); };
                const int lowU = endU - 1;
                const int lowV = endV - 1;
                const std::array<const Neighbour*, 4> around{
                    &beside(lowU, lowV), &beside(lowU + 1, lowV), &beside(lowU, lowV + 1),
                    &beside(lowU + 1, lowV + 1)};
                std::array<CellPosition, 4> rooms{};
                std::size_t count = 0;
                const Neighbour* air = nullptr;
                bool inside = true;
                for (const Neighbour* n : around) {
                    inside = inside && n->inside;
                    if (!n->air) {
                        rooms[count++] = n->cell;
                    } else if (air == nullptr) {
                        air = n;
                    }
                }
                const std::span<const CellPosition> four(rooms.data(), count);
                const Spread alongU = spread(inverseAhead, u, span[0], span[1]);
                const Spread alongV = spread(inverseAhead, v, span[2], span[3]);
                if (air != nullptr) {
                    // The corner's column lies in the open box of each empty cell around it, where
                    // no wall stands. Rays all moving into one quadrant end in the cell there: its
                    // open box when it is empty, else its walls or a door in them toward a
                    // neighbouring room (a wall toward an empty cell has none; a wall toward the
                    // outside may have an opening). Other rays go on from any empty cell.
                    const int wayU =
                        alongU.lowSlope > 0.0f ? 1 : (alongU.highSlope < 0.0f ? -1 : 0);
                    const int wayV =
                        alongV.lowSlope > 0.0f ? 1 : (alongV.highSlope < 0.0f ? -1 : 0);
                    if (wayU != 0 && wayV != 0) {
                        const Neighbour& toward =
                            beside(wayU > 0 ? endU : endU - 1, wayV > 0 ? endV : endV - 1);
                        if (toward.air) {
                            reached.add(toward.cell, b, directions());
                            continue;
                        }
                        const float travel =
                            inside ? travelToward(wayU, wayV, lu, lv, alongU, alongV) : 0.0f;
                        if (travel > 0.0f) {
                            if (!reachRooms(four, b, travel)) {
                                return false;
                            }
                            continue;
                        }
                    }
                    reached.add(air->cell, b, directions());
                    continue;
                }
                const float speedU = alongU.leastSpeed();
                const float speedV = alongV.leastSpeed();
                const float travel = 2.0f * e / speedU + 2.0f * e / speedV;
                if (!(speedU > 0.0f && speedV > 0.0f && travel <= 1.0f - 2.0f * e - kSlabMargin &&
                      alongU.staysWithin(travel, lu - 1.0f + e + kSlabMargin,
                                         lu + 1.0f - e - kSlabMargin) &&
                      alongV.staysWithin(travel, lv - 1.0f + e + kSlabMargin,
                                         lv + 1.0f - e - kSlabMargin))) {
                    if (!reachAlongGaps(room, side, alongU, alongV, b, directions())) {
                        return false;
                    }
                    continue;
                }
                if (!reachRooms(four, b, travel)) {
                    return false;
                }
            }
        }
        reached.handOn(*this);
        return true;
    }

    // How far rays of a corner travel into the layer before they meet the walls of the room in the
    // quadrant they all move toward (wayU, wayV: +1 or -1 along u and v), whose walls stand e past
    // the lines lu and lv, or a door in them toward a neighbouring room; 0 when that cannot be
    // promised within the layer.
    static float travelToward(int wayU, int wayV, float lu, float lv, const Spread& alongU,
                              const Spread& alongV) {
        const float speedU = wayU > 0 ? alongU.lowSlope : -alongU.highSlope;
        const float speedV = wayV > 0 ? alongV.lowSlope : -alongV.highSlope;
        const float acrossU = wayU > 0 ? lu + e - alongU.lowAt : alongU.highAt - (lu - e);
        const float acrossV = wayV > 0 ? lv + e - alongV.lowAt : alongV.highAt - (lv - e);
        const float travel = acrossU / speedU + acrossV / speedV;
        const bool bounded =
            speedU > 0.0f && speedV > 0.0f && travel <= 1.0f - 2.0f * e - kSlabMargin &&
            alongU.staysWithin(travel, lu - 1.0f + e + kSlabMargin, lu + 1.0f - e - kSlabMargin) &&
            alongV.staysWithin(travel, lv - 1.0f + e + kSlabMargin, lv + 1.0f - e - kSlabMargin);
        return bounded ? travel : 0.0f;
    }

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
        const float ahead = (inner - at(eyeByAxis_, side.axis)) * static_cast<float>(side.sign);
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
    // The eye, the view's forward axis, and what a point relative to the eye is dotted with and
    // divided by its depth for the picture's x and y, as arrays: loads by axis, not branches.
    std::array<float, 3> eyeByAxis_;
    std::array<float, 3> forward_;
    std::array<float, 3> toX_;
    std::array<float, 3> toY_;
    PortalView& view_;
    CellPosition eyeCell_;
    int firstBucket_ = 0;
    int currentBucket_ = 0;
    bool walksRing_ = false;
    AirCells air_;
};

bool isFinite(Vector3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Whether p keeps at least margin from the walls of cell c, on their inner side (a negative
// margin reaches past them, -e to the cell's faces).
bool insideWalls(Vector3 p, CellPosition c, float margin) {
    for (int axis = 0; axis < 3; ++axis) {
        const float local = at(p, axis) - static_cast<float>(at(c, axis));
        if (!(local >= e + margin && local <= 1.0f - e - margin)) {
            return false;
        }
    }
    return true;
}

// How far p lies from the box of the walls of the room in cell c.
float distanceToWalls(Vector3 p, CellPosition c) {
    float squared = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        const float low = static_cast<float>(at(c, axis)) + e;
        const float off =
            std::max({low - at(p, axis), at(p, axis) - (low + 1.0f - 2.0f * e), 0.0f});
        squared += off * off;
    }
    return std::sqrt(squared);
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
    PortalView view;
    auto everything = [&view](PortalFallback reason) {
        view.cells = CellSet::all();
        view.fallback = reason;
        return view;
    };
    const Vector3 eye = frustum.eye;
    if (!isFinite(eye)) {
        return everything(PortalFallback::EyeOutsideRoom);
    }
    const float keep = frustum.nearCornerReach() * kNearReachMargin;
    const CellPosition eyeCell{static_cast<int>(std::floor(std::clamp(eye.x, -64.0f, 64.0f))),
                               static_cast<int>(std::floor(std::clamp(eye.y, -64.0f, 64.0f))),
                               static_cast<int>(std::floor(std::clamp(eye.z, -64.0f, 64.0f)))};
    const bool inStation = insideStation(eyeCell.x, eyeCell.y, eyeCell.z);
    if (inStation && cells[static_cast<std::size_t>(cellIndex(eyeCell))] != kCellEmpty &&
        insideWalls(eye, eyeCell, 0.0f)) {
        if (!insideWalls(eye, eyeCell, keep)) {
            return everything(PortalFallback::EyeNearWall);
        }
        Walk(cells, frustum, view).run(eyeCell, frustumCone(frustum));
        return view;
    }
    // In the open space: no wall may come within the near plane's reach.
    CellPosition start = eyeCell;
    bool inOpenBox =
        !inStation || cells[static_cast<std::size_t>(cellIndex(eyeCell))] == kCellEmpty;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dz = -1; dz <= 1; ++dz) {
                const CellPosition c{eyeCell.x + dx, eyeCell.y + dy, eyeCell.z + dz};
                const bool room = insideStation(c.x, c.y, c.z) &&
                                  cells[static_cast<std::size_t>(cellIndex(c))] != kCellEmpty;
                if (room && distanceToWalls(eye, c) < keep) {
                    return everything(PortalFallback::EyeNearWall);
                }
                if (!room && !inOpenBox && insideWalls(eye, c, -e)) {
                    start = c; // in the gap in front of a room's wall, open toward c
                    inOpenBox = true;
                }
            }
        }
    }
    if (!inOpenBox) {
        return everything(PortalFallback::EyeOutsideRoom); // in a gap between two rooms' walls
    }
    // From outside, every ray enters the station through a face that faces the eye.
    Walk(cells, frustum, view).runInOpenSpace(inStation ? &start : nullptr);
    return view;
}

} // namespace trovane
