// Screen readers on Linux: at-spi2-core's ATK bridge serves the windows' ATK
// objects over AT-SPI; the X11 platform tells it of windows, keys and changes
// and pumps its D-Bus connection from the program's own wait.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/linux/atk/atk_application.h"
#include "platform/linux/atk/atk_state.h"
#include "ui/accessibility.h"

namespace platform_atk {

// Owns the layer's state for as long as it is up.
class TAtkBridge {
 public:
  // Null, at once and silently, when no reader can be reached: NO_AT_BRIDGE=1,
  // no session bus (`accessibilityBusOnDisplay`: the X display names an
  // accessibility bus of its own), or a bridge that declines.
  static std::unique_ptr<TAtkBridge> Start(const std::string& programName,
                                           bool accessibilityBusOnDisplay);
  ~TAtkBridge();
  TAtkBridge(const TAtkBridge&) = delete;
  TAtkBridge& operator=(const TAtkBridge&) = delete;

  // A top-level window's root: first shown, given or losing the keyboard,
  // gone. Pop-ups (the hint window) are no windows to a reader.
  void WindowShown(TAccessible& root);
  void WindowFocused(TAccessible& root, bool focused);
  void WindowClosed(uint32_t rootId);
  void AccessibilityEvent(TAccEvent event, const TAccessible& node);
  // True when a reader consumed the key: the program does not handle it.
  bool Key(const TKeyEvent& key);

  // The loop's wait, GLib's sources included; then what was left to tell.
  void Wait(int fd, int timeoutMs);

 private:
  TAtkBridge() = default;
  TAtkState state_;
  bool adaptorUp_ = false;
};

}  // namespace platform_atk
