#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ui/form_dorvex_layout.h"
#include "ui/tests/ui_fixture.h"

namespace {

// The boot list as the main window lays it out, shown on a headless window.
class ListViewTest : public UiTest {
 protected:
  ListViewTest() {
    form.ShowWindow();
    list = form.RzLWMsg;
  }
  void AddRows(int n) {
    for (int i = 0; i < n; ++i) {
      TListItem& item = list->AddItem();
      item.SubItems = {"2009/3/" + std::to_string(i + 1) + " 9:00:00", "", "", "A", "正常关机"};
      item.StateIndex = i % 2;
    }
  }
  // A point of the list in window coordinates.
  TPoint At(int x, int y) const { return list->ClientToForm({x, y}); }
  void Click(int x, int y) {
    form.WindowMouseDown(mbLeft, ssLeft, At(x, y));
    form.WindowMouseUp(mbLeft, 0, At(x, y));
  }

  TFormDorvexLayout form;
  TRzListView* list = nullptr;
};

TEST_F(ListViewTest, SixColumnsTheLastFillingTheRest) {
  ASSERT_EQ(list->Columns().size(), 6u);
  std::vector<std::string> captions;
  for (auto& c : list->Columns()) {
    captions.push_back(c.Caption);
  }
  EXPECT_EQ(captions,
            (std::vector<std::string>{"", "开机时间", "关机时间", "运行时长", "登录用户", "信息"}));
  std::vector<int> widths;
  for (int i = 0; i < 5; ++i) {
    widths.push_back(list->ColumnWidth(i));
  }
  EXPECT_EQ(widths, (std::vector<int>{18, 150, 150, 100, 127}));
  // Inside the one-pixel frame: 669 - 2 - 545.
  EXPECT_EQ(list->ColumnWidth(5), 122);
  EXPECT_FALSE(list->HScrollVisible());
  // Rows that need a vertical bar take its width from the last column.
  AddRows(100);
  EXPECT_TRUE(list->VScrollVisible());
  EXPECT_EQ(list->ColumnWidth(5), 122 - TRzListView::kScrollBarSize);
}

TEST_F(ListViewTest, RowsLieUnderTheHeaderWithTheirStateMarkers) {
  AddRows(3);
  form.UpdateWindow();
  const gfx::TBitmap& img = form.Image();
  int rh = list->RowHeight();
  EXPECT_GE(rh, 17);  // the 16-pixel markers fit
  TRect r0 = list->ItemRect(0);
  EXPECT_EQ(r0.Top, 1 + list->HeaderHeight());
  EXPECT_EQ(list->ItemRect(2).Top, r0.Top + 2 * rh);
  EXPECT_EQ(list->ItemAtPos({50, r0.Top}), 0);
  EXPECT_EQ(list->ItemAtPos({50, r0.Top + rh}), 1);
  EXPECT_EQ(list->ItemAtPos({50, r0.Top + 3 * rh}), -1);

  // Marker centres: green for row 0, orange for row 1 (state image 0 and 1).
  auto marker = [&](int row) {
    TRect r = list->ItemRect(row);
    TPoint c = At(1 + 8, r.Top + rh / 2);
    return PixelAt(img, c.X, c.Y);
  };
  gfx::TColor green = marker(0), orange = marker(1);
  EXPECT_GT(gfx::GreenOf(green), gfx::RedOf(green));
  EXPECT_GT(gfx::RedOf(orange), gfx::BlueOf(orange) + 100);
  EXPECT_EQ(marker(2), green);
  // Grid lines: below each row and at each column's right edge.
  TPoint below = At(100, r0.Top + rh - 1);
  EXPECT_EQ(PixelAt(img, below.X, below.Y), gfx::ColorToRGB(gfx::cl3DLight));
  TPoint edge = At(1 + 18 - 1, r0.Top + 3);
  EXPECT_EQ(PixelAt(img, edge.X, edge.Y), gfx::ColorToRGB(gfx::cl3DLight));
  // The flat frame in the window-frame colour.
  TPoint corner = At(0, 50);
  EXPECT_EQ(PixelAt(img, corner.X, corner.Y), gfx::ColorToRGB(gfx::clWindowFrame));
}

TEST_F(ListViewTest, WholeRowSelectionStaysVisibleWithoutTheFocus) {
  AddRows(3);
  TRect r1 = list->ItemRect(1);
  Click(400, r1.Top + 2);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(list->Focused());
  form.UpdateWindow();
  TPoint far = At(600, r1.Top + 2);  // the last column: the whole row is marked
  EXPECT_EQ(PixelAt(form.Image(), far.X, far.Y), gfx::ColorToRGB(gfx::clHighlight));
  form.SetActiveControl(form.RzPageControl1);
  form.UpdateWindow();
  EXPECT_EQ(PixelAt(form.Image(), far.X, far.Y), gfx::ColorToRGB(gfx::clBtnFace));
  list->SetHideSelection(true);
  form.UpdateWindow();
  EXPECT_EQ(PixelAt(form.Image(), far.X, far.Y), gfx::ColorToRGB(gfx::clWhite));
}

TEST_F(ListViewTest, HeaderClicksNeverReorder) {
  AddRows(5);
  std::vector<int> clicked;
  list->OnColumnClick = [&](int c) { clicked.push_back(c); };
  Click(list->ColumnLeft(1) + 10, 3);
  Click(list->ColumnLeft(3) + 10, 3);
  EXPECT_EQ(clicked, (std::vector<int>{1, 3}));
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(list->Item(i).SubItems[0], "2009/3/" + std::to_string(i + 1) + " 9:00:00");
  }
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListViewTest, ScrollingPaintsOnlyTheVisibleRows) {
  AddRows(10000);
  form.UpdateWindow();
  int visible = list->VisibleRowCount();
  EXPECT_EQ(visible, list->RowsRect().Height() / list->RowHeight());
  EXPECT_LE(list->PaintedRows(), visible + 1);
  EXPECT_GE(list->PaintedRows(), visible);

  // Three rows per wheel notch, clamped at both ends.
  form.WindowMouseWheel(0, -kWheelDelta, At(200, 100));
  EXPECT_EQ(list->TopIndex(), 3);
  form.WindowMouseWheel(0, 2 * kWheelDelta, At(200, 100));
  EXPECT_EQ(list->TopIndex(), 0);
  list->SetTopIndex(1000000);
  EXPECT_EQ(list->TopIndex(), 10000 - visible);
  form.UpdateWindow();
  EXPECT_LE(list->PaintedRows(), visible + 1);

  // Keyboard: End selects the last row and keeps it in view.
  list->SetTopIndex(0);
  list->SetFocus();
  form.WindowKeyDown(Key_End, 0);
  EXPECT_EQ(list->ItemIndex(), 9999);
  EXPECT_EQ(list->TopIndex(), 10000 - visible);
  form.WindowKeyDown(Key_Home, 0);
  EXPECT_EQ(list->TopIndex(), 0);
  form.WindowKeyDown(Key_PageDown, 0);
  EXPECT_EQ(list->ItemIndex(), visible - 1);

  // The scroll bar's lower arrow steps one row, the track below the thumb one page.
  TRect bar = list->VScrollRect();
  Click(bar.Left + 5, bar.Bottom - 5);
  EXPECT_EQ(list->TopIndex(), 1);
  Click(bar.Left + 5, bar.Bottom - TRzListView::kScrollBarSize - 5);
  EXPECT_EQ(list->TopIndex(), 1 + visible);
}

