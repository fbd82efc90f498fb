// The memo's mouse and keyboard: selecting, moving the caret, scrolling, copying.
#include <algorithm>

#include "gfx/utf8.h"
#include "ui/memo.h"

TMemoPos TMemo::LineEnd(int line) const {
  return {line, static_cast<int>(lines_[line].size())};
}

TMemoPos TMemo::StepLeft(TMemoPos p) const {
  if (p.Offset == 0) {
    return p.Line > 0 ? LineEnd(p.Line - 1) : p;
  }
  const std::string& s = lines_[p.Line];
  int o = p.Offset - 1;
  // Back over UTF-8 continuation bytes to the start of the character.
  while (o > 0 && (static_cast<unsigned char>(s[o]) & 0xC0) == 0x80) {
    --o;
  }
  return {p.Line, o};
}

TMemoPos TMemo::StepRight(TMemoPos p) const {
  const std::string& s = lines_[p.Line];
  if (p.Offset >= static_cast<int>(s.size())) {
    return p.Line + 1 < static_cast<int>(lines_.size()) ? TMemoPos{p.Line + 1, 0} : p;
  }
  std::size_t i = static_cast<std::size_t>(p.Offset);
  gfx::NextCodePoint(s, i);
  return {p.Line, static_cast<int>(i)};
}

void TMemo::MoveCaret(TMemoPos pos, bool extend, bool keepGoalX) {
  if (!keepGoalX) {
    goalX_ = -1;
  }
  SetSelection(extend ? anchor_ : pos, pos);
  ScrollToCaret();
}

void TMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TScrollingControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) {
    return;
  }
  const TPoint p{x, y};
  if (!ViewRect().Contains(p)) {
    return;
  }
  selecting_ = true;
  MoveCaret(PosAtPoint(p), (shift & ssShift) != 0);
}

void TMemo::MouseMove(TShiftState shift, int x, int y) {
  TScrollingControl::MouseMove(shift, x, y);
  if (selecting_) {
    MoveCaret(PosAtPoint({x, y}), true);
  }
}

void TMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TScrollingControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) {
    return;
  }
  selecting_ = false;
}

bool TMemo::MouseWheel(TShiftState, int wheelDelta, TPoint) {
  const int before = topRow_;
  SetTopRow(topRow_ - wheelDelta * kWheelRows / kWheelDelta);
  return before != topRow_ || MaxTopRow() > 0;
}

bool TMemo::KeyDown(TKey key, TShiftState shift) {
  const bool ctrl = (shift & ssCtrl) != 0, extend = (shift & ssShift) != 0;
  if (shift & ssAlt) {
    return false;
  }
  if (ctrl && (key == 'C' || key == 0x2D /* Insert */)) {
    CopyToClipboard();
    return true;
  }
  if (ctrl && key == 'A') {
    SelectAll();
    return true;
  }
  const TMemoLayout& layout = Layout();
  const int last = static_cast<int>(lines_.size()) - 1;
  const int row = layout.RowOf(caret_);
  auto vertical = [&](int toRow) {
    if (goalX_ < 0) {
      goalX_ = layout.XOf(caret_);
    }
    MoveCaret(layout.PosAt(toRow, goalX_), extend, true);
  };
  switch (key) {
    case Key_Left:
      MoveCaret(!extend && HasSelection() ? std::min(anchor_, caret_) : StepLeft(caret_), extend);
      return true;
    case Key_Right:
      MoveCaret(!extend && HasSelection() ? std::max(anchor_, caret_) : StepRight(caret_), extend);
      return true;
    case Key_Up:
      if (row > 0) {
        vertical(row - 1);
      }
      return true;
    case Key_Down:
      if (row + 1 < layout.RowCount()) {
        vertical(row + 1);
      }
      return true;
    case Key_PageUp:
      vertical(std::max(row - std::max(VisibleRows() - 1, 1), 0));
      return true;
    case Key_PageDown:
      vertical(std::min(row + std::max(VisibleRows() - 1, 1), layout.RowCount() - 1));
      return true;
    case Key_Home:
      if (ctrl) {
        MoveCaret({}, extend);
      } else {
        const TMemoRow& r = layout.Rows()[row];
        MoveCaret({r.Line, r.Begin}, extend);
      }
      return true;
    case Key_End:
      if (ctrl) {
        MoveCaret(LineEnd(last), extend);
      } else {
        // The end of a wrapped row is the left of its last character.
        const TMemoRow& r = layout.Rows()[row];
        const bool soft = row + 1 < layout.RowCount() && layout.Rows()[row + 1].Line == r.Line;
        MoveCaret(layout.PosAt(row, soft ? r.Xs[r.Xs.size() - 2] : r.Width()), extend);
      }
      return true;
    case Key_Delete:
    case Key_Backspace:
      // Read-only: nothing to delete, and the key goes no further.
      return true;
    default:
      return false;
  }
}

bool TMemo::KeyChar(char32_t ch) {
  // Typed characters change nothing; Tab and Enter stay with the window.
  return ch != U'\t' && ch != U'\r' && ch != U'\n' && ch != U'\x1B';
}

TCursor TMemo::CursorAt(int x, int y) const {
  if (ViewRect().Contains(x, y)) {
    return crIBeam;
  }
  return crArrow;
}
