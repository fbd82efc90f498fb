#include "platform/linux/atk/atk_state.h"

#include <stdexcept>

#include "platform/linux/atk/atk_node.h"

namespace platform_atk {

namespace {

TAtkState* current = nullptr;

}  // namespace

TAtkState::TAtkState() {
  if (current != nullptr) {
    throw std::logic_error("the accessibility bridge is up already");
  }
  current = this;
}

TAtkState::~TAtkState() {
  ReleaseAllObjects();
  if (Application != nullptr) {
    g_object_unref(Application);
  }
  current = nullptr;
}

TAtkState& State() {
  if (current == nullptr) {
    throw std::logic_error("the accessibility bridge is not up");
  }
  return *current;
}

bool HasState() {
  return current != nullptr;
}

}  // namespace platform_atk
