#include "sysinfo/CpuInfo.h"

#include "sysinfo/CpuText.h"

#include <bitset>

namespace trovane {

namespace {

constexpr std::uint32_t kVendorLeaf = 0;
constexpr std::uint32_t kFeatureLeaf = 1;
constexpr std::uint32_t kFirstBrandLeaf = 0x80000002u;

char vendorText[kVendorLength + 1];
char brandText[kBrandLength + 1];

} // namespace

bool HasCpuFeature(unsigned int bit) {
    static const std::bitset<32> flags(ReadCpuid(kFeatureLeaf).edx);
    return bit < flags.size() && flags[bit];
}

const char* GetCpuVendor() {
    static const CpuidResult leaf0 = ReadCpuid(kVendorLeaf);
    writeVendorText(leaf0, vendorText);
    return vendorText;
}

const char* GetCpuBrand() {
    static const CpuidResult first = ReadCpuid(kFirstBrandLeaf);
    static const CpuidResult second = ReadCpuid(kFirstBrandLeaf + 1);
    static const CpuidResult third = ReadCpuid(kFirstBrandLeaf + 2);
    return writeBrandText({first, second, third}, brandText);
}

std::uint8_t GetCpuFamily() {
    static const std::uint8_t family = (ReadCpuid(kFeatureLeaf).eax >> 8) & 0x0Fu;
    return family;
}

std::uint8_t GetCpuModel() {
    static const std::uint8_t model = (ReadCpuid(kFeatureLeaf).eax >> 4) & 0x0Fu;
    return model;
}

std::uint8_t GetCpuBrandIndex() {
    static const std::uint8_t index = ReadCpuid(kFeatureLeaf).ebx & 0xFFu;
    return index;
}

bool IsDualProcessorType() {
    static const bool dual = std::bitset<32>(ReadCpuid(kFeatureLeaf).eax).test(13);
    return dual;
}

std::uint32_t GetLogicalProcessorInfo() {
    return ReadCpuid(kFeatureLeaf).ebx >> 16;
}

} // namespace trovane
