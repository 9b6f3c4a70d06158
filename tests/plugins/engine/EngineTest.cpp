// Corvane: the "Engine" that holds five components and releases them together.
#include "sdk/Engine.h"
#include "app/host/PluginLoader.h"
#include "tests/plugins/support/ContractExpectations.h"

#include <gtest/gtest.h>

#include <vector>

namespace trovane {
namespace {

// A component that notes when it is released; owned by the test.
class RecordingComponent final : public plugin::Object {
public:
    RecordingComponent(int id, std::vector<int>& log) : id(id), log(log) {}
    void Release() override { log.push_back(id); }

private:
    int id;
    std::vector<int>& log;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.Load("Corvane.dll")) << loader.error();
        engine = static_cast<Engine*>(loader.Create("Engine"));
        ASSERT_NE(engine, nullptr);
    }
    // Every test ends the engine itself with Release; ASan reports a leak if
    // the engine does not free itself there.
    PluginLoader loader;
    Engine* engine = nullptr;
    std::vector<int> released;
};

using EngineRelease = EngineTest;
using EngineSetters = EngineTest;

TEST(CorvaneContract, DeclaresAndCreatesEngine) {
    const test::ContractProbe probe("Corvane.dll");
    test::expectContract(probe, {"Engine", {{"Engine", true}}});
}

TEST_F(EngineRelease, FreshEngineReleasesNothing) {
    engine->Release();
    EXPECT_TRUE(released.empty());
}

TEST_F(EngineRelease, ReleasesComponentsFirstToFifth) {
    RecordingComponent c1(1, released), c2(2, released), c3(3, released), c4(4, released),
        c5(5, released);
    // Set out of order: the release order follows the fields, not the calls.
    engine->SetComponent5(&c5);
    engine->SetComponent3(&c3);
    engine->SetComponent1(&c1);
    engine->SetComponent4(&c4);
    engine->SetComponent2(&c2);
    engine->Release();
    EXPECT_EQ(released, (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(EngineRelease, SkipsEmptyFields) {
    RecordingComponent c2(2, released), c4(4, released);
    engine->SetComponent2(&c2);
    engine->SetComponent4(&c4);
    engine->Release();
    EXPECT_EQ(released, (std::vector<int>{2, 4}));
}

TEST_F(EngineSetters, ReplacingKeepsTheEarlierObjectWithItsOwner) {
    RecordingComponent first(31, released), second(32, released);
    EXPECT_TRUE(engine->SetComponent3(&first));
    EXPECT_TRUE(engine->SetComponent3(&second));
    EXPECT_TRUE(released.empty());
    engine->Release();
    EXPECT_EQ(released, (std::vector<int>{32}));
}

TEST_F(EngineSetters, NullEmptiesAField) {
    RecordingComponent c1(1, released);
    EXPECT_TRUE(engine->SetComponent1(&c1));
    EXPECT_TRUE(engine->SetComponent1(nullptr));
    engine->Release();
    EXPECT_TRUE(released.empty());
}

TEST_F(EngineSetters, RunChangesNothing) {
    engine->Run();
    RecordingComponent c1(1, released), c5(5, released);
    engine->SetComponent1(&c1);
    engine->SetComponent5(&c5);
    engine->Run();
    EXPECT_TRUE(released.empty());
    engine->Release();
    EXPECT_EQ(released, (std::vector<int>{1, 5}));
}

TEST_F(EngineSetters, EnginesAreIndependent) {
    auto* other = static_cast<Engine*>(loader.Create("Engine"));
    ASSERT_NE(other, nullptr);
    ASSERT_NE(other, engine);
    RecordingComponent mine(1, released), theirs(2, released);
    engine->SetComponent1(&mine);
    other->SetComponent1(&theirs);
    other->Release();
    EXPECT_EQ(released, (std::vector<int>{2}));
    engine->Release();
    EXPECT_EQ(released, (std::vector<int>{2, 1}));
}

} // namespace
} // namespace trovane
