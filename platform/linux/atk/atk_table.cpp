// The boot list as a table: rows of cells under column headers. A cell's index
// counts row by row; selection is by whole rows.
#include <vector>

#include "platform/linux/atk/atk_guard.h"
#include "platform/linux/atk/atk_interfaces.h"
#include "platform/linux/atk/atk_node.h"

namespace platform_atk {

namespace {

TAccTable* TableOf(AtkTable* table) {
  TAccessible* node = NodeOf(ATK_OBJECT(table));
  return node ? node->Table() : nullptr;
}

std::vector<gint> SelectedRows(AtkTable* table) {
  std::vector<gint> rows;
  if (TAccessible* node = NodeOf(ATK_OBJECT(table))) {
    for (TAccessible* child : node->SelectedChildren()) {
      if (child->TableRow() >= 0) {
        rows.push_back(child->TableRow());
      }
    }
  }
  return rows;
}

gint GetNRows(AtkTable* table) {
  TAccTable* t = TableOf(table);
  return t ? t->RowCount() : 0;
}

gint GetNColumns(AtkTable* table) {
  TAccTable* t = TableOf(table);
  return t ? t->ColumnCount() : 0;
}

AtkObject* RefAt(AtkTable* table, gint row, gint column) {
  TAccTable* t = TableOf(table);
  TAccessible* rowNode = t ? t->RowNode(row) : nullptr;
  AtkObject* cell = rowNode ? CellOf(*rowNode, column) : nullptr;
  return cell ? ATK_OBJECT(g_object_ref(cell)) : nullptr;
}

gint GetIndexAt(AtkTable* table, gint row, gint column) {
  TAccTable* t = TableOf(table);
  if (t == nullptr || row < 0 || row >= t->RowCount() || column < 0 || column >= t->ColumnCount()) {
    return -1;
  }
  return row * t->ColumnCount() + column;
}

gint GetColumnAtIndex(AtkTable* table, gint index) {
  const gint columns = GetNColumns(table);
  return columns > 0 && index >= 0 && index / columns < GetNRows(table) ? index % columns : -1;
}

gint GetRowAtIndex(AtkTable* table, gint index) {
  const gint columns = GetNColumns(table);
  return columns > 0 && index >= 0 && index / columns < GetNRows(table) ? index / columns : -1;
}

const gchar* GetColumnDescription(AtkTable* table, gint column) {
  TAccTable* t = TableOf(table);
  if (t == nullptr || column < 0 || column >= t->ColumnCount()) {
    return nullptr;
  }
  return g_intern_string(t->ColumnHeader(column).c_str());
}

AtkObject* GetColumnHeader(AtkTable* table, gint column) {
  TAccTable* t = TableOf(table);
  TAccessible* header = t ? t->HeaderNode(column) : nullptr;
  return header ? ObjectOf(*header) : nullptr;
}

gint GetSelectedRows(AtkTable* table, gint** selected) {
  const std::vector<gint> rows = SelectedRows(table);
  if (selected != nullptr) {
    *selected = nullptr;
    if (!rows.empty()) {
      *selected = g_new(gint, rows.size());
      for (size_t i = 0; i < rows.size(); ++i) {
        (*selected)[i] = rows[i];
      }
    }
  }
  return static_cast<gint>(rows.size());
}

gboolean IsRowSelected(AtkTable* table, gint row) {
  for (gint r : SelectedRows(table)) {
    if (r == row) {
      return TRUE;
    }
  }
  return FALSE;
}

gboolean IsSelected(AtkTable* table, gint row, gint) {
  return IsRowSelected(table, row);
}

gboolean AddRowSelection(AtkTable* table, gint row) {
  TAccTable* t = TableOf(table);
  TAccessible* rowNode = t ? t->RowNode(row) : nullptr;
  return rowNode != nullptr && rowNode->TakeSelection();
}

// ---- cells

gint One(AtkTableCell*) {
  return 1;
}

gboolean GetPosition(AtkTableCell* cell, gint* row, gint* column) {
  int c = -1;
  TAccessible* rowNode = CellNode(ATK_OBJECT(cell), c);
  if (rowNode == nullptr) {
    return FALSE;
  }
  if (row) {
    *row = rowNode->TableRow();
  }
  if (column) {
    *column = c;
  }
  return TRUE;
}

gboolean GetRowColumnSpan(AtkTableCell* cell, gint* row, gint* column, gint* rowSpan,
                          gint* columnSpan) {
  if (!GetPosition(cell, row, column)) {
    return FALSE;
  }
  if (rowSpan) {
    *rowSpan = 1;
  }
  if (columnSpan) {
    *columnSpan = 1;
  }
  return TRUE;
}

GPtrArray* GetColumnHeaderCells(AtkTableCell* cell) {
  GPtrArray* headers = g_ptr_array_new_with_free_func(g_object_unref);
  int c = -1;
  if (TAccessible* rowNode = CellNode(ATK_OBJECT(cell), c)) {
    TAccTable* table = TableOfRow(*rowNode);
    if (TAccessible* header = table ? table->HeaderNode(c) : nullptr) {
      g_ptr_array_add(headers, g_object_ref(ObjectOf(*header)));
    }
  }
  return headers;
}

GPtrArray* GetRowHeaderCells(AtkTableCell*) {
  return g_ptr_array_new_with_free_func(g_object_unref);
}

AtkObject* GetTable(AtkTableCell* cell) {
  int c = -1;
  TAccessible* rowNode = CellNode(ATK_OBJECT(cell), c);
  TAccessible* list = rowNode ? rowNode->Parent() : nullptr;
  return list ? ATK_OBJECT(g_object_ref(ObjectOf(*list))) : nullptr;
}

}  // namespace

void InitTable(AtkTableIface* iface) {
  iface->ref_at = Guarded<RefAt>;
  iface->get_index_at = Guarded<GetIndexAt>;
  iface->get_column_at_index = Guarded<GetColumnAtIndex>;
  iface->get_row_at_index = Guarded<GetRowAtIndex>;
  iface->get_n_rows = Guarded<GetNRows>;
  iface->get_n_columns = Guarded<GetNColumns>;
  iface->get_column_description = Guarded<GetColumnDescription>;
  iface->get_column_header = Guarded<GetColumnHeader>;
  iface->get_selected_rows = Guarded<GetSelectedRows>;
  iface->is_row_selected = Guarded<IsRowSelected>;
  iface->is_selected = Guarded<IsSelected>;
  iface->add_row_selection = Guarded<AddRowSelection>;
}

void InitTableCell(AtkTableCellIface* iface) {
  iface->get_column_span = Guarded<One>;
  iface->get_row_span = Guarded<One>;
  iface->get_position = Guarded<GetPosition>;
  iface->get_row_column_span = Guarded<GetRowColumnSpan>;
  iface->get_column_header_cells = Guarded<GetColumnHeaderCells>;
  iface->get_row_header_cells = Guarded<GetRowHeaderCells>;
  iface->get_table = Guarded<GetTable>;
}

}  // namespace platform_atk
