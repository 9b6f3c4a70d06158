// Inside the Win32 window layer: the one window of the program, its class and
// the messages its window procedure has turned into our own.
#pragma once

#include "platform/window/Messages.h"

#include <windows.h>

#include <string>

namespace trovane::platform::win32 {

// Our requests, posted to the window (or to the thread before there is one)
// so they wait behind the messages already queued.
enum : UINT { kPostedQuit = WM_APP + 1, kPostedClose, kPostedPaint };

// A window inside another program's looks at its parent this often; the id
// differs from the program's own timers.
constexpr UINT_PTR kParentWatchTimer = 0x7F7F0002;
constexpr UINT kParentWatchMilliseconds = 250;

// Registers the window class under the title (UTF-8) with our window
// procedure. A title the system refuses as a class name (one longer than
// 255 characters) registers the class under the program's name instead.
bool registerWindowClass(const char* title, std::string& error);
void unregisterWindowClass();
// The name the class was registered under.
const wchar_t* windowClassName();

// The one window and its own device context (the class has CS_OWNDC, so the
// context stays the window's for its whole life); null when none is open.
struct CurrentWindow {
    HWND window = nullptr;
    HDC deviceContext = nullptr;
};
const CurrentWindow& currentWindow();
void setCurrentWindow(const CurrentWindow& current);
// The current window as another thread may read it (the console's Ctrl+C
// arrives on a thread of its own); null when none is open.
HWND windowForPosting();

// The thread whose queue takes the program's messages.
void setMessageThread(DWORD thread);
DWORD messageThread();

// Messages the window procedure produced, taken in order by peekMessage.
void queueMessage(const Message& message);
bool takeQueuedMessage(Message& message);
bool messageQueued();

// Our own message for a posted request, or false for any other message.
bool fromPosted(UINT id, WPARAM value, Message& message);

// One line for the calling thread's last error.
std::string lastErrorText();

} // namespace trovane::platform::win32
