#include "platform/input/OemKeyScan.h"

#include "platform/input/sdl/ScancodeMap.h"

#include <SDL.h>

namespace trovane::platform::input {

std::uint32_t oemKeyScan(std::uint16_t character) {
    const bool capital = character >= 'A' && character <= 'Z';
    const bool printable = character > 0x20 && character < 0x7F;
    if (!printable || SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return usKeyScan(character);
    }
    // The keymap names each key by what it types unshifted, small letters
    // for letters. It is rebuilt when the layout changes.
    const SDL_Keycode typed = capital ? character - 'A' + 'a' : character;
    const std::uint8_t keyCode = keyCodeForScancode(SDL_GetScancodeFromKey(typed));
    if (keyCode == 0) {
        return usKeyScan(character);
    }
    return (capital ? kShiftState : 0) | keyCode;
}

} // namespace trovane::platform::input
