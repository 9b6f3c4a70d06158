#include "SystemKeyboard.h"

#include "SetupMessage.h"
#include "platform/input/OemKeyScan.h"

#include <utility>

namespace tactrel {
namespace {

constexpr SetupMessages kKeyboardMessages{kKeyboardMissing, kKeyboardFormatRefused,
                                          kKeyboardNotAcquired};

} // namespace

std::uint8_t keyIndex(char key, bool byCharacter) {
    if (!byCharacter) {
        return static_cast<std::uint8_t>(key);
    }
    // The character widens as a signed 8-bit value; the shift state in the
    // upper half of the result is ignored.
    const auto character = static_cast<std::uint16_t>(static_cast<signed char>(key));
    return static_cast<std::uint8_t>(input::oemKeyScan(character) & 0xFF);
}

SystemKeyboard::SystemKeyboard(InputSystemFactory factory) : factory_(std::move(factory)) {}

void SystemKeyboard::Release() {
    link_.close();
    delete this;
}

void SystemKeyboard::update() {
    // A device that cannot be read (input lost to another program, a
    // device unplugged) reports every key up: a key that was down when
    // input went away would otherwise stay down for good.
    std::array<std::uint8_t, input::kKeyboardStateSize> fresh{};
    if (!link_.read(fresh.size(), fresh.data())) {
        fresh.fill(0);
    }
    keys_ = fresh;
}

bool SystemKeyboard::IsKeyDown(char key, bool byCharacter) {
    update();
    return (keys_[keyIndex(key, byCharacter)] & input::kDownBit) != 0;
}

void SystemKeyboard::Initialize() {
    if (link_.open(factory_, input::DeviceKind::SystemKeyboard, kKeyboardMessages)) {
        keys_.fill(0);
    }
}

} // namespace tactrel
