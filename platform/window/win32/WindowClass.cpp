#include "platform/window/win32/WindowClass.h"

#include <deque>

namespace trovane::platform::win32 {
namespace {

// CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC
constexpr UINT kClassStyle = 0x2B;

std::string registeredClass;
std::deque<Message> queued;
DWORD thread = 0;

Key keyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_PAUSE:
        return Key::Pause;
    case VK_SPACE:
        return Key::Space;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_F4:
        return Key::F4;
    case VK_F5:
        return Key::F5;
    case VK_F6:
        return Key::F6;
    case VK_F7:
        return Key::F7;
    case VK_F12:
        return Key::F12;
    default:
        return Key::Other;
    }
}

bool handleKey(WPARAM virtualKey, LPARAM flags) {
    Message message;
    message.key = keyOf(virtualKey);
    if (message.key == Key::Other) {
        return false;
    }
    // Bit 30: the key was already down. A held key's automatic repeats would
    // flip pause or full screen for as long as it is held.
    if ((flags & (LPARAM{1} << 30)) == 0) {
        message.kind = MessageKind::KeyDown;
        queueMessage(message);
    }
    return true;
}

LRESULT CALLBACK windowProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    Message message;
    switch (id) {
    case WM_SIZE:
        message.kind = MessageKind::Size;
        message.width = LOWORD(lParam);
        message.height = HIWORD(lParam);
        queueMessage(message);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        message.kind = MessageKind::Paint;
        queueMessage(message);
        return 0;
    }
    case WM_CLOSE:
        message.kind = MessageKind::Close;
        queueMessage(message);
        return 0;
    case WM_KEYDOWN:
        if (handleKey(wParam, lParam)) {
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        // Neither the screen saver nor display power-off while we fly.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_MONITORPOWER) {
            return 0;
        }
        break;
    case WM_TIMER:
        message.kind = MessageKind::Timer;
        message.timerId = static_cast<unsigned>(wParam);
        queueMessage(message);
        return 0;
    default:
        if (fromPosted(id, wParam, message)) {
            queueMessage(message);
            return 0;
        }
        break;
    }
    return DefWindowProcA(window, id, wParam, lParam);
}

} // namespace

bool registerWindowClass(const char* name, std::string& error) {
    unregisterWindowClass();
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = name;
    if (RegisterClassExA(&windowClass) == 0) {
        error = "cannot register the window class: " + lastErrorText();
        return false;
    }
    registeredClass = name;
    return true;
}

void unregisterWindowClass() {
    if (!registeredClass.empty()) {
        UnregisterClassA(registeredClass.c_str(), GetModuleHandleA(nullptr));
        registeredClass.clear();
    }
}

CurrentWindow& currentWindow() {
    static CurrentWindow current;
    return current;
}

void setMessageThread(DWORD id) {
    thread = id;
}

DWORD messageThread() {
    return thread;
}

void queueMessage(const Message& message) {
    queued.push_back(message);
}

bool takeQueuedMessage(Message& message) {
    if (queued.empty()) {
        return false;
    }
    message = queued.front();
    queued.pop_front();
    return true;
}

bool messageQueued() {
    return !queued.empty();
}

bool fromPosted(UINT id, WPARAM value, Message& message) {
    switch (id) {
    case kPostedQuit:
        message.kind = MessageKind::Quit;
        message.quitCode = static_cast<int>(value);
        return true;
    case kPostedClose:
        message.kind = MessageKind::Close;
        return true;
    case kPostedPaint:
        message.kind = MessageKind::Paint;
        return true;
    default:
        return false;
    }
}

std::string lastErrorText() {
    const DWORD code = GetLastError();
    char text[256] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    // One line: the system's text ends with a line break.
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' ||
                          text[length - 1] == ' ' || text[length - 1] == '.')) {
        text[--length] = '\0';
    }
    return length > 0 ? std::string(text) : "error " + std::to_string(code);
}

} // namespace trovane::platform::win32
