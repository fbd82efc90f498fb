#include "ui/memo.h"

#include <algorithm>
#include <vector>

#include "ui/tests/widget_fixture.h"

namespace {

#ifdef _WIN32
const std::string kBreak = "\r\n";
#else
const std::string kBreak = "\n";
#endif

class MemoTest : public WidgetTest {
 protected:
  MemoTest() {
    form.SetBounds(0, 0, 400, 200);
    memo = form.Add<TMemo>();
    memo->SetBounds(10, 10, 200, 100);
    gfx::TFont font = memo->Font();
    font.Height = 12;
    memo->SetFont(font);
    memo->SetScrollBars(ssBoth);
    memo->SetLines({"first line", "second line", "third"});
    form.ShowWindow();
    memo->SetFocus();
  }
  // A point of the memo in the form's coordinates.
  TPoint At(TPoint p) { return memo->ClientToForm(p); }
  TPoint AtPos(TMemoPos pos) {
    TPoint p = memo->PointOfPos(pos);
    return At({p.X, p.Y + memo->RowHeight() / 2});
  }
  void Drag(TPoint from, TPoint to) {
    form.WindowMouseMove(0, from);
    form.WindowMouseDown(mbLeft, 0, from);
    form.WindowMouseMove(ssLeft, to);
    form.WindowMouseUp(mbLeft, ssLeft, to);
  }
  std::vector<std::string> ManyLines(int n) {
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i) {
      lines.push_back("line " + std::to_string(i));
    }
    return lines;
  }

  TForm form;
  TMemo* memo = nullptr;
};

TEST_F(MemoTest, BothScrollBarsStayShownAndDisabledWhileTheTextFits) {
  const TRect t = memo->ViewRect();
  EXPECT_EQ(t, (TRect{2, 2, 200 - 2 - 17, 100 - 2 - 17}));
  EXPECT_EQ(memo->VScrollBar().Bounds, (TRect{t.Right, 2, t.Right + 17, t.Bottom}));
  EXPECT_EQ(memo->HScrollBar().Bounds, (TRect{2, t.Bottom, t.Right, t.Bottom + 17}));
  EXPECT_FALSE(memo->VScrollBar().Enabled());
  EXPECT_FALSE(memo->HScrollBar().Enabled());
  EXPECT_TRUE(memo->VScrollBar().ThumbRect().IsEmpty());
  EXPECT_EQ(memo->VisibleRows(), t.Height() / memo->RowHeight());
}

TEST_F(MemoTest, AnArrowOfTheSidewaysBarMovesTheTextEightPixels) {
  memo->SetWordWrap(false);
  memo->SetLines({"first line, long enough to run past the right edge of the box"});
  form.UpdateWindow();
  const TRect view = memo->ViewRect();
  const int y = view.Top + memo->RowHeight() / 2;
  auto line = [&] {
    std::vector<gfx::TColor> pixels;
    for (int x = view.Left; x < view.Right; ++x) {
      pixels.push_back(PixelOf(*memo, x, y));
    }
    return pixels;
  };
  const std::vector<gfx::TColor> before = line();
  const TRect right = memo->HScrollBar().ArrowRect(false);
  const TPoint press = At({right.Left + 5, right.Top + 5});
  form.WindowMouseMove(0, press);
  form.WindowMouseDown(mbLeft, ssLeft, press);
  form.WindowMouseUp(mbLeft, 0, press);
  EXPECT_EQ(memo->ScrollX(), 8);
  form.UpdateWindow();
  const std::vector<gfx::TColor> after = line();
  ASSERT_NE(after, before);
  EXPECT_TRUE(std::equal(after.begin(), after.end() - 8, before.begin() + 8));
}

TEST_F(MemoTest, WrappedRowsFitTheTextArea) {
  memo->SetLines({"(1)显示电脑启动时间、关机时间、登录用户等信息；"});
  const int room = memo->ViewRect().Width() - 2 * TMemo::kMargin;
  ASSERT_GT(TextWidth(memo->Font(), memo->Lines()[0]), room);
  ASSERT_GE(memo->Layout().RowCount(), 2);
  for (const TMemoRow& r : memo->Layout().Rows()) {
    EXPECT_LE(r.Width(), room);
  }
  EXPECT_EQ(memo->MaxScrollX(), 0);
  // Without wrapping the line runs on and the horizontal bar can scroll it.
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Layout().RowCount(), 1);
  EXPECT_EQ(memo->MaxScrollX(), TextWidth(memo->Font(), memo->Lines()[0]) + 2 * TMemo::kMargin -
                                    memo->ViewRect().Width());
  EXPECT_TRUE(memo->HScrollBar().Enabled());
  memo->SetScrollX(100000);
  EXPECT_EQ(memo->ScrollX(), memo->MaxScrollX());
}

