// A set of station cells as one bit per cell (512 bits), by cell index.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "world/CellMap.h"

namespace trovane {

class CellSet {
public:
    static CellSet all() {
        CellSet set;
        set.words_.fill(~std::uint64_t{0});
        return set;
    }

    void insert(int index) { words_[word(index)] |= bit(index); }
    bool contains(int index) const {
        return index >= 0 && index < kStationCellCount && (words_[word(index)] & bit(index)) != 0;
    }
    int size() const {
        int count = 0;
        for (std::uint64_t w : words_) {
            count += std::popcount(w);
        }
        return count;
    }

    friend bool operator==(const CellSet&, const CellSet&) = default;

private:
    static constexpr int kWordBits = 64;
    static std::size_t word(int index) { return static_cast<std::size_t>(index / kWordBits); }
    static std::uint64_t bit(int index) { return std::uint64_t{1} << (index % kWordBits); }

    std::array<std::uint64_t, kStationCellCount / kWordBits> words_{};
};

} // namespace trovane
