// The connectivity search of the station generator: a grid of passable and
// blocked cells and the A* path between two of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

#include "base/SharedPtr.h"

namespace trovane {

// A cell of a path grid; coordinates are 1-based.
struct GridPosition {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t z = 0;

    bool operator==(const GridPosition&) const = default;
};

struct PathNode;
using PathNodeRef = SharedPtr<PathNode>;

// One search state: shared between the open and closed lists and its children's parent links.
struct PathNode {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t z = 0;
    PathNodeRef parent; // empty for the start node
    float g = 0.0f;     // cost from the start
    float f = 0.0f;     // g plus the heuristic estimate

    GridPosition position() const { return {x, y, z}; }
};

// A 3D grid of passable (0) and blocked (non-zero) cells with an A* search over its 6-connected
// neighbourhood. The open and closed lists are plain linked lists searched front to back: ties
// between equal f values break exactly by insertion order, and for the station's 512 cells the
// quadratic cost stays at a few microseconds per search.
class PathGrid {
public:
    PathGrid(std::uint32_t sizeX, std::uint32_t sizeY, std::uint32_t sizeZ);
    virtual ~PathGrid();
    PathGrid(const PathGrid&) = delete;
    PathGrid& operator=(const PathGrid&) = delete;

    // Positions outside the grid are ignored.
    void setCell(GridPosition p, std::uint8_t value);
    std::uint8_t cell(GridPosition p) const;
    bool contains(GridPosition p) const;

    // The 1-based positions from start to goal, both included, or an empty list when the goal
    // cannot be reached (or start or goal lies outside the grid).
    std::vector<GridPosition> findPath(float stepCost);

    // The nodes the last search expanded, in expansion order.
    const std::list<PathNodeRef>& closed() const { return closed_; }

    GridPosition start;
    GridPosition goal;
    float heuristicWeight = 1.0f;

private:
    std::size_t indexOf(GridPosition p) const;
    float heuristic(GridPosition p, GridPosition q) const;
    void neighbours(const PathNode& node, std::vector<GridPosition>& out) const;
    void insertOpen(PathNodeRef node);
    void visit(GridPosition p, const PathNodeRef& current, float newG);
    static std::list<PathNodeRef>::iterator find(std::list<PathNodeRef>& list, GridPosition p);
    void clearLists();

    std::vector<std::uint8_t> cells_;
    std::uint32_t sizeX_;
    std::uint32_t sizeY_;
    std::uint32_t sizeZ_;
    std::list<PathNodeRef> open_;   // decreasing f; the next node to expand is at the back
    std::list<PathNodeRef> closed_; // in expansion order
};

} // namespace trovane
