// The list tells of its column headers and then its rows (its parts, in that
// order); a row is named by its cells in column order.
#include <memory>
#include <vector>

#include "ui/control_accessible.h"
#include "ui/list_view.h"

namespace {

class TColumnHeaderAccessible : public TPartAccessible {
 public:
  TColumnHeaderAccessible(TControlAccessible& owner, TRzListView& list, int column)
      : TPartAccessible(owner, column), list_(list) {}

  TAccRole Role() const override { return TAccRole::ColumnHeader; }
  std::string Name() const override { return AccessibleText(list_.Columns()[Index()].Caption); }
  uint32_t States() const override {
    return Owner().ShownStates(Rect().Intersect(list_.ViewRect()));
  }
  TRect ScreenBounds() const override { return Owner().ToScreen(Rect()); }
  // The list sorts nothing itself; a header does something only when told to.
  std::string DefaultAction() const override { return list_.OnColumnClick ? kAccPress : ""; }
  bool DoDefaultAction() override {
    if (!list_.OnColumnClick || !list_.Showing() || !list_.IsEnabled()) {
      return false;
    }
    list_.OnColumnClick(Index());
    return true;
  }

 private:
  TRect Rect() const {
    const int left = list_.ColumnLeft(Index()), top = list_.ViewRect().Top;
    return {left, top, left + list_.ColumnWidth(Index()), top + list_.HeaderHeight()};
  }
  TRzListView& list_;
};

class TListRowAccessible : public TPartAccessible {
 public:
  TListRowAccessible(TControlAccessible& owner, TRzListView& list, int row)
      : TPartAccessible(owner, static_cast<int>(list.Columns().size()) + row),
        list_(list),
        row_(row) {}

  TAccRole Role() const override { return TAccRole::ListItem; }
  std::string Name() const override {
    const TListItem& item = list_.Item(row_);
    std::string name = item.Caption;
    const size_t columns = list_.Columns().size();
    for (size_t c = 1; c < columns && c - 1 < item.SubItems.size(); ++c) {
      const std::string& cell = item.SubItems[c - 1];
      if (cell.empty()) {
        continue;
      }
      name += name.empty() ? "" : ", ";
      name += cell;
    }
    return name;
  }
  uint32_t States() const override {
    // Scrolled out of the rows area: off-screen.
    uint32_t states =
        Owner().ShownStates(list_.ItemRect(row_).Intersect(list_.RowsRect())) | asSelectable;
    if (list_.TabStop && list_.CanFocus()) {
      states |= asFocusable;
    }
    if (list_.ItemIndex() == row_ || list_.AllSelected()) {
      states |= asSelected;
    }
    if (list_.Focused() && list_.FocusedIndex() == row_) {
      states |= asFocused;
    }
    return states;
  }
  TRect ScreenBounds() const override { return Owner().ToScreen(list_.ItemRect(row_)); }
  int TableRow() const override { return row_; }
  std::string DefaultAction() const override { return kAccSelect; }
  bool DoDefaultAction() override { return TakeSelection(); }
  bool TakeSelection() override {
    if (!list_.Showing() || !list_.IsEnabled()) {
      return false;
    }
    list_.SetItemIndex(row_);
    list_.MakeVisible(row_);
    return list_.ItemIndex() == row_;
  }
  // The focus goes where the selection goes, as with the arrow keys.
  bool TakeFocus() override {
    if (!list_.TabStop || !list_.CanFocus()) {
      return false;
    }
    list_.SetFocus();
    if (list_.FocusedIndex() != row_) {
      TakeSelection();
    }
    return list_.Focused() && list_.FocusedIndex() == row_;
  }

 private:
  TRzListView& list_;
  int row_;
};

class TListViewAccessible : public TControlAccessible, public TAccTable {
 public:
  explicit TListViewAccessible(TRzListView& list) : TControlAccessible(list), list_(list) {}

