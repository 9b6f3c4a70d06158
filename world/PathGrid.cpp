#include "world/PathGrid.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trovane {

namespace {

// The tenth of the largest axis distance that makes the search favour straight runs.
constexpr float LargestAxisShare = 0.1f;

float axisDistance(std::uint32_t a, std::uint32_t b) {
    return std::fabs(static_cast<float>(a) - static_cast<float>(b));
}

PathNodeRef newNode(GridPosition p, PathNodeRef parent, float g, float f) {
    auto node = makeShared<PathNode>();
    node->x = p.x;
    node->y = p.y;
    node->z = p.z;
    node->parent = std::move(parent);
    node->g = g;
    node->f = f;
    return node;
}

std::vector<GridPosition> tracePath(const PathNode& goal) {
    std::vector<GridPosition> path;
    for (const PathNode* node = &goal; node != nullptr; node = node->parent.get()) {
        path.push_back(node->position());
    }
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace

PathGrid::PathGrid(std::uint32_t sizeX, std::uint32_t sizeY, std::uint32_t sizeZ)
    : cells_(static_cast<std::size_t>(sizeX) * sizeY * sizeZ, 0), sizeX_(sizeX), sizeY_(sizeY),
      sizeZ_(sizeZ) {}

PathGrid::~PathGrid() {
    clearLists();
}

bool PathGrid::contains(GridPosition p) const {
    return p.x >= 1 && p.x <= sizeX_ && p.y >= 1 && p.y <= sizeY_ && p.z >= 1 && p.z <= sizeZ_;
}

std::size_t PathGrid::indexOf(GridPosition p) const {
    return ((static_cast<std::size_t>(p.x) - 1) * sizeY_ + (p.y - 1)) * sizeZ_ + (p.z - 1);
}

void PathGrid::setCell(GridPosition p, std::uint8_t value) {
    if (contains(p)) {
        cells_[indexOf(p)] = value;
    }
}

std::uint8_t PathGrid::cell(GridPosition p) const {
    return contains(p) ? cells_[indexOf(p)] : 1;
}

float PathGrid::heuristic(GridPosition p, GridPosition q) const {
    const float dx = axisDistance(p.x, q.x);
    const float dy = axisDistance(p.y, q.y);
    const float dz = axisDistance(p.z, q.z);
    const float largest = std::max({dx, dy, dz});
    const float sum = dx + dy + dz;
    const float share = LargestAxisShare * largest;
    const float estimate = sum + share;
    return estimate * heuristicWeight;
}

void PathGrid::neighbours(const PathNode& node, std::vector<GridPosition>& out) const {
    out.clear();
    const auto consider = [&](GridPosition p) {
        if (cells_[indexOf(p)] == 0) {
            out.push_back(p);
        }
    };
    if (node.x > 1) {
        consider({node.x - 1, node.y, node.z});
    }
    if (node.x < sizeX_) {
        consider({node.x + 1, node.y, node.z});
    }
    if (node.y > 1) {
        consider({node.x, node.y - 1, node.z});
    }
    if (node.y < sizeY_) {
        consider({node.x, node.y + 1, node.z});
    }
    if (node.z > 1) {
        consider({node.x, node.y, node.z - 1});
    }
    if (node.z < sizeZ_) {
        consider({node.x, node.y, node.z + 1});
    }
}

// Walks past every node whose f is greater than or equal to the new one, so that among equal f the
// node inserted last is expanded first.
void PathGrid::insertOpen(PathNodeRef node) {
    auto at = open_.begin();
    while (at != open_.end() && (*at)->f >= node->f) {
        ++at;
    }
    open_.insert(at, std::move(node));
}

// The first node at p from the front of list, or its end.
std::list<PathNodeRef>::iterator PathGrid::find(std::list<PathNodeRef>& list, GridPosition p) {
    auto at = list.begin();
    while (at != list.end() && (*at)->position() != p) {
        ++at;
    }
    return at;
}

void PathGrid::visit(GridPosition p, const PathNodeRef& current, float newG) {
    if (find(closed_, p) != closed_.end()) {
        return;
    }
    const auto listed = find(open_, p);
    if (listed == open_.end()) {
        insertOpen(newNode(p, current, newG, heuristic(p, goal) + newG));
        return;
    }
    PathNodeRef node = *listed;
    if (node->g > newG) {
        node->g = newG;
        node->f = heuristic(p, goal) + newG;
        node->parent = current;
        open_.erase(listed);
        insertOpen(std::move(node));
    }
}

// Releases the newest nodes first so that no node's release cascades down a long parent chain.
void PathGrid::clearLists() {
    while (!open_.empty()) {
        open_.pop_back();
    }
    while (!closed_.empty()) {
        closed_.pop_back();
    }
}

std::vector<GridPosition> PathGrid::findPath(float stepCost) {
    clearLists();
    if (!contains(start) || !contains(goal)) {
        return {};
    }
    insertOpen(newNode(start, PathNodeRef(), 0.0f, heuristic(start, goal)));
    std::vector<GridPosition> candidates;
    candidates.reserve(6);
    while (!open_.empty()) {
        PathNodeRef current = open_.back();
        open_.pop_back();
        closed_.push_back(current);
        const float newG = stepCost + current->g;
        if (current->position() == goal) {
            return tracePath(*current);
        }
        neighbours(*current, candidates);
        for (const GridPosition& p : candidates) {
            visit(p, current, newG);
        }
    }
    return {};
}

} // namespace trovane
