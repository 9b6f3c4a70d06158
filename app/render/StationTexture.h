// The station's one wall texture, read from "textures/morvex.jpg" once the
// GL context exists.
#pragma once

#include "app/host/PluginLoader.h"

#include <vector>

namespace trovane {

// Asks extensionQuery's "Query" object for texture compression and
// anisotropic filtering, loads the image library into images, reads the file
// with a reader from files and decodes it; then appends one texture name to
// textures, bound to GL_TEXTURE_2D and filled with the picture and its
// mipmaps. A missing or undecodable picture gives one warning line on
// standard error and no texture name: the walls are drawn untextured.
// Returns whether a texture was made.
// Whether anisotropic filtering must stay off for the renderer GL_RENDERER
// names: Mesa's software rasterisers can stall for good in anisotropic
// sampling (the frame never finishes), and it costs most of their fill rate.
bool anisotropyStallsRenderer(const char* renderer);

bool loadStationTexture(std::vector<unsigned int>& textures, const PluginLoader& extensionQuery,
                        PluginLoader& images, const PluginLoader& files);

} // namespace trovane
