#include "bsp/BspTree.h"

#include <cstddef>

namespace trovane {

// A node missing on the way (an empty tree, or an inner node assembled by hand without a plane
// or a child) yields an empty result instead of a null dereference.
SharedPtr<BspNode> BspTree::findLeaf(Vector3 point) const {
    const SharedPtr<BspNode>* node = &root_;
    while (*node && !(*node)->isLeaf) {
        const BspNode& inner = **node;
        if (!inner.plane) {
            return {};
        }
        node = inner.plane->signedDistance(point) >= 0.0f ? &inner.front : &inner.back;
    }
    return *node;
}

bool BspTree::isVisible(std::int32_t from, std::int32_t to) const {
    if (visibility_.empty()) {
        return true;
    }
    if (from < 0 || to < 0) {
        return false;
    }
    // Cells beyond a row or beyond the table have no recorded visibility.
    if (to / 8 >= rowBytes_) {
        return false;
    }
    const auto index = static_cast<std::size_t>(from) * static_cast<std::size_t>(rowBytes_) +
                       static_cast<std::size_t>(to / 8);
    if (index >= visibility_.size()) {
        return false;
    }
    return ((visibility_[index] >> (to % 8)) & 1u) != 0;
}

void BspTree::setVisibility(std::vector<std::uint8_t> table, std::int32_t rowBytes) {
    visibility_ = std::move(table);
    rowBytes_ = rowBytes;
}

} // namespace trovane