TEST_F(MemoTest, ScrollsByWheelArrowsTrackAndThumb) {
  memo->SetLines(ManyLines(30));
  const int max = 30 - memo->VisibleRows();
  EXPECT_EQ(memo->MaxTopRow(), max);
  ASSERT_TRUE(memo->VScrollBar().Enabled());
  form.WindowMouseWheel(0, -kWheelDelta, At({50, 50}));
  EXPECT_EQ(memo->TopRow(), TMemo::kWheelRows);
  form.WindowMouseWheel(0, kWheelDelta, At({50, 50}));
  EXPECT_EQ(memo->TopRow(), 0);

  const TScrollBarState bar = memo->VScrollBar();
  const TRect down = bar.ArrowRect(false);
  form.WindowMouseDown(mbLeft, 0, At({down.Left + 5, down.Top + 5}));
  form.WindowMouseUp(mbLeft, ssLeft, At({down.Left + 5, down.Top + 5}));
  EXPECT_EQ(memo->TopRow(), 1);
  // A click on the track below the thumb moves a page less one row.
  const TRect thumb = memo->VScrollBar().ThumbRect();
  form.WindowMouseDown(mbLeft, 0, At({thumb.Left + 5, thumb.Bottom + 3}));
  form.WindowMouseUp(mbLeft, ssLeft, At({thumb.Left + 5, thumb.Bottom + 3}));
  EXPECT_EQ(memo->TopRow(), 1 + memo->VisibleRows() - 1);
  // Dragging the thumb to the end of the track reaches the last page, and back.
  const TRect t2 = memo->VScrollBar().ThumbRect();
  form.WindowMouseDown(mbLeft, 0, At({t2.Left + 5, t2.Top + 2}));
  form.WindowMouseMove(ssLeft, At({t2.Left + 5, 500}));
  EXPECT_EQ(memo->TopRow(), max);
  form.WindowMouseMove(ssLeft, At({t2.Left + 5, -500}));
  EXPECT_EQ(memo->TopRow(), 0);
  form.WindowMouseUp(mbLeft, ssLeft, At({t2.Left + 5, -500}));
  // Out-of-range requests are clamped.
  memo->SetTopRow(-5);
  EXPECT_EQ(memo->TopRow(), 0);
  memo->SetTopRow(1000);
  EXPECT_EQ(memo->TopRow(), max);
}

TEST_F(MemoTest, HeldArrowRepeatsAfterAPauseUntilReleased) {
  memo->SetLines(ManyLines(40));
  const TRect down = memo->VScrollBar().ArrowRect(false);
  const TPoint p = At({down.Left + 5, down.Top + 5});
  form.WindowMouseMove(0, p);
  form.WindowMouseDown(mbLeft, 0, p);
  EXPECT_EQ(memo->TopRow(), 1);
  platform.Advance(*app, TScrollBar::kRepeatDelayMs - 1);
  EXPECT_EQ(memo->TopRow(), 1);
  platform.Advance(*app, 1);
  EXPECT_EQ(memo->TopRow(), 2);
  platform.Advance(*app, 2 * TScrollBar::kRepeatMs);
  EXPECT_EQ(memo->TopRow(), 4);
  // Off the arrow it pauses; back on it goes on.
  form.WindowMouseMove(ssLeft, At({20, 20}));
  platform.Advance(*app, 2 * TScrollBar::kRepeatMs);
  EXPECT_EQ(memo->TopRow(), 4);
  form.WindowMouseMove(ssLeft, p);
  platform.Advance(*app, TScrollBar::kRepeatMs);
  EXPECT_EQ(memo->TopRow(), 5);
  form.WindowMouseUp(mbLeft, ssLeft, p);
  platform.Advance(*app, 10 * TScrollBar::kRepeatMs);
  EXPECT_EQ(memo->TopRow(), 5);
}

TEST_F(MemoTest, HeldTrackPagesUntilTheThumbReachesThePointer) {
  memo->SetLines(ManyLines(200));
  const TScrollBarState bar = memo->VScrollBar();
  const TRect track = bar.TrackRect();
  const TPoint local{track.Left + 5, (track.Top + track.Bottom) / 2};
  const TPoint p = At(local);
  form.WindowMouseMove(0, p);
  form.WindowMouseDown(mbLeft, 0, p);
  platform.Advance(*app, TScrollBar::kRepeatDelayMs + 200 * TScrollBar::kRepeatMs);
  form.WindowMouseUp(mbLeft, ssLeft, p);
  // The thumb stopped under the pointer, about half way down.
  EXPECT_TRUE(memo->VScrollBar().ThumbRect().Contains(local));
  EXPECT_GT(memo->TopRow(), memo->MaxTopRow() / 4);
  EXPECT_LT(memo->TopRow(), memo->MaxTopRow() * 3 / 4);
}

