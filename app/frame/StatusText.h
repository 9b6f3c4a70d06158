// The line the overlay shows at the bottom left: the result of the last
// camera collision probe, or the program's name before the first one.
#pragma once

#include "math/Vector3.h"

#include <cstddef>

namespace trovane {

class StatusText {
public:
    // Room for the text and its terminator; longer texts are cut short.
    static constexpr std::size_t kCapacity = 1000;

    StatusText();

    // "Collision (%.2f @ %.2f,%.2f,%.2f) !" with the distance to the wall
    // and the point where the probe met it.
    void showCollision(float distance, Vector3 point);
    // "Go ... %.2f" with the distance to the next wall ahead. When no wall
    // is within reach (an infinite distance) it reads "Go ... inf" on every
    // platform, rather than whatever a C runtime prints for infinity.
    void showWayAhead(float distance);

    const char* c_str() const { return text_; }

private:
    char text_[kCapacity];
};

} // namespace trovane
