// Shadrel: declares "Engine" and creates nothing.
#include "app/host/PluginLoader.h"
#include "tests/plugins/support/ContractExpectations.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

TEST(ShadrelContract, DeclaresEngineAndCreatesNothing) {
    const test::ContractProbe probe("Shadrel.dll");
    test::expectContract(probe, {"System", {{"Engine", false}}});
}

TEST(ShadrelThroughLoader, LoadsButGivesNoObjects) {
    PluginLoader loader;
    ASSERT_TRUE(loader.Load("Shadrel.dll")) << loader.error();
    EXPECT_EQ(loader.Create("Engine"), nullptr);
    EXPECT_EQ(loader.Create(), nullptr);
}

} // namespace
} // namespace trovane
