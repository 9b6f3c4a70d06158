// The key that types a character on a US keyboard.
#include "platform/input/UsKeyScan.h"
#include "platform/input/KeyCode.h"

#include <gtest/gtest.h>

#include <string>

namespace trovane::platform::input {
namespace {

std::uint8_t scanCodeOf(char c) {
    return static_cast<std::uint8_t>(usKeyScan(static_cast<std::uint8_t>(c)) & 0xFF);
}

TEST(UsKeyScanTest, LettersOfBothCasesShareTheirKeyAndOnlyCapitalsNeedShift) {
    for (char lower = 'a'; lower <= 'z'; ++lower) {
        const char upper = static_cast<char>(lower - 'a' + 'A');
        const std::uint32_t small = usKeyScan(static_cast<std::uint16_t>(lower));
        const std::uint32_t capital = usKeyScan(static_cast<std::uint16_t>(upper));
        EXPECT_EQ(small & 0xFF, capital & 0xFF) << lower;
        EXPECT_EQ(small >> 16, 0u) << lower;
        EXPECT_EQ(capital >> 16, kShiftState >> 16) << upper;
    }
}

TEST(UsKeyScanTest, MovementLettersAndSpaceGiveTheirKeyCodes) {
    EXPECT_EQ(scanCodeOf('w'), key::W);
    EXPECT_EQ(scanCodeOf('a'), key::A);
    EXPECT_EQ(scanCodeOf('s'), key::S);
    EXPECT_EQ(scanCodeOf('d'), key::D);
    EXPECT_EQ(scanCodeOf(' '), key::Space);
    EXPECT_EQ(usKeyScan(0x1B), key::Escape);
    EXPECT_EQ(usKeyScan('\r'), key::Return);
}

TEST(UsKeyScanTest, DigitsRunAlongTheTopRowAndTheirShiftedSymbolsShareTheKeys) {
    const std::string digits = "1234567890";
    const std::string symbols = "!@#$%^&*()";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        EXPECT_EQ(usKeyScan(static_cast<std::uint16_t>(digits[i])), 0x02 + i) << digits[i];
        EXPECT_EQ(usKeyScan(static_cast<std::uint16_t>(symbols[i])), kShiftState | (0x02 + i))
            << symbols[i];
    }
}

TEST(UsKeyScanTest, EveryPrintableCharacterHasAKeyAndNoOtherCharacterOfItsKeyAndShift) {
    std::uint32_t seen[0x80] = {};
    for (std::uint16_t c = 0x20; c < 0x7F; ++c) {
        const std::uint32_t stroke = usKeyScan(c);
        ASSERT_NE(stroke, kNoKey) << c;
        for (std::uint16_t earlier = 0x20; earlier < c; ++earlier) {
            EXPECT_NE(seen[earlier], stroke) << "'" << char(earlier) << "' and '" << char(c) << "'";
        }
        seen[c] = stroke;
    }
}

TEST(UsKeyScanTest, CharactersNoKeyTypesGiveAllBitsSet) {
    EXPECT_EQ(usKeyScan(0x00), kNoKey);
    EXPECT_EQ(usKeyScan(0x7F), kNoKey);
    EXPECT_EQ(usKeyScan(0x80), kNoKey);
    EXPECT_EQ(usKeyScan(0xE9), kNoKey);
    // A negative 8-bit character widened as signed.
    EXPECT_EQ(usKeyScan(0xFFE9), kNoKey);
    EXPECT_EQ(usKeyScan(0xFFFF), kNoKey);
}

TEST(UsKeyScanTest, ControlLettersNeedControlOnTheirLetter) {
    EXPECT_EQ(usKeyScan(0x01), kControlState | key::A);
    EXPECT_EQ(usKeyScan(0x17), kControlState | key::W);
}

} // namespace
} // namespace trovane::platform::input
