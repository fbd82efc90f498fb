#include "platform/win32/message_translation.h"

namespace platform_win32 {

TPoint PointOfLParam(intptr_t lParam) {
  const auto bits = static_cast<uint32_t>(static_cast<uintptr_t>(lParam));
  return {static_cast<int16_t>(bits & 0xFFFF), static_cast<int16_t>(bits >> 16)};
}

int WheelDeltaOf(uintptr_t wParam) {
  return static_cast<int16_t>((static_cast<uint32_t>(wParam) >> 16) & 0xFFFF);
}

TShiftState MouseShiftOf(uintptr_t wParam, bool altDown) {
  TShiftState s = 0;
  if (wParam & msg::kMkShift) {
    s |= ssShift;
  }
  if (wParam & msg::kMkControl) {
    s |= ssCtrl;
  }
  if (wParam & msg::kMkLButton) {
    s |= ssLeft;
  }
  if (wParam & msg::kMkRButton) {
    s |= ssRight;
  }
  if (wParam & msg::kMkMButton) {
    s |= ssMiddle;
  }
  if (altDown) {
    s |= ssAlt;
  }
  return s;
}

TShiftState KeyShiftOf(unsigned message, intptr_t lParam, bool shiftDown, bool ctrlDown,
                       bool altDown) {
  TShiftState s = 0;
  if (shiftDown) {
    s |= ssShift;
  }
  if (ctrlDown) {
    s |= ssCtrl;
  }
  const bool sysKey = message == msg::kSysKeyDown || message == msg::kSysKeyUp;
  if (altDown || (sysKey && (lParam & msg::kAltContext))) {
    s |= ssAlt;
  }
  return s;
}

std::optional<TButtonMessage> ButtonMessageOf(unsigned message) {
  switch (message) {
    case msg::kLButtonDown:
      return TButtonMessage{mbLeft, true};
    case msg::kLButtonUp:
      return TButtonMessage{mbLeft, false};
    case msg::kRButtonDown:
      return TButtonMessage{mbRight, true};
    case msg::kRButtonUp:
      return TButtonMessage{mbRight, false};
    case msg::kMButtonDown:
      return TButtonMessage{mbMiddle, true};
    case msg::kMButtonUp:
      return TButtonMessage{mbMiddle, false};
    default:
      return std::nullopt;
  }
}

bool LeftToSystem(unsigned message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case msg::kSysKeyDown:
      return wParam == msg::kVkSpace;
    case msg::kSysChar:
      return wParam == ' ';
    case msg::kSysCommand:
      return (wParam & 0xFFF0) != msg::kScKeyMenu || lParam == ' ';
    default:
      return false;
  }
}

std::optional<char32_t> TCharJoiner::Add(char16_t unit) {
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    high_ = unit;
    return std::nullopt;
  }
  if (unit >= 0xDC00 && unit <= 0xDFFF) {
    const char16_t high = high_;
    high_ = 0;
    if (high == 0) {
      return std::nullopt;
    }
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00);
  }
  high_ = 0;
  return unit;
}

uint16_t CursorResourceOf(TCursor cursor) {
  switch (cursor) {
    case crHandPoint:
      return 32649;  // IDC_HAND
    case crIBeam:
      return 32513;
    case crCross:
      return 32515;
    case crSizeNWSE:
      return 32642;
    case crSizeWE:
      return 32644;
    case crSizeNS:
      return 32645;
    case crSizeAll:
      return 32646;
    case crHourGlass:
      return 32514;  // IDC_WAIT
    case crDefault:
    case crArrow:
      break;
  }
  return 32512;  // IDC_ARROW
}

}  // namespace platform_win32
