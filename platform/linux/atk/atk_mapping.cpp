#include "platform/linux/atk/atk_mapping.h"

#include <cctype>

#include "ui/control_accessible.h"

namespace platform_atk {

AtkRole AtkRoleOf(TAccRole role, bool table, bool row) {
  switch (role) {
    case TAccRole::Window:
      return ATK_ROLE_FRAME;
    case TAccRole::Dialog:
      return ATK_ROLE_DIALOG;
    case TAccRole::ToolBar:
      return ATK_ROLE_TOOL_BAR;
    case TAccRole::PushButton:
      return ATK_ROLE_PUSH_BUTTON;
    case TAccRole::StaticText:
      return ATK_ROLE_LABEL;
    case TAccRole::PageTabList:
      return ATK_ROLE_PAGE_TAB_LIST;
    case TAccRole::PageTab:
      return ATK_ROLE_PAGE_TAB;
    case TAccRole::PropertyPage:
      return ATK_ROLE_PANEL;
    case TAccRole::List:
      return table ? ATK_ROLE_TABLE : ATK_ROLE_LIST;
    case TAccRole::ListItem:
      return row ? ATK_ROLE_TABLE_ROW : ATK_ROLE_LIST_ITEM;
    case TAccRole::ColumnHeader:
      return ATK_ROLE_COLUMN_HEADER;
    case TAccRole::Chart:
      return ATK_ROLE_CHART;
    case TAccRole::Graphic:
      return ATK_ROLE_IMAGE;
    case TAccRole::Text:
      return ATK_ROLE_TEXT;
    case TAccRole::Link:
      return ATK_ROLE_LINK;
    case TAccRole::StatusBar:
      return ATK_ROLE_STATUSBAR;
    case TAccRole::Grouping:
      return ATK_ROLE_PANEL;
    case TAccRole::Notification:
      // Orca 43 tells a notification when it shows.
      return ATK_ROLE_NOTIFICATION;
    case TAccRole::PopupMenu:
      return ATK_ROLE_MENU;
    case TAccRole::MenuItem:
      return ATK_ROLE_MENU_ITEM;
  }
  return ATK_ROLE_UNKNOWN;
}

uint64_t AtkStatesOf(uint32_t states, TAccRole role) {
  uint64_t bits = 0;
  if ((states & asUnavailable) == 0) {
    bits |= StateBit(ATK_STATE_ENABLED) | StateBit(ATK_STATE_SENSITIVE);
  }
  // Off-screen is visible but not showing: a row scrolled out of view.
  if ((states & asInvisible) == 0) {
    bits |= StateBit(ATK_STATE_VISIBLE);
    if ((states & asOffscreen) == 0) {
      bits |= StateBit(ATK_STATE_SHOWING);
    }
  }
  static constexpr struct {
    uint32_t Ours;
    AtkStateType Theirs;
  } kStates[] = {
      {asFocusable, ATK_STATE_FOCUSABLE},   {asFocused, ATK_STATE_FOCUSED},
      {asSelectable, ATK_STATE_SELECTABLE}, {asSelected, ATK_STATE_SELECTED},
      {asPressed, ATK_STATE_PRESSED},       {asReadOnly, ATK_STATE_READ_ONLY},
      {asTraversed, ATK_STATE_VISITED},     {asMultiLine, ATK_STATE_MULTI_LINE},
  };
  for (const auto& s : kStates) {
    if ((states & s.Ours) != 0) {
      bits |= StateBit(s.Theirs);
    }
  }
  switch (role) {
    case TAccRole::Dialog:
      bits |= StateBit(ATK_STATE_MODAL);
      break;
    case TAccRole::List:
    case TAccRole::Chart:
      // A reader asks for the rows and bars it needs instead of walking them all.
      bits |= StateBit(ATK_STATE_MANAGES_DESCENDANTS);
      break;
    case TAccRole::Text:
      bits |= (states & asMultiLine) != 0 ? 0 : StateBit(ATK_STATE_SINGLE_LINE);
      break;
    default:
      break;
  }
  return bits;
}

const char* ActionNameOf(const std::string& defaultAction) {
  if (defaultAction == kAccSwitch) {
    return "switch";
  }
  if (defaultAction == kAccOpen) {
    return "jump";
  }
  if (defaultAction == kAccSelect) {
    return "select";
  }
  return "click";
}

std::string KeyBindingOf(const std::string& shortcut) {
  const std::string alt = "Alt+";
  if (shortcut.size() != alt.size() + 1 || shortcut.compare(0, alt.size(), alt) != 0) {
    return {};
  }
  return "<Alt>" + std::string(1, static_cast<char>(
                                      std::tolower(static_cast<unsigned char>(shortcut.back()))));
}

}  // namespace platform_atk
