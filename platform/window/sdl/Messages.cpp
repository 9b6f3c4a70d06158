#include "platform/window/Messages.h"

#include "platform/window/sdl/MessageTypes.h"

#include <SDL.h>

#include <atomic>
#include <cstdint>

namespace trovane::platform {
namespace {

// Our messages travel as one user event type, told apart by the event code.
enum class Posted : Sint32 { Quit, Close, Paint, Timer };

std::atomic<Uint32> postedType{0};

void post(Posted what, Sint32 value) {
    Uint32 type = postedType.load();
    if (type == 0) {
        return;
    }
    SDL_Event event{};
    event.type = type;
    event.user.code = static_cast<Sint32>(what);
    event.user.data1 = reinterpret_cast<void*>(static_cast<std::intptr_t>(value));
    SDL_PushEvent(&event);
}

Key keyOf(SDL_Keycode code) {
    switch (code) {
    case SDLK_PAUSE:
        return Key::Pause;
    case SDLK_SPACE:
        return Key::Space;
    case SDLK_ESCAPE:
        return Key::Escape;
    case SDLK_F4:
        return Key::F4;
    case SDLK_F5:
        return Key::F5;
    case SDLK_F6:
        return Key::F6;
    case SDLK_F7:
        return Key::F7;
    case SDLK_F12:
        return Key::F12;
    default:
        return Key::Other;
    }
}

Message fromWindowEvent(const SDL_WindowEvent& event) {
    Message message;
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        message.kind = MessageKind::Size;
        message.width = event.data1;
        message.height = event.data2;
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        message.kind = MessageKind::Paint;
        break;
    case SDL_WINDOWEVENT_CLOSE:
        message.kind = MessageKind::Close;
        break;
    default:
        break;
    }
    return message;
}

Message fromPosted(const SDL_UserEvent& event) {
    Message message;
    auto value = static_cast<Sint32>(reinterpret_cast<std::intptr_t>(event.data1));
    switch (static_cast<Posted>(event.code)) {
    case Posted::Quit:
        message.kind = MessageKind::Quit;
        message.quitCode = value;
        break;
    case Posted::Close:
        message.kind = MessageKind::Close;
        break;
    case Posted::Paint:
        message.kind = MessageKind::Paint;
        break;
    case Posted::Timer:
        message.kind = MessageKind::Timer;
        message.timerId = static_cast<unsigned>(value);
        break;
    }
    return message;
}

Message translate(const SDL_Event& event) {
    if (event.type == postedType.load()) {
        return fromPosted(event.user);
    }
    Message message;
    switch (event.type) {
    case SDL_WINDOWEVENT:
        return fromWindowEvent(event.window);
    case SDL_KEYDOWN:
        // A held key's automatic repeats would flip pause or full screen on
        // and off for as long as it is held: only the press counts.
        message.key = event.key.repeat != 0 ? Key::Other : keyOf(event.key.keysym.sym);
        if (message.key != Key::Other) {
            message.kind = MessageKind::KeyDown;
        }
        break;
    case SDL_QUIT: // an interrupt or terminate signal: ends like the close box
        message.kind = MessageKind::Close;
        break;
    default:
        break;
    }
    return message;
}

} // namespace

bool registerMessageTypes() {
    if (postedType.load() != 0) {
        return true;
    }
    Uint32 type = SDL_RegisterEvents(1);
    if (type == static_cast<Uint32>(-1)) {
        return false;
    }
    postedType.store(type);
    return true;
}

void postTimerTick(unsigned timerId) {
    post(Posted::Timer, static_cast<Sint32>(timerId));
}

bool peekMessage(Message& message) {
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) {
        return false;
    }
    message = translate(event);
    return true;
}

void waitMessage() {
    SDL_WaitEvent(nullptr);
}

void postQuit(int code) {
    post(Posted::Quit, code);
}
void postClose() {
    post(Posted::Close, 0);
}
void postPaint() {
    post(Posted::Paint, 0);
}

} // namespace trovane::platform

namespace trovane::platform {

void setMessageHandler(MessageHandler /*handler*/, void* /*context*/) {
    // SDL hands every event through its queue, and no loop of the window
    // system's own keeps peekMessage from being reached: nothing to reach into.
}

} // namespace trovane::platform
