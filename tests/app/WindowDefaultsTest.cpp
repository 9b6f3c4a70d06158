// The window settings that replace a missing title or an unusable size.
#include "app/WindowDefaults.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trovane {
namespace {

TEST(WindowDefaults, UsableSettingsStayAsTheyAre) {
    const char* title = "Station";
    WindowSettings s = withWindowDefaults(title, 640, 480);
    EXPECT_EQ(s.title, title); // the caller's text, not a copy
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.height, 480);
}

TEST(WindowDefaults, NullTitleBecomesTheProgramName) {
    EXPECT_STREQ(withWindowDefaults(nullptr, 640, 480).title, "Trovane");
}

TEST(WindowDefaults, ZeroOrNegativeSizesBecome800By600) {
    EXPECT_EQ(withWindowDefaults("T", 0, 480).width, 800);
    EXPECT_EQ(withWindowDefaults("T", -1, 480).width, 800);
    EXPECT_EQ(withWindowDefaults("T", 640, 0).height, 600);
    EXPECT_EQ(withWindowDefaults("T", 640, -2147483647 - 1).height, 600);
    // Each side on its own: a usable one is kept.
    EXPECT_EQ(withWindowDefaults("T", 0, 480).height, 480);
}

TEST(WindowDefaults, EmptyTitleIsKept) {
    // An empty title is a title the user chose; the caption still shows the rate.
    EXPECT_STREQ(withWindowDefaults("", 1, 1).title, "");
}

} // namespace
} // namespace trovane
