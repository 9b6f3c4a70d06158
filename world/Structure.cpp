#include "world/Structure.h"

#include <array>
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

// What one connected layout drew: its two rooms and the route between them.
struct Layout {
    CellPosition start;
    CellPosition end;
    std::vector<GridPosition> route;
    int failedAttempts = 0;
};

// Whether the rooms join start to end through shared faces: what the path
// search finds, without the path, for layouts that are only skipped.
bool roomsConnect(const CellMap& cells, CellPosition start, CellPosition end) {
    std::array<bool, kStationCellCount> seen{};
    std::vector<CellPosition> stack{start};
    seen[static_cast<std::size_t>(cellIndex(start))] = true;
    while (!stack.empty()) {
        const CellPosition p = stack.back();
        stack.pop_back();
        if (p == end) {
            return true;
        }
        const CellPosition steps[] = {{p.x - 1, p.y, p.z}, {p.x + 1, p.y, p.z},
                                      {p.x, p.y - 1, p.z}, {p.x, p.y + 1, p.z},
                                      {p.x, p.y, p.z - 1}, {p.x, p.y, p.z + 1}};
        for (const CellPosition& q : steps) {
            if (q.x < 0 || q.y < 0 || q.z < 0 || q.x >= kStationExtent || q.y >= kStationExtent ||
                q.z >= kStationExtent) {
                continue;
            }
            const auto index = static_cast<std::size_t>(cellIndex(q));
            if (!seen[index] && cells[index] != kCellEmpty) {
                seen[index] = true;
                stack.push_back(q);
            }
        }
    }
    return false;
}

// Draws layouts until one connects its start and end rooms, writing "." to
// progress for every one that does not. The route is searched for only when
// wanted.
Layout drawConnectedLayout(CellMap& cells, std::FILE* progress, bool wantRoute) {
    PathGrid grid(kStationExtent, kStationExtent, kStationExtent);
    Layout layout;
    for (;;) {
        fillCells(cells, grid);
        layout.start = placeRoom(cells, kCellStart);
        grid.start = toGrid(layout.start);
        layout.end = placeRoom(cells, kCellEnd);
        grid.goal = toGrid(layout.end);
        if (!wantRoute && roomsConnect(cells, layout.start, layout.end)) {
            return layout;
        }
        layout.route = wantRoute ? grid.findPath(1.0f) : std::vector<GridPosition>();
        if (!layout.route.empty()) {
            return layout;
        }
        ++layout.failedAttempts;
        if (progress != nullptr) {
            std::fputs(".", progress);
        }
    }
}

} // namespace

void skipStations(int count) {
    CellMap cells{};
    for (int i = 0; i < count; ++i) {
        drawConnectedLayout(cells, nullptr, false);
    }
}

Structure::Structure() : Structure(stdout) {}

Structure::Structure(std::FILE* progress) {
    generate(progress);
}

void Structure::generate(std::FILE* progress) {
    tree = SharedPtr<BspTree>();
    const Layout layout = drawConnectedLayout(cells, progress, true);
    start_ = layout.start;
    end_ = layout.end;
    failedAttempts_ = layout.failedAttempts;
    path_.clear();
    for (const GridPosition& step : layout.route) {
        const CellPosition p = toCell(step);
        path_.push_back(p);
        CellCode& cell = cells[static_cast<std::size_t>(cellIndex(p))];
        if (cell == kCellRoom) {
            cell = kCellPath;
        }
    }
    tree = buildStationTree(cells);
}

std::vector<Structure> firstStations(int count) {
    const StationRandomScope sequence;
    std::vector<Structure> stations;
    for (int i = 0; i < count; ++i) {
        stations.emplace_back(nullptr);
    }
    return stations;
}

} // namespace trovane