TEST_F(ListViewTest, TheScrollBarsAreClassicOnesWithArrowsAndRepeat) {
  AddRows(200);
  form.UpdateWindow();
  const TScrollBarState bar = list->VScrollBar();
  EXPECT_EQ(bar.Bounds, list->VScrollRect());
  EXPECT_EQ(bar.Max, list->MaxTopIndex());
  EXPECT_EQ(bar.Page, list->VisibleRowCount());
  // Arrows in the button text colour inside both arrow buttons.
  auto arrowInk = [&](bool first) {
    int n = 0;
    const TRect a = list->VScrollBar().ArrowRect(first);
    for (int y = a.Top; y < a.Bottom; ++y) {
      for (int x = a.Left; x < a.Right; ++x) {
        TPoint p = At(x, y);
        n += PixelAt(form.Image(), p.X, p.Y) == gfx::ColorToRGB(gfx::clBtnText);
      }
    }
    return n;
  };
  EXPECT_EQ(arrowInk(true), 16);
  EXPECT_EQ(arrowInk(false), 16);
  // The thumb's length follows the page.
  const TRect track = bar.TrackRect();
  EXPECT_EQ(bar.ThumbRect().Height(),
            std::max(track.Height() * bar.Page / (bar.Max + bar.Page), 8));

  // A held lower arrow steps once, then again after a pause.
  const TRect down = bar.ArrowRect(false);
  form.WindowMouseMove(0, At(down.Left + 5, down.Top + 5));
  form.WindowMouseDown(mbLeft, ssLeft, At(down.Left + 5, down.Top + 5));
  EXPECT_EQ(list->TopIndex(), 1);
  Advance(TScrollBar::kRepeatDelayMs + 2 * TScrollBar::kRepeatMs);
  EXPECT_EQ(list->TopIndex(), 4);
  form.UpdateWindow();
  // Pushed in while held: a flat frame in the shadow colour.
  TPoint corner = At(down.Left, down.Top);
  EXPECT_EQ(PixelAt(form.Image(), corner.X, corner.Y), gfx::ColorToRGB(gfx::clBtnShadow));
  form.WindowMouseUp(mbLeft, 0, At(down.Left + 5, down.Top + 5));
  Advance(10 * TScrollBar::kRepeatMs);
  EXPECT_EQ(list->TopIndex(), 4);
  form.UpdateWindow();
  EXPECT_EQ(PixelAt(form.Image(), corner.X, corner.Y), gfx::ColorToRGB(gfx::cl3DLight));
  // Dragging the thumb to the bottom reaches the last rows.
  const TRect thumb = list->VScrollBar().ThumbRect();
  form.WindowMouseDown(mbLeft, ssLeft, At(thumb.Left + 5, thumb.Top + 2));
  form.WindowMouseMove(ssLeft, At(thumb.Left + 5, 5000));
  form.WindowMouseUp(mbLeft, 0, At(thumb.Left + 5, 5000));
  EXPECT_EQ(list->TopIndex(), list->MaxTopIndex());
}

