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

// Key codes, named so that no platform header's macros collide with them. The values
// are those of Windows' virtual keys: letters and digits are their upper-case ASCII
// codes, F1 to F12 are 0x70 to 0x7B.
using TKey = uint16_t;
constexpr TKey Key_Backspace = 0x08;
constexpr TKey Key_Tab = 0x09;
constexpr TKey Key_Return = 0x0D;
constexpr TKey Key_Shift = 0x10;
constexpr TKey Key_Control = 0x11;
constexpr TKey Key_Alt = 0x12;
constexpr TKey Key_Escape = 0x1B;
constexpr TKey Key_Space = 0x20;
constexpr TKey Key_PageUp = 0x21;
constexpr TKey Key_PageDown = 0x22;
constexpr TKey Key_End = 0x23;
constexpr TKey Key_Home = 0x24;
constexpr TKey Key_Left = 0x25;
constexpr TKey Key_Up = 0x26;
constexpr TKey Key_Right = 0x27;
constexpr TKey Key_Down = 0x28;
constexpr TKey Key_Insert = 0x2D;
constexpr TKey Key_Delete = 0x2E;
constexpr TKey Key_Apps = 0x5D;  // the menu key
constexpr TKey Key_F4 = 0x73;
constexpr TKey Key_F10 = 0x79;

// One notch of the wheel, as Windows reports it.
constexpr int kWheelDelta = 120;

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
