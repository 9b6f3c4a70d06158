#include "app/render/StationTexture.h"

#include "app/host/DataFiles.h"
#include "app/host/LibraryNames.h"
#include "sdk/OutsideLibraries.h"
#include "sdk/OwnedObject.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace trovane {
namespace {

struct TextureOptions {
    GLint internalFormat = GL_RGBA;
    GLfloat anisotropy = 0.0f; // 0: leave the filter alone
};

TextureOptions queryOptions(const PluginLoader& extensionQuery) {
    TextureOptions options;
    auto* query = static_cast<TextureQuery*>(extensionQuery.Create("Query"));
    if (query == nullptr) {
        std::string why =
            extensionQuery.isLoaded() ? "creates no \"Query\"" : extensionQuery.error();
        std::fprintf(stderr,
                     "warning: %s: %s; texture compression and anisotropic filtering stay off\n",
                     kTextureQueryLibrary, why.c_str());
        return options;
    }
    if (query->IsSupported("GL_ARB_texture_compression")) {
        options.internalFormat = GL_COMPRESSED_RGBA_ARB;
    }
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (query->IsSupported("GL_EXT_texture_filter_anisotropic") &&
        !anisotropyStallsRenderer(renderer)) {
        GLfloat maximum = 1.0f;
        glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maximum);
        if (maximum > 1.0f) {
            options.anisotropy = maximum;
        }
    }
    // The query object has no Release; it is left to the library.
    return options;
}

// The decoded picture, valid while reader lives.
struct Picture {
    plugin::Owned<ImageReader> reader;
    GLsizei width = 0;
    GLsizei height = 0;
    const unsigned char* pixels = nullptr;
};

bool readPicture(Picture& picture, PluginLoader& images, const PluginLoader& files,
                 std::string& why) {
    if (!images.Load(kImageReaderLibrary)) {
        why = std::string(kImageReaderLibrary) + ": " + images.error();
        return false;
    }
    plugin::Owned<FileReader> file(static_cast<FileReader*>(files.Create(nullptr)));
    picture.reader.reset(static_cast<ImageReader*>(images.Create(nullptr)));
    if (!file || !picture.reader) {
        why = "no file or image reader";
        return false;
    }
    const std::vector<std::string> places = textureFileCandidates(currentSearchPlaces());
    const auto opens = [&file](const std::string& path) { return file->Open(path.c_str(), 0); };
    if (std::none_of(places.begin(), places.end(), opens)) {
        why = "cannot be opened";
        return false;
    }
    picture.reader->Decode(file->GetData(), file->GetSize());
    picture.width = picture.reader->GetWidth();
    picture.height = picture.reader->GetHeight();
    picture.pixels = picture.reader->GetPixels();
    if (picture.width <= 0 || picture.height <= 0 || picture.pixels == nullptr) {
        why = "cannot be decoded";
        return false;
    }
    return true;
}

void upload(GLuint name, const Picture& picture, const TextureOptions& options) {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, options.internalFormat, picture.width, picture.height, 0,
                 GL_RGBA, GL_UNSIGNED_BYTE, picture.pixels);
    // Replaces level 0 and builds the whole mipmap chain.
    gluBuild2DMipmaps(GL_TEXTURE_2D, options.internalFormat, picture.width, picture.height, GL_RGBA,
                      GL_UNSIGNED_BYTE, picture.pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    if (options.anisotropy > 1.0f) {
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, options.anisotropy);
    }
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

} // namespace

bool anisotropyStallsRenderer(const char* renderer) {
    if (renderer == nullptr) {
        return false;
    }
    const std::string name(renderer);
    return name.find("llvmpipe") != std::string::npos || name.find("softpipe") != std::string::npos;
}

bool loadStationTexture(std::vector<unsigned int>& textures, const PluginLoader& extensionQuery,
                        PluginLoader& images, const PluginLoader& files) {
    TextureOptions options = queryOptions(extensionQuery);
    Picture picture;
    std::string why;
    if (!readPicture(picture, images, files, why)) {
        std::fprintf(stderr, "warning: %s: %s; the walls stay untextured\n", kStationTextureFile,
                     why.c_str());
        return false;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    textures.push_back(name);
    upload(name, picture, options);
    return true;
}

} // namespace trovane