TEST_F(ListViewTest, AnArrowOfTheSidewaysBarMovesTheColumnsEightPixels) {
  AddRows(3);
  form.SetClientSize(400, 475);
  ASSERT_TRUE(list->HScrollVisible());
  form.UpdateWindow();
  // One line across the header and one across the first row, as shown.
  const TRect view = list->ViewRect();
  const int ys[] = {list->HeaderHeight() / 2 + view.Top, list->ItemRect(0).Top + 3};
  auto line = [&](int y) {
    std::vector<gfx::TColor> pixels;
    for (int x = view.Left; x < view.Right; ++x) {
      const TPoint p = At(x, y);
      pixels.push_back(PixelAt(form.Image(), p.X, p.Y));
    }
    return pixels;
  };
  const std::vector<gfx::TColor> before[] = {line(ys[0]), line(ys[1])};
  const TRect right = list->HScrollBar().ArrowRect(false);
  Click(right.Left + 5, right.Top + 5);
  EXPECT_EQ(list->ScrollX(), 8);
  form.UpdateWindow();
  for (int i = 0; i < 2; ++i) {
    const std::vector<gfx::TColor> after = line(ys[i]);
    ASSERT_NE(after, before[i]);
    EXPECT_TRUE(std::equal(after.begin(), after.end() - 8, before[i].begin() + 8)) << i;
  }
}

