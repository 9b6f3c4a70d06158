// The figures of Linux's /proc/meminfo that the memory status uses.
#pragma once

#include <cstdint>
#include <string_view>

namespace trovane {

// In bytes; 0 for a field the text lacks.
struct Meminfo {
    std::uint64_t total = 0;       // MemTotal: physical memory
    std::uint64_t available = 0;   // MemAvailable: the kernel's estimate of what can be had
    std::uint64_t commitLimit = 0; // CommitLimit: what may be committed, swap included
    std::uint64_t committed = 0;   // Committed_AS: what is committed now

    // What may still be committed; 0 when more is committed than the limit,
    // as happens when the kernel overcommits.
    std::uint64_t commitLeft() const {
        return committed < commitLimit ? commitLimit - committed : 0;
    }
};

// The value of the "<field>: N kB" line of a /proc text, in bytes; 0 when the
// line is missing or has no number.
std::uint64_t kibibyteField(std::string_view text, std::string_view field);

Meminfo parseMeminfo(std::string_view text);

} // namespace trovane
