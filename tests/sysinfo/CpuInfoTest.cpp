// The processor queries on the machine running the tests.
#include "sysinfo/CpuInfo.h"
#include "sysinfo/Cpuid.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace trovane {
namespace {

#if defined(__x86_64__) || defined(__i386__)
constexpr bool kX86 = true;
#else
constexpr bool kX86 = false;
#endif

TEST(CpuVendor, IsTwelveCharactersInOneSharedBuffer) {
    const char* first = GetCpuVendor();
    const char* second = GetCpuVendor();
    EXPECT_EQ(first, second);
    if (kX86) {
        EXPECT_EQ(std::strlen(first), 12u) << first;
    } else {
        EXPECT_STREQ(first, "");
    }
}

TEST(CpuBrand, StartsPastTheBlanks) {
    const char* brand = GetCpuBrand();
    ASSERT_NE(brand, nullptr);
    EXPECT_NE(brand[0], ' ');
    EXPECT_LE(std::strlen(brand), 48u);
}

TEST(CpuFeatures, BitThirtyOneWorksAndThirtyTwoOrMoreIsOff) {
    EXPECT_EQ(HasCpuFeature(31), ((ReadCpuid(1).edx >> 31) & 1u) != 0);
    // 58 is SSE2's bit 26 again, were the number taken modulo 32.
    for (const unsigned bit : {32u, 33u, 58u, 1000u, UINT_MAX}) {
        EXPECT_FALSE(HasCpuFeature(bit)) << bit;
    }
}

TEST(CpuFeatures, MatchLeafOne) {
    const std::uint32_t edx = ReadCpuid(1).edx;
    for (unsigned bit = 0; bit < 32; ++bit) {
        EXPECT_EQ(HasCpuFeature(bit), ((edx >> bit) & 1u) != 0) << bit;
    }
#if defined(__x86_64__)
    EXPECT_TRUE(HasCpuFeature(26)) << "every 64-bit x86 processor has SSE2";
#endif
}

TEST(CpuSignature, FieldsAreTheBitsOfLeafOne) {
    const CpuidResult leaf1 = ReadCpuid(1);
    EXPECT_EQ(GetCpuFamily(), (leaf1.eax >> 8) & 0x0Fu);
    EXPECT_EQ(GetCpuModel(), (leaf1.eax >> 4) & 0x0Fu);
    EXPECT_EQ(GetCpuBrandIndex(), leaf1.ebx & 0xFFu);
    EXPECT_EQ(IsDualProcessorType(), ((leaf1.eax >> 13) & 1u) != 0);
    // The APIC identifier in the upper half may change when the test moves to
    // another processor; the logical-processor count field does not.
    EXPECT_EQ(GetLogicalProcessorInfo() & 0xFFu, (leaf1.ebx >> 16) & 0xFFu);
}

TEST(Cpuid, HypervisorLeafAnswersWhereOneIsReported) {
    if (((ReadCpuid(1).ecx >> 31) & 1u) == 0) {
        GTEST_SKIP() << "the processor reports no hypervisor";
    }
    const CpuidResult leaf = ReadCpuid(0x40000000);
    EXPECT_NE(leaf.ebx | leaf.ecx | leaf.edx, 0u) << "the hypervisor's signature";
}

} // namespace
} // namespace trovane
