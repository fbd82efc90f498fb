#pragma once

#include <algorithm>

#include "ui/scroll_bar.h"
#include "ui/styled.h"

// A framed control that shows part of something larger and scrolls it: a
// vertical bar along its right edge and a horizontal one along the bottom,
// each a child control that paints itself and takes its own presses. The host
// says whether each bar shows and how its rows go; the base scrolls sideways
// by pixels, places the bars, fills the square between them and scales them.
// Whatever changes what the host shows asks for a repaint, and so does a new
// size: the host is then arranged (TControl::Arrange) before the window next
// paints or routes the pointer, its positions back in range, its bars placed.
class TScrollingControl : public TStyledWinControl {
 public:
  static constexpr int kScrollBarSize = 17;

  // Where the content shows: inside the frame and the shown bars.
  TRect ViewRect() const;
  bool VScrollVisible() const { return ScrollBarShown(true); }
  bool HScrollVisible() const { return ScrollBarShown(false); }
  // Each bar as it is now (own coordinates); empty bounds while it is not shown.
  TScrollBarState VScrollBar() const { return BarState(true); }
  TScrollBarState HScrollBar() const { return BarState(false); }
  TRect VScrollRect() const { return VScrollBar().Bounds; }
  TRect HScrollRect() const { return HScrollBar().Bounds; }
  int ScrollBarSize() const { return barSize_; }
  // The bars themselves, child controls of this one.
  TScrollBar& VertScrollBar() const { return *vBar_; }
  TScrollBar& HorzScrollBar() const { return *hBar_; }

  // ---- sideways, in pixels: 0 shows the content's left edge
  int ScrollX() const { return scrollX_; }
  void SetScrollX(int x);
  int MaxScrollX() const;

  void ChangeScale(int m, int d) override;
  void DoExit() override;

 protected:
  // frameWidth: the host's own frame, which the bars sit inside.
  explicit TScrollingControl(int frameWidth);
  // Pixels an arrow of the sideways bar (and a sideways key) moves.
  static constexpr int kLineScrollX = 8;
  virtual bool ScrollBarShown(bool vertical) const = 0;
  // The width of what scrolls sideways.
  virtual int ContentWidth() const = 0;
  // Pos, Max, Page and PageStep of the vertical bar, in rows.
  virtual TScrollBarState RowRange() const = 0;
  virtual void ScrollToRow(int row) = 0;
  // Brings the host's scroll positions back in range when it is arranged
  // (ClampScrollX does the sideways one); nothing by default.
  virtual void ClampScroll() {}
  void ClampScrollX();
  void ResetScrollX() { scrollX_ = 0; }
  // Sets a scroll position, kept within 0 to max; a new one repaints.
  void ScrollField(int& field, int pos, int max) {
    Change(field, std::clamp(pos, 0, std::max(max, 0)));
  }
  // Fills the square between two shown bars; hosts call it from Paint.
  void PaintScrollBars(TCanvas& canvas);
  void Arrange() override;
  void InvalidateArea(const TRect& r) override;
  void Resize() override;

 private:
  TScrollBarState BarState(bool vertical) const;
  // Where a bar goes in the host's state now; empty while it is not shown.
  TRect BarBounds(bool vertical) const;

  int frameWidth_;
  int scrollX_ = 0;
  int barSize_ = kScrollBarSize;
  TScrollBar* vBar_;
  TScrollBar* hBar_;
};
