// What the list copies: Ctrl+A's selection of every row for copying, and the
// rows as tab-separated text under the column headers.
#include <algorithm>

#include "gfx/text.h"
#include "ui/application.h"
#include "ui/list_view.h"
#include "ui/table_text.h"

void TRzListView::SetAllSelected(bool on) {
  Change(allSelected_, on && ItemCount() > 0);
}

void TRzListView::SelectAll() {
  SetAllSelected(true);
}

std::vector<int> TRzListView::TextColumns() const {
  std::vector<int> shown;
  for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
    if (!gfx::StripPrefix(columns_[c].Caption).empty()) {
      shown.push_back(c);
    }
  }
  return shown;
}

const std::string& TRzListView::CellText(int row, int column) const {
  static const std::string kNone;
  const TListItem& item = items_[row];
  if (column == 0) {
    return item.Caption;
  }
  const size_t sub = static_cast<size_t>(column - 1);
  return sub < item.SubItems.size() ? item.SubItems[sub] : kNone;
}

std::string TRzListView::RowsText(int first, int last) const {
  const std::vector<int> columns = TextColumns();
  std::vector<std::string> cells(columns.size());
  std::string text;
  for (size_t c = 0; c < columns.size(); ++c) {
    cells[c] = gfx::StripPrefix(columns_[columns[c]].Caption);
  }
  AppendTabSeparated(text, cells);
  for (int row = std::max(first, 0); row < std::min(last, ItemCount()); ++row) {
    for (size_t c = 0; c < columns.size(); ++c) {
      cells[c] = CellText(row, columns[c]);
    }
    AppendTabSeparated(text, cells);
  }
  return text;
}

void TRzListView::CopyToClipboard() {
  if (allSelected_) {
    CopyAllToClipboard();
  } else if (itemIndex_ >= 0 && Application()) {
    Application()->Platform().SetClipboardText(RowsText(itemIndex_, itemIndex_ + 1));
  }
}

void TRzListView::CopyAllToClipboard() {
  if (Application()) {
    Application()->Platform().SetClipboardText(RowsText(0, ItemCount()));
  }
}
