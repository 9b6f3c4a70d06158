// Stands in for the screensaver settings' preview: a framed window named
// "Preview host" whose client area is WIDTH by HEIGHT, filled with pure
// magenta (no picture of the station has it), its handle printed in decimal on
// the first line of standard output. After LIFE_MS it destroys the window and
// ends with code 0.
//   preview_host.exe WIDTH HEIGHT LIFE_MS
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, id, wParam, lParam);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fputs("usage: preview_host.exe WIDTH HEIGHT LIFE_MS\n", stderr);
        return 2;
    }
    const int width = _wtoi(argv[1]);
    const int height = _wtoi(argv[2]);
    const DWORD life = static_cast<DWORD>(_wtoi(argv[3]));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
    windowClass.lpszClassName = L"PreviewHost";
    RegisterClassExW(&windowClass);
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window =
        CreateWindowExW(0, L"PreviewHost", L"Preview host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                        40, 40, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                        nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    std::fflush(stdout);
    const DWORD end = GetTickCount() + life;
    MSG message;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    DestroyWindow(window);
    return 0;
}
