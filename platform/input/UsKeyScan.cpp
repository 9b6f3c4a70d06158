#include "platform/input/UsKeyScan.h"

#include <array>

namespace trovane::platform::input {
namespace {

struct Stroke {
    std::uint8_t scanCode;
    bool shift;
};

// Printable ASCII from 0x20 (space) to 0x7E (tilde) on the US layout.
constexpr std::array<Stroke, 95> kPrintable{{
    {0x39, false}, {0x02, true},  {0x28, true},  {0x04, true},  {0x05, true},  // ' ' ! " # $
    {0x06, true},  {0x08, true},  {0x28, false}, {0x0A, true},  {0x0B, true},  // % & ' ( )
    {0x09, true},  {0x0D, true},  {0x33, false}, {0x0C, false}, {0x34, false}, // * + , - .
    {0x35, false}, {0x0B, false}, {0x02, false}, {0x03, false}, {0x04, false}, // / 0 1 2 3
    {0x05, false}, {0x06, false}, {0x07, false}, {0x08, false}, {0x09, false}, // 4 5 6 7 8
    {0x0A, false}, {0x27, true},  {0x27, false}, {0x33, true},  {0x0D, false}, // 9 : ; < =
    {0x34, true},  {0x35, true},  {0x03, true},                                // > ? @
    {0x1E, true},  {0x30, true},  {0x2E, true},  {0x20, true},  {0x12, true},  // A B C D E
    {0x21, true},  {0x22, true},  {0x23, true},  {0x17, true},  {0x24, true},  // F G H I J
    {0x25, true},  {0x26, true},  {0x32, true},  {0x31, true},  {0x18, true},  // K L M N O
    {0x19, true},  {0x10, true},  {0x13, true},  {0x1F, true},  {0x14, true},  // P Q R S T
    {0x16, true},  {0x2F, true},  {0x11, true},  {0x2D, true},  {0x15, true},  // U V W X Y
    {0x2C, true},                                                              // Z
    {0x1A, false}, {0x2B, false}, {0x1B, false}, {0x07, true},  {0x0C, true},  // [ \ ] ^ _
    {0x29, false},                                                             // `
    {0x1E, false}, {0x30, false}, {0x2E, false}, {0x20, false}, {0x12, false}, // a b c d e
    {0x21, false}, {0x22, false}, {0x23, false}, {0x17, false}, {0x24, false}, // f g h i j
    {0x25, false}, {0x26, false}, {0x32, false}, {0x31, false}, {0x18, false}, // k l m n o
    {0x19, false}, {0x10, false}, {0x13, false}, {0x1F, false}, {0x14, false}, // p q r s t
    {0x16, false}, {0x2F, false}, {0x11, false}, {0x2D, false}, {0x15, false}, // u v w x y
    {0x2C, false},                                                             // z
    {0x1A, true},  {0x2B, true},  {0x1B, true},  {0x29, true},                 // { | } ~
}};

constexpr std::uint32_t encode(std::uint8_t scanCode, std::uint32_t state) {
    return state | scanCode;
}

// Control characters typed by a key of their own, or by Control and a letter.
std::uint32_t controlStroke(std::uint16_t character) {
    switch (character) {
    case 0x08:
        return encode(0x0E, 0); // Backspace
    case 0x09:
        return encode(0x0F, 0); // Tab
    case 0x0D:
        return encode(0x1C, 0); // Enter
    case 0x1B:
        return encode(0x01, 0); // Escape
    default:
        break;
    }
    if (character >= 0x01 && character <= 0x1A) {
        const Stroke letter = kPrintable['a' + character - 1 - 0x20];
        return encode(letter.scanCode, kControlState);
    }
    return kNoKey;
}

} // namespace

std::uint32_t usKeyScan(std::uint16_t character) {
    if (character >= 0x20 && character <= 0x7E) {
        const Stroke stroke = kPrintable[character - 0x20];
        return encode(stroke.scanCode, stroke.shift ? kShiftState : 0);
    }
    return controlStroke(character);
}

} // namespace trovane::platform::input
