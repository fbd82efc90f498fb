#include "ui/list_view.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "gfx/text_layout.h"

namespace {
constexpr int kCellPadding = 6;  // text inset of a column
constexpr int kWheelRows = 3;    // rows per notch
constexpr int kMinAutoWidth = 50;
}  // namespace

TRzListView::TRzListView() : TScrollingControl(1) {
  SetColor(gfx::clWindow);
  TabStop = true;
  SetBounds(0, 0, 250, 150);
}

int TRzListView::TextHeight() const {
  gfx::TTextEngine& engine = TextEngine();
  if (textHeight_ < 0 || !(measuredFont_ == Font()) || measuredEngine_ != &engine) {
    textHeight_ = gfx::MeasureText(engine, Font(), "Pp").Height;
    measuredFont_ = Font();
    measuredEngine_ = &engine;
  }
  return textHeight_;
}

// ---- rows

void TRzListView::SetColumns(std::vector<TListColumn> columns) {
  if (columns == columns_) {
    return;
  }
  columns_ = std::move(columns);
  Invalidate();
  AccessiblePartsReplaced();
}

TListItem& TRzListView::AddItem() {
  items_.emplace_back();
  Invalidate();
  NotifyAccessible(TAccEvent::Reorder);
  return items_.back();
}

void TRzListView::Clear() {
  items_.clear();
  allSelected_ = false;
  itemIndex_ = -1;
  focusIndex_ = -1;
  topIndex_ = 0;
  Invalidate();
  AccessiblePartsReplaced();
}

void TRzListView::ItemChanged(int i) {
  Invalidate();
  if (HasAccessible()) {
    NotifyAccessible(TAccEvent::NameChange, RowAccessible(i));
  }
}

void TRzListView::SetItemIndex(int i) {
  SetAllSelected(false);
  if (i < -1 || i >= ItemCount()) {
    i = -1;
  }
  if (i == itemIndex_) {
    return;
  }
  itemIndex_ = i;
  if (i >= 0) {
    focusIndex_ = i;
  }
  Invalidate();
  if (i >= 0) {
    TAccessible* row = RowAccessible(i);
    NotifyAccessible(TAccEvent::Selection, row);
    if (Focused()) {
      NotifyAccessible(TAccEvent::Focus, row);
    }
  }
  if (OnChange) {
    OnChange();
  }
}

void TRzListView::SetEmptyText(std::string text) {
  if (text == emptyText_) {
    return;
  }
  emptyText_ = std::move(text);
  Invalidate();
}

int TRzListView::FocusedIndex() const {
  if (itemIndex_ >= 0) {
    return itemIndex_;
  }
  if (focusIndex_ >= 0 && focusIndex_ < ItemCount()) {
    return focusIndex_;
  }
  return ItemCount() > 0 ? 0 : -1;
}

// ---- geometry

int TRzListView::HeaderHeight() const {
  return TextHeight() + 6;
}

int TRzListView::RowHeight() const {
  int images = 0;
  if (smallImages_) {
    images = std::max(images, smallImages_->Height());
  }
  if (stateImages_) {
    images = std::max(images, stateImages_->Height());
  }
  return std::max(TextHeight(), images) + 1;
}

int TRzListView::ColumnWidth(int column) const {
  const TListColumn& c = columns_[column];
  if (!c.AutoSize) {
    return c.Width;
  }
  int others = 0;
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    if (i != column && !columns_[i].AutoSize) {
      others += columns_[i].Width;
    }
  }
  // The room inside the frame, less a vertical scroll bar if the rows need one.
  int room = Width() - 2;
  int rowsRoom = Height() - 2 - HeaderHeight();
  if (ItemCount() * RowHeight() > rowsRoom) {
    room -= ScrollBarSize();
  }
  return std::max(room - others, kMinAutoWidth);
}

int TRzListView::TotalColumnWidth() const {
  int w = 0;
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    w += ColumnWidth(i);
  }
  return w;
}

