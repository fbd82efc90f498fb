#pragma once

#include <utility>

// Sets a property that shows in the picture and asks its owner for a repaint.
template <class TOwner, class T, class V>
void SetProperty(TOwner& owner, T& field, V&& value) {
  field = std::forward<V>(value);
  owner.Repaint();
}
