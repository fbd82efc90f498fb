#pragma once

#include <cstdint>

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and held mouse buttons, as a set of bits.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1u << 0;
constexpr TShiftState ssAlt = 1u << 1;
constexpr TShiftState ssCtrl = 1u << 2;
constexpr TShiftState ssLeft = 1u << 3;
constexpr TShiftState ssRight = 1u << 4;
constexpr TShiftState ssMiddle = 1u << 5;

// Virtual key codes; letters and digits are their upper-case ASCII codes, as on Windows.
using TKey = uint16_t;
constexpr TKey VK_BACK = 0x08;
constexpr TKey VK_TAB = 0x09;
constexpr TKey VK_RETURN = 0x0D;
constexpr TKey VK_SHIFT = 0x10;
constexpr TKey VK_CONTROL = 0x11;
constexpr TKey VK_MENU = 0x12;  // Alt
constexpr TKey VK_ESCAPE = 0x1B;
constexpr TKey VK_SPACE = 0x20;
constexpr TKey VK_PRIOR = 0x21;
constexpr TKey VK_NEXT = 0x22;
constexpr TKey VK_END = 0x23;
constexpr TKey VK_HOME = 0x24;
constexpr TKey VK_LEFT = 0x25;
constexpr TKey VK_UP = 0x26;
constexpr TKey VK_RIGHT = 0x27;
constexpr TKey VK_DOWN = 0x28;
constexpr TKey VK_DELETE = 0x2E;
constexpr TKey VK_F4 = 0x73;

// One notch of the wheel, as Windows reports it.
constexpr int WHEEL_DELTA = 120;

enum TCursor {
  crDefault,
  crArrow,
  crHandPoint,
  crIBeam,
  crCross,
  crSizeNWSE,
  crSizeWE,
  crSizeNS,
  crSizeAll,
  crHourGlass,
};
