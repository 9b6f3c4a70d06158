// Which renderers get no anisotropic filtering on the station texture.
#include "app/render/StationTexture.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

TEST(StationTexture, SoftwareRasterisersGetNoAnisotropicFiltering) {
    EXPECT_TRUE(anisotropyStallsRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(anisotropyStallsRenderer("Gallium 0.4 on softpipe"));
}

TEST(StationTexture, HardwareAndUnknownRenderersKeepIt) {
    EXPECT_FALSE(anisotropyStallsRenderer("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(anisotropyStallsRenderer("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"));
    EXPECT_FALSE(anisotropyStallsRenderer(""));
    EXPECT_FALSE(anisotropyStallsRenderer(nullptr));
}

} // namespace
} // namespace trovane
