#include "ui/accessibility.h"

#include <unordered_map>

namespace {

// Every live node by its Id; the UI thread is the only user.
std::unordered_map<uint32_t, TAccessible*>& LiveNodes() {
  static std::unordered_map<uint32_t, TAccessible*> nodes;
  return nodes;
}

uint32_t nextId = 1;

}  // namespace

TAccessible::TAccessible() : id_(nextId++) {
  LiveNodes().emplace(id_, this);
}

TAccessible::~TAccessible() {
  LiveNodes().erase(id_);
}

TAccessible* TAccessible::HitTest(TPoint screen) {
  if (!ScreenBounds().Contains(screen)) {
    return nullptr;
  }
  // Later children lie on top.
  for (int i = ChildCount() - 1; i >= 0; --i) {
    TAccessible* child = Child(i);
    if (child && (child->States() & (asInvisible | asOffscreen)) == 0) {
      if (TAccessible* hit = child->HitTest(screen)) {
        return hit;
      }
    }
  }
  return this;
}

int TAccessible::IndexInParent() const {
  const TAccessible* parent = Parent();
  if (parent == nullptr) {
    return -1;
  }
  for (int i = 0; i < parent->ChildCount(); ++i) {
    if (parent->Child(i) == this) {
      return i;
    }
  }
  return -1;
}

std::vector<TAccessible*> TAccessible::SelectedChildren() const {
  std::vector<TAccessible*> selected;
  for (int i = 0; i < ChildCount(); ++i) {
    TAccessible* child = Child(i);
    if (child != nullptr && (child->States() & asSelected) != 0) {
      selected.push_back(child);
    }
  }
  return selected;
}

TAccessible* TAccessible::FocusedNode() {
  for (int i = 0; i < ChildCount(); ++i) {
    if (TAccessible* child = Child(i)) {
      if (TAccessible* focused = child->FocusedNode()) {
        return focused;
      }
    }
  }
  return (States() & asFocused) != 0 ? this : nullptr;
}

TAccessible* FindAccessible(uint32_t id) {
  auto it = LiveNodes().find(id);
  return it == LiveNodes().end() ? nullptr : it->second;
}
