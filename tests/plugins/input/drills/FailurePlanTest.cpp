// The steps a drill asks the input system to fail.
#include "FailurePlan.h"

#include <gtest/gtest.h>

namespace tactrel::test {
namespace {

constexpr DeviceKind kMouse = DeviceKind::SystemMouse;
constexpr DeviceKind kKeyboard = DeviceKind::SystemKeyboard;

TEST(FailurePlanTest, EmptyPlanFailsNothing) {
    const FailurePlan plan = FailurePlan::parse("", nullptr);
    for (Step step : {Step::Create, Step::Device, Step::Format, Step::Acquire, Step::Read}) {
        EXPECT_FALSE(plan.fails(step, kMouse));
        EXPECT_FALSE(plan.fails(step, kKeyboard));
    }
    EXPECT_FALSE(plan.failsCreate());
}

TEST(FailurePlanTest, PlainStepsFailForBothDevicesAndPrefixedOnesForOne) {
    const FailurePlan plan = FailurePlan::parse("format, mouse.acquire,keyboard.read", nullptr);
    EXPECT_TRUE(plan.fails(Step::Format, kMouse));
    EXPECT_TRUE(plan.fails(Step::Format, kKeyboard));
    EXPECT_TRUE(plan.fails(Step::Acquire, kMouse));
    EXPECT_FALSE(plan.fails(Step::Acquire, kKeyboard));
    EXPECT_FALSE(plan.fails(Step::Read, kMouse));
    EXPECT_TRUE(plan.fails(Step::Read, kKeyboard));
    EXPECT_FALSE(plan.failsCreate());
    EXPECT_TRUE(FailurePlan::parse("create", nullptr).failsCreate());
}

TEST(FailurePlanTest, UnknownTokensAreReportedAndIgnored) {
    std::vector<std::string> unknown;
    const FailurePlan plan =
        FailurePlan::parse("Device,device,,mouse.,joystick.read,mouse.create", &unknown);
    EXPECT_TRUE(plan.fails(Step::Device, kMouse));
    EXPECT_FALSE(plan.failsCreate());
    EXPECT_EQ(unknown,
              (std::vector<std::string>{"Device", "mouse.", "joystick.read", "mouse.create"}));
}

} // namespace
} // namespace tactrel::test
