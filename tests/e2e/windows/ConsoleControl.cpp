// Starts a program in a console of its own, waits until it shows a window
// (at most WAIT_MS) and a second more, then presses Ctrl+C in that console
// (CTRL_C_EVENT), and ends with the program's exit code; 99 when it did not
// end within 20 s (it is then stopped).
//   console_control.exe WAIT_MS PROGRAM [ARGS...]
// The program writes to this process's standard output and error. A path
// given the Linux way (/tmp/...) is taken through Wine's Z: drive.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

std::wstring windowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        for (wchar_t& c : path) {
            c = c == L'/' ? L'\\' : c;
        }
        path = L"Z:" + path;
    }
    return path;
}

std::wstring quoted(const std::wstring& argument) {
    return L"\"" + argument + L"\"";
}

BOOL CALLBACK isOfProcess(HWND window, LPARAM found) {
    auto* process = reinterpret_cast<DWORD*>(found);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == *process && IsWindowVisible(window)) {
        *process = 0;
        return FALSE;
    }
    return TRUE;
}

void waitForWindow(HANDLE process, DWORD id, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 100) {
        DWORD searched = id;
        EnumWindows(isOfProcess, reinterpret_cast<LPARAM>(&searched));
        if (searched == 0 || WaitForSingleObject(process, 100) != WAIT_TIMEOUT) {
            break;
        }
    }
    WaitForSingleObject(process, 1000);
}

HANDLE inheritable(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return handle;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: console_control WAIT_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const DWORD wait = static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable(STD_INPUT_HANDLE);
    startup.hStdOutput = inheritable(STD_OUTPUT_HANDLE);
    startup.hStdError = inheritable(STD_ERROR_HANDLE);
    // A console the program shares with this process alone.
    FreeConsole();
    AllocConsole();

    std::wstring command = quoted(windowsPath(argv[2]));
    for (int i = 3; i < argc; ++i) {
        command += L" " + quoted(argv[i]);
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"console_control: cannot start %ls (%lu)\n", command.c_str(),
                      GetLastError());
        return 2;
    }
    CloseHandle(process.hThread);
    // Only now: a child takes its parent's choice to ignore Ctrl+C.
    SetConsoleCtrlHandler(nullptr, TRUE);
    waitForWindow(process.hProcess, process.dwProcessId, wait);
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    }
    DWORD code = 99;
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 99);
    } else {
        GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