bool TRzListView::ScrollBarShown(bool vertical) const {
  if (vertical) {
    int inner = Height() - 2 - HeaderHeight();
    if (TotalColumnWidth() > Width() - 2) {
      inner -= ScrollBarSize();
    }
    return ItemCount() * RowHeight() > inner;
  }
  int room = Width() - 2 - (VScrollVisible() ? ScrollBarSize() : 0);
  return TotalColumnWidth() > room;
}

TRect TRzListView::RowsRect() const {
  TRect v = ViewRect();
  v.Top = std::min(v.Top + HeaderHeight(), v.Bottom);
  return v;
}

TScrollBarState TRzListView::RowRange() const {
  TScrollBarState bar;
  bar.Pos = topIndex_;
  bar.Max = MaxTopIndex();
  bar.Page = VisibleRowCount();
  bar.PageStep = std::max(bar.Page, 1);
  return bar;
}

int TRzListView::ColumnLeft(int column) const {
  int x = ViewRect().Left - ScrollX();
  for (int i = 0; i < column; ++i) {
    x += ColumnWidth(i);
  }
  return x;
}

TRect TRzListView::ItemRect(int i) const {
  TRect rows = RowsRect();
  int top = rows.Top + (i - topIndex_) * RowHeight();
  int left = ViewRect().Left - ScrollX();
  return {left, top, left + TotalColumnWidth(), top + RowHeight()};
}

int TRzListView::ItemAtPos(TPoint p) const {
  TRect rows = RowsRect();
  if (!rows.Contains(p)) {
    return -1;
  }
  int i = topIndex_ + (p.Y - rows.Top) / RowHeight();
  if (i >= ItemCount()) {
    return -1;
  }
  if (!rowSelect_ && p.X >= ColumnLeft(0) + (columns_.empty() ? 0 : ColumnWidth(0))) {
    return -1;
  }
  if (p.X >= ViewRect().Left - ScrollX() + TotalColumnWidth()) {
    return -1;
  }
  return i;
}

int TRzListView::ColumnAtPos(TPoint p) const {
  TRect v = ViewRect();
  if (!v.Contains(p) || p.Y >= v.Top + HeaderHeight()) {
    return -1;
  }
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    int l = ColumnLeft(i);
    if (p.X >= l && p.X < l + ColumnWidth(i)) {
      return i;
    }
  }
  return -1;
}

// ---- scrolling

int TRzListView::VisibleRowCount() const {
  return std::max(RowsRect().Height() / RowHeight(), 0);
}

int TRzListView::MaxTopIndex() const {
  return std::max(ItemCount() - VisibleRowCount(), 0);
}

void TRzListView::SetTopIndex(int i) {
  ScrollField(topIndex_, i, MaxTopIndex());
}

void TRzListView::MakeVisible(int i) {
  if (i < 0 || i >= ItemCount()) {
    return;
  }
  if (i < topIndex_) {
    SetTopIndex(i);
  } else if (i >= topIndex_ + VisibleRowCount()) {
    SetTopIndex(i - VisibleRowCount() + 1);
  }
}

void TRzListView::ClampScroll() {
  topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
  ClampScrollX();
}

void TRzListView::ChangeScale(int m, int d) {
  for (TListColumn& c : columns_) {
    c.Width = gfx::MulDiv(c.Width, m, d);
  }
  TScrollingControl::ChangeScale(m, d);
}

// ---- painting

void TRzListView::Paint(TCanvas& canvas) {
  TRect all = ClientRect();
  canvas.FrameRect(all, frameColor_);
  TRect inner = all.Deflate(1);
  canvas.FillRect(inner, Color());
  TRect view = ViewRect();
  canvas.PushClipRect(view);
  PaintRows(canvas, RowsRect());
  PaintEmptyText(canvas, RowsRect());
  PaintHeader(canvas, view);
  canvas.PopClip();
  PaintScrollBars(canvas);
}

void TRzListView::PaintEmptyText(TCanvas& canvas, const TRect& rows) {
  if (ItemCount() > 0 || emptyText_.empty()) {
    return;
  }
  canvas.Font = Font();
  canvas.TextRect(rows, rows.Left + kCellPadding, rows.Top + kCellPadding, emptyText_);
}

