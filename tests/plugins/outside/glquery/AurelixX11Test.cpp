// The built extension-query library against a real GL context under a
// virtual X server.
#include "app/host/PluginLoader.h"
#include "platform/window/GLContext.h"
#include "platform/window/VideoSystem.h"
#include "platform/window/Window.h"
#include "sdk/OutsideLibraries.h"
#include "tests/support/XvfbServer.h"

#include <gtest/gtest.h>

namespace aurelix {
namespace {

using namespace trovane;

TEST(AurelixX11Test, AnswersFromTheCurrentContextsExtensionList) {
    test::XvfbServer display;
    display.exportDisplay();
    std::string error;
    auto video = platform::VideoSystem::open(error);
    ASSERT_NE(video, nullptr) << error;
    platform::WindowOptions options;
    options.title = "AurelixX11Test";
    options.client = {0, 0, 64, 64};
    auto window = platform::Window::create(options, error);
    ASSERT_NE(window, nullptr) << error;
    auto context = platform::GLContext::create(*window, error);
    ASSERT_NE(context, nullptr) << error;

    PluginLoader loader;
    ASSERT_TRUE(loader.Load("Aurelix.dll")) << loader.error();
    auto* query = static_cast<TextureQuery*>(loader.Create("Query"));
    ASSERT_NE(query, nullptr);
    // Both are offered by Mesa's software renderer.
    EXPECT_TRUE(query->IsSupported("GL_ARB_texture_compression"));
    EXPECT_TRUE(query->IsSupported("GL_EXT_texture_filter_anisotropic"));
    EXPECT_FALSE(query->IsSupported("GL_ARB_texture"));
    EXPECT_FALSE(query->IsSupported("GL_NO_such_extension"));
    EXPECT_FALSE(query->IsSupported(nullptr));
}

} // namespace
} // namespace aurelix
