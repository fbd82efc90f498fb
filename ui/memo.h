#pragma once

#include <string>
#include <vector>

#include "ui/memo_layout.h"
#include "ui/scrolling_control.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text box in its read-only form: a sunken frame, lines broken to the
// box's width when WordWrap is on, scroll bars that stay shown (disabled while
// there is nothing to scroll), and a selection made with the mouse or the keyboard
// that can be copied to the clipboard. Typing and deleting change nothing.
class TMemo : public TScrollingControl {
 public:
  static constexpr int kBorder = 2;
  static constexpr int kMargin = 2;
  static constexpr int kWheelRows = 3;

  TMemo();

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);
  // The lines joined by the platform's line break.
  std::string Text() const;
  // Where a position lies in Text(), in bytes.
  int TextOffset(TMemoPos pos) const;

  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);

  // ---- selection: from the anchor to the caret, in either order
  TMemoPos Anchor() const { return anchor_; }
  TMemoPos Caret() const { return caret_; }
  bool HasSelection() const { return anchor_ != caret_; }
  void SetSelection(TMemoPos anchor, TMemoPos caret);
  void SelectAll();
  std::string SelText() const;
  // Puts the selected text on the clipboard; nothing happens without a selection.
  void CopyToClipboard();

  // ---- geometry and scrolling
  const TMemoLayout& Layout() const;
  int RowHeight() const;
  int VisibleRows() const;
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  int MaxTopRow() const;
  // The text position under a point of the control (clamped to the text).
  TMemoPos PosAtPoint(TPoint p) const;
  // Where pos is drawn: the left of its character cell, in control coordinates.
  TPoint PointOfPos(TMemoPos pos) const;

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool MouseWheel(TShiftState shift, int wheelDelta, TPoint pos) override;
  bool KeyDown(TKey key, TShiftState shift) override;
  bool KeyChar(char32_t ch) override;
  TCursor CursorAt(int x, int y) const override;
  void DoEnter() override;
  void DoExit() override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  // The bars ScrollBars asks for, shown (disabled) even with nothing to scroll.
  bool ScrollBarShown(bool vertical) const override;
  int ContentWidth() const override;
  TScrollBarState RowRange() const override;
  void ScrollToRow(int row) override { SetTopRow(row); }

 private:
  void PaintRows(TCanvas& canvas) const;
  void MoveCaret(TMemoPos pos, bool extend, bool keepGoalX = false);
  void ScrollToCaret();
  TMemoPos LineEnd(int line) const;
  TMemoPos StepLeft(TMemoPos p) const;
  TMemoPos StepRight(TMemoPos p) const;

  std::vector<std::string> lines_{std::string()};
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  TMemoPos anchor_, caret_;
  int goalX_ = -1;  // the x that Up and Down keep, -1 when unset
  int topRow_ = 0;
  bool selecting_ = false;  // the mouse is selecting text

  // Rows are rebuilt when the text, the font or the wrapping width changes.
  mutable TMemoLayout layout_;
  mutable bool layoutValid_ = false;
  mutable gfx::TFont layoutFont_;
  mutable int layoutWidth_ = -1;
  mutable const gfx::TTextEngine* layoutEngine_ = nullptr;
};
