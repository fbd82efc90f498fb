#include "platform/linux/atk/atk_application.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/linux/atk/atk_node.h"

namespace platform_atk {

namespace {

struct TAppObject {
  AtkObject Parent;
};
struct TAppObjectClass {
  AtkObjectClass Parent;
};

std::string& AppName() {
  static std::string name;
  return name;
}

std::vector<uint32_t>& Roots() {
  static std::vector<uint32_t> roots;
  return roots;
}

std::map<guint, std::pair<AtkKeySnoopFunc, gpointer>>& KeyListeners() {
  static std::map<guint, std::pair<AtkKeySnoopFunc, gpointer>> listeners;
  return listeners;
}

AtkObject* application = nullptr;

const gchar* AppGetName(AtkObject*) {
  return AppName().c_str();
}

gint AppGetNChildren(AtkObject*) {
  return static_cast<gint>(Roots().size());
}

AtkObject* AppRefChild(AtkObject*, gint i) {
  if (i < 0 || i >= static_cast<gint>(Roots().size())) {
    return nullptr;
  }
  TAccessible* root = FindAccessible(Roots()[static_cast<size_t>(i)]);
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
  atk->get_name = AppGetName;
  atk->get_n_children = AppGetNChildren;
  atk->ref_child = AppRefChild;
  atk->get_parent = AppGetParent;
  atk->get_index_in_parent = AppGetIndexInParent;
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

// ---- AtkUtil, answered for the whole process

AtkObject* GetRoot() {
  return application;
}

const gchar* GetToolkitName() {
  return "Dorvex";
}

const gchar* GetToolkitVersion() {
  return "2.0";
}

guint AddKeyEventListener(AtkKeySnoopFunc listener, gpointer data) {
  static guint nextId = 1;
  const guint id = nextId++;
  KeyListeners()[id] = {listener, data};
  return id;
}

void RemoveKeyEventListener(guint id) {
  KeyListeners().erase(id);
}

}  // namespace

AtkObject* InstallApplication(const std::string& name) {
  AppName() = name;
  if (application == nullptr) {
    application = ATK_OBJECT(g_object_new(AppType(), nullptr));
    atk_object_initialize(application, nullptr);
    application->role = ATK_ROLE_APPLICATION;
    SetApplicationObject(application);
    SetWindowIndex(WindowRootIndex);
  }
  // ATK asks its own class: the toolkit fills it in.
  auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = GetRoot;
  util->get_toolkit_name = GetToolkitName;
  util->get_toolkit_version = GetToolkitVersion;
  util->add_key_event_listener = AddKeyEventListener;
  util->remove_key_event_listener = RemoveKeyEventListener;
  return application;
}

int AddWindowRoot(uint32_t rootId) {
  if (WindowRootIndex(rootId) < 0) {
    Roots().push_back(rootId);
  }
  return WindowRootIndex(rootId);
}

int RemoveWindowRoot(uint32_t rootId) {
  const int index = WindowRootIndex(rootId);
  if (index >= 0) {
    Roots().erase(Roots().begin() + index);
  }
  return index;
}

int WindowRootIndex(uint32_t rootId) {
  auto& roots = Roots();
  auto it = std::find(roots.begin(), roots.end(), rootId);
  return it == roots.end() ? -1 : static_cast<int>(it - roots.begin());
}

bool SnoopKey(const TKeyEvent& key) {
  if (KeyListeners().empty()) {
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
  const auto listeners = KeyListeners();
  bool consumed = false;
  for (const auto& [id, listener] : listeners) {
    consumed = listener.first(&event, listener.second) != 0 || consumed;
  }
  return consumed;
}

}  // namespace platform_atk
