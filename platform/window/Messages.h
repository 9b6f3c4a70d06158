// The window messages the program handles, taken from the window system's
// event queue. Other events are still taken (the input devices read state
// that only changes while events are pumped) but arrive as Other.
#pragma once

namespace trovane::platform {

enum class MessageKind {
    Other,
    Size,    // the window's client area changed size
    Paint,   // part of the window must be drawn again
    Close,   // the window was asked to close (close box, Escape, end signal)
    KeyDown, // one of the window keys went down (its automatic repeats do not count)
    Timer,   // a tick of a Timer
    Quit,    // the quit request posted by postQuit
};

enum class Key { Other, Pause, Space, Escape, F4, F5, F6, F7, F12 };

struct Message {
    MessageKind kind = MessageKind::Other;
    int width = 0;        // Size
    int height = 0;       // Size
    Key key = Key::Other; // KeyDown
    unsigned timerId = 0; // Timer
    int quitCode = 0;     // Quit
};

// Takes the next waiting message; false when none waits.
bool peekMessage(Message& message);

// Sleeps until a message waits, without taking it.
void waitMessage();

// These queue a message behind the ones already waiting. Safe from any thread.
void postQuit(int code);
void postClose();
void postPaint();

} // namespace trovane::platform
