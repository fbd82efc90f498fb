#include "platform/win32/msaa_mapping.h"

#include <windows.h>
// oleacc.h needs what windows.h defines.
#include <oleacc.h>

namespace platform_win32 {

long MsaaRole(TAccRole role) {
  switch (role) {
    case TAccRole::Window:
      // The window's frame is the system's own object; ours is its client area.
      return ROLE_SYSTEM_CLIENT;
    case TAccRole::Dialog:
      return ROLE_SYSTEM_DIALOG;
    case TAccRole::ToolBar:
      return ROLE_SYSTEM_TOOLBAR;
    case TAccRole::PushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case TAccRole::StaticText:
      return ROLE_SYSTEM_STATICTEXT;
    case TAccRole::PageTabList:
      return ROLE_SYSTEM_PAGETABLIST;
    case TAccRole::PageTab:
      return ROLE_SYSTEM_PAGETAB;
    case TAccRole::PropertyPage:
      return ROLE_SYSTEM_PROPERTYPAGE;
    case TAccRole::List:
      return ROLE_SYSTEM_LIST;
    case TAccRole::ListItem:
      return ROLE_SYSTEM_LISTITEM;
    case TAccRole::ColumnHeader:
      return ROLE_SYSTEM_COLUMNHEADER;
    case TAccRole::Chart:
      return ROLE_SYSTEM_CHART;
    case TAccRole::Graphic:
      return ROLE_SYSTEM_GRAPHIC;
    case TAccRole::Text:
      return ROLE_SYSTEM_TEXT;
    case TAccRole::Link:
      return ROLE_SYSTEM_LINK;
    case TAccRole::StatusBar:
      return ROLE_SYSTEM_STATUSBAR;
    case TAccRole::Grouping:
      return ROLE_SYSTEM_GROUPING;
    case TAccRole::Notification:
      return ROLE_SYSTEM_ALERT;
    case TAccRole::PopupMenu:
      return ROLE_SYSTEM_MENUPOPUP;
    case TAccRole::MenuItem:
      return ROLE_SYSTEM_MENUITEM;
  }
  return ROLE_SYSTEM_CLIENT;
}

long MsaaState(uint32_t states) {
  // Multi-line has no state of its own here: the role tells a reader enough.
  static constexpr struct {
    uint32_t Ours;
    long Theirs;
  } kStates[] = {
      {asFocusable, STATE_SYSTEM_FOCUSABLE},   {asFocused, STATE_SYSTEM_FOCUSED},
      {asSelectable, STATE_SYSTEM_SELECTABLE}, {asSelected, STATE_SYSTEM_SELECTED},
      {asPressed, STATE_SYSTEM_PRESSED},       {asUnavailable, STATE_SYSTEM_UNAVAILABLE},
      {asInvisible, STATE_SYSTEM_INVISIBLE},   {asOffscreen, STATE_SYSTEM_OFFSCREEN},
      {asReadOnly, STATE_SYSTEM_READONLY},     {asLinked, STATE_SYSTEM_LINKED},
      {asTraversed, STATE_SYSTEM_TRAVERSED},
  };
  long result = 0;
  for (const auto& s : kStates) {
    if ((states & s.Ours) != 0) {
      result |= s.Theirs;
    }
  }
  return result;
}

unsigned long MsaaEvent(TAccEvent event) {
  switch (event) {
    case TAccEvent::Focus:
      return EVENT_OBJECT_FOCUS;
    case TAccEvent::Selection:
      return EVENT_OBJECT_SELECTION;
    case TAccEvent::NameChange:
      return EVENT_OBJECT_NAMECHANGE;
    case TAccEvent::ValueChange:
      return EVENT_OBJECT_VALUECHANGE;
    case TAccEvent::StateChange:
      return EVENT_OBJECT_STATECHANGE;
    case TAccEvent::Reorder:
      return EVENT_OBJECT_REORDER;
    case TAccEvent::DialogStart:
      return EVENT_SYSTEM_DIALOGSTART;
    case TAccEvent::DialogEnd:
      return EVENT_SYSTEM_DIALOGEND;
    case TAccEvent::TextSelectionChange:
      return EVENT_OBJECT_TEXTSELECTIONCHANGED;
    case TAccEvent::Announcement:
      return EVENT_SYSTEM_ALERT;
    case TAccEvent::MenuStart:
      return EVENT_SYSTEM_MENUPOPUPSTART;
    case TAccEvent::MenuEnd:
      return EVENT_SYSTEM_MENUPOPUPEND;
  }
  return EVENT_OBJECT_STATECHANGE;
}

}  // namespace platform_win32
