// Window messages into the toolkit's terms, as pure functions of the message
// values, so that they are tested on every build. The numbers are the system's
// own (the window code checks them against windows.h).
#pragma once

#include <cstdint>
#include <optional>

#include "ui/geometry.h"
#include "ui/input.h"

namespace platform_win32 {

namespace msg {
constexpr unsigned kKeyDown = 0x0100;
constexpr unsigned kKeyUp = 0x0101;
constexpr unsigned kChar = 0x0102;
constexpr unsigned kSysKeyDown = 0x0104;
constexpr unsigned kSysKeyUp = 0x0105;
constexpr unsigned kSysChar = 0x0106;
constexpr unsigned kSysCommand = 0x0112;
constexpr unsigned kLButtonDown = 0x0201;
constexpr unsigned kLButtonUp = 0x0202;
constexpr unsigned kRButtonDown = 0x0204;
constexpr unsigned kRButtonUp = 0x0205;
constexpr unsigned kMButtonDown = 0x0207;
constexpr unsigned kMButtonUp = 0x0208;
constexpr uintptr_t kMkLButton = 0x0001;
constexpr uintptr_t kMkRButton = 0x0002;
constexpr uintptr_t kMkShift = 0x0004;
constexpr uintptr_t kMkControl = 0x0008;
constexpr uintptr_t kMkMButton = 0x0010;
constexpr uintptr_t kScKeyMenu = 0xF100;
constexpr uintptr_t kVkSpace = 0x20;
// Bit 29 of a key message's lParam: Alt was down.
constexpr intptr_t kAltContext = intptr_t{1} << 29;
}  // namespace msg

// The point of a mouse message: two signed 16-bit halves (negative left of or
// above a window on a second monitor).
TPoint PointOfLParam(intptr_t lParam);

// The wheel's turn in a WM_MOUSEWHEEL: the signed high word of wParam.
int WheelDeltaOf(uintptr_t wParam);

// The buttons and modifier keys of a mouse message's wParam; Alt is not in it.
TShiftState MouseShiftOf(uintptr_t wParam, bool altDown);

// The modifiers of a key message: the keys held, and Alt from the message
// itself for the system key messages.
TShiftState KeyShiftOf(unsigned message, intptr_t lParam, bool shiftDown, bool ctrlDown,
                       bool altDown);

struct TButtonMessage {
  TMouseButton Button;
  bool Down;
};
// The button and direction of a button message; nothing for other messages.
std::optional<TButtonMessage> ButtonMessageOf(unsigned message);

// Whether a key message belongs to the system rather than to the toolkit: only
// Alt+Space (the system menu) does. Without a menu every other Alt+letter would
// beep or enter menu mode.
bool LeftToSystem(unsigned message, uintptr_t wParam, intptr_t lParam);

// Joins the UTF-16 units of WM_CHAR into characters: a high surrogate waits
// for its low one; a unit that cannot pair is dropped.
class TCharJoiner {
 public:
  std::optional<char32_t> Add(char16_t unit);

 private:
  char16_t high_ = 0;
};

// The system cursor for a toolkit cursor: the number of its IDC_ resource.
uint16_t CursorResourceOf(TCursor cursor);

}  // namespace platform_win32
