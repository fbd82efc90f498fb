// The one action of buttons, tabs, links and rows. It runs later, from the
// message loop: the reader's call returns first (an action may open a modal window).
#include <string>

#include "platform/linux/atk/atk_guard.h"
#include "platform/linux/atk/atk_interfaces.h"
#include "platform/linux/atk/atk_mapping.h"
#include "platform/linux/atk/atk_node.h"

namespace platform_atk {

namespace {

// Texts handed out borrowed live as long as the program: a few distinct ones.
const gchar* Interned(const std::string& text) {
  return g_intern_string(text.c_str());
}

std::string ActionOf(AtkAction* action, gint i) {
  TAccessible* node = NodeOf(ATK_OBJECT(action));
  return node != nullptr && i == 0 ? node->DefaultAction() : std::string();
}

gint GetNActions(AtkAction* action) {
  return ActionOf(action, 0).empty() ? 0 : 1;
}

const gchar* GetName(AtkAction* action, gint i) {
  const std::string name = ActionOf(action, i);
  return name.empty() ? nullptr : ActionNameOf(name);
}

const gchar* GetLocalizedName(AtkAction* action, gint i) {
  const std::string name = ActionOf(action, i);
  return name.empty() ? nullptr : Interned(name);
}

const gchar* GetKeybinding(AtkAction* action, gint i) {
  TAccessible* node = NodeOf(ATK_OBJECT(action));
  if (node == nullptr || i != 0) {
    return nullptr;
  }
  const std::string binding = KeyBindingOf(node->Shortcut());
  return binding.empty() ? nullptr : Interned(binding);
}

const gchar* GetDescription(AtkAction* action, gint i) {
  return GetLocalizedName(action, i);
}

gboolean DoAction(AtkAction* action, gint i) {
  if (ActionOf(action, i).empty()) {
    return FALSE;
  }
  const uint32_t id = NodeOf(ATK_OBJECT(action))->Id();
  // Found again when it runs: the node may be gone by then.
  PostAction([id] {
    if (TAccessible* node = FindAccessible(id)) {
      node->DoDefaultAction();
    }
  });
  return TRUE;
}

}  // namespace

void InitAction(AtkActionIface* iface) {
  iface->get_n_actions = Guarded<GetNActions>;
  iface->get_name = Guarded<GetName>;
  iface->get_localized_name = Guarded<GetLocalizedName>;
  iface->get_keybinding = Guarded<GetKeybinding>;
  iface->get_description = Guarded<GetDescription>;
  iface->do_action = Guarded<DoAction>;
}

}  // namespace platform_atk
