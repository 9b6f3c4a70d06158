// Node of the cell tree: a leaf holds the geometry of one cell, an inner node an axis-aligned
// splitting plane with the subtree on its non-negative side in `front` and the rest in `back`.
// Trees are assembled bottom-up from leaves with combine and never change afterwards.
#pragma once

#include <cstdint>
#include <vector>

#include "base/SharedPtr.h"
#include "math/Geometry.h"
#include "math/Plane.h"

namespace trovane {

struct BspNode {
    bool isLeaf = true;
    std::int32_t id = 0;                     // sequence number
    std::int32_t cell = -1;                  // leaf: cell number, negative for no cell; inner: id
    std::vector<SharedPtr<Geometry>> meshes; // leaf: the cell's geometry in insertion order
    SharedPtr<BspNode> front;                // inner: subtree where the signed distance is >= 0
    SharedPtr<BspNode> back;                 // inner: subtree on the negative side
    SharedPtr<Plane> plane;                  // inner: the splitting plane (a private copy)
};

// A new leaf sharing each entry of meshes.
SharedPtr<BspNode> makeLeaf(const std::vector<SharedPtr<Geometry>>& meshes, std::int32_t id,
                            std::int32_t cell);

// A new inner node with its own copy of plane and references to both children.
SharedPtr<BspNode> makeInner(const Plane& plane, SharedPtr<BspNode> front, SharedPtr<BspNode> back,
                             std::int32_t id, std::int32_t cell);

// Joins the subtree a on the non-negative side of plane with the subtree b on its negative side.
// An empty side passes the other through unchanged (b when a is empty, a when b is empty) and
// leaves counter alone; otherwise a new inner node takes id = cell = counter, and counter goes
// up by one.
SharedPtr<BspNode> combine(const Plane& plane, std::int32_t& counter, SharedPtr<BspNode> a,
                           SharedPtr<BspNode> b);

} // namespace trovane
