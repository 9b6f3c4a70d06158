// Memory figures: the choice by kind, saturation, and the live figures.
#include "sysinfo/MemoryStatus.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

TEST(MemoryFigurePick, EachKindPicksItsOwnFigure) {
    const MemoryFigures figures{10, 11, 12, 13, 14, 15, 16};
    EXPECT_EQ(pickMemoryFigure(figures, MemoryLoad), 10u);
    EXPECT_EQ(pickMemoryFigure(figures, AvailablePhysical), 11u);
    EXPECT_EQ(pickMemoryFigure(figures, AvailablePageFile), 12u);
    EXPECT_EQ(pickMemoryFigure(figures, AvailableVirtual), 13u);
    EXPECT_EQ(pickMemoryFigure(figures, TotalPhysical), 14u);
    EXPECT_EQ(pickMemoryFigure(figures, TotalPageFile), 15u);
    EXPECT_EQ(pickMemoryFigure(figures, TotalVirtual), 16u);
    EXPECT_EQ(pickMemoryFigure(figures, 7), 0u);
    EXPECT_EQ(pickMemoryFigure(figures, 0xFFFFFFFFu), 0u);
}

TEST(MemoryFigurePick, FiguresAboveThirtyTwoBitsSaturate) {
    MemoryFigures figures;
    figures.totalPhysical = 24 * kGiB;
    figures.availablePhysical = 3 * kGiB;
    figures.totalVirtual = 4 * kGiB;
    figures.totalPageFile = 4 * kGiB - 1;
    EXPECT_EQ(pickMemoryFigure(figures, TotalPhysical), 0xFFFFFFFFu);
    EXPECT_EQ(pickMemoryFigure(figures, AvailablePhysical), 3 * kGiB);
    EXPECT_EQ(pickMemoryFigure(figures, TotalVirtual), 0xFFFFFFFFu);
    EXPECT_EQ(pickMemoryFigure(figures, TotalPageFile), 0xFFFFFFFFu);
}

TEST(MemoryStatus, LoadIsAPercentage) {
    EXPECT_LE(GetMemoryStatus(MemoryLoad), 100u);
}

TEST(MemoryStatus, KindsAboveSixGiveZero) {
    EXPECT_EQ(GetMemoryStatus(7), 0u);
    EXPECT_EQ(GetMemoryStatus(static_cast<std::uint32_t>(-1)), 0u);
}

TEST(MemoryStatus, LiveFiguresAreConsistent) {
    const MemoryFigures figures = readMemoryFigures();
    EXPECT_GT(figures.totalPhysical, 0u);
    EXPECT_LE(figures.availablePhysical, figures.totalPhysical);
    EXPECT_LE(figures.availablePageFile, figures.totalPageFile);
    EXPECT_GE(figures.totalPageFile, figures.totalPhysical / 4)
        << "the commit limit counts memory, not only swap";
    EXPECT_GT(figures.totalVirtual, 0u);
    EXPECT_LE(figures.availableVirtual, figures.totalVirtual);
    EXPECT_GE(GetMemoryStatus(TotalPhysical), GetMemoryStatus(AvailablePhysical));
}

} // namespace
} // namespace trovane
