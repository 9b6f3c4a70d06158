#include "world/StationRandom.h"

namespace trovane {

namespace {

std::uint32_t state = kStationRandomInitialState;

} // namespace

std::uint32_t drawStationRandom() {
    state = state * 214013u + 2531011u;
    return (state >> 16) & 0x7FFFu;
}

std::uint32_t stationRandomState() {
    return state;
}

void setStationRandomState(std::uint32_t newState) {
    state = newState;
}

} // namespace trovane
