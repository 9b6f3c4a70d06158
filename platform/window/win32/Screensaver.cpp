#include "platform/window/Screensaver.h"

#include "platform/win32/WideText.h"
#include "platform/window/win32/WindowClass.h"

#include <windows.h>

#include <shellapi.h>

#include <iterator>

namespace trovane::platform {
namespace {

// ShellExecuteW returns a value above this on success.
constexpr INT_PTR kShellExecuteFailed = 32;

bool opened(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > kShellExecuteFailed;
}

} // namespace

std::string programFile() {
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, std::size(buffer));
    if (length == 0 || length >= std::size(buffer)) {
        return {};
    }
    return win32::narrow(std::wstring_view(buffer, length));
}

std::optional<std::uint64_t> findPreviewParent(std::uint64_t id, std::string& error) {
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(id));
    if (static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window)) != id ||
        !IsWindow(window)) {
        error = "no window " + std::to_string(id) + " to draw the preview in";
        return std::nullopt;
    }
    return id;
}

bool claimScreensaverRun() {
    // Held until the process ends; the system closes it then.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\Trovane.Screensaver");
    if (mutex == nullptr) {
        return true; // nothing to tell by: run
    }
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

void leaveOwnConsole() {
    DWORD processes[2];
    if (GetConsoleProcessList(processes, std::size(processes)) == 1) {
        FreeConsole();
    }
}

bool openInEditor(const std::string& file, std::string& error) {
    const std::wstring name = win32::widen(file);
    if (opened(ShellExecuteW(nullptr, L"open", name.c_str(), nullptr, nullptr, SW_SHOWNORMAL))) {
        return true;
    }
    // An .ini without a program of its own still opens in Notepad.
    const std::wstring quoted = L"\"" + name + L"\"";
    if (opened(ShellExecuteW(nullptr, L"open", L"notepad.exe", quoted.c_str(), nullptr,
                             SW_SHOWNORMAL))) {
        return true;
    }
    error = "cannot open an editor: " + win32::lastErrorText();
    return false;
}

} // namespace trovane::platform
