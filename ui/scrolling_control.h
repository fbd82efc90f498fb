#pragma once

#include "ui/scroll_bar.h"
#include "ui/styled.h"

// A framed control that shows part of something larger and scrolls it: a
// vertical bar along its right edge and a horizontal one along the bottom,
// each a child control that paints itself and takes its own presses. The host
// says whether each bar shows, what it shows and what a new position means;
// the base places the bars, fills the square between them and scales them.
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

  // The bars take their places from the host's state before they are hit.
  TControl* ControlAtPos(TPoint p) override;
  void ChangeScale(int m, int d) override;
  void DoExit() override;

 protected:
  // frameWidth: the host's own frame, which the bars sit inside.
  explicit TScrollingControl(int frameWidth);
  virtual bool ScrollBarShown(bool vertical) const = 0;
  // Pos, Max, Page and the steps of a bar; its place is the base's.
  virtual TScrollBarState ScrollRange(bool vertical) const = 0;
  virtual void ScrollTo(bool vertical, int pos) = 0;
  // Puts the bars where the host's state now places them, and fills the
  // square between two shown bars. Hosts call it from Paint: whatever moves
  // a bar repaints the host whole.
  void PaintScrollBars(TCanvas& canvas);

 private:
  TScrollBarState BarState(bool vertical) const;
  void PlaceScrollBars();

  int frameWidth_;
  int barSize_ = kScrollBarSize;
  TScrollBar* vBar_;
  TScrollBar* hBar_;
};