TEST_F(ListViewTest, ScrollsSidewaysWhenTheColumnsDoNotFit) {
  AddRows(3);
  form.SetClientSize(400, 475);
  ASSERT_TRUE(list->HScrollVisible());
  EXPECT_EQ(list->ColumnWidth(5), 50);  // the filling column keeps a minimum
  int max = list->MaxScrollX();
  EXPECT_EQ(max, list->TotalColumnWidth() - list->ViewRect().Width());
  list->SetScrollX(100);
  EXPECT_EQ(list->ColumnLeft(1), 1 + 18 - 100);
  list->SetScrollX(max + 50);
  EXPECT_EQ(list->ScrollX(), max);
  list->SetFocus();
  form.WindowKeyDown(Key_Left, 0);
  EXPECT_EQ(list->ScrollX(), max - 8);
  // Widening the window again brings everything back into view.
  form.SetClientSize(673, 475);
  EXPECT_FALSE(list->HScrollVisible());
  form.UpdateWindow();
  EXPECT_EQ(list->ScrollX(), 0);
}

TEST_F(ListViewTest, BarsAndScrollPositionsFollowEachChangeWithoutAPaint) {
  auto halveColumns = [&] {
    std::vector<TListColumn> columns = list->Columns();
    for (TListColumn& c : columns) {
      c.Width /= 2;
    }
    list->SetColumns(columns);
  };
  auto smallerFont = [&] {
    gfx::TFont font = list->Font();
    font.Height -= 3;
    list->SetFont(font);
  };
  const struct {
    const char* Name;
    std::function<void()> Change;
    bool Vertical, Horizontal;
  } kSteps[] = {
      {"rows overflow", [&] { AddRows(100); }, true, false},
      {"scrolled to the end", [&] { list->SetTopIndex(list->MaxTopIndex()); }, true, false},
      {"columns overflow", [&] { form.SetClientSize(400, 475); }, true, true},
      {"scrolled sideways", [&] { list->SetScrollX(list->MaxScrollX()); }, true, true},
      {"columns fit again", halveColumns, true, false},
      {"smaller font", smallerFont, true, false},
      {"cleared", [&] { list->Clear(); }, false, false},
  };
  form.UpdateWindow();
  form.ResetPaintCount();
  for (const auto& step : kSteps) {
    step.Change();
    // The pointer over where the vertical bar shows finds it there.
    const TRect v = list->VScrollRect();
    const TPoint p = step.Vertical ? TPoint{v.Left + v.Width() / 2, v.Top + v.Height() / 2}
                                   : TPoint{list->Width() / 2, list->Height() / 2};
    form.WindowMouseMove(0, list->ClientToForm(p));
    EXPECT_EQ(form.MouseControl(),
              step.Vertical ? static_cast<TControl*>(&list->VertScrollBar()) : list)
        << step.Name;
    EXPECT_EQ(list->VScrollVisible(), step.Vertical) << step.Name;
    EXPECT_EQ(list->HScrollVisible(), step.Horizontal) << step.Name;
    EXPECT_EQ(list->VertScrollBar().BoundsRect(), list->VScrollRect()) << step.Name;
    EXPECT_EQ(list->HorzScrollBar().BoundsRect(), list->HScrollRect()) << step.Name;
    EXPECT_LE(list->TopIndex(), list->MaxTopIndex()) << step.Name;
    EXPECT_LE(list->ScrollX(), list->MaxScrollX()) << step.Name;
  }
  EXPECT_EQ(form.PaintCount(), 0);
}

TEST_F(ListViewTest, ClearEmptiesTheList) {
  AddRows(20);
  list->SetItemIndex(5);
  list->SetTopIndex(3);
  list->Clear();
  EXPECT_EQ(list->ItemCount(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->TopIndex(), 0);
  form.UpdateWindow();
  EXPECT_EQ(list->PaintedRows(), 0);
}

}  // namespace
