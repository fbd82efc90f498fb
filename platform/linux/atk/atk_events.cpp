#include "platform/linux/atk/atk_events.h"

#include <string>
#include <vector>

#include "platform/linux/atk/atk_interfaces.h"
#include "platform/linux/atk/atk_mapping.h"
#include "platform/linux/atk/atk_node.h"
#include "platform/linux/atk/atk_state.h"

namespace platform_atk {

namespace {

// Signals every state that differs from what the reader was last told.
void RefreshStates(AtkObject* object) {
  const uint64_t now = StatesOf(object);
  const uint64_t before = ReportedStates(object);
  SetReportedStates(object, now);
  const uint64_t changed = now ^ before;
  for (int s = 0; s < ATK_STATE_LAST_DEFINED && s < 64; ++s) {
    if ((changed >> s) & 1u) {
      atk_object_notify_state_change(object, static_cast<AtkState>(s), ((now >> s) & 1u) != 0);
    }
  }
}

void RefreshStatesOf(uint32_t id) {
  if (TAccessible* node = FindAccessible(id)) {
    if (AtkObject* object = FindObject(*node)) {
      RefreshStates(object);
    }
  }
}

// A container shown or hidden shows or hides all it holds: every object a
// reader knows below it (its cells included) says so.
void RefreshSubtree(const TAccessible& node) {
  for (AtkObject* object : Objects()) {
    int column = -1;
    TAccessible* shown = NodeOf(object);
    if (shown == nullptr) {
      shown = CellNode(object, column);
    }
    if (shown != nullptr && IsWithin(*shown, node)) {
      RefreshStates(object);
    }
  }
}

// `state` is told as newly set even when the object is new to the reader.
void Announce(AtkObject* object, AtkStateType state) {
  SetReportedStates(object, ReportedStates(object) & ~StateBit(state));
  RefreshStates(object);
}

void Focus(TAccessible& focused) {
  TAccessible& node = ReaderFocus(focused);
  uint32_t& last = State().FocusedId;
  if (last != node.Id()) {
    RefreshStatesOf(last);
  }
  last = node.Id();
  AtkObject* object = ObjectOf(node);
  Announce(object, ATK_STATE_FOCUSED);
  // Rows and bars are the descendants their list or chart manages.
  if (TAccessible* parent = node.Parent()) {
    AtkObject* owner = ObjectOf(*parent);
    if ((StatesOf(owner) & StateBit(ATK_STATE_MANAGES_DESCENDANTS)) != 0) {
      g_signal_emit_by_name(owner, "active-descendant-changed", object);
    }
  }
}

void Selection(TAccessible& node) {
  TAccessible* parent = node.Parent();
  if (parent == nullptr) {
    return;
  }
  uint32_t& last = State().SelectedIds[parent->Id()];
  if (last != node.Id()) {
    RefreshStatesOf(last);
  }
  last = node.Id();
  Announce(ObjectOf(node), ATK_STATE_SELECTED);
  g_signal_emit_by_name(ObjectOf(*parent), "selection-changed");
}

void NameChange(TAccessible& node) {
  if (AtkObject* object = FindObject(node)) {
    g_object_notify(G_OBJECT(object), "accessible-name");
  }
}

void TextChange(TAccessible& node) {
  AtkObject* object = FindObject(node);
  if (object == nullptr || node.Role() != TAccRole::Text) {
    return;
  }
  const std::string before = ReportedText(object);
  std::string now = ReaderText(node);
  if (now == before) {
    return;
  }
  SetReportedText(object, now);
  auto length = [](const std::string& s) {
    return static_cast<gint>(g_utf8_strlen(s.data(), static_cast<gssize>(s.size())));
  };
  if (!before.empty()) {
    g_signal_emit_by_name(object, "text-remove", 0, length(before), before.c_str());
  }
  if (!now.empty()) {
    g_signal_emit_by_name(object, "text-insert", 0, length(now), now.c_str());
  }
}

// The caret tells where the reader reads on (a line with the arrow keys).
void TextSelectionChange(TAccessible& node) {
  AtkObject* object = FindObject(node);
  if (object == nullptr || node.TextCaret() < 0) {
    return;
  }
  g_signal_emit_by_name(object, "text-caret-moved", ReaderOffset(node, node.TextCaret()));
  g_signal_emit_by_name(object, "text-selection-changed");
}

// A notification is heard when it shows, wherever the focus is.
void Announcement(TAccessible& node) {
  AtkObject* object = ObjectOf(node);
  g_object_notify(G_OBJECT(object), "accessible-name");
  Announce(object, ATK_STATE_SHOWING);
}

// Gone children leave. A list or chart has no children events (the bridge
// drops them where descendants are managed): a table tells that its rows
// changed; a container that keeps its children known to the reader tells of
// each new one.
void Reorder(TAccessible& node) {
  ReportGoneObjects();
  AtkObject* object = FindObject(node);
  if (object == nullptr) {
    return;
  }
  if (ATK_IS_TABLE(object)) {
    g_signal_emit_by_name(object, "model-changed");
  }
  if ((StatesOf(object) & StateBit(ATK_STATE_MANAGES_DESCENDANTS)) != 0) {
    return;
  }
  for (int i = 0; i < node.ChildCount(); ++i) {
    TAccessible* child = node.Child(i);
    if (child != nullptr && FindObject(*child) == nullptr) {
      g_signal_emit_by_name(object, "children-changed::add", i, ObjectOf(*child));
    }
  }
}

}  // namespace

void SendAccessibilityEvent(TAccEvent event, const TAccessible& constNode) {
  // The model's nodes are its own; the objects only look at them.
  TAccessible& node = const_cast<TAccessible&>(constNode);
  switch (event) {
    case TAccEvent::Focus:
      Focus(node);
      break;
    case TAccEvent::Selection:
      Selection(node);
      break;
    case TAccEvent::NameChange:
      NameChange(node);
      break;
    case TAccEvent::ValueChange:
      TextChange(node);
      break;
    case TAccEvent::StateChange:
    case TAccEvent::MenuStart:
    case TAccEvent::MenuEnd:
      // A menu coming up or going is its showing and visible states changing.
      RefreshSubtree(node);
      break;
    case TAccEvent::Reorder:
      Reorder(node);
      break;
    case TAccEvent::TextSelectionChange:
      TextSelectionChange(node);
      break;
    case TAccEvent::Announcement:
      Announcement(node);
      break;
    case TAccEvent::DialogStart:
    case TAccEvent::DialogEnd:
      // The window's own create, activate and destroy tell of these.
      break;
  }
}

void ReportGoneObjects() {
  for (const TGoneObject& gone : TakeGoneObjects()) {
    atk_object_notify_state_change(gone.Object, ATK_STATE_DEFUNCT, TRUE);
    if (gone.Parent != nullptr) {
      g_signal_emit_by_name(gone.Parent, "children-changed::remove", gone.Index, gone.Object);
    }
    g_object_unref(gone.Object);
  }
}

void WindowCreated(TAccessible& root, int index) {
  AtkObject* object = ObjectOf(root);
  if (AtkObject* application = State().Application) {
    g_signal_emit_by_name(application, "children-changed::add", index, object);
  }
  g_signal_emit_by_name(object, "create");
}

void WindowActivated(TAccessible& root, bool active) {
  uint32_t& activeRoot = State().ActiveRoot;
  if (active) {
    activeRoot = root.Id();
  } else if (activeRoot == root.Id()) {
    activeRoot = 0;
  }
  AtkObject* object = ObjectOf(root);
  RefreshStates(object);
  g_signal_emit_by_name(object, active ? "activate" : "deactivate");
  // A reader takes focus events only in the active window: tell it again.
  if (TAccessible* focused = active ? root.FocusedNode() : nullptr) {
    Focus(*focused);
  }
}

void WindowDestroyed(TAccessible& root, int index) {
  if (State().ActiveRoot == root.Id()) {
    State().ActiveRoot = 0;
  }
  AtkObject* object = FindObject(root);
  if (object == nullptr) {
    return;
  }
  RefreshStates(object);
  g_signal_emit_by_name(object, "destroy");
  if (AtkObject* application = State().Application) {
    g_signal_emit_by_name(application, "children-changed::remove", index, object);
  }
}

void AnnounceFocus(TAccessible& root) {
  AtkObject* object = ObjectOf(root);
  if (State().ActiveRoot == root.Id()) {
    Announce(object, ATK_STATE_ACTIVE);
    g_signal_emit_by_name(object, "activate");
  }
  if (TAccessible* focused = root.FocusedNode()) {
    Focus(*focused);
  }
}

}  // namespace platform_atk
