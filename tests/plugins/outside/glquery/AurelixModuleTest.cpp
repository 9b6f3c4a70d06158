// The built extension-query library, loaded as the program loads it.
#include "app/host/PluginLoader.h"
#include "tests/plugins/support/ContractProbe.h"

#include <gtest/gtest.h>

namespace aurelix {
namespace {

// The query is not an object with Release, so the shared contract check,
// which releases what it creates, does not apply.
TEST(AurelixContractTest, OffersOneQueryUnderItsOneName) {
    trovane::test::ContractProbe probe("Aurelix.dll");
    ASSERT_TRUE(probe.complete()) << probe.library.error();
    EXPECT_EQ(probe.apiVersion(), 1);
    EXPECT_STREQ(probe.componentType(), "Graphics");
    EXPECT_STREQ(probe.enumerateInterfaces(0), "Query");
    EXPECT_EQ(probe.enumerateInterfaces(1), nullptr);
    EXPECT_EQ(probe.getInterfaceId("Query"), 0);
    EXPECT_EQ(probe.getInterfaceId("query"), -1);
    EXPECT_EQ(probe.getInterfaceId(nullptr), -1);
    EXPECT_EQ(probe.createInstance("Default"), nullptr);
    EXPECT_EQ(probe.createInstanceById(1), nullptr);
    EXPECT_EQ(probe.createInstanceById(-1), nullptr);
}

// Never released by the program, so every request gives the library's one
// query and nothing leaks.
TEST(AurelixContractTest, EveryRequestGivesTheSameQuery) {
    trovane::PluginLoader loader;
    ASSERT_TRUE(loader.Load("Aurelix.dll")) << loader.error();
    void* first = loader.Create("Query");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(loader.Create("Query"), first);
}

} // namespace
} // namespace aurelix
