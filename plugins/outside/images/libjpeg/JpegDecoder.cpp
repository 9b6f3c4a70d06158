#include "JpegDecoder.h"

#include "DecodeLimits.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace vistrane {
namespace {

// libjpeg reports errors by calling error_exit, which must not return. It
// jumps back to the setjmp in runDecoder. Every frame it leaves (libjpeg's
// and the callbacks here) holds only trivially destructible locals, and the
// pixel buffer belongs to the caller, so the jump skips no destructor.
struct ErrorTrap {
    jpeg_error_mgr manager; // first, so cinfo->err leads back here
    std::jmp_buf jump;
};

struct DecoderState {
    jpeg_decompress_struct cinfo;
    ErrorTrap trap;
    jpeg_progress_mgr progress;
};

[[noreturn]] void leave(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}

// Level -1 is a corrupt-data warning (a premature end among them); decoding
// on would hand back made-up grey pixels.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) {
        leave(cinfo);
    }
}

void silence(j_common_ptr) {}

void onProgress(j_common_ptr cinfo) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > kMaxScans) {
        leave(cinfo);
    }
}

void installHandlers(DecoderState& state) {
    state.cinfo.err = jpeg_std_error(&state.trap.manager);
    state.trap.manager.error_exit = leave;
    state.trap.manager.emit_message = onMessage;
    state.trap.manager.output_message = silence;
}

// The output colour space: RGBA straight from libjpeg, or CMYK to convert.
bool chooseOutput(jpeg_decompress_struct& cinfo) {
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        cinfo.out_color_space = JCS_EXT_RGBA;
        return true;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        return true;
    default:
        return false;
    }
}

bool allocate(RgbaImage& image, JDIMENSION width, JDIMENSION height) {
    try {
        image.pixels.assign(std::size_t{width} * height * 4, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    return true;
}

// Adobe writes CMYK inverted (0 = full ink), which is what JPEG files hold.
void cmykToRgba(std::uint8_t* row, JDIMENSION width) {
    for (JDIMENSION i = 0; i < width; ++i) {
        std::uint8_t* pixel = row + std::size_t{i} * 4;
        const unsigned k = pixel[3];
        for (int c = 0; c < 3; ++c) {
            pixel[c] = static_cast<std::uint8_t>((pixel[c] * k + 127) / 255);
        }
        pixel[3] = 255;
    }
}

bool readRows(jpeg_decompress_struct& cinfo, RgbaImage& image) {
    const std::size_t stride = std::size_t{cinfo.output_width} * 4;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.pixels.data() + cinfo.output_scanline * stride;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) {
            return false;
        }
        if (cinfo.out_color_space == JCS_CMYK) {
            cmykToRgba(row, cinfo.output_width);
        }
    }
    return true;
}

bool decodeSteps(DecoderState& state, const std::uint8_t* data, std::size_t size,
                 RgbaImage& image) {
    jpeg_decompress_struct& cinfo = state.cinfo;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxWorkingMemory;
    state.progress.progress_monitor = onProgress;
    cinfo.progress = &state.progress;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    if (!withinLimits(cinfo.image_width, cinfo.image_height) || !chooseOutput(cinfo)) {
        return false;
    }
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 4 || !allocate(image, cinfo.output_width, cinfo.output_height)) {
        return false;
    }
    if (!readRows(cinfo, image)) {
        return false;
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

bool runDecoder(DecoderState& state, const std::uint8_t* data, std::size_t size, RgbaImage& image) {
    installHandlers(state);
    if (setjmp(state.trap.jump) != 0) {
        jpeg_destroy_decompress(&state.cinfo);
        return false;
    }
    const bool decoded = decodeSteps(state, data, size, image);
    jpeg_destroy_decompress(&state.cinfo);
    return decoded;
}

} // namespace

bool looksLikeJpeg(const std::uint8_t* data, std::size_t size) {
    return data != nullptr && size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool decodeJpeg(const std::uint8_t* data, std::size_t size, RgbaImage& image) {
    image.clear();
    if (!looksLikeJpeg(data, size)) {
        return false;
    }
    DecoderState state{};
    if (!runDecoder(state, data, size, image)) {
        image.clear();
        return false;
    }
    return true;
}

} // namespace vistrane
