// The accessibility event queue: changes of the tree go to the platform window's
// bridge; reorders are gathered and sent once before the next repaint.
#include <algorithm>

#include "ui/control_accessible.h"
#include "ui/form.h"

TAccessible* TForm::WindowAccessible() {
  return Accessible();
}

void TForm::AccessibilityChanged(TAccEvent event, TAccessible& node) {
  if (!window_) {
    return;
  }
  if (event != TAccEvent::Reorder) {
    window_->AccessibilityEvent(event, node);
    return;
  }
  if (std::find(pendingReorders_.begin(), pendingReorders_.end(), node.Id()) ==
      pendingReorders_.end()) {
    pendingReorders_.push_back(node.Id());
  }
}

void TForm::SendAccessibilityEvents() {
  std::vector<uint32_t> ids;
  ids.swap(pendingReorders_);
  for (uint32_t id : ids) {
    // A node that went meanwhile is told of by its parent's reorder.
    if (TAccessible* node = FindAccessible(id); node && window_) {
      window_->AccessibilityEvent(TAccEvent::Reorder, *node);
    }
  }
}
