#include "ui/scroll_bar.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "gfx/canvas.h"
#include "ui/scrolling_control.h"
#include "ui/tests/ui_fixture.h"

namespace {

// A 17 by 200 vertical bar: two 17-pixel arrows and a 166-pixel track.
TScrollBarState Bar(int pos, int max, int page) {
  TScrollBarState bar;
  bar.Bounds = {0, 0, 17, 200};
  bar.Pos = pos;
  bar.Max = max;
  bar.Page = page;
  bar.LineStep = 1;
  bar.PageStep = page;
  return bar;
}

TEST(ScrollBarGeometry, ThumbLengthFollowsThePage) {
  // A sixth of the range in view: a sixth of the 166-pixel track.
  EXPECT_EQ(Bar(0, 100, 20).ThumbRect(), (TRect{0, 17, 17, 44}));
  EXPECT_EQ(Bar(0, 100, 60).ThumbRect().Height(), 62);
  // Never shorter than 8, even for a huge range.
  EXPECT_EQ(Bar(0, 100000, 1).ThumbRect().Height(), 8);
  // From the top of the track at 0 to its bottom at Max.
  EXPECT_EQ(Bar(100, 100, 20).ThumbRect().Bottom, 183);
  EXPECT_EQ(Bar(50, 100, 20).ThumbRect().Top, 86);  // half way along its 139-pixel run
  // Ranges near the limit of an int do not overflow.
  const TScrollBarState huge = Bar(INT_MAX / 2, INT_MAX / 2, INT_MAX / 4);
  EXPECT_EQ(huge.ThumbRect().Bottom, 183);
  EXPECT_EQ(huge.PosForThumbOffset(1000), INT_MAX / 2);
}

TEST(ScrollBarGeometry, NothingToScrollOrNoRoomShowsNoThumb) {
  EXPECT_FALSE(Bar(0, 0, 20).Enabled());
  EXPECT_TRUE(Bar(0, 0, 20).ThumbRect().IsEmpty());
  TScrollBarState shortBar = Bar(0, 10, 2);
  shortBar.Bounds = {0, 0, 17, 20};
  EXPECT_EQ(shortBar.ArrowRect(true), (TRect{0, 0, 17, 10}));
  EXPECT_EQ(shortBar.ArrowRect(false), (TRect{0, 10, 17, 20}));
  EXPECT_TRUE(shortBar.ThumbRect().IsEmpty());
  EXPECT_EQ(shortBar.PartAt({5, 15}), spLineDown);
}

TEST(ScrollBarGeometry, PartsUnderThePointer) {
  const TScrollBarState bar = Bar(50, 100, 20);
  const TRect thumb = bar.ThumbRect();
  EXPECT_EQ(bar.PartAt({5, 3}), spLineUp);
  EXPECT_EQ(bar.PartAt({5, 196}), spLineDown);
  EXPECT_EQ(bar.PartAt({5, thumb.Top}), spThumb);
  EXPECT_EQ(bar.PartAt({5, thumb.Top - 1}), spPageUp);
  EXPECT_EQ(bar.PartAt({5, thumb.Bottom}), spPageDown);
  EXPECT_EQ(bar.PartAt({17, 100}), spNone);
  EXPECT_EQ(bar.PageRect(true), (TRect{0, 17, 17, thumb.Top}));
  EXPECT_EQ(bar.PageRect(false), (TRect{0, thumb.Bottom, 17, 183}));
  EXPECT_EQ(Bar(0, 0, 20).PartAt({5, 3}), spNone);
}

TEST(ScrollBarGeometry, StepsAndDragsStayInRange) {
  TScrollBarState bar = Bar(3, 100, 20);
  bar.LineStep = 2;
  EXPECT_EQ(bar.PosAfter(spLineDown), 5);
  EXPECT_EQ(bar.PosAfter(spLineUp), 1);
  EXPECT_EQ(bar.PosAfter(spPageUp), 0);
  EXPECT_EQ(bar.PosAfter(spPageDown), 23);
  EXPECT_EQ(bar.PosAfter(spThumb), 3);
  bar.Pos = 99;
  EXPECT_EQ(bar.PosAfter(spPageDown), 100);
  // The thumb's free run is 166 - 27 = 139 pixels; the nearest position wins.
  EXPECT_EQ(bar.PosForThumbOffset(0), 0);
  EXPECT_EQ(bar.PosForThumbOffset(139), 100);
  EXPECT_EQ(bar.PosForThumbOffset(500), 100);
  EXPECT_EQ(bar.PosForThumbOffset(-3), 0);
  EXPECT_EQ(bar.PosForThumbOffset(70), 50);
}

// Painting a bar on its own little image.
class ScrollBarPaint : public ::testing::Test {
 protected:
  gfx::TBitmap Paint(const TScrollBarState& bar, TScrollPart pressed = spNone) {
    gfx::TBitmap image(17, 200);
    gfx::TCanvas canvas(image);
    PaintScrollBar(canvas, bar, pressed);
    return image;
  }
  // Rows of an arrow button holding ink of `color`, and their widths.
  static std::vector<int> InkRows(const gfx::TBitmap& image, const TRect& r, gfx::TColor color) {
    std::vector<int> widths;
    for (int y = r.Top; y < r.Bottom; ++y) {
      int n = 0;
      for (int x = r.Left; x < r.Right; ++x) {
        n += gfx::ColorOfPixel(image.At(x, y)) == gfx::ColorToRGB(color);
      }
      if (n > 0) {
        widths.push_back(n);
      }
    }
    return widths;
  }
  static gfx::TColor At(const gfx::TBitmap& image, int x, int y) {
    return gfx::ColorOfPixel(image.At(x, y));
  }
};

TEST_F(ScrollBarPaint, ArrowButtonsShowTheirArrows) {
  const TScrollBarState bar = Bar(10, 100, 20);
  const gfx::TBitmap image = Paint(bar);
  // Solid triangles in the button text colour: widening downwards in the
  // upper button, narrowing in the lower one.
  EXPECT_EQ(InkRows(image, bar.ArrowRect(true), gfx::clBtnText), (std::vector<int>{1, 3, 5, 7}));
  EXPECT_EQ(InkRows(image, bar.ArrowRect(false), gfx::clBtnText), (std::vector<int>{7, 5, 3, 1}));
  // Raised buttons and thumb: light top-left, dark bottom-right.
  EXPECT_EQ(At(image, 0, 0), gfx::ColorToRGB(gfx::cl3DLight));
  EXPECT_EQ(At(image, 16, 16), gfx::ColorToRGB(gfx::cl3DDkShadow));
  const TRect thumb = bar.ThumbRect();
  EXPECT_EQ(At(image, 0, thumb.Top), gfx::ColorToRGB(gfx::cl3DLight));
  EXPECT_EQ(At(image, 8, thumb.Bottom - 1), gfx::ColorToRGB(gfx::cl3DDkShadow));
  // The dotted track around the thumb.
  EXPECT_EQ(At(image, 0, 17), gfx::ColorToRGB(gfx::clBtnFace));
  EXPECT_EQ(At(image, 1, 17), gfx::ColorToRGB(gfx::clBtnHighlight));
  EXPECT_EQ(At(image, 0, 18), gfx::ColorToRGB(gfx::clBtnHighlight));
}

TEST_F(ScrollBarPaint, DisabledArrowsAreEmbossed) {
  const TScrollBarState bar = Bar(0, 0, 20);
  const gfx::TBitmap image = Paint(bar);
  // Inside the button's edge: the arrow in the shadow colour over its copy in
  // the highlight colour one pixel right and down, which shows below it.
  const TRect inner = bar.ArrowRect(true).Deflate(2);
  EXPECT_TRUE(InkRows(image, bar.ArrowRect(true), gfx::clBtnText).empty());
  EXPECT_EQ(InkRows(image, inner, gfx::clBtnShadow), (std::vector<int>{1, 3, 5, 7}));
  EXPECT_EQ(InkRows(image, inner, gfx::clBtnHighlight), (std::vector<int>{7}));
}

TEST_F(ScrollBarPaint, PressedPartsLookPushedIn) {
  const TScrollBarState bar = Bar(50, 100, 20);
  const gfx::TBitmap up = Paint(bar);
  const gfx::TBitmap pressed = Paint(bar, spLineDown);
  const TRect a = bar.ArrowRect(false);
  // A flat frame in the shadow colour, and the arrow one pixel right and down.
  EXPECT_EQ(At(pressed, a.Left, a.Top), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(At(pressed, a.Right - 1, a.Bottom - 1), gfx::ColorToRGB(gfx::clBtnShadow));
  EXPECT_EQ(At(pressed, a.Left + 1, a.Top + 1), gfx::ColorToRGB(gfx::clBtnFace));
  for (int y = a.Top + 1; y < a.Bottom - 2; ++y) {
    for (int x = a.Left + 1; x < a.Right - 2; ++x) {
      const bool ink = At(up, x, y) == gfx::ColorToRGB(gfx::clBtnText);
      EXPECT_EQ(At(pressed, x + 1, y + 1) == gfx::ColorToRGB(gfx::clBtnText), ink) << x << "," << y;
    }
  }
  // A held piece of track is inverted; the other piece and the thumb are not.
  const gfx::TBitmap paging = Paint(bar, spPageUp);
  const TRect page = bar.PageRect(true);
  EXPECT_EQ(paging.At(3, page.Top + 2) & 0xFFFFFF, ~up.At(3, page.Top + 2) & 0xFFFFFF);
  EXPECT_EQ(paging.At(3, page.Bottom - 1) & 0xFFFFFF, ~up.At(3, page.Bottom - 1) & 0xFFFFFF);
  EXPECT_EQ(paging.At(3, bar.ThumbRect().Top + 3), up.At(3, bar.ThumbRect().Top + 3));
  EXPECT_EQ(paging.At(3, bar.PageRect(false).Top + 2), up.At(3, bar.PageRect(false).Top + 2));
}

// A third scrolling control, with no scroll-bar code of its own: 100
// positions, 20 in view, a vertical bar along its right edge paging by 10.
class TScrolled : public TScrollingControl {
 public:
  TScrolled() : TScrollingControl(0) { SetBounds(0, 0, 100, 200); }
  TScrollBarState State() const { return VScrollBar(); }
  TScrollBar& bar() const { return VertScrollBar(); }
  void Paint(TCanvas& canvas) override { PaintScrollBars(canvas); }

  int pos = 0;

 protected:
  bool ScrollBarShown(bool vertical) const override { return vertical; }
  int ContentWidth() const override { return 0; }
  TScrollBarState RowRange() const override {
    TScrollBarState s = Bar(pos, 100, 20);
    s.PageStep = 10;
    return s;
  }
  void ScrollToRow(int p) override {
    pos = p;
    Invalidate();
  }
};

class ScrollBarMouse : public UiTest {
 protected:
  ScrollBarMouse() {
    form.SetClientSize(100, 200);
    host = form.Add<TScrolled>();
    form.ShowWindow();
  }
  void Press(TPoint p) {
    form.WindowMouseMove(0, p);
    form.WindowMouseDown(mbLeft, ssLeft, p);
  }
  TForm form;
  TScrolled* host = nullptr;
};

TEST_F(ScrollBarMouse, AHeldArrowStepsAgainAfterAPauseWhileThePointerStaysOnIt) {
  const TPoint down{90, 195};
  Press(down);
  EXPECT_EQ(host->pos, 1);
  EXPECT_EQ(host->bar().PressedPart(), spLineDown);
  Advance(TScrollBar::kRepeatDelayMs - 1);
  EXPECT_EQ(host->pos, 1);
  Advance(1);
  EXPECT_EQ(host->pos, 2);
  Advance(3 * TScrollBar::kRepeatMs);
  EXPECT_EQ(host->pos, 5);
  // Off the arrow: shown up, and it waits.
  form.WindowMouseMove(ssLeft, {50, 100});
  EXPECT_EQ(host->bar().PressedPart(), spNone);
  Advance(3 * TScrollBar::kRepeatMs);
  EXPECT_EQ(host->pos, 5);
  form.WindowMouseMove(ssLeft, down);
  EXPECT_EQ(host->bar().PressedPart(), spLineDown);
  Advance(TScrollBar::kRepeatMs);
  EXPECT_EQ(host->pos, 6);
  form.WindowMouseUp(mbLeft, 0, down);
  EXPECT_EQ(host->bar().PressedPart(), spNone);
  Advance(10 * TScrollBar::kRepeatMs);
  EXPECT_EQ(host->pos, 6);
}

TEST_F(ScrollBarMouse, ThePressedLookReachesTheWindow) {
  const TScrollBarState bar = host->State();
  const TRect a = bar.ArrowRect(false);
  Press({a.Left + 5, a.Top + 5});
  form.UpdateWindow();
  EXPECT_EQ(PixelAt(form.Image(), a.Left, a.Top), gfx::ColorToRGB(gfx::clBtnShadow));
  form.WindowMouseUp(mbLeft, 0, {a.Left + 5, a.Top + 5});
  form.UpdateWindow();
  EXPECT_EQ(PixelAt(form.Image(), a.Left, a.Top), gfx::ColorToRGB(gfx::cl3DLight));
}

TEST_F(ScrollBarMouse, PagingStopsWhenTheThumbReachesThePointer) {
  Press({90, 150});
  EXPECT_EQ(host->pos, 10);
  EXPECT_EQ(host->bar().PressedPart(), spPageDown);
  Advance(TScrollBar::kRepeatDelayMs + 100 * TScrollBar::kRepeatMs);
  EXPECT_TRUE(host->State().ThumbRect().Contains(90, 150));
  EXPECT_LT(host->pos, 100);
  form.WindowMouseUp(mbLeft, 0, {90, 150});
}

TEST_F(ScrollBarMouse, TheThumbFollowsADragFromWhereItWasTaken) {
  const TRect thumb = host->State().ThumbRect();
  Press({90, thumb.Top + 10});
  EXPECT_TRUE(host->bar().Dragging());
  form.WindowMouseMove(ssLeft, {90, thumb.Top + 10 + 70});
  EXPECT_EQ(host->pos, host->State().PosForThumbOffset(70));
  EXPECT_NEAR(host->State().ThumbRect().Top, thumb.Top + 70, 1);
  // Far past either end, and sideways off the bar, it stays at the ends.
  form.WindowMouseMove(ssLeft, {10, 5000});
  EXPECT_EQ(host->pos, 100);
  form.WindowMouseMove(ssLeft, {10, -5000});
  EXPECT_EQ(host->pos, 0);
  form.WindowMouseUp(mbLeft, 0, {10, -5000});
  EXPECT_FALSE(host->bar().Dragging());
  form.WindowMouseMove(0, {90, 150});
  EXPECT_EQ(host->pos, 0);
}

TEST_F(ScrollBarMouse, RepeatingEndsWhenTheWindowTakesTheMouseAway) {
  Press({90, 195});
  EXPECT_EQ(host->pos, 1);
  form.CancelMode();  // the error box, or another window, took the mouse
  Advance(TScrollBar::kRepeatDelayMs + 10 * TScrollBar::kRepeatMs);
  EXPECT_EQ(host->pos, 1);
  EXPECT_EQ(host->bar().PressedPart(), spNone);
}

}  // namespace
