#include "platform/window/win32/WindowClass.h"

#include "platform/win32/WideText.h"
#include "platform/window/win32/PointerHold.h"
#include "platform/window/win32/ScreensaverInput.h"

#include <atomic>
#include <deque>

namespace trovane::platform::win32 {
namespace {

// CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC
constexpr UINT kClassStyle = 0x2B;
constexpr const wchar_t* kFallbackClassName = L"Trovane";
// A class name holds at most 256 characters with its terminator.
constexpr std::size_t kLongestClassName = 255;
// Frames while the system runs a move, size or menu loop of its own; must
// differ from the program's own timer ids.
constexpr UINT_PTR kModalFrameTimer = 0x7F7F0001;

std::wstring registeredClass;
std::deque<Message> queued;
DWORD thread = 0;
MessageHandler handler = nullptr;
void* handlerContext = nullptr;
int modalLoops = 0;

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

// To the program's handler at once when it has one, as a window procedure
// handles its messages; otherwise it waits for peekMessage. The quit request
// always waits: it ends the program's own loop.
void deliver(const Message& message) {
    if (handler != nullptr && message.kind != MessageKind::Quit) {
        handler(message, handlerContext);
    } else {
        queueMessage(message);
    }
}

void deliver(MessageKind kind) {
    Message message;
    message.kind = kind;
    deliver(message);
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
        deliver(message);
    }
    return true;
}

// Moving or sizing the window, or a menu, runs a loop inside the system that
// the program's own loop does not see end; a timer keeps frames coming.
void enterModalLoop(HWND window) {
    if (modalLoops++ == 0) {
        SetTimer(window, kModalFrameTimer, USER_TIMER_MINIMUM, nullptr);
        pointerHold().setSuspended(true);
    }
}

void leaveModalLoop(HWND window) {
    if (modalLoops > 0 && --modalLoops == 0) {
        KillTimer(window, kModalFrameTimer);
        pointerHold().setSuspended(false);
    }
}

// The system's suggestion for the window on a screen of another scale.
void followDpiChange(HWND window, LPARAM suggested) {
    const RECT* r = reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A window drawn inside another program's (a screensaver preview) takes the
// parent's client size, and ends the run once the parent is gone.
void followParent(HWND window) {
    HWND parent = GetParent(window);
    if (parent == nullptr || !IsWindow(parent)) {
        deliver(MessageKind::Close);
        return;
    }
    RECT wanted{};
    RECT now{};
    GetClientRect(parent, &wanted);
    GetClientRect(window, &now);
    if (wanted.right != now.right || wanted.bottom != now.bottom) {
        SetWindowPos(window, nullptr, 0, 0, wanted.right, wanted.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void paint(HWND window) {
    // The frame is drawn first, then the update region is validated.
    deliver(MessageKind::Paint);
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

LRESULT CALLBACK windowProc(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    Message message;
    if (screensaverInput().ends(id, wParam)) {
        deliver(MessageKind::Close);
        return 0;
    }
    switch (id) {
    case WM_DESTROY:
        // Destroyed with its parent, not by us: the run is over. To the
        // thread, since a message to the dying window would be lost.
        if (window == currentWindow().window) {
            PostThreadMessageW(messageThread(), kPostedQuit, 0, 0);
        }
        break;
    case WM_SIZE:
        pointerHold().clientChanged();
        message.kind = MessageKind::Size;
        message.width = LOWORD(lParam);
        message.height = HIWORD(lParam);
        deliver(message);
        return 0;
    case WM_MOVE:
        pointerHold().clientChanged();
        break;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_CLOSE:
        deliver(MessageKind::Close);
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
        if (wParam == kModalFrameTimer) {
            deliver(MessageKind::Frame);
            return 0;
        }
        if (wParam == kParentWatchTimer) {
            followParent(window);
            return 0;
        }
        message.kind = MessageKind::Timer;
        message.timerId = static_cast<unsigned>(wParam);
        deliver(message);
        return 0;
    case WM_ACTIVATE:
        pointerHold().setActive(LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_SETCURSOR:
        if (pointerHold().held() && LOWORD(lParam) == HTCLIENT) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_ENTERSIZEMOVE:
    case WM_ENTERMENULOOP:
        enterModalLoop(window);
        break;
    case WM_EXITSIZEMOVE:
    case WM_EXITMENULOOP:
        leaveModalLoop(window);
        break;
    case WM_DPICHANGED:
        followDpiChange(window, lParam);
        return 0;
    default:
        if (fromPosted(id, wParam, message)) {
            deliver(message);
            return 0;
        }
        break;
    }
    return DefWindowProcW(window, id, wParam, lParam);
}

bool registerClassNamed(const std::wstring& name) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = name.c_str();
    if (RegisterClassExW(&windowClass) == 0) {
        return false;
    }
    registeredClass = name;
    return true;
}

} // namespace

bool registerWindowClass(const char* title, std::string& error) {
    unregisterWindowClass();
    const std::wstring name = widen(title != nullptr ? title : "");
    if (!name.empty() && name.size() <= kLongestClassName && registerClassNamed(name)) {
        return true;
    }
    if (!registerClassNamed(kFallbackClassName)) {
        error = "cannot register the window class: " + lastErrorText();
        return false;
    }
    return true;
}

void unregisterWindowClass() {
    if (!registeredClass.empty()) {
        UnregisterClassW(registeredClass.c_str(), GetModuleHandleW(nullptr));
        registeredClass.clear();
    }
}

const wchar_t* windowClassName() {
    return registeredClass.c_str();
}

namespace {

CurrentWindow current;
std::atomic<HWND> forPosting{nullptr};

} // namespace

const CurrentWindow& currentWindow() {
    return current;
}

void setCurrentWindow(const CurrentWindow& window) {
    current = window;
    forPosting.store(window.window);
}

HWND windowForPosting() {
    return forPosting.load();
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
    wchar_t text[256] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, 256, nullptr);
    // One line: the system's text ends with a line break.
    while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r' ||
                          text[length - 1] == L' ' || text[length - 1] == L'.')) {
        text[--length] = L'\0';
    }
    return length > 0 ? narrow(text) : "error " + std::to_string(code);
}

} // namespace trovane::platform::win32

namespace trovane::platform {

void setMessageHandler(MessageHandler function, void* context) {
    win32::handler = function;
    win32::handlerContext = context;
}

} // namespace trovane::platform
