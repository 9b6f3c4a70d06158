// One generated station: its cells, start, end, connecting path and tree.
#pragma once

#include <cstdio>
#include <vector>

#include "base/SharedPtr.h"
#include "bsp/BspTree.h"
#include "world/CellMap.h"

namespace trovane {

// One generated station: the cell codes and the BSP tree whose leaves are the rooms. A complete
// structure never changes; copying or assigning shares the tree and copies the codes.
class Structure {
public:
    // Generates a new station from the program's one random generator, writing "." without a line
    // break to standard output for every layout whose start and end rooms are not connected.
    Structure();
    // The same, writing each "." to progress instead; a null progress writes nothing.
    explicit Structure(std::FILE* progress);

    // Readable by the rest of the program; nothing outside the generator writes them.
    SharedPtr<BspTree> tree;
    CellMap cells{};

    CellPosition start() const { return start_; }
    CellPosition end() const { return end_; }
    // The connecting rooms from start to end, both included, 6-connected.
    const std::vector<CellPosition>& path() const { return path_; }
    // How many layouts were drawn and thrown away (one "." each) before this one connected.
    int failedAttempts() const { return failedAttempts_; }

private:
    void generate(std::FILE* progress);

    CellPosition start_;
    CellPosition end_;
    std::vector<CellPosition> path_;
    int failedAttempts_ = 0;
};

// Takes from the program's random generator exactly what generating count
// stations would take, without building them, so the next Structure is the
// one count stations further on. Writes nothing.
void skipStations(int count);

// The first count stations of a run, as start-up and count - 1 regenerations
// make them, without progress dots; the program's sequence is left as it was.
std::vector<Structure> firstStations(int count);

} // namespace trovane
