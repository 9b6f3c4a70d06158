// The station's meshes in drawing order, kept from frame to frame and
// rebuilt only when the camera enters another leaf, the order is switched
// or the station changes.
#pragma once

#include "base/SharedPtr.h"
#include "bsp/BspTree.h"
#include "math/Mesh.h"
#include "math/Vector3.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trovane {

class DrawListCache {
public:
    static constexpr std::size_t kReserved = 1000;

    // Brings the list up to date for the eye; true when it was rebuilt. A
    // missing tree leaves the list empty.
    bool update(const SharedPtr<BspTree>& tree, Vector3 eye, bool frontToBack, bool orderChanged,
                bool regenerated);

    // Entries may be empty (geometry that is not a mesh); they are skipped.
    const std::vector<SharedPtr<Mesh>>& meshes() const { return drawList_; }
    // The leaf cell of each entry of meshes, in the same order.
    const std::vector<std::int32_t>& cells() const { return cells_; }
    // The cell of the leaf the list was built for; -1 before the first build.
    std::int32_t lastLeaf() const { return lastLeaf_; }

private:
    std::vector<SharedPtr<Mesh>> drawList_;
    std::vector<std::int32_t> cells_;
    std::int32_t lastLeaf_ = -1;
    // The tree the list was built from, held so that a new tree can never
    // be mistaken for it.
    SharedPtr<BspTree> builtFrom_;
};

// The cell of the leaf that contains eye, or 0 when the tree gives none.
std::int32_t leafCellOf(const BspTree& tree, Vector3 eye);

} // namespace trovane
