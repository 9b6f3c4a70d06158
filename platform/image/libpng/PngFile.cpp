#include "platform/image/PngFile.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace trovane::platform {
namespace {

// libpng reports errors by longjmp; the message is kept for the caller.
struct WriteState {
    char message[256] = "";
};

void onError(png_structp png, png_const_charp message) {
    auto* state = static_cast<WriteState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// Only plain data between setjmp and a possible longjmp.
bool encode(std::FILE* out, const RgbPicture& picture, WriteState& state) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, onError, onWarning);
    if (png == nullptr) {
        std::snprintf(state.message, sizeof state.message, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        if (state.message[0] == '\0') {
            std::snprintf(state.message, sizeof state.message, "out of memory");
        }
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
    for (int row = 0; row < picture.height; ++row) {
        png_write_row(png, picture.pixels.data() + stride * static_cast<std::size_t>(row));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool writePng(const std::filesystem::path& file, const RgbPicture& picture, std::string& error) {
    if (!isWellFormed(picture)) {
        error = "the picture is empty or its size does not match its pixels";
        return false;
    }
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        error = file.string() + ": " + std::strerror(errno);
        return false;
    }
    WriteState state;
    const bool encoded = encode(out, picture, state);
    const bool closed = std::fclose(out) == 0;
    if (encoded && closed) {
        return true;
    }
    error = file.string() + ": " + (encoded ? std::string("cannot finish writing") : state.message);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return false;
}

} // namespace trovane::platform
