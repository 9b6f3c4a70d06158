#include "platform/window/Timer.h"

#include "platform/window/sdl/MessageTypes.h"

#include <SDL.h>

#include <cstdint>

namespace trovane::platform {
namespace {

static_assert(sizeof(void*) >= 8, "the tick's id and period travel in the callback pointer");

// The id and period travel in the callback's pointer itself, so a tick that
// is still running while the timer is removed reads no freed memory.
void* pack(unsigned id, unsigned period) {
    auto bits = (static_cast<std::uint64_t>(period) << 32) | id;
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(bits));
}

// Runs on SDL's timer thread: it only queues the tick.
Uint32 onTick(Uint32 /*interval*/, void* param) {
    auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(param));
    postTimerTick(static_cast<unsigned>(bits & 0xFFFFFFFFu));
    return static_cast<Uint32>(bits >> 32);
}

} // namespace

Timer::Timer(unsigned id, unsigned periodMilliseconds) : id_(id), period_(periodMilliseconds) {
    if (period_ > 0) {
        handle_ = static_cast<std::uintptr_t>(SDL_AddTimer(period_, onTick, pack(id_, period_)));
    }
}

Timer::~Timer() {
    if (handle_ != 0) {
        SDL_RemoveTimer(static_cast<SDL_TimerID>(handle_));
    }
}

} // namespace trovane::platform
