// Whole-word lookup of an extension name in a GL extension list.
#include "ExtensionList.h"

#include <gtest/gtest.h>

namespace aurelix {
namespace {

constexpr const char* kList =
    "GL_ARB_multitexture GL_ARB_texture_compression_bptc GL_ARB_texture_compression "
    "GL_EXT_texture_filter_anisotropic";

TEST(ExtensionListTest, FindsNamesAnywhereInTheList) {
    EXPECT_TRUE(listsExtension(kList, "GL_ARB_multitexture"));
    EXPECT_TRUE(listsExtension(kList, "GL_ARB_texture_compression"));
    EXPECT_TRUE(listsExtension(kList, "GL_EXT_texture_filter_anisotropic"));
}

TEST(ExtensionListTest, PartsOfNamesDoNotCount) {
    EXPECT_FALSE(listsExtension(kList, "GL_ARB_texture"));
    EXPECT_FALSE(listsExtension(kList, "texture_compression"));
    EXPECT_FALSE(listsExtension(kList, "GL_EXT_texture_filter_anisotropic_more"));
    EXPECT_FALSE(listsExtension("GL_ARB_texture_compression_bptc", "GL_ARB_texture_compression"));
}

TEST(ExtensionListTest, ExtraSpacesDoNotHideNames) {
    EXPECT_TRUE(listsExtension("  GL_A   GL_B ", "GL_B"));
    EXPECT_TRUE(listsExtension(" GL_A", "GL_A"));
}

TEST(ExtensionListTest, MissingOrMalformedInputIsNotSupported) {
    EXPECT_FALSE(listsExtension(nullptr, "GL_A"));
    EXPECT_FALSE(listsExtension(kList, nullptr));
    EXPECT_FALSE(listsExtension("", "GL_A"));
    EXPECT_FALSE(listsExtension(kList, ""));
    EXPECT_FALSE(listsExtension("GL_A  GL_B", ""));
    EXPECT_FALSE(listsExtension(kList, "GL_ARB_multitexture GL_ARB_texture_compression"));
}

} // namespace
} // namespace aurelix
