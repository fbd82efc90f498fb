// The accessibility event queue: changes of the tree go to the platform window's
// bridge; reorders and state changes are gathered and sent once at the next turn
// of the loop, after the paint that placed what they tell of.
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
  if (event != TAccEvent::Reorder && event != TAccEvent::StateChange) {
    window_->AccessibilityEvent(event, node);
    return;
  }
  const std::pair<TAccEvent, uint32_t> pending{event, node.Id()};
  if (std::find(pendingEvents_.begin(), pendingEvents_.end(), pending) == pendingEvents_.end()) {
    pendingEvents_.push_back(pending);
  }
}

void TForm::SendAccessibilityEvents() {
  std::vector<std::pair<TAccEvent, uint32_t>> events;
  events.swap(pendingEvents_);
  for (const auto& [event, id] : events) {
    // A node that went meanwhile is told of by its parent's reorder.
    if (TAccessible* node = FindAccessible(id); node && window_) {
      window_->AccessibilityEvent(event, *node);
    }
  }
}

void TForm::Announce(const std::string& text) {
  // Nobody hears a window that is not up yet (the refresh before it is shown).
  if (text.empty() || !AccessibilityOn()) {
    return;
  }
  const bool first = announcement_.empty();
  announcement_ = text;
  // The notification that says it joins the window's children the first time.
  if (first) {
    NotifyAccessible(TAccEvent::Reorder);
  }
  if (TAccessible* notification = Accessible()->Part(0)) {
    AccessibilityChanged(TAccEvent::Announcement, *notification);
  }
}
