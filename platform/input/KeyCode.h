// Key codes of the keyboard state table: the keyboard's set-1 scan codes,
// with 0x80 added for the extended keys (arrows, navigation block, right
// Control and Alt). The codes the program and its tests name.
#pragma once

#include <cstdint>

namespace trovane::platform::input::key {

inline constexpr std::uint8_t Escape = 0x01;
inline constexpr std::uint8_t Return = 0x1C;
inline constexpr std::uint8_t LeftControl = 0x1D;
inline constexpr std::uint8_t LeftShift = 0x2A;
inline constexpr std::uint8_t Space = 0x39;
inline constexpr std::uint8_t F1 = 0x3B;
inline constexpr std::uint8_t A = 0x1E;
inline constexpr std::uint8_t D = 0x20;
inline constexpr std::uint8_t S = 0x1F;
inline constexpr std::uint8_t W = 0x11;
inline constexpr std::uint8_t Up = 0xC8;
inline constexpr std::uint8_t Left = 0xCB;
inline constexpr std::uint8_t Right = 0xCD;
inline constexpr std::uint8_t Down = 0xD0;

} // namespace trovane::platform::input::key
