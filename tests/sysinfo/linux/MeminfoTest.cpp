// Reading the memory and commit figures out of /proc/meminfo text.
#include "sysinfo/linux/Meminfo.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

constexpr std::uint64_t kKiB = 1024;

TEST(Meminfo, CommitFiguresAreReadInBytes) {
    const Meminfo figures = parseMeminfo("MemTotal:        8041512 kB\n"
                                         "MemFree:          215268 kB\n"
                                         "MemAvailable:    5123456 kB\n"
                                         "SwapTotal:             0 kB\n"
                                         "CommitLimit:     4020756 kB\n"
                                         "Committed_AS:    3000000 kB\n"
                                         "VmallocTotal:   34359738367 kB");
    EXPECT_EQ(figures.total, 8041512 * kKiB);
    EXPECT_EQ(figures.available, 5123456 * kKiB);
    EXPECT_EQ(figures.commitLimit, 4020756 * kKiB);
    EXPECT_EQ(figures.committed, 3000000 * kKiB);
    EXPECT_EQ(figures.commitLeft(), 1020756 * kKiB);
}

TEST(Meminfo, MoreCommittedThanTheLimitLeavesNothing) {
    const Meminfo figures = parseMeminfo("CommitLimit: 1000 kB\nCommitted_AS: 2500 kB\n");
    EXPECT_EQ(figures.commitLeft(), 0u);
}

TEST(Meminfo, OnlyTheWholeFieldNameMatches) {
    const std::string_view text = "CommitLimitX: 7 kB\nCommit: 8 kB\nCommitLimit:\n"
                                  "Committed_AS: many kB\nMemTotal: 99999999999999999999 kB\n";
    EXPECT_EQ(kibibyteField(text, "CommitLimit"), 0u);
    EXPECT_EQ(kibibyteField(text, "Committed_AS"), 0u);
    EXPECT_EQ(kibibyteField(text, "Commit"), 8 * kKiB);
    EXPECT_EQ(kibibyteField(text, "SwapTotal"), 0u);
    EXPECT_EQ(kibibyteField(text, "MemTotal"), 0u) << "a number beyond 64 bits";
}

} // namespace
} // namespace trovane
