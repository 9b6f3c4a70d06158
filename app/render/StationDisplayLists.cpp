#include "app/render/StationDisplayLists.h"

#include "app/render/MeshDrawing.h"
#include "bsp/DrawOrder.h"

#include <GL/gl.h>

#include <vector>

namespace trovane {

StationDisplayLists::~StationDisplayLists() {
    release();
}

void StationDisplayLists::release() {
    if (range_ > 0) {
        glDeleteLists(base_, range_);
    }
    base_ = 0;
    range_ = 0;
    lists_.clear();
    recorded_ = SharedPtr<BspTree>();
}

void StationDisplayLists::record(const SharedPtr<BspTree>& tree) {
    if (tree.get() == recorded_.get() && recorded_) {
        return;
    }
    release();
    recorded_ = tree;
    if (!tree) {
        return;
    }
    // Every mesh once; the order does not matter here.
    std::vector<SharedPtr<Mesh>> meshes;
    collectDrawList(*tree, meshes, tree->root(), Vector3(), false, -1);
    std::erase_if(meshes, [](const SharedPtr<Mesh>& mesh) { return !mesh; });
    if (meshes.empty()) {
        return;
    }
    const auto range = static_cast<GLsizei>(meshes.size());
    const GLuint base = glGenLists(range);
    if (base == 0) {
        return; // the frame sends these meshes in immediate mode
    }
    base_ = base;
    range_ = range;
    lists_.reserve(meshes.size());
    for (GLsizei i = 0; i < range; ++i) {
        const Mesh& mesh = *meshes[static_cast<std::size_t>(i)];
        glNewList(base + static_cast<GLuint>(i), GL_COMPILE);
        drawMeshImmediate(mesh);
        glEndList();
        lists_.emplace(&mesh, base + static_cast<GLuint>(i));
    }
}

unsigned int StationDisplayLists::listFor(const Mesh* mesh) const {
    const auto found = lists_.find(mesh);
    return found != lists_.end() ? found->second : 0;
}

} // namespace trovane
