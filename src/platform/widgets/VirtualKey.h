// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key codes the windows' key handlers receive. The host translates its
// own keys into these, so handlers and tests compare names, not numbers.
namespace vantor::vk {

constexpr int Backspace = 0x08;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Alt = 0x12;
constexpr int Pause = 0x13;
constexpr int CapsLock = 0x14;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int PageUp = 0x21;
constexpr int PageDown = 0x22;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;  // Up, Right and Down follow
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Print = 0x2C;
constexpr int Insert = 0x2D;
constexpr int Delete = 0x2E;
constexpr int Help = 0x2F;
constexpr int Digit0 = 0x30;  // '0' .. '9'
constexpr int LetterA = 0x41;  // 'A' .. 'Z'
constexpr int Menu = 0x5D;
constexpr int F1 = 0x70;  // F1 .. F24
constexpr int NumLock = 0x90;
constexpr int ScrollLock = 0x91;

}  // namespace vantor::vk
