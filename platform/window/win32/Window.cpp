#include "platform/window/Window.h"

#include "platform/win32/WideText.h"
#include "platform/window/win32/PointerHold.h"
#include "platform/window/win32/ScreensaverInput.h"
#include "platform/window/win32/WindowClass.h"

#include <algorithm>
#include <optional>

namespace trovane::platform {
namespace {

constexpr DWORD kFramedStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kFramedExStyle = WS_EX_APPWINDOW;
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_MAXIMIZE;
constexpr DWORD kFullScreenExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
constexpr DWORD kChildClipping = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr UINT kUnscaledDpi = USER_DEFAULT_SCREEN_DPI;

HWND handleOf(void* window) {
    return static_cast<HWND>(window);
}

// The outer size of a window whose client area is width by height.
SIZE outerSize(int width, int height, DWORD style, DWORD exStyle) {
    RECT r{0, 0, std::max(width, 1), std::max(height, 1)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

PIXELFORMATDESCRIPTOR pixelFormat(const WindowOptions& options) {
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (options.doubleBuffered) {
        format.dwFlags |= PFD_DOUBLEBUFFER;
    }
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = static_cast<BYTE>(options.colorBits);
    format.cDepthBits = static_cast<BYTE>(options.depthBits);
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

// Chooses and sets the closest format; the depth it really has (which may be
// fewer bits than asked, even none), or nothing when no format could be set.
std::optional<int> setPixelFormat(HDC deviceContext, const WindowOptions& options) {
    const PIXELFORMATDESCRIPTOR wanted = pixelFormat(options);
    const int format = ChoosePixelFormat(deviceContext, &wanted);
    if (format == 0 || !SetPixelFormat(deviceContext, format, &wanted)) {
        return std::nullopt;
    }
    PIXELFORMATDESCRIPTOR chosen{};
    if (DescribePixelFormat(deviceContext, format, sizeof chosen, &chosen) == 0) {
        return std::nullopt;
    }
    return chosen.cDepthBits;
}

// The whole screen the window stands on, in real pixels.
RECT screenOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcMonitor;
}

// Pixels per inch of the screen the window stands on; the unscaled 96 where
// the system cannot say (before Windows 10).
UINT dpiOf(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32"), "GetDpiForWindow")));
    const UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 0;
    return dpi != 0 ? dpi : kUnscaledDpi;
}

int scaled(int length, UINT dpi) {
    return MulDiv(length, static_cast<int>(dpi), static_cast<int>(kUnscaledDpi));
}

// The program declares itself aware of each screen's scale, so the system
// does not stretch its picture: sizes are real pixels. The framed size asked
// for is taken at the scale of 100 % and grown to the screen's, so the
// window looks as large as it would unscaled, only sharp.
void scaleToScreen(HWND window, const Rect& client, DWORD style, DWORD exStyle) {
    const UINT dpi = dpiOf(window);
    if (dpi == kUnscaledDpi) {
        return;
    }
    // Never larger than the screen, as the size asked for was not.
    const RECT screen = screenOf(window);
    const int width = std::min(scaled(client.width, dpi), int{screen.right - screen.left});
    const int height = std::min(scaled(client.height, dpi), int{screen.bottom - screen.top});
    const SIZE size = outerSize(width, height, style, exStyle);
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND createWindow(const WindowOptions& options) {
    const DWORD style = options.borderless ? kFullScreenStyle : kFramedStyle;
    const DWORD exStyle = options.borderless ? kFullScreenExStyle : kFramedExStyle;
    const Rect& r = options.client;
    const SIZE size = outerSize(r.width, r.height, style, exStyle);
    const std::wstring title = win32::widen(options.title != nullptr ? options.title : "");
    HWND window = CreateWindowExW(exStyle, win32::windowClassName(), title.c_str(),
                                  style | kChildClipping, r.x, r.y, size.cx, size.cy, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr && !options.borderless) {
        scaleToScreen(window, r, style, exStyle);
    }
    return window;
}

void setStyle(HWND window, DWORD style, DWORD exStyle) {
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(exStyle));
}

bool hosted(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
}

// A child of the host's window, covering its client area; it follows the
// host's size and ends with it (see the parent watch in the window procedure).
HWND createHostedWindow(const WindowOptions& options) {
    HWND parent = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(options.hostWindow));
    RECT area{};
    GetClientRect(parent, &area);
    HWND window = CreateWindowExW(0, win32::windowClassName(), L"",
                                  WS_CHILD | WS_VISIBLE | kChildClipping, 0, 0, area.right,
                                  area.bottom, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr) {
        SetTimer(window, win32::kParentWatchTimer, win32::kParentWatchMilliseconds, nullptr);
    }
    return window;
}

} // namespace

std::unique_ptr<Window> Window::create(const WindowOptions& options, std::string& error) {
    if (!win32::registerWindowClass(options.title, error)) {
        return nullptr;
    }
    HWND window = options.hostWindow != 0 ? createHostedWindow(options) : createWindow(options);
    if (window == nullptr) {
        error = "cannot create the window: " + win32::lastErrorText();
        win32::unregisterWindowClass();
        return nullptr;
    }
    HDC deviceContext = GetDC(window);
    const std::optional<int> depth = setPixelFormat(deviceContext, options);
    if (!depth) {
        error =
            "cannot create an OpenGL window: no pixel format fits (" + win32::lastErrorText() + ")";
        ReleaseDC(window, deviceContext);
        DestroyWindow(window);
        win32::unregisterWindowClass();
        return nullptr;
    }
    win32::setCurrentWindow(win32::CurrentWindow{window, deviceContext});
    win32::pointerHold().attach(window);
    if (options.endsOnInput) {
        win32::screensaverInput().arm();
    }
    return std::unique_ptr<Window>(new Window(window, *depth));
}

Window::~Window() {
    HWND window = handleOf(window_);
    win32::pointerHold().detach();
    ReleaseDC(window, win32::currentWindow().deviceContext);
    win32::setCurrentWindow(win32::CurrentWindow{});
    DestroyWindow(window);
    win32::unregisterWindowClass();
}

void Window::setTitle(const char* text) {
    SetWindowTextW(handleOf(window_), win32::widen(text != nullptr ? text : "").c_str());
}

bool Window::visible() const {
    return IsWindowVisible(handleOf(window_)) != FALSE;
}

void Window::fade(float from, float to, unsigned milliseconds) {
    // The system blends on its own; only the direction matters here.
    HWND window = handleOf(window_);
    const DWORD flags = to > from ? AW_ACTIVATE | AW_BLEND : AW_HIDE | AW_BLEND;
    if (!AnimateWindow(window, milliseconds, flags)) {
        ShowWindow(window, to > from ? SW_SHOW : SW_HIDE);
    }
}

void Window::show(unsigned fadeMilliseconds) {
    HWND window = handleOf(window_);
    if (hosted(window)) {
        return; // shown with its parent; the focus stays the host's
    }
    if (!visible()) {
        fade(0.0f, 1.0f, fadeMilliseconds);
    }
    SetForegroundWindow(window);
    SetFocus(window);
    win32::pointerHold().setActive(GetForegroundWindow() == window);
}

void Window::hide(unsigned fadeMilliseconds) {
    if (visible() && !hosted(handleOf(window_))) {
        win32::pointerHold().setActive(false);
        fade(1.0f, 0.0f, fadeMilliseconds);
    }
}

void Window::makeFramed(const Rect& r) {
    HWND window = handleOf(window_);
    setStyle(window, kFramedStyle | kChildClipping, kFramedExStyle);
    ShowWindow(window, SW_RESTORE);
    UpdateWindow(window);
    const SIZE size = outerSize(r.width, r.height, kFramedStyle, kFramedExStyle);
    SetWindowPos(window, HWND_TOP, r.x, r.y, size.cx, size.cy, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
}

void Window::makeBorderlessDesktop(const Rect& /*desktop*/) {
    HWND window = handleOf(window_);
    setStyle(window, WS_POPUP | kChildClipping, kFullScreenExStyle);
    // The new style takes effect with a move; maximising then covers the
    // screen the window is on without changing the display mode.
    const RECT screen = screenOf(window);
    SetWindowPos(window, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_FRAMECHANGED);
    ShowWindow(window, SW_MAXIMIZE);
    UpdateWindow(window);
}

void Window::setPointerFree(bool free) {
    win32::pointerHold().setWanted(!free);
}

void Window::restore() {
    ShowWindow(handleOf(window_), SW_RESTORE);
}
void Window::maximize() {
    ShowWindow(handleOf(window_), SW_MAXIMIZE);
}
void Window::minimize() {
    ShowWindow(handleOf(window_), SW_MINIMIZE);
}

Rect Window::clientRect() const {
    HWND window = handleOf(window_);
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return Rect{origin.x, origin.y, client.right - client.left, client.bottom - client.top};
}

} // namespace trovane::platform
