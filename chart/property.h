#pragma once

#include <utility>

// Sets a property that shows in the picture; a new value asks its owner for a
// repaint, the same value asks for nothing.
template <class TOwner, class T, class V>
void SetProperty(TOwner& owner, T& field, V&& value) {
  if (field == value) {
    return;
  }
  field = std::forward<V>(value);
  owner.Repaint();
}
