#include "sysinfo/CpuText.h"

namespace trovane {

namespace {

char* putRegister(char* out, std::uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) {
        *out++ = static_cast<char>((value >> (8 * byte)) & 0xFFu);
    }
    return out;
}

} // namespace

void writeVendorText(const CpuidResult& leaf0, char (&text)[kVendorLength + 1]) {
    text[kVendorLength] = '\0';
    char* out = putRegister(text, leaf0.ebx);
    out = putRegister(out, leaf0.edx);
    putRegister(out, leaf0.ecx);
}

const char* writeBrandText(const std::array<CpuidResult, 3>& leaves,
                           char (&text)[kBrandLength + 1]) {
    text[kBrandLength] = '\0';
    char* out = text;
    for (const CpuidResult& leaf : leaves) {
        out = putRegister(out, leaf.eax);
        out = putRegister(out, leaf.ebx);
        out = putRegister(out, leaf.ecx);
        out = putRegister(out, leaf.edx);
    }
    const char* first = text;
    while (*first == ' ') {
        ++first;
    }
    return first;
}

} // namespace trovane