  TAccRole Role() const override { return TAccRole::List; }
  std::string Name() const override { return LabelText(); }
  int PartCount() const override { return Columns() + list_.ItemCount(); }
  // Rows only ever come at the end; anything else replaces the parts.
  TAccessible* Part(int index) const override {
    auto& self = const_cast<TListViewAccessible&>(*this);
    return parts_.At(index, PartCount(), [&]() -> std::unique_ptr<TPartAccessible> {
      if (index < Columns()) {
        return std::make_unique<TColumnHeaderAccessible>(self, list_, index);
      }
      return std::make_unique<TListRowAccessible>(self, list_, index - Columns());
    });
  }
  // The rows go; the headers stay, as they read their columns as they are now.
  void DropParts() override { parts_.Drop(Columns()); }
  // While the list is empty, why.
  std::string Description() const override {
    return list_.ItemCount() == 0 ? list_.EmptyText() : std::string();
  }
  std::vector<TAccessible*> SelectedChildren() const override {
    if (list_.AllSelected()) {
      std::vector<TAccessible*> rows;
      for (int row = 0; row < list_.ItemCount(); ++row) {
        rows.push_back(Part(Columns() + row));
      }
      return rows;
    }
    const int row = list_.ItemIndex();
    if (row < 0 || row >= list_.ItemCount()) {
      return {};
    }
    return {Part(Columns() + row)};
  }
  TAccessible* FocusTarget() override {
    const int row = list_.FocusedIndex();
    return row >= 0 ? Part(Columns() + row) : this;
  }
  // By the list's own geometry, without making a node for every row.
  TAccessible* HitTest(TPoint screen) override {
    const TRect bounds = ScreenBounds();
    if (!bounds.Contains(screen)) {
      return nullptr;
    }
    const TPoint p{screen.X - bounds.Left, screen.Y - bounds.Top};
    if (const int row = list_.ItemAtPos(p); row >= 0) {
      return Part(Columns() + row);
    }
    if (const int column = list_.ColumnAtPos(p); column >= 0) {
      return Part(column);
    }
    return this;
  }

  // The table leaves out columns without a header: the state picture's, which has no text.
  TAccTable* Table() override { return this; }
  int RowCount() const override { return list_.ItemCount(); }
  int ColumnCount() const override { return static_cast<int>(list_.TextColumns().size()); }
  std::string ColumnHeader(int column) const override {
    const int c = ListColumn(column);
    return c >= 0 ? AccessibleText(list_.Columns()[c].Caption) : std::string();
  }
  std::string CellText(int row, int column) const override {
    const int c = ListColumn(column);
    if (row < 0 || row >= list_.ItemCount() || c < 0) {
      return {};
    }
    return list_.CellText(row, c);
  }
  TAccessible* RowNode(int row) override {
    return row >= 0 && row < list_.ItemCount() ? Part(Columns() + row) : nullptr;
  }
  TAccessible* HeaderNode(int column) override {
    const int c = ListColumn(column);
    return c >= 0 ? Part(c) : nullptr;
  }

 private:
  int Columns() const { return static_cast<int>(list_.Columns().size()); }
  // The list's column of a table column; -1 outside.
  int ListColumn(int column) const {
    const std::vector<int> shown = list_.TextColumns();
    return column >= 0 && column < static_cast<int>(shown.size()) ? shown[column] : -1;
  }
  TRzListView& list_;
  mutable TPartNodes parts_;
};

}  // namespace

std::unique_ptr<TControlAccessible> TRzListView::CreateAccessible() {
  return std::make_unique<TListViewAccessible>(*this);
}

TAccessible* TRzListView::RowAccessible(int row) {
  if (row < 0 || row >= ItemCount() || !AccessibilityOn()) {
    return nullptr;
  }
  TControlAccessible* node = Accessible();
  return node ? node->Part(static_cast<int>(Columns().size()) + row) : nullptr;
}
