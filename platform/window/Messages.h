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
    Frame,   // a frame is due while the window system runs a loop of its own
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

// Where messages go at once instead of waiting for peekMessage. Windows
// calls a window procedure from inside its own loops (while the user moves
// or sizes the window, or a menu is open), and peekMessage is not reached
// until such a loop ends; with a handler, drawing (Paint, and a Frame about
// every 10 ms during such a loop) and the caption's timer go on meanwhile.
// There every message but Quit goes to the handler as it arrives. Where
// the window system has no loops of its own (SDL), every message waits for
// peekMessage as before. Null makes every message wait again.
using MessageHandler = bool (*)(const Message& message, void* context);
void setMessageHandler(MessageHandler handler, void* context);

// Takes the next waiting message; false when none waits.
bool peekMessage(Message& message);

// Sleeps until a message waits, without taking it.
void waitMessage();

// These queue a message behind the ones already waiting. Safe from any thread.
void postQuit(int code);
void postClose();
void postPaint();

} // namespace trovane::platform
