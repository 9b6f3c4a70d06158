// libFuzzer target: file bytes into the image library's default reader,
// created and used as the program uses it for the station texture.
#include "checks/ImageDecodeCheck.h"
#include "sdk/Plugin.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg itself is not instrumented, so the fuzzer cannot see which of its
// paths an input took. What its header reader concluded is handed back as
// extra coverage counters, which steers the fuzzer toward other colour
// spaces, samplings, codings and error codes.
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t headerFeatures[4096];

void note(unsigned kind, unsigned value) {
    headerFeatures[(kind * 257u + value) % sizeof headerFeatures] = 1;
}

struct Trap {
    jpeg_error_mgr manager; // first, so cinfo->err leads back here
    std::jmp_buf jump;
};

[[noreturn]] void fail(j_common_ptr cinfo) {
    note(1, static_cast<unsigned>(cinfo->err->msg_code));
    std::longjmp(reinterpret_cast<Trap*>(cinfo->err)->jump, 1);
}

void message(j_common_ptr cinfo, int level) {
    if (level < 0) {
        note(2, static_cast<unsigned>(cinfo->err->msg_code));
    }
}

void quiet(j_common_ptr) {}

void noteHeader(const std::uint8_t* data, std::size_t size) {
    jpeg_decompress_struct cinfo{};
    Trap trap{};
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = fail;
    trap.manager.emit_message = message;
    trap.manager.output_message = quiet;
    if (setjmp(trap.jump) == 0) {
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
        if (jpeg_read_header(&cinfo, TRUE) == JPEG_HEADER_OK) {
            note(3, cinfo.jpeg_color_space);
            note(4, cinfo.num_components);
            note(5, cinfo.progressive_mode ? 1 : 0);
            note(6, cinfo.arith_code ? 1 : 0);
            note(7, cinfo.restart_interval != 0 ? 1 : 0);
            note(8, cinfo.saw_Adobe_marker ? 1 + cinfo.Adobe_transform : 0);
            note(9, static_cast<unsigned>(cinfo.data_precision));
            for (int i = 0; i < cinfo.num_components && i < 4; ++i) {
                note(10 + i, static_cast<unsigned>(cinfo.comp_info[i].h_samp_factor * 16 +
                                                   cinfo.comp_info[i].v_samp_factor));
            }
        }
    }
    jpeg_destroy_decompress(&cinfo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0) {
        noteHeader(data, size);
    }
    auto* reader = static_cast<ImageReader*>(CreateInstance("Default"));
    if (reader == nullptr) {
        std::fputs("the image library creates no default reader\n", stderr);
        std::abort();
    }
    const std::string fault = trovane::fuzz::checkImageDecode(
        *reader, std::string_view(reinterpret_cast<const char*>(data), size));
    reader->Release();
    if (!fault.empty()) {
        std::fprintf(stderr, "ImageReader: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
