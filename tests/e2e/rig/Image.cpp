#include "Image.h"

#include "Rig.h"

#include <png.h>

#include <sstream>
#include <string>

namespace e2e {
namespace {

// Reads the next header number, skipping blanks and comments.
bool readNumber(std::istringstream& in, int& value) {
    for (;;) {
        int c = in.peek();
        if (c == '#') {
            std::string comment;
            std::getline(in, comment);
        } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            in.get();
        } else {
            break;
        }
    }
    return static_cast<bool>(in >> value);
}

} // namespace

std::optional<Image> Image::readPpm(const std::filesystem::path& file) {
    std::string data = readFile(file);
    std::istringstream in(data);
    std::string magic;
    in >> magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    if (magic != "P6" || !readNumber(in, width) || !readNumber(in, height) ||
        !readNumber(in, maximum) || maximum != 255 || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    in.get(); // the one blank after the header
    auto offset = static_cast<std::size_t>(in.tellg());
    std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
    if (data.size() < offset + size) {
        return std::nullopt;
    }
    Image image;
    image.width_ = width;
    image.height_ = height;
    image.rgb_.assign(data.begin() + static_cast<std::ptrdiff_t>(offset),
                      data.begin() + static_cast<std::ptrdiff_t>(offset + size));
    return image;
}

std::optional<Image> Image::readPng(const std::filesystem::path& file) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, file.string().c_str()) == 0) {
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGB;
    Image image;
    image.width_ = static_cast<int>(png.width);
    image.height_ = static_cast<int>(png.height);
    image.rgb_.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, image.rgb_.data(), 0, nullptr) == 0) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

Rgb Image::at(int x, int y) const {
    std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                     static_cast<std::size_t>(x)) *
                    3;
    return Rgb{rgb_[i], rgb_[i + 1], rgb_[i + 2]};
}

int Image::differences(const Image& other, int x, int y, int w, int h) const {
    int n = 0;
    for (int row = y; row < y + h && row < height_ && row < other.height_; ++row) {
        for (int column = x; column < x + w && column < width_ && column < other.width_; ++column) {
            Rgb a = at(column, row);
            Rgb b = other.at(column, row);
            n += (a.r != b.r || a.g != b.g || a.b != b.b) ? 1 : 0;
        }
    }
    return n;
}

} // namespace e2e
