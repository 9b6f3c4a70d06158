#include "platform/input/sdl/WheelWatch.h"

#include "platform/input/sdl/MouseRecord.h"

#include <SDL.h>

#include <algorithm>

namespace trovane::platform::input {

WheelWatch& WheelWatch::instance() {
    static WheelWatch watch;
    return watch;
}

WheelWatch::~WheelWatch() {
    unregister();
}

void WheelWatch::subscribe(std::atomic<std::int32_t>* sum) {
    {
        const std::lock_guard lock(mutex_);
        sums_.push_back(sum);
    }
    // Registered afresh each time: SDL forgets its watches when its event
    // subsystem stops, and this keeps exactly one. SDL calls are made without
    // holding mutex_, since SDL holds its own lock while calling onEvent.
    unregister();
    SDL_AddEventWatch(&WheelWatch::onEvent, this);
}

void WheelWatch::unsubscribe(std::atomic<std::int32_t>* sum) {
    bool empty = false;
    {
        const std::lock_guard lock(mutex_);
        sums_.erase(std::remove(sums_.begin(), sums_.end(), sum), sums_.end());
        empty = sums_.empty();
    }
    if (empty) {
        unregister();
    }
}

void WheelWatch::unregister() {
    SDL_DelEventWatch(&WheelWatch::onEvent, this);
}

int WheelWatch::onEvent(void* self, SDL_Event* event) {
    if (event->type == SDL_MOUSEWHEEL && event->wheel.which != SDL_TOUCH_MOUSEID) {
        const bool flipped = event->wheel.direction == SDL_MOUSEWHEEL_FLIPPED;
        static_cast<WheelWatch*>(self)->add(wheelDelta(event->wheel.y, flipped));
    }
    return 1;
}

void WheelWatch::add(std::int32_t delta) {
    const std::lock_guard lock(mutex_);
    for (std::atomic<std::int32_t>* sum : sums_) {
        sum->fetch_add(delta, std::memory_order_relaxed);
    }
}

} // namespace trovane::platform::input
