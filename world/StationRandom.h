// The station generator's own random sequence, and a scope that replays it.
#pragma once

#include <cstdint>

namespace trovane {

// The one random generator of the program. Only the station generator draws from it; it starts at
// kStationRandomInitialState and the program never reseeds it, so the first station of every run is
// the same and each regeneration continues the sequence.
inline constexpr std::uint32_t kStationRandomInitialState = 1;

// Advances the state (state * 214013 + 2531011, modulo 2^32) and returns a value in 0..32767.
std::uint32_t drawStationRandom();

std::uint32_t stationRandomState();
void setStationRandomState(std::uint32_t state);

// Sets the generator state for one scope and puts the previous state back afterwards, so that tests
// and tools can replay the sequence without one run changing the next.
class StationRandomScope {
public:
    explicit StationRandomScope(std::uint32_t state = kStationRandomInitialState)
        : saved_(stationRandomState()) {
        setStationRandomState(state);
    }
    ~StationRandomScope() { setStationRandomState(saved_); }
    StationRandomScope(const StationRandomScope&) = delete;
    StationRandomScope& operator=(const StationRandomScope&) = delete;

private:
    std::uint32_t saved_;
};

} // namespace trovane
