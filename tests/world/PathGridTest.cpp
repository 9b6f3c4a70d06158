#include "world/PathGrid.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <set>
#include <tuple>

namespace trovane {
namespace {

using Path = std::vector<GridPosition>;

void block(PathGrid& grid, std::initializer_list<GridPosition> cells) {
    for (const GridPosition& cell : cells) {
        grid.setCell(cell, 1);
    }
}

// The path found through a grid of the given size with every cell passable.
Path openGridPath(GridPosition size, GridPosition start, GridPosition goal) {
    PathGrid grid(size.x, size.y, size.z);
    grid.start = start;
    grid.goal = goal;
    return grid.findPath(1.0f);
}

TEST(PathSearchTies, LastInsertedOfEqualCostIsExpandedFirstIn2D) {
    // 3 x 3 x 1, all passable, (1,1,1) to (3,3,1); h = dx + dy + 0.1 max.
    // Start f 4.2. Its neighbours come in the order x+ then y+: (2,1) f 4.2, then (1,2) f 4.2,
    // which walks past the equal (2,1) and lands at the back, so (1,2) is expanded first.
    // From (1,2) (g 1): (2,2) f 2.1+2 = 4.1 goes to the back, (1,3) f 2.2+2 = 4.2 in front of it.
    // From (2,2) (g 2): (3,2) f 1.1+3 = 4.1, then (2,3) f 4.1 behind it; (2,3) comes out first.
    // From (2,3) (g 3): (3,3) f 0+4 = 4 goes to the back and is the goal.
    const Path expected{{1, 1, 1}, {1, 2, 1}, {2, 2, 1}, {2, 3, 1}, {3, 3, 1}};
    EXPECT_EQ(openGridPath({3, 3, 1}, {1, 1, 1}, {3, 3, 1}), expected);
}

TEST(PathSearchTies, ZStepsWinBecauseTheyAreTriedLast) {
    // 2 x 2 x 2, all passable, (1,1,1) to (2,2,2). Start f 3.1; its neighbours x+, y+, z+ all get
    // f 2.1+1 = 3.1, so z+ (1,1,2), inserted last, is expanded first. From there (g 1): (2,1,2) and
    // then (1,2,2), both f 1.1+2 = 3.1, so (1,2,2) comes out. From (1,2,2) (g 2) the goal gets f 3
    // and is expanded next; (1,2,1) is already open with a smaller g and stays as it is.
    const Path expected{{1, 1, 1}, {1, 1, 2}, {1, 2, 2}, {2, 2, 2}};
    EXPECT_EQ(openGridPath({2, 2, 2}, {1, 1, 1}, {2, 2, 2}), expected);
}

TEST(PathSearchTies, StraightRunIsPreferredOverAStaircase) {
    // 4 x 4 x 1 from (1,1,1) to (4,1,1). From (1,1) the step x+ gets f 2.2+1 = 3.2 and y+ gets
    // 4.3+1 = 5.3; every further step along the row again beats the step off it, so the search
    // runs straight along y = 1.
    const Path expected{{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}};
    EXPECT_EQ(openGridPath({4, 4, 1}, {1, 1, 1}, {4, 1, 1}), expected);
}

TEST(PathSearchEdges, FindsTheOnlyWayAroundAWall) {
    // 3 x 3 x 1 with (2,1) and (2,2) blocked: the only way from (1,1) to (3,1) runs over row 3.
    PathGrid grid(3, 3, 1);
    block(grid, {{2, 1, 1}, {2, 2, 1}});
    grid.start = {1, 1, 1};
    grid.goal = {3, 1, 1};
    const Path expected{{1, 1, 1}, {1, 2, 1}, {1, 3, 1}, {2, 3, 1},
                        {3, 3, 1}, {3, 2, 1}, {3, 1, 1}};
    EXPECT_EQ(grid.findPath(1.0f), expected);
}

TEST(PathSearchEdges, StartEqualToGoalGivesThatSinglePosition) {
    PathGrid grid(3, 3, 3);
    grid.start = grid.goal = {2, 2, 2};
    EXPECT_EQ(grid.findPath(1.0f), (Path{{2, 2, 2}}));
    // A blocked start is still expanded, so it is found as well.
    grid.setCell({2, 2, 2}, 1);
    EXPECT_EQ(grid.findPath(1.0f), (Path{{2, 2, 2}}));
}

TEST(PathSearchEdges, AdjacentCellsGiveTwoPositions) {
    PathGrid grid(8, 8, 8);
    grid.start = {4, 5, 6};
    grid.goal = {4, 5, 7};
    EXPECT_EQ(grid.findPath(1.0f), (Path{{4, 5, 6}, {4, 5, 7}}));
}

TEST(PathSearchEdges, WalledOffGoalGivesEmptyListAfterExpandingEveryReachableCellOnce) {
    // The goal (3,3,3) sits in a corner behind its three blocked neighbours.
    PathGrid grid(3, 3, 3);
    block(grid, {{2, 3, 3}, {3, 2, 3}, {3, 3, 2}});
    grid.start = {1, 1, 1};
    grid.goal = {3, 3, 3};
    EXPECT_TRUE(grid.findPath(1.0f).empty());

    std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> expanded;
    for (const PathNodeRef& node : grid.closed()) {
        EXPECT_TRUE(expanded.emplace(node->x, node->y, node->z).second) << "expanded twice";
    }
    EXPECT_EQ(expanded.size(), 27u - 4u);
}

TEST(PathSearchEdges, StartOrGoalOutsideTheGridGivesEmptyList) {
    PathGrid grid(2, 2, 2);
    grid.start = {0, 1, 1};
    grid.goal = {2, 2, 2};
    EXPECT_TRUE(grid.findPath(1.0f).empty());
    grid.start = {1, 1, 1};
    grid.goal = {2, 2, 3};
    EXPECT_TRUE(grid.findPath(1.0f).empty());
}

TEST(PathSearchEdges, SetCellOutsideTheGridChangesNothing) {
    PathGrid grid(2, 1, 1);
    block(grid, {{3, 1, 1}, {0, 1, 1}, {1, 0, 1}});
    grid.start = {1, 1, 1};
    grid.goal = {2, 1, 1};
    EXPECT_EQ(grid.findPath(1.0f).size(), 2u);
    EXPECT_EQ(grid.cell({1, 1, 1}), 0);
    EXPECT_EQ(grid.cell({2, 1, 1}), 0);
}

TEST(PathSearchRepeat, SecondSearchOnOneGridGivesTheSameResult) {
    PathGrid grid(5, 5, 5);
    block(grid, {{3, 3, 3}, {2, 3, 3}});
    grid.start = {1, 1, 1};
    grid.goal = {5, 5, 5};
    const Path first = grid.findPath(1.0f);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(grid.findPath(1.0f), first);
}

TEST(PathSearchRepeat, ListsOfAnEarlierSearchDoNotLeakIntoTheNext) {
    PathGrid reused(4, 4, 4);
    reused.start = {1, 1, 1};
    reused.goal = {4, 4, 4};
    ASSERT_FALSE(reused.findPath(1.0f).empty());

    reused.setCell({2, 1, 1}, 1);
    reused.goal = {3, 1, 1};
    PathGrid fresh(4, 4, 4);
    fresh.setCell({2, 1, 1}, 1);
    fresh.start = {1, 1, 1};
    fresh.goal = {3, 1, 1};
    EXPECT_EQ(reused.findPath(1.0f), fresh.findPath(1.0f));
}

} // namespace
} // namespace trovane
