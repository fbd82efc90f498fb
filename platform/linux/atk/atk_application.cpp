#include "platform/linux/atk/atk_application.h"

#include <algorithm>

#include "platform/linux/atk/atk_guard.h"
#include "platform/linux/atk/atk_node.h"
#include "platform/linux/atk/atk_state.h"

namespace platform_atk {

namespace {

struct TAppObject {
  AtkObject Parent;
};
struct TAppObjectClass {
  AtkObjectClass Parent;
};

const gchar* AppGetName(AtkObject*) {
  return State().AppName.c_str();
}

gint AppGetNChildren(AtkObject*) {
  return static_cast<gint>(State().Roots.size());
}

AtkObject* AppRefChild(AtkObject*, gint i) {
  const std::vector<uint32_t>& roots = State().Roots;
  if (i < 0 || i >= static_cast<gint>(roots.size())) {
    return nullptr;
  }
  TAccessible* root = FindAccessible(roots[static_cast<size_t>(i)]);
  return root ? ATK_OBJECT(g_object_ref(ObjectOf(*root))) : nullptr;
}

AtkObject* AppGetParent(AtkObject*) {
  return nullptr;
}

gint AppGetIndexInParent(AtkObject*) {
  return -1;
}

void AppClassInit(gpointer klass, gpointer) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_name = Guarded<AppGetName>;
  atk->get_n_children = Guarded<AppGetNChildren>;
  atk->ref_child = Guarded<AppRefChild>;
  atk->get_parent = Guarded<AppGetParent>;
  atk->get_index_in_parent = Guarded<AppGetIndexInParent>;
}

GType AppType() {
  static GType type = [] {
    GTypeInfo info{};
    info.class_size = sizeof(TAppObjectClass);
    info.class_init = AppClassInit;
    info.instance_size = sizeof(TAppObject);
    return g_type_register_static(ATK_TYPE_OBJECT, "DorvexApplication", &info, GTypeFlags{});
  }();
  return type;
}

// ---- AtkUtil, answered for the whole process from the layer's state

AtkObject* GetRoot() {
  return HasState() ? State().Application : nullptr;
}

const gchar* GetToolkitName() {
  return "Dorvex";
}

const gchar* GetToolkitVersion() {
  return "2.0";
}

guint AddKeyEventListener(AtkKeySnoopFunc listener, gpointer data) {
  TAtkState& state = State();
  const guint id = state.NextKeyListener++;
  state.KeyListeners[id] = {listener, data};
  return id;
}

void RemoveKeyEventListener(guint id) {
  if (HasState()) {
    State().KeyListeners.erase(id);
  }
}

}  // namespace

AtkObject* InstallApplication(const std::string& name) {
  TAtkState& state = State();
  state.AppName = name;
  if (state.Application == nullptr) {
    state.Application = ATK_OBJECT(g_object_new(AppType(), nullptr));
    atk_object_initialize(state.Application, nullptr);
    state.Application->role = ATK_ROLE_APPLICATION;
  }
  // ATK asks its own class: the toolkit fills it in.
  auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = Guarded<GetRoot>;
  util->get_toolkit_name = Guarded<GetToolkitName>;
  util->get_toolkit_version = Guarded<GetToolkitVersion>;
  util->add_key_event_listener = Guarded<AddKeyEventListener>;
  util->remove_key_event_listener = Guarded<RemoveKeyEventListener>;
  return state.Application;
}

int AddWindowRoot(uint32_t rootId) {
  if (WindowRootIndex(rootId) < 0) {
    State().Roots.push_back(rootId);
  }
  return WindowRootIndex(rootId);
}

int RemoveWindowRoot(uint32_t rootId) {
  const int index = WindowRootIndex(rootId);
  if (index >= 0) {
    State().Roots.erase(State().Roots.begin() + index);
  }
  return index;
}

int WindowRootIndex(uint32_t rootId) {
  const std::vector<uint32_t>& roots = State().Roots;
  auto it = std::find(roots.begin(), roots.end(), rootId);
  return it == roots.end() ? -1 : static_cast<int>(it - roots.begin());
}

bool SnoopKey(const TKeyEvent& key) {
  if (State().KeyListeners.empty()) {
    return false;
  }
  AtkKeyEventStruct event{};
  event.type = key.Press ? ATK_KEY_EVENT_PRESS : ATK_KEY_EVENT_RELEASE;
  event.state = key.State;
  event.keyval = key.Keysym;
  std::string text = key.Text;
  event.length = static_cast<gint>(text.size());
  event.string = text.data();
  event.keycode = key.Keycode;
  event.timestamp = key.Time;
  // A listener may remove itself: walk a copy.
  const auto listeners = State().KeyListeners;
  bool consumed = false;
  for (const auto& [id, listener] : listeners) {
    consumed = listener.first(&event, listener.second) != 0 || consumed;
  }
  return consumed;
}

}  // namespace platform_atk
