// The system mouse's relative motion and the pointer it moves, for the mice
// of this module. Main thread only.
#pragma once

#include "platform/input/sdl/MotionShare.h"

namespace trovane::platform::input {

class PointerMotion {
public:
    static PointerMotion& instance();

    PointerMotion(const PointerMotion&) = delete;
    PointerMotion& operator=(const PointerMotion&) = delete;

    // A mouse joins when acquired; when the last one leaves, the pointer is
    // given back if this module captured it.
    void subscribe(MotionSum* sum);
    void unsubscribe(MotionSum* sum);

    // Takes the window system's waiting input, captures or frees the
    // pointer, and adds the motion since the previous pump to every sum.
    void pump();

private:
    PointerMotion() = default;
    void holdPointer();

    MotionShare share_;
    bool relativeModeOurs_ = false;
};

} // namespace trovane::platform::input
