#include "tools/station_map/StationSummary.h"

#include "bsp/BspNode.h"

namespace trovane {

namespace {

void countNodes(const BspNode& node, StationSummary& summary) {
    if (node.isLeaf) {
        ++summary.leaves;
        for (const SharedPtr<Geometry>& mesh : node.meshes) {
            summary.vertices += mesh->vertices().size();
        }
        return;
    }
    ++summary.innerNodes;
    countNodes(*node.front, summary);
    countNodes(*node.back, summary);
}

} // namespace

StationSummary summarise(const Structure& structure, int station) {
    StationSummary summary;
    summary.station = station;
    summary.failedAttempts = structure.failedAttempts();
    summary.cells = structure.cells;
    summary.start = structure.start();
    summary.end = structure.end();
    summary.path = structure.path();
    if (structure.tree) {
        const SharedPtr<BspNode> root = structure.tree->root();
        if (root) {
            summary.rootId = root->id;
            countNodes(*root, summary);
        }
    }
    return summary;
}

} // namespace trovane
