#include "world/Structure.h"

#include <cstdint>

#include "world/LayoutDraws.h"
#include "world/PathGrid.h"
#include "world/StationRandom.h"
#include "world/StationTree.h"

namespace trovane {

namespace {

GridPosition toGrid(CellPosition p) {
    return {static_cast<std::uint32_t>(p.x) + 1, static_cast<std::uint32_t>(p.y) + 1,
            static_cast<std::uint32_t>(p.z) + 1};
}

CellPosition toCell(GridPosition p) {
    return {static_cast<int>(p.x) - 1, static_cast<int>(p.y) - 1, static_cast<int>(p.z) - 1};
}

// Draws every cell again, x-major with z innermost, one value per cell.
void fillCells(CellMap& cells, PathGrid& grid) {
    for (int x = 0; x < kStationExtent; ++x) {
        for (int y = 0; y < kStationExtent; ++y) {
            for (int z = 0; z < kStationExtent; ++z) {
                const bool room = roomFromValue(drawStationRandom());
                cells[static_cast<std::size_t>(cellIndex(x, y, z))] = room ? kCellRoom : kCellEmpty;
                grid.setCell(toGrid({x, y, z}), room ? 0 : 1);
            }
        }
    }
}

// Draws a cell on one of the faces x = 0, y = 0, z = 0, x = 7, y = 7 until it hits a plain room,
// and gives it the code. The face z = 7 is never drawn.
CellPosition placeRoom(CellMap& cells, CellCode code) {
    const int last = kStationExtent - 1;
    for (;;) {
        CellPosition p;
        p.x = coordinateFromValue(drawStationRandom());
        p.y = coordinateFromValue(drawStationRandom());
        p.z = coordinateFromValue(drawStationRandom());
        switch (faceFromValue(drawStationRandom())) {
        case 0:
            p.x = 0;
            break;
        case 1:
            p.y = 0;
            break;
        case 2:
            p.z = 0;
            break;
        case 3:
            p.x = last;
            break;
        default:
            p.y = last;
            break;
        }
        CellCode& cell = cells[static_cast<std::size_t>(cellIndex(p))];
        if (cell == kCellRoom) {
            cell = code;
            return p;
        }
    }
}

} // namespace

Structure::Structure() : Structure(stdout) {}

Structure::Structure(std::FILE* progress) {
    generate(progress);
}

void Structure::generate(std::FILE* progress) {
    tree = SharedPtr<BspTree>();
    PathGrid grid(kStationExtent, kStationExtent, kStationExtent);
    std::vector<GridPosition> route;
    for (;;) {
        fillCells(cells, grid);
        start_ = placeRoom(cells, kCellStart);
        grid.start = toGrid(start_);
        end_ = placeRoom(cells, kCellEnd);
        grid.goal = toGrid(end_);
        route = grid.findPath(1.0f);
        if (!route.empty()) {
            break;
        }
        ++failedAttempts_;
        if (progress != nullptr) {
            std::fputs(".", progress);
        }
    }
    path_.clear();
    for (const GridPosition& step : route) {
        const CellPosition p = toCell(step);
        path_.push_back(p);
        CellCode& cell = cells[static_cast<std::size_t>(cellIndex(p))];
        if (cell == kCellRoom) {
            cell = kCellPath;
        }
    }
    tree = buildStationTree(cells);
}

} // namespace trovane