void TRzListView::PaintHeader(TCanvas& canvas, const TRect& view) {
  int hh = HeaderHeight();
  TRect header{view.Left, view.Top, view.Right, view.Top + hh};
  canvas.FillRect(header, gfx::clWindow);
  canvas.FillRect({header.Left, header.Bottom - 1, header.Right, header.Bottom}, gfx::cl3DLight);
  canvas.Font = Font();
  canvas.Font.Color = gfx::clBtnText;
  int textTop = header.Top + (hh - 1 - TextHeight()) / 2;
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    int l = ColumnLeft(i), w = ColumnWidth(i);
    if (l >= header.Right) {
      break;
    }
    if (l + w <= header.Left) {
      continue;
    }
    // Divider on the right edge of each column.
    canvas.FillRect({l + w - 1, header.Top, l + w, header.Bottom - 1}, gfx::cl3DLight);
    TRect cell{l + kCellPadding, textTop, l + w - kCellPadding, header.Bottom - 1};
    canvas.TextRect(cell, cell.Left, textTop, columns_[i].Caption);
  }
}

void TRzListView::PaintRows(TCanvas& canvas, const TRect& rows) {
  paintedRows_ = 0;
  int rh = RowHeight();
  int total = TotalColumnWidth();
  int left = ViewRect().Left - ScrollX();
  int right = std::min(left + total, rows.Right);
  bool focused = Focused();
  canvas.Font = Font();
  gfx::TColor textColor = Font().Color;
  int count = ItemCount();
  TRect clip = canvas.ClipBounds().Intersect(rows);
  // Only the rows that intersect the area being painted.
  int first = topIndex_ + std::max(clip.Top - rows.Top, 0) / rh;
  for (int i = first; i < count; ++i) {
    int top = rows.Top + (i - topIndex_) * rh;
    if (top >= rows.Bottom || top >= clip.Bottom) {
      break;
    }
    ++paintedRows_;
    const TListItem& item = items_[i];
    bool selected = (i == itemIndex_ || allSelected_) && (focused || !hideSelection_);
    gfx::TColor fg = textColor;
    if (selected) {
      gfx::TColor bg = focused ? gfx::clHighlight : gfx::clBtnFace;
      fg = focused ? gfx::clHighlightText : gfx::clBtnText;
      int selLeft = left;
      int selRight = rowSelect_ ? right : left + (columns_.empty() ? 0 : ColumnWidth(0));
      canvas.FillRect({selLeft, top, selRight, top + rh - (gridLines_ ? 1 : 0)}, bg);
    }
    int textTop = top + (rh - 1 - TextHeight()) / 2;
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
      int l = ColumnLeft(c), w = ColumnWidth(c);
      if (l >= rows.Right) {
        break;
      }
      if (l + w <= rows.Left) {
        continue;
      }
      TRect cell{l, top, l + w, top + rh};
      int textLeft = l + kCellPadding;
      if (c == 0) {
        textLeft = l + 2;
        if (stateImages_ && item.StateIndex >= 0) {
          canvas.PushClipRect(cell);
          int iy = top + (rh - stateImages_->Height()) / 2;
          stateImages_->Draw(canvas, l + 1, iy, item.StateIndex);
          canvas.PopClip();
          textLeft = l + 1 + stateImages_->Width() + 2;
        }
      }
      const std::string& text =
          c == 0 ? item.Caption
                 : (c - 1 < static_cast<int>(item.SubItems.size()) ? item.SubItems[c - 1]
                                                                   : std::string());
      if (text.empty()) {
        continue;
      }
      canvas.Font.Color = fg;
      TRect textClip{textLeft, top, l + w - (c == 0 ? 2 : kCellPadding), top + rh};
      canvas.TextRect(textClip, textLeft, textTop, text);
    }
  }
  if (gridLines_) {
    // Lines run over the whole view, below the last row too.
    for (int y = rows.Top + rh - 1; y < rows.Bottom; y += rh) {
      if (y < clip.Top || y >= clip.Bottom) {
        continue;
      }
      canvas.FillRect({rows.Left, y, right, y + 1}, gfx::cl3DLight);
    }
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
      int x = ColumnLeft(c) + ColumnWidth(c) - 1;
      if (x >= rows.Left && x < rows.Right) {
        canvas.FillRect({x, rows.Top, x + 1, rows.Bottom}, gfx::cl3DLight);
      }
    }
  }
  // Without a selected row the focused list still shows where the focus is:
  // over the grid lines, as the selection's rectangle would lie.
  const int focusRow = FocusedIndex();
  if (focused && itemIndex_ < 0 && focusRow >= 0) {
    int top = rows.Top + (focusRow - topIndex_) * rh;
    int rowRight = rowSelect_ ? right : left + (columns_.empty() ? 0 : ColumnWidth(0));
    TRect r{left, top, rowRight, top + rh - (gridLines_ ? 1 : 0)};
    if (!r.Intersect(clip).IsEmpty()) {
      canvas.DrawFocusRect(r);
    }
  }
}