TEST_F(MemoTest, MouseDragSelectsAndCtrlCCopies) {
  Drag(AtPos({0, 6}), AtPos({1, 6}));
  EXPECT_EQ(memo->Anchor(), (TMemoPos{0, 6}));
  EXPECT_EQ(memo->Caret(), (TMemoPos{1, 6}));
  EXPECT_EQ(memo->SelText(), "line" + kBreak + "second");
  form.WindowKeyDown('C', ssCtrl);
  EXPECT_EQ(platform.Clipboard, "line" + kBreak + "second");
  // Shift+click extends from the same anchor.
  form.WindowMouseDown(mbLeft, ssShift, AtPos({2, 3}));
  form.WindowMouseUp(mbLeft, ssLeft | ssShift, AtPos({2, 3}));
  EXPECT_EQ(memo->SelText(), "line" + kBreak + "second line" + kBreak + "thi");
  // A plain click collapses the selection; copying nothing leaves the clipboard.
  Drag(AtPos({0, 2}), AtPos({0, 2}));
  EXPECT_FALSE(memo->HasSelection());
  platform.Clipboard = "kept";
  form.WindowKeyDown('C', ssCtrl);
  EXPECT_EQ(platform.Clipboard, "kept");
}

TEST_F(MemoTest, KeyboardSelectsAndCtrlInsertCopies) {
  form.WindowKeyDown(Key_End, ssShift);
  EXPECT_EQ(memo->SelText(), "first line");
  form.WindowKeyDown(Key_Down, ssShift);
  EXPECT_EQ(memo->Caret().Line, 1);
  form.WindowKeyDown(Key_Right, 0);  // collapses to the far end
  EXPECT_FALSE(memo->HasSelection());
  EXPECT_EQ(memo->Caret().Line, 1);
  form.WindowKeyDown(Key_Home, 0);
  form.WindowKeyDown(Key_Right, ssShift);
  form.WindowKeyDown(Key_Right, ssShift);
  EXPECT_EQ(memo->SelText(), "se");
  form.WindowKeyDown(0x2D, ssCtrl);
  EXPECT_EQ(platform.Clipboard, "se");
  form.WindowKeyDown('A', ssCtrl);
  EXPECT_EQ(memo->SelText(), memo->Text());
  form.WindowKeyDown(Key_End, ssCtrl);
  EXPECT_EQ(memo->Caret(), (TMemoPos{2, 5}));
  form.WindowKeyDown(Key_Home, ssCtrl | ssShift);
  EXPECT_EQ(memo->SelText(), memo->Text());
  // Left steps back over a whole Chinese character.
  memo->SetLines({"电脑"});
  form.WindowKeyDown(Key_End, 0);
  form.WindowKeyDown(Key_Left, ssShift);
  EXPECT_EQ(memo->SelText(), "脑");
}

TEST_F(MemoTest, CaretKeysScrollTheCaretIntoView) {
  memo->SetLines(ManyLines(30));
  form.WindowKeyDown(Key_End, ssCtrl);
  EXPECT_EQ(memo->TopRow(), memo->MaxTopRow());
  form.WindowKeyDown(Key_PageUp, 0);
  form.WindowKeyDown(Key_Home, ssCtrl);
  EXPECT_EQ(memo->TopRow(), 0);
}

TEST_F(MemoTest, TextCannotBeChanged) {
  const std::string before = memo->Text();
  form.WindowKeyDown('A', ssCtrl);
  for (TKey k : {Key_Delete, Key_Backspace}) {
    form.WindowKeyDown(k, 0);
  }
  form.WindowChar(U'x');
  form.WindowKeyDown('X', ssCtrl);
  form.WindowKeyDown('V', ssCtrl);
  EXPECT_EQ(memo->Text(), before);
  // Tab is not the memo's: the focus moves on.
  memo->SetLines({"a"});
  TMemo* other = form.Add<TMemo>();
  other->SetBounds(250, 10, 50, 50);
  memo->SetFocus();
  form.WindowKeyDown(Key_Tab, 0);
  EXPECT_TRUE(other->Focused());
}

TEST_F(MemoTest, SelectionIsHighlightedOnlyWhileFocused) {
  memo->SetSelection({0, 0}, {0, 5});
  form.RepaintAll();
  const TPoint p = memo->PointOfPos({0, 0});
  const int w = TextWidth(memo->Font(), "first");
  // The highlight fills the selected cells; the row height is the font's.
  int highlighted = 0;
  for (int x = p.X; x < p.X + w; ++x) {
    highlighted += PixelOf(*memo, x, p.Y) == gfx::ColorToRGB(gfx::clHighlight);
  }
  EXPECT_EQ(highlighted, w);
  EXPECT_NE(PixelOf(*memo, p.X + w + 1, p.Y), gfx::ColorToRGB(gfx::clHighlight));
  form.SetActiveControl(nullptr);
  form.RepaintAll();
  EXPECT_NE(PixelOf(*memo, p.X, p.Y), gfx::ColorToRGB(gfx::clHighlight));
}

TEST_F(MemoTest, PointerIsAnIBeamOverTheTextOnly) {
  form.WindowMouseMove(0, At({20, 20}));
  EXPECT_EQ(form.CurrentCursor(), crIBeam);
  const TRect v = memo->VScrollBar().Bounds;
  form.WindowMouseMove(0, At({v.Left + 3, v.Top + 30}));
  EXPECT_EQ(form.CurrentCursor(), crArrow);
}

}  // namespace
