#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ui/geometry.h"

// What the windows tell assistive technology (screen readers). The model is
// portable and knows nothing of any platform's accessibility API; a platform
// window bridges it (Microsoft Active Accessibility on Windows, ATK and AT-SPI on
// Linux).

enum class TAccRole {
  Window,
  Dialog,
  ToolBar,
  PushButton,
  StaticText,
  PageTabList,
  PageTab,
  PropertyPage,
  List,
  ListItem,
  ColumnHeader,
  Chart,
  Graphic,  // one bar of the chart
  Text,     // the memo
  Link,
  StatusBar,
  Grouping,
  Notification,  // what the window announces, wherever the focus is
  PopupMenu,
  MenuItem,
};

// States, as bits.
enum TAccState : uint32_t {
  asFocusable = 1u << 0,
  asFocused = 1u << 1,
  asSelectable = 1u << 2,
  asSelected = 1u << 3,
  asPressed = 1u << 4,
  asUnavailable = 1u << 5,
  asInvisible = 1u << 6,
  asOffscreen = 1u << 7,
  asReadOnly = 1u << 8,
  asLinked = 1u << 9,
  asTraversed = 1u << 10,
  asMultiLine = 1u << 11,
};

enum class TAccEvent {
  Focus,
  Selection,
  NameChange,
  ValueChange,
  StateChange,
  Reorder,  // children added or removed
  DialogStart,
  DialogEnd,
  TextSelectionChange,  // a text's caret moved or its selection changed
  Announcement,         // a notification's text is to be told at once
  MenuStart,  // a popup menu came up
  MenuEnd,
};

class TAccessible;

// What a node that shows rows of cells under column headers (the boot list)
// tells besides its children, for readers that address cells by row and column.
class TAccTable {
 public:
  virtual ~TAccTable() = default;
  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  virtual std::string ColumnHeader(int column) const = 0;
  virtual std::string CellText(int row, int column) const = 0;
  // The node of a row and of a column's header, made when first asked for; null
  // outside the table.
  virtual TAccessible* RowNode(int row) = 0;
  virtual TAccessible* HeaderNode(int column) = 0;
};

// One node of a window's accessible tree: a control, or a part of one (a list row,
// a tab, a bar). Nodes come and go with what the window shows (a refresh replaces
// the rows); a bridge keeps a node's Id, never its address, and finds it again
// with FindAccessible, so a reader holding on to a removed node gets an error and
// never a dangling pointer. Everything runs on the one UI thread.
class TAccessible {
 public:
  TAccessible();
  virtual ~TAccessible();
  TAccessible(const TAccessible&) = delete;
  TAccessible& operator=(const TAccessible&) = delete;

  // Unique in the process and never reused; 0 is no node.
  uint32_t Id() const { return id_; }

  virtual TAccRole Role() const = 0;
  // UTF-8; the texts the window shows, "&" prefixes removed.
  virtual std::string Name() const = 0;
  virtual std::string Value() const { return {}; }
  virtual std::string Description() const { return {}; }
  // The Alt shortcut, e.g. "Alt+R"; empty when there is none.
  virtual std::string Shortcut() const { return {}; }
  virtual uint32_t States() const = 0;
  // Screen pixels.
  virtual TRect ScreenBounds() const = 0;

  virtual TAccessible* Parent() const = 0;
  virtual int ChildCount() const { return 0; }
  virtual TAccessible* Child(int /*index*/) const { return nullptr; }
  // This node's position among its parent's children; -1 without a parent.
  // Nodes that know it say so: asking the parent makes a node of every row before.
  virtual int IndexInParent() const;
  // The selected children, in order.
  virtual std::vector<TAccessible*> SelectedChildren() const;
  // The deepest node at a screen point, this one when no child is there, null
  // when the point is outside. Children that are invisible or off-screen are
  // passed over (a hidden page lies under the shown one).
  virtual TAccessible* HitTest(TPoint screen);
  // The node of this subtree that has the keyboard focus (this one or a
  // descendant, the deepest), null when the focus is elsewhere.
  virtual TAccessible* FocusedNode();

  // The name of the default action ("按下", "选择", "打开", "切换"); empty: none.
  virtual std::string DefaultAction() const { return {}; }
  // Runs the default action now; false when there is none or it cannot run.
  virtual bool DoDefaultAction() { return false; }
  // Moves the keyboard focus here and/or selects this node; false when it cannot.
  virtual bool TakeFocus() { return false; }
  virtual bool TakeSelection() { return false; }

  // The table this node shows, or null; a row of one tells its row.
  virtual TAccTable* Table() { return nullptr; }
  virtual int TableRow() const { return -1; }

  // The label that names this node, and the node a label names; null for none.
  virtual TAccessible* LabelledBy() const { return nullptr; }
  virtual TAccessible* LabelFor() const { return nullptr; }

  // A text's caret and selection, as byte offsets into Value(): the caret -1
  // when there is none, the selection [first, second), empty when none.
  virtual int TextCaret() const { return -1; }
  virtual std::pair<int, int> TextSelection() const { return {0, 0}; }

 private:
  uint32_t id_;
};

// The live node with that Id, or null once it is gone.
TAccessible* FindAccessible(uint32_t id);

// Where a window's model reports its changes; the platform window implements it.
class TAccessibilityListener {
 public:
  virtual ~TAccessibilityListener() = default;
  virtual void AccessibilityEvent(TAccEvent event, const TAccessible& node) = 0;
};
