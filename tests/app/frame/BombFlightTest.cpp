// Bombs against a real station: sticking, bouncing, running out of life, and
// the frame's pass over all bombs that removes spent ones in order.
#include "app/frame/BombFlight.h"

#include "FirstStation.h"

#include <gtest/gtest.h>

#include <vector>

namespace trovane {
namespace {

using test::firstStation;
using test::kFarWallZ;
using test::roomOnTheFarSide;

// A bomb one unit outside the far wall of a room, aimed straight at it.
class BombAtAWall : public ::testing::Test {
protected:
    void SetUp() override {
        std::optional<CellPosition> room = roomOnTheFarSide(station);
        ASSERT_TRUE(room);
        const Vector3 middle = test::middleOf(*room);
        start = {middle.x, middle.y, kFarWallZ + 1.0f};
    }

    // Steps the bomb in frames of dt until it stops or time runs out; the
    // time of flight when it stopped.
    static float flyUntilStopped(Bomb& bomb, const BspTree& tree, float dt, float limit) {
        float t = 0.0f;
        while (bomb.life > 0.0f && t < limit) {
            stepBomb(bomb, &tree, dt);
            t += dt;
        }
        return t;
    }

    // The frame's pass over the bombs, repeated for the given number of frames of dt.
    void advanceFrames(std::vector<SharedPtr<Bomb>>& bombs, int frames, float dt) {
        for (int frame = 0; frame < frames; ++frame) {
            advanceBombs(bombs, station.tree.get(), dt);
        }
    }

    Structure station = firstStation();
    Vector3 start;
    const Vector3 towardsWall{0.0f, 0.0f, -1.0f};
};

TEST_F(BombAtAWall, StickyBombStopsOnTheWallAfterAFifthOfASecond) {
    Bomb bomb = stickyBomb(start, towardsWall);
    EXPECT_EQ(bomb.life, kStickyBombLife);
    EXPECT_FALSE(bomb.reflecting);
    const float t = flyUntilStopped(bomb, *station.tree, 0.01f, 5.0f);
    EXPECT_NEAR(t, 0.2f, 0.011f);
    EXPECT_EQ(bomb.life, 0.0f);
    EXPECT_NEAR(bomb.position.z, kFarWallZ, 1e-4f);
    EXPECT_EQ(bomb.position.x, start.x);
    EXPECT_EQ(bomb.position.y, start.y);
}

TEST_F(BombAtAWall, StoppedStickyBombStaysInTheListAndInPlace) {
    std::vector<SharedPtr<Bomb>> bombs{makeShared<Bomb>(stickyBomb(start, towardsWall))};
    advanceFrames(bombs, 100, 0.01f);
    ASSERT_EQ(bombs.size(), 1u);
    EXPECT_EQ(bombs[0]->life, 0.0f);
    EXPECT_NEAR(bombs[0]->position.z, kFarWallZ, 1e-4f);
}

TEST_F(BombAtAWall, ReflectingBombBouncesBackOutOfTheWall) {
    Bomb bomb = reflectingBomb(start, towardsWall);
    // 0.3 s: 1 unit to the wall, then 0.5 back out.
    for (int frame = 0; frame < 30; ++frame) {
        stepBomb(bomb, station.tree.get(), 0.01f);
    }
    EXPECT_NEAR(bomb.direction.z, 1.0f, 1e-6f);
    EXPECT_NEAR(bomb.position.z, kFarWallZ + 0.5f, 1e-3f);
    EXPECT_NEAR(bomb.life, kReflectingBombLife - 1.5f, 1e-3f);
}

TEST_F(BombAtAWall, ReflectingBombIsRemovedTheFrameAfterItsTwoHundredUnits) {
    std::vector<SharedPtr<Bomb>> bombs{makeShared<Bomb>(reflectingBomb(start, towardsWall))};
    // 200 units at 5 per second: 40 s, here 400 frames of 0.1 s.
    advanceFrames(bombs, 399, 0.1f);
    ASSERT_EQ(bombs.size(), 1u);
    EXPECT_GT(bombs[0]->life, 0.0f);
    advanceBombs(bombs, station.tree.get(), 0.1f);
    ASSERT_EQ(bombs.size(), 1u) << "still listed in the frame its life ran out";
    EXPECT_EQ(bombs[0]->life, 0.0f);
    // It bounced once and flew away from the station.
    EXPECT_GT(bombs[0]->position.z, kFarWallZ + 150.0f);
    advanceBombs(bombs, station.tree.get(), 0.1f);
    EXPECT_TRUE(bombs.empty());
}

TEST(BombFlight, WithoutAStationBombsFlyStraight) {
    Bomb bomb = stickyBomb({0, 0, 0}, {1, 0, 0});
    stepBomb(bomb, nullptr, 2.0f);
    EXPECT_EQ(bomb.position.x, 10.0f);
    EXPECT_EQ(bomb.life, kStickyBombLife - 10.0f);
}

TEST(BombFlight, LifeNeverGoesBelowZero) {
    Bomb bomb = stickyBomb({0, 0, 0}, {1, 0, 0});
    bomb.life = 0.5f;
    stepBomb(bomb, nullptr, 1.0f);
    EXPECT_EQ(bomb.life, 0.0f);
}

// Spent reflecting bombs leave; every other bomb keeps its place in the
// order and still takes its step in the frame of a removal.
TEST(BombFlight, RemovalKeepsTheOrderAndSkipsNoBomb) {
    auto spent = [] {
        Bomb b = reflectingBomb({0, 0, 0}, {1, 0, 0});
        b.life = 0.0f;
        return makeShared<Bomb>(b);
    };
    auto flying = [](float y) { return makeShared<Bomb>(reflectingBomb({0, y, 0}, {1, 0, 0})); };
    auto stuck = [](float y) {
        Bomb b = stickyBomb({0, y, 0}, {1, 0, 0});
        b.life = 0.0f;
        return makeShared<Bomb>(b);
    };
    std::vector<SharedPtr<Bomb>> bombs{spent(),   flying(1), spent(), spent(),
                                       flying(2), stuck(3),  spent()};
    advanceBombs(bombs, nullptr, 0.1f);
    ASSERT_EQ(bombs.size(), 3u);
    EXPECT_EQ(bombs[0]->position.y, 1.0f);
    EXPECT_EQ(bombs[1]->position.y, 2.0f);
    EXPECT_EQ(bombs[2]->position.y, 3.0f);
    EXPECT_FLOAT_EQ(bombs[0]->position.x, 0.5f) << "the bomb after a removed one moved";
    EXPECT_FLOAT_EQ(bombs[1]->position.x, 0.5f) << "the bomb after two removed ones moved";
    EXPECT_EQ(bombs[2]->position.x, 0.0f) << "a stopped sticky bomb stays";
}

} // namespace
} // namespace trovane
