#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gfx/image_list.h"
#include "ui/scrolling_control.h"

struct TListColumn {
  std::string Caption;
  int Width = 50;
  // Takes the width left over by the other columns.
  bool AutoSize = false;
  friend bool operator==(const TListColumn&, const TListColumn&) = default;
};

struct TListItem {
  std::string Caption;
  std::vector<std::string> SubItems;  // texts of columns 1, 2, ...
  int ImageIndex = 0;
  int StateIndex = -1;  // picture of the state image list; -1 none
};

// A report-style list: a header of columns above rows of texts, with grid lines,
// whole-row selection, state pictures and scrolling. Only visible rows are painted.
class TRzListView : public TScrollingControl {
 public:
  TRzListView();

  const std::vector<TListColumn>& Columns() const { return columns_; }
  void SetColumns(std::vector<TListColumn> columns);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool on) { Change(gridLines_, on); }
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool on) { Change(rowSelect_, on); }
  // Off: the selection stays visible (in the button face colour) without the focus.
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool on) { Change(hideSelection_, on); }
  const gfx::TImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(const gfx::TImageList* images) { Change(smallImages_, images); }
  const gfx::TImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(const gfx::TImageList* images) { Change(largeImages_, images); }
  const gfx::TImageList* StateImages() const { return stateImages_; }
  void SetStateImages(const gfx::TImageList* images) { Change(stateImages_, images); }
  gfx::TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(gfx::TColor c) { Change(frameColor_, c); }
  // Told when a header is clicked; the list itself never reorders its rows.
  std::function<void(int column)> OnColumnClick;
  TNotifyEvent OnChange;

  // ---- rows
  TListItem& AddItem();
  void Clear();
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const TListItem& Item(int i) const { return items_[i]; }
  TListItem& Item(int i) { return items_[i]; }
  void ItemChanged(int i);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int i);
  // The row with the keyboard focus: the selected one, else the one last
  // selected, else the first; -1 without rows. A focused list without a
  // selected row draws the dotted focus rectangle on it.
  int FocusedIndex() const;
  // Ctrl+A: every row shown selected, for copying only; the list keeps one
  // selected row otherwise, and the next click, key or refill ends it.
  bool AllSelected() const { return allSelected_; }
  void SelectAll();

  // ---- copying: the header captions, then rows, as tab-separated lines of
  // the columns that have a caption (the state picture's column has none)
  std::vector<int> TextColumns() const;
  const std::string& CellText(int row, int column) const;
  std::string RowsText(int first, int last) const;  // rows first .. last - 1
  // Ctrl+C: the selected row, or all after Ctrl+A; nothing without a selection.
  void CopyToClipboard();
  void CopyAllToClipboard();

  // A line shown in the rows area while there are no rows; empty: none.
  const std::string& EmptyText() const { return emptyText_; }
  void SetEmptyText(std::string text);

  // ---- geometry (own coordinates)
  int HeaderHeight() const;
  int RowHeight() const;
  // Below the header in ViewRect.
  TRect RowsRect() const;
  int ColumnWidth(int column) const;
  int TotalColumnWidth() const;
  int ColumnLeft(int column) const;  // relative to the view, scrolling included
  TRect ItemRect(int i) const;
  int ItemAtPos(TPoint p) const;
  int ColumnAtPos(TPoint p) const;  // header hit, or -1

  // ---- scrolling
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int i);
  int MaxTopIndex() const;
  int VisibleRowCount() const;  // rows that fit wholly
  void MakeVisible(int i);

  // Rows painted by the last Paint (only the visible ones are).
  int PaintedRows() const { return paintedRows_; }

  void Paint(TCanvas& canvas) override;
  bool Opaque() const override { return true; }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  bool MouseWheel(TShiftState shift, int wheelDelta, TPoint pos) override;
  bool KeyDown(TKey key, TShiftState shift) override;
  void ChangeScale(int m, int d) override;
  // Under the focused row, or at the top of the rows.
  TPoint PopupPoint() const override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  // A vertical bar while the rows overflow, a horizontal one while the columns do.
  bool ScrollBarShown(bool vertical) const override;
  int ContentWidth() const override { return TotalColumnWidth(); }
  TScrollBarState RowRange() const override;
  void ScrollToRow(int row) override { SetTopIndex(row); }
  void ClampScroll() override;

 private:
  // The reader's node of a row; null while no window shows the list.
  TAccessible* RowAccessible(int row);
  void PaintHeader(TCanvas& canvas, const TRect& view);
  void PaintRows(TCanvas& canvas, const TRect& rows);
  void PaintEmptyText(TCanvas& canvas, const TRect& rows);
  void SetAllSelected(bool on);
  int TextHeight() const;

  std::vector<TListColumn> columns_;
  bool gridLines_ = false;
  bool rowSelect_ = false;
  bool hideSelection_ = true;
  const gfx::TImageList* smallImages_ = nullptr;
  const gfx::TImageList* largeImages_ = nullptr;
  const gfx::TImageList* stateImages_ = nullptr;
  gfx::TColor frameColor_ = gfx::clWindowFrame;
  std::vector<TListItem> items_;
  std::string emptyText_;
  bool allSelected_ = false;
  int itemIndex_ = -1;
  int focusIndex_ = -1;  // the row last selected
  int topIndex_ = 0;
  int paintedRows_ = 0;
  mutable int textHeight_ = -1;
  mutable gfx::TFont measuredFont_;
  mutable const gfx::TTextEngine* measuredEngine_ = nullptr;
};
