// One input device of the system (the mouse or the keyboard), in place of a
// DirectInput 8 device: set its data format, acquire it, read its state.
#pragma once

#include <cstddef>
#include <cstdint>

namespace trovane::platform::input {

enum class DeviceKind { SystemMouse, SystemKeyboard };

// The two state layouts a device can deliver: MouseState, or a key table of
// kKeyboardStateSize bytes indexed by key code (see KeyCode.h).
enum class DataFormat { Mouse, Keyboard };

inline constexpr std::size_t kKeyboardStateSize = 256;

// Bit 7 of a button byte or of a key table entry means "down".
inline constexpr std::uint8_t kDownBit = 0x80;

// Relative movement since the previous read. A wheel notch counts 120,
// positive away from the user. Buttons: 0 left, 1 right, 2 middle, 3 side.
struct MouseState {
    std::int32_t x;
    std::int32_t y;
    std::int32_t z;
    std::uint8_t buttons[4];
};
static_assert(sizeof(MouseState) == 16, "the mouse record is 16 bytes");

class InputDevice {
public:
    virtual ~InputDevice() = default;

    // Fails for a format of the other kind of device, or while acquired.
    virtual bool setDataFormat(DataFormat format) = 0;
    // Starts delivering state. Fails before a data format is set. Acquiring
    // an acquired device succeeds and changes nothing.
    virtual bool acquire() = 0;
    virtual void unacquire() = 0;
    // Writes exactly size bytes of the current state on success; on failure
    // (not acquired, or size not that of the data format) writes nothing.
    virtual bool getDeviceState(std::size_t size, void* data) = 0;
};

} // namespace trovane::platform::input
