// Collects mouse wheel movement for the acquired mice. SDL reports the wheel
// only as events, and may deliver them on another thread, so each subscriber
// is an atomic sum.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

union SDL_Event;

namespace trovane::platform::input {

class WheelWatch {
public:
    // The one watch of this module. It is removed from SDL when the module is
    // unloaded, even if a device was never released.
    static WheelWatch& instance();

    ~WheelWatch();
    WheelWatch(const WheelWatch&) = delete;
    WheelWatch& operator=(const WheelWatch&) = delete;

    // From the main thread only. `sum` must stay valid until unsubscribe.
    void subscribe(std::atomic<std::int32_t>* sum);
    void unsubscribe(std::atomic<std::int32_t>* sum);

private:
    WheelWatch() = default;
    static int onEvent(void* self, SDL_Event* event);
    void add(std::int32_t delta);
    void unregister();

    std::mutex mutex_;
    std::vector<std::atomic<std::int32_t>*> sums_;
};

} // namespace trovane::platform::input
