// SDL's key state translated into the 256-byte key table.
#include "platform/input/sdl/ScancodeMap.h"
#include "platform/input/InputDevice.h"
#include "platform/input/KeyCode.h"
#include "platform/input/UsKeyScan.h"

#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace trovane::platform::input {
namespace {

using KeyTable = std::array<std::uint8_t, kKeyboardStateSize>;

KeyTable tableWithDown(std::initializer_list<SDL_Scancode> down, int count = SDL_NUM_SCANCODES) {
    std::vector<std::uint8_t> sdlState(SDL_NUM_SCANCODES, 0);
    for (SDL_Scancode scancode : down) {
        sdlState[scancode] = 1;
    }
    KeyTable table;
    table.fill(0xAA); // every byte must be written
    fillKeyTable(sdlState.data(), count, table.data());
    return table;
}

TEST(ScancodeMapTest, ArrowKeysGiveTheExtendedCodesTheProgramAsksFor) {
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_LEFT), key::Left);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_RIGHT), key::Right);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_UP), key::Up);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_DOWN), key::Down);
}

// A letter asked for by character is found only if both tables agree.
TEST(ScancodeMapTest, LettersAndDigitsAgreeWithTheCharacterTable) {
    for (int i = 0; i < 26; ++i) {
        const auto scancode = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
        EXPECT_EQ(keyCodeForScancode(scancode), usKeyScan('a' + i) & 0xFF) << char('a' + i);
    }
    for (int i = 0; i < 9; ++i) {
        const auto scancode = static_cast<SDL_Scancode>(SDL_SCANCODE_1 + i);
        EXPECT_EQ(keyCodeForScancode(scancode), usKeyScan('1' + i) & 0xFF) << char('1' + i);
    }
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_0), usKeyScan('0') & 0xFF);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_SPACE), usKeyScan(' ') & 0xFF);
}

TEST(ScancodeMapTest, KeysWithoutACodeAndOutOfRangeScancodesGiveZero) {
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(keyCodeForScancode(-1), 0);
    EXPECT_EQ(keyCodeForScancode(SDL_NUM_SCANCODES), 0);
}

TEST(ScancodeMapTest, TableMarksExactlyTheKeysDownWithBitSeven) {
    const KeyTable table = tableWithDown({SDL_SCANCODE_LEFT, SDL_SCANCODE_W, SDL_SCANCODE_RCTRL});
    for (std::size_t code = 0; code < table.size(); ++code) {
        const bool down = code == key::Left || code == key::W || code == 0x9D;
        EXPECT_EQ(table[code], down ? kDownBit : 0) << code;
    }
}

TEST(ScancodeMapTest, ShortOrMissingSdlStateLeavesTheRestUp) {
    const KeyTable shortState = tableWithDown({SDL_SCANCODE_A, SDL_SCANCODE_LEFT}, SDL_SCANCODE_B);
    EXPECT_EQ(shortState[key::A], kDownBit);
    EXPECT_EQ(shortState[key::Left], 0);

    KeyTable table;
    table.fill(0xAA);
    fillKeyTable(nullptr, 0, table.data());
    for (std::uint8_t entry : table) {
        EXPECT_EQ(entry, 0);
    }
}

} // namespace
} // namespace trovane::platform::input
