// The ordered walk that lists a tree's meshes for drawing.
#pragma once

#include <cstdint>
#include <vector>

#include "base/SharedPtr.h"
#include "bsp/BspNode.h"
#include "bsp/BspTree.h"
#include "math/Geometry.h"
#include "math/Mesh.h"
#include "math/Vector3.h"

namespace trovane {

// Appends (never clears) the meshes of every drawable leaf under node, in BSP order for the
// eye: far side first when back to front, the eye's side first when front to back; an eye on a
// plane counts as in front. Leaves with a negative cell are skipped, and with eyeCell >= 0 so are
// leaves that tree.isVisible(leaf cell, eyeCell) rejects. Within a leaf, stored order is kept.
void collectDrawList(const BspTree& tree, std::vector<SharedPtr<Geometry>>& out,
                     const SharedPtr<BspNode>& node, Vector3 eye, bool frontToBack,
                     std::int32_t eyeCell);

// The same walk for a renderer that keeps meshes: each entry shares the listed geometry's
// counter, or is empty when that geometry is not a Mesh (so the list keeps one entry per
// geometry).
void collectDrawList(const BspTree& tree, std::vector<SharedPtr<Mesh>>& out,
                     const SharedPtr<BspNode>& node, Vector3 eye, bool frontToBack,
                     std::int32_t eyeCell);

// As above, and cells receives, entry for entry, the cell of the leaf each mesh came from.
void collectDrawList(const BspTree& tree, std::vector<SharedPtr<Mesh>>& out,
                     std::vector<std::int32_t>& cells, const SharedPtr<BspNode>& node, Vector3 eye,
                     bool frontToBack, std::int32_t eyeCell);

} // namespace trovane
