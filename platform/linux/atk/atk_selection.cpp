// The selected tab of the tab list and the selected row of the list: one at a time.
#include <vector>

#include "platform/linux/atk/atk_guard.h"
#include "platform/linux/atk/atk_interfaces.h"
#include "platform/linux/atk/atk_node.h"

namespace platform_atk {

namespace {

std::vector<TAccessible*> Selected(AtkSelection* selection) {
  TAccessible* node = NodeOf(ATK_OBJECT(selection));
  return node ? node->SelectedChildren() : std::vector<TAccessible*>{};
}

TAccessible* ChildAt(AtkSelection* selection, gint i) {
  TAccessible* node = NodeOf(ATK_OBJECT(selection));
  return node != nullptr && i >= 0 && i < node->ChildCount() ? node->Child(i) : nullptr;
}

AtkObject* RefSelection(AtkSelection* selection, gint i) {
  const std::vector<TAccessible*> selected = Selected(selection);
  if (i < 0 || i >= static_cast<gint>(selected.size())) {
    return nullptr;
  }
  return ATK_OBJECT(g_object_ref(ObjectOf(*selected[static_cast<size_t>(i)])));
}

gint GetSelectionCount(AtkSelection* selection) {
  return static_cast<gint>(Selected(selection).size());
}

gboolean IsChildSelected(AtkSelection* selection, gint i) {
  TAccessible* child = ChildAt(selection, i);
  return child != nullptr && (child->States() & asSelected) != 0;
}

gboolean AddSelection(AtkSelection* selection, gint i) {
  TAccessible* child = ChildAt(selection, i);
  return child != nullptr && child->TakeSelection();
}

// One item always stays selected, as with the keys.
gboolean CannotDeselect(AtkSelection*) {
  return FALSE;
}
gboolean CannotRemove(AtkSelection*, gint) {
  return FALSE;
}

}  // namespace

void InitSelection(AtkSelectionIface* iface) {
  iface->ref_selection = Guarded<RefSelection>;
  iface->get_selection_count = Guarded<GetSelectionCount>;
  iface->is_child_selected = Guarded<IsChildSelected>;
  iface->add_selection = Guarded<AddSelection>;
  iface->clear_selection = Guarded<CannotDeselect>;
  iface->select_all_selection = Guarded<CannotDeselect>;
  iface->remove_selection = Guarded<CannotRemove>;
}

}  // namespace platform_atk
