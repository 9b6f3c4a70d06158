#include "platform/window/Messages.h"

#include "platform/window/win32/WindowClass.h"

namespace trovane::platform {
namespace {

void post(UINT id, WPARAM value) {
    // To the window while there is one: a modal loop (moving or sizing the
    // window) dispatches window messages but drops thread messages.
    // A window destroyed with another program's parent takes no message.
    HWND window = win32::windowForPosting();
    if (window == nullptr || !PostMessageW(window, id, value, 0)) {
        PostThreadMessageW(win32::messageThread(), id, value, 0);
    }
}

} // namespace

bool peekMessage(Message& message) {
    if (win32::takeQueuedMessage(message)) {
        return true;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            message = Message{};
            message.kind = MessageKind::Quit;
            message.quitCode = static_cast<int>(msg.wParam);
            return true;
        }
        if (msg.hwnd == nullptr && win32::fromPosted(msg.message, msg.wParam, message)) {
            return true;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (win32::takeQueuedMessage(message)) {
            return true;
        }
    }
    return false;
}

void waitMessage() {
    if (!win32::messageQueued()) {
        WaitMessage();
    }
}

void postQuit(int code) {
    post(win32::kPostedQuit, static_cast<WPARAM>(code));
}
void postClose() {
    post(win32::kPostedClose, 0);
}
void postPaint() {
    post(win32::kPostedPaint, 0);
}

} // namespace trovane::platform
