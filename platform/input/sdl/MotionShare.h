// Relative motion handed out to every acquired mouse: each move gathered is
// added to the sums of all of them, so two mice see the same moves whichever
// reads first.
#pragma once

#include <cstdint>
#include <vector>

namespace trovane::platform::input {

struct MotionSum {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class MotionShare {
public:
    // sum must stay valid until unsubscribed.
    void subscribe(MotionSum* sum);
    void unsubscribe(MotionSum* sum);
    bool empty() const { return sums_.empty(); }

    // One gathered move. It counts only when the pointer was held all the
    // time since the previous gather: motion made while it was free, and
    // what taking it back stirs up, would turn the camera. The first move
    // after the first mouse joins is what gathered while nobody read.
    void add(std::int32_t dx, std::int32_t dy, bool heldThroughout);

private:
    std::vector<MotionSum*> sums_;
    bool skipNext_ = false;
};

} // namespace trovane::platform::input
