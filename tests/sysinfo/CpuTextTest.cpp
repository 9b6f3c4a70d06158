// Vendor and brand texts from given register values.
#include "sysinfo/CpuText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trovane {
namespace {

// Four characters as one register: the first character in the lowest byte.
constexpr std::uint32_t chars(const char (&text)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[3])) << 24;
}

TEST(VendorText, IsEbxEdxEcxLowestByteFirst) {
    char text[kVendorLength + 1];
    std::memset(text, '?', sizeof text);
    writeVendorText({0, chars("Auth"), chars("cAMD"), chars("enti")}, text);
    EXPECT_STREQ(text, "AuthenticAMD");
}

std::array<CpuidResult, 3> brandLeaves(const char (&text)[49]) {
    std::array<CpuidResult, 3> leaves{};
    for (std::size_t leaf = 0; leaf < 3; ++leaf) {
        std::uint32_t regs[4];
        for (std::size_t r = 0; r < 4; ++r) {
            char four[5] = {};
            std::memcpy(four, text + leaf * 16 + r * 4, 4);
            regs[r] = chars(four);
        }
        leaves[leaf] = {regs[0], regs[1], regs[2], regs[3]};
    }
    return leaves;
}

TEST(BrandText, SkipsLeadingBlanksButKeepsThemInTheBuffer) {
    char text[kBrandLength + 1];
    const char* brand =
        writeBrandText(brandLeaves("        Example(R) Processor 9000 @ 3.00GHz     "), text);
    EXPECT_STREQ(brand, "Example(R) Processor 9000 @ 3.00GHz     ");
    EXPECT_EQ(brand, text + 8);
    EXPECT_EQ(text[0], ' ');
    EXPECT_EQ(text[kBrandLength], '\0');
}

TEST(BrandText, AllBlanksOrZerosGiveAnEmptyText) {
    char text[kBrandLength + 1];
    EXPECT_STREQ(
        writeBrandText(brandLeaves("                                                "), text), "");
    EXPECT_STREQ(writeBrandText({}, text), "");
}

} // namespace
} // namespace trovane
