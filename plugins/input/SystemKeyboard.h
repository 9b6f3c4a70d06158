// "Keyboard": whether a key of the system keyboard is down.
#pragma once

#include "DeviceLink.h"
#include "InputSystemFactory.h"
#include "sdk/InputDevices.h"

#include <array>
#include <cstdint>

namespace tactrel {

class SystemKeyboard final : public Keyboard {
public:
    explicit SystemKeyboard(InputSystemFactory factory);
    SystemKeyboard(const SystemKeyboard&) = delete;
    SystemKeyboard& operator=(const SystemKeyboard&) = delete;

    void Release() override;
    // Reads the device, then tests the key code `key`, or with byCharacter
    // the key that types the character `key` on the active keyboard layout,
    // in any shift state. A character no key types tests entry 255.
    bool IsKeyDown(char key, bool byCharacter) override;
    void Initialize() override;

private:
    ~SystemKeyboard() = default;

    // One device read into the table; when no read succeeds the table keeps
    // what it held.
    void update();

    InputSystemFactory factory_;
    DeviceLink link_;
    std::array<std::uint8_t, input::kKeyboardStateSize> keys_{};
};

// The table entry IsKeyDown tests.
std::uint8_t keyIndex(char key, bool byCharacter);

} // namespace tactrel