// ---- input

void TRzListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TScrollingControl::MouseDown(button, shift, x, y);
  TPoint p{x, y};
  // A right click selects the row its menu is for, unless all are.
  if (button == mbRight && !allSelected_ && ItemAtPos(p) >= 0) {
    SetItemIndex(ItemAtPos(p));
  }
  if (button != mbLeft) {
    return;
  }
  int column = ColumnAtPos(p);
  if (column >= 0) {
    if (OnColumnClick) {
      OnColumnClick(column);
    }
    return;
  }
  int i = ItemAtPos(p);
  if (i >= 0) {
    SetItemIndex(i);
  }
}

bool TRzListView::MouseWheel(TShiftState, int wheelDelta, TPoint) {
  int before = topIndex_;
  SetTopIndex(topIndex_ - wheelDelta * kWheelRows / kWheelDelta);
  return before != topIndex_ || ItemCount() > 0;
}

TPoint TRzListView::PopupPoint() const {
  const TRect rows = RowsRect();
  const int row = FocusedIndex();
  if (row < topIndex_ || row >= topIndex_ + VisibleRowCount()) {
    return {rows.Left, rows.Top};
  }
  const TRect r = ItemRect(row);
  return {rows.Left + kCellPadding, std::min(r.Bottom, rows.Bottom)};
}

bool TRzListView::KeyDown(TKey key, TShiftState shift) {
  if ((shift & (ssAlt | ssCtrl | ssShift)) == ssCtrl) {
    if (key == 'C' || key == Key_Insert) {
      CopyToClipboard();
      return true;
    }
    if (key == 'A') {
      SelectAll();
      return true;
    }
  }
  if (shift & (ssAlt | ssCtrl)) {
    return false;
  }
  int n = ItemCount();
  int page = std::max(VisibleRowCount() - 1, 1);
  int target = itemIndex_;
  // Without a selection the first step selects the row with the focus rectangle.
  const bool none = itemIndex_ < 0;
  switch (key) {
    case Key_Up:
      target = none ? FocusedIndex() : std::max(itemIndex_ - 1, 0);
      break;
    case Key_Down:
      target = none ? FocusedIndex() : std::min(itemIndex_ + 1, n - 1);
      break;
    case Key_Space:
      target = FocusedIndex();
      break;
    case Key_PageUp:
      target = std::max(itemIndex_ - page, 0);
      break;
    case Key_PageDown:
      target = std::min(std::max(itemIndex_, 0) + page, n - 1);
      break;
    case Key_Home:
      target = 0;
      break;
    case Key_End:
      target = n - 1;
      break;
    case Key_Left:
      SetScrollX(ScrollX() - kLineScrollX);
      return true;
    case Key_Right:
      SetScrollX(ScrollX() + kLineScrollX);
      return true;
    default:
      return false;
  }
  if (n == 0) {
    return true;
  }
  SetItemIndex(target);
  MakeVisible(target);
  return true;
}
