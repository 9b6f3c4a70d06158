#include "JpegFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace vistrane::test {
namespace {

int componentsOf(Colours colours) {
    switch (colours) {
    case Colours::Grey:
        return 1;
    case Colours::Rgb:
        return 3;
    case Colours::AdobeCmyk:
        return 4;
    }
    return 3;
}

J_COLOR_SPACE spaceOf(Colours colours) {
    switch (colours) {
    case Colours::Grey:
        return JCS_GRAYSCALE;
    case Colours::Rgb:
        return JCS_RGB;
    case Colours::AdobeCmyk:
        return JCS_CMYK;
    }
    return JCS_RGB;
}

// Per component: the DC coefficient, then each AC coefficient on its own,
// each first sent at the coarsest precision and refined one bit per scan.
std::vector<jpeg_scan_info> everyScanSeparate(int components) {
    constexpr int kCoarsest = 10;
    std::vector<jpeg_scan_info> scans;
    auto add = [&](int component, int first, int last, int ah, int al) {
        jpeg_scan_info scan{};
        scan.comps_in_scan = 1;
        scan.component_index[0] = component;
        scan.Ss = first;
        scan.Se = last;
        scan.Ah = ah;
        scan.Al = al;
        scans.push_back(scan);
    };
    for (int c = 0; c < components; ++c) {
        for (int k = 0; k < 64; ++k) {
            add(c, k, k, 0, kCoarsest);
            for (int bit = kCoarsest; bit > 0; --bit) {
                add(c, k, k, bit, bit - 1);
            }
        }
    }
    return scans;
}

// A recipe libjpeg refuses is a fault of the test itself.
[[noreturn]] void failEncoding(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    std::fprintf(stderr, "test JPEG not made: %s\n", text);
    std::abort();
}

} // namespace

Bytes encodeJpeg(const JpegRecipe& recipe) {
    const int components = componentsOf(recipe.colours);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    errors.error_exit = failEncoding;
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(recipe.width);
    cinfo.image_height = static_cast<JDIMENSION>(recipe.height);
    cinfo.input_components = components;
    cinfo.in_color_space = spaceOf(recipe.colours);
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    // Full-resolution colour, so sharp colour edges survive.
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    std::vector<jpeg_scan_info> scans;
    if (recipe.everyScanSeparate) {
        scans = everyScanSeparate(components);
        cinfo.scan_info = scans.data();
        cinfo.num_scans = static_cast<int>(scans.size());
    } else if (recipe.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(recipe.width * components));
    for (int y = 0; y < recipe.height; ++y) {
        for (int x = 0; x < recipe.width; ++x) {
            for (int c = 0; c < components; ++c) {
                row[static_cast<std::size_t>(x * components + c)] = recipe.sample(x, y, c);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes jpeg(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return jpeg;
}

std::size_t frameHeaderOffset(const Bytes& jpeg) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            return i;
        }
    }
    return 0;
}

void declareSize(Bytes& jpeg, std::uint16_t width, std::uint16_t height) {
    const std::size_t sof = frameHeaderOffset(jpeg);
    if (sof == 0) {
        throw std::runtime_error("no frame header");
    }
    // Marker (2), length (2), precision (1), then height and width, big-endian.
    jpeg[sof + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[sof + 6] = static_cast<std::uint8_t>(height & 0xFF);
    jpeg[sof + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[sof + 8] = static_cast<std::uint8_t>(width & 0xFF);
}

} // namespace vistrane::test
