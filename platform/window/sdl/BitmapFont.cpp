#include "platform/window/BitmapFont.h"

#include "platform/window/sdl/FontFile.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

namespace trovane::platform {
namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 where it has none.
constexpr std::uint16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code point drawn for an 8-bit character, or 0 for none.
unsigned codePointOf(unsigned c) {
    if (c < 0x20 || c == 0x7F) {
        return 0;
    }
    if (c >= 0x80 && c < 0xA0) {
        return kWindows1252High[c - 0x80];
    }
    return c;
}

class FreeTypeFace {
public:
    FreeTypeFace() = default;
    ~FreeTypeFace() {
        if (face_ != nullptr) {
            FT_Done_Face(face_);
        }
        if (library_ != nullptr) {
            FT_Done_FreeType(library_);
        }
    }
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    bool open(const std::string& file, int index, int pixelHeight, std::string& error) {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            error = "cannot start FreeType";
            return false;
        }
        if (FT_New_Face(library_, file.c_str(), index, &face_) != 0) {
            face_ = nullptr;
            error = "cannot open font file " + file;
            return false;
        }
        if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelHeight)) != 0) {
            error = "font " + file + " has no size of " + std::to_string(pixelHeight) + " pixels";
            return false;
        }
        return true;
    }

    FT_Face get() const { return face_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

// The glyph's 1-bit rows repacked bottom row first with byte alignment, as
// glBitmap reads them.
std::vector<GLubyte> bottomUpRows(const FT_Bitmap& bitmap) {
    unsigned rowBytes = (bitmap.width + 7) / 8;
    std::vector<GLubyte> rows(static_cast<std::size_t>(rowBytes) * bitmap.rows);
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
        GLubyte* target = rows.data() + static_cast<std::size_t>(bitmap.rows - 1 - r) * rowBytes;
        for (unsigned b = 0; b < rowBytes; ++b) {
            target[b] = source[b];
        }
    }
    return rows;
}

void compileGlyph(FT_Face face, unsigned codePoint, GLuint list) {
    glNewList(list, GL_COMPILE);
    bool loaded = codePoint != 0 &&
                  FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0 &&
                  face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (loaded) {
        const FT_GlyphSlot glyph = face->glyph;
        std::vector<GLubyte> rows = bottomUpRows(glyph->bitmap);
        auto height = static_cast<GLsizei>(glyph->bitmap.rows);
        glBitmap(static_cast<GLsizei>(glyph->bitmap.width), height,
                 static_cast<GLfloat>(-glyph->bitmap_left),
                 static_cast<GLfloat>(height - glyph->bitmap_top),
                 static_cast<GLfloat>(glyph->advance.x) / 64.0f, 0.0f,
                 rows.empty() ? nullptr : rows.data());
    }
    glEndList();
}

} // namespace

std::string findFontFile(const char* family, int* faceIndex) {
    std::string file;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern == nullptr) {
        return file;
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    if (match != nullptr) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr) {
            file = reinterpret_cast<const char*>(path);
        }
        int index = 0;
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) {
            index = 0;
        }
        if (faceIndex != nullptr) {
            *faceIndex = index;
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

bool buildBitmapFont(unsigned listBase, unsigned first, unsigned count, const FontRequest& request,
                     std::string& error) {
    int index = 0;
    std::string file = findFontFile(request.family, &index);
    if (file.empty()) {
        error = std::string("no font found for \"") + request.family + "\"";
        return false;
    }
    FreeTypeFace face;
    if (!face.open(file, index, request.pixelHeight, error)) {
        return false;
    }
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (unsigned i = 0; i < count; ++i) {
        compileGlyph(face.get(), codePointOf(first + i), listBase + i);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return true;
}

} // namespace trovane::platform
