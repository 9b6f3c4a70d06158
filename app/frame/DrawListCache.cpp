#include "app/frame/DrawListCache.h"

#include "bsp/DrawOrder.h"

namespace trovane {

std::int32_t leafCellOf(const BspTree& tree, Vector3 eye) {
    const SharedPtr<BspNode> leaf = tree.findLeaf(eye);
    return leaf ? leaf->cell : 0;
}

bool DrawListCache::update(const SharedPtr<BspTree>& tree, Vector3 eye, bool frontToBack,
                           bool orderChanged, bool regenerated) {
    const std::int32_t cell = tree ? leafCellOf(*tree, eye) : 0;
    const bool sameStation = tree.get() == builtFrom_.get() && !regenerated;
    if (cell == lastLeaf_ && sameStation && !orderChanged) {
        return false;
    }
    lastLeaf_ = cell;
    std::vector<SharedPtr<Mesh>>().swap(drawList_);
    drawList_.reserve(kReserved);
    cells_.clear();
    cells_.reserve(kReserved);
    builtFrom_ = tree;
    if (tree) {
        collectDrawList(*tree, drawList_, cells_, tree->root(), eye, frontToBack, -1);
    }
    return true;
}

} // namespace trovane
