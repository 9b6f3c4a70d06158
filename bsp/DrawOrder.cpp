#include "bsp/DrawOrder.h"

namespace trovane {

namespace {

// Calls emit(geometry, leaf cell) for every drawable mesh under node in BSP order for the eye. The
// caller's reference to node keeps the (immutable) subtree alive, so the walk borrows the children.
template <typename Emit>
void walk(const BspTree& tree, const SharedPtr<BspNode>& node, Vector3 eye, bool frontToBack,
          std::int32_t eyeCell, Emit& emit) {
    if (!node) {
        return;
    }
    if (!node->isLeaf && !node->plane) {
        return; // assembled by hand without a plane: nothing to order by
    }
    if (node->isLeaf) {
        if (node->cell < 0 || (eyeCell >= 0 && !tree.isVisible(node->cell, eyeCell))) {
            return;
        }
        for (const SharedPtr<Geometry>& mesh : node->meshes) {
            emit(mesh, node->cell);
        }
        return;
    }
    // An eye on the plane counts as in front, as in findLeaf.
    const bool eyeBehind = node->plane->classify(eye, 0.0f) == Side::Back;
    const bool frontFirst = frontToBack ? !eyeBehind : eyeBehind;
    const SharedPtr<BspNode>& first = frontFirst ? node->front : node->back;
    const SharedPtr<BspNode>& second = frontFirst ? node->back : node->front;
    walk(tree, first, eye, frontToBack, eyeCell, emit);
    walk(tree, second, eye, frontToBack, eyeCell, emit);
}

} // namespace

void collectDrawList(const BspTree& tree, std::vector<SharedPtr<Geometry>>& out,
                     const SharedPtr<BspNode>& node, Vector3 eye, bool frontToBack,
                     std::int32_t eyeCell) {
    auto append = [&out](const SharedPtr<Geometry>& mesh, std::int32_t) { out.push_back(mesh); };
    walk(tree, node, eye, frontToBack, eyeCell, append);
}

void collectDrawList(const BspTree& tree, std::vector<SharedPtr<Mesh>>& out,
                     const SharedPtr<BspNode>& node, Vector3 eye, bool frontToBack,
                     std::int32_t eyeCell) {
    auto append = [&out](const SharedPtr<Geometry>& mesh, std::int32_t) {
        out.push_back(dynamicPointerCast<Mesh>(mesh));
    };
    walk(tree, node, eye, frontToBack, eyeCell, append);
}

void collectDrawList(const BspTree& tree, std::vector<SharedPtr<Mesh>>& out,
                     std::vector<std::int32_t>& cells, const SharedPtr<BspNode>& node, Vector3 eye,
                     bool frontToBack, std::int32_t eyeCell) {
    auto append = [&out, &cells](const SharedPtr<Geometry>& mesh, std::int32_t cell) {
        out.push_back(dynamicPointerCast<Mesh>(mesh));
        cells.push_back(cell);
    };
    walk(tree, node, eye, frontToBack, eyeCell, append);
}

} // namespace trovane
