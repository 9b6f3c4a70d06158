#include "bsp/BspNode.h"

#include <utility>

namespace trovane {

SharedPtr<BspNode> makeLeaf(const std::vector<SharedPtr<Geometry>>& meshes, std::int32_t id,
                            std::int32_t cell) {
    SharedPtr<BspNode> node = makeShared<BspNode>();
    node->isLeaf = true;
    node->id = id;
    node->cell = cell;
    node->meshes = meshes;
    return node;
}

SharedPtr<BspNode> makeInner(const Plane& plane, SharedPtr<BspNode> front, SharedPtr<BspNode> back,
                             std::int32_t id, std::int32_t cell) {
    SharedPtr<BspNode> node = makeShared<BspNode>();
    node->isLeaf = false;
    node->id = id;
    node->cell = cell;
    node->front = std::move(front);
    node->back = std::move(back);
    node->plane = makeShared<Plane>(plane);
    return node;
}

SharedPtr<BspNode> combine(const Plane& plane, std::int32_t& counter, SharedPtr<BspNode> a,
                           SharedPtr<BspNode> b) {
    if (!a) {
        return b;
    }
    if (!b) {
        return a;
    }
    const std::int32_t id = counter++;
    return makeInner(plane, std::move(a), std::move(b), id, id);
}

} // namespace trovane
