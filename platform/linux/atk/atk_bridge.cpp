#include "platform/linux/atk/atk_bridge.h"

#include <atk-bridge.h>
#include <atspi/atspi.h>
#include <dbus/dbus.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/linux/atk/atk_events.h"
#include "platform/linux/atk/atk_node.h"
#include "platform/linux/atk/glib_wait.h"
#include "ui/guarded.h"
#include "ui/timer.h"

namespace platform_atk {

namespace {

constexpr uint32_t kAnnounceDelayMs = 100;

// The registry tells every application when a reader begins to listen for an
// event; the bridge sends events only from then on. Nothing here can fail.
DBusHandlerResult WatchListeners(DBusConnection*, DBusMessage* message, void*) noexcept {
  if (HasState() &&
      dbus_message_is_signal(message, "org.a11y.atspi.Registry", "EventListenerRegistered")) {
    State().ListenerAppeared = true;
  }
  return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

// The libraries' warnings (no registry, a reader gone) are nothing a user can
// act on: the program prints nothing. Their bugs still show.
void Quiet(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer) {
  if ((level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL)) != 0) {
    g_log_default_handler(domain, level, message, nullptr);
  }
}

bool SessionBusNamed() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address != nullptr && *address != 0) {
    return true;
  }
  // The user's bus, where libdbus looks without an address.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == 0) {
    return false;
  }
  struct stat st {};
  const std::string socket = std::string(runtime) + "/bus";
  return stat(socket.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

}  // namespace

std::unique_ptr<TAtkBridge> TAtkBridge::Start(const std::string& programName,
                                              bool accessibilityBusOnDisplay) {
  const char* off = std::getenv("NO_AT_BRIDGE");
  if (off != nullptr && std::strcmp(off, "1") == 0) {
    return nullptr;
  }
  // Without a bus libdbus would start one of its own (autolaunch): not for us.
  if (!accessibilityBusOnDisplay && !SessionBusNamed()) {
    return nullptr;
  }
  g_log_set_default_handler(Quiet, nullptr);
  std::unique_ptr<TAtkBridge> bridge(new TAtkBridge);
  InstallApplication(programName);
  // The bridge shares libatspi's connection and swallows the registry's
  // signals in its own filter: ours comes first.
  DBusConnection* bus = atspi_get_a11y_bus();
  if (bus == nullptr) {
    return nullptr;
  }
  dbus_connection_add_filter(bus, WatchListeners, nullptr, nullptr);
  bridge->state_.Bus = bus;
  if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) {
    return nullptr;
  }
  bridge->adaptorUp_ = true;
  return bridge;
}

TAtkBridge::~TAtkBridge() {
  AppTimers().Remove(state_.AnnounceTimer);
  if (state_.Bus != nullptr) {
    dbus_connection_remove_filter(state_.Bus, WatchListeners, nullptr);
  }
  if (adaptorUp_) {
    atk_bridge_adaptor_cleanup();
  }
}

void TAtkBridge::WindowShown(TAccessible& root) {
  if (WindowRootIndex(root.Id()) >= 0) {
    return;
  }
  WindowCreated(root, AddWindowRoot(root.Id()));
}

void TAtkBridge::WindowFocused(TAccessible& root, bool focused) {
  WindowActivated(root, focused);
}

void TAtkBridge::WindowClosed(uint32_t rootId) {
  const int index = RemoveWindowRoot(rootId);
  if (TAccessible* root = FindAccessible(rootId); root != nullptr && index >= 0) {
    WindowDestroyed(*root, index);
  }
  // Its nodes go with the window's form, after this.
  state_.Sweep = true;
}

void TAtkBridge::AccessibilityEvent(TAccEvent event, const TAccessible& node) {
  SendAccessibilityEvent(event, node);
}

bool TAtkBridge::Key(const TKeyEvent& key) {
  return SnoopKey(key);
}

void TAtkBridge::Wait(int fd, int timeoutMs) {
  WaitWithGlib(fd, timeoutMs, state_.PollFds);
  if (state_.Sweep) {
    state_.Sweep = false;
    ReportGoneObjects();
  }
  if (state_.ListenerAppeared) {
    state_.ListenerAppeared = false;
    // A reader registers many events in a row: tell it once, when it is done.
    AppTimers().Remove(state_.AnnounceTimer);
    state_.AnnounceTimer = AppTimers().AddOnce(kAnnounceDelayMs, [this] {
      state_.AnnounceTimer = 0;
      RunGuarded([this] {
        if (TAccessible* active = FindAccessible(state_.ActiveRoot)) {
          AnnounceFocus(*active);
        }
      });
    });
  }
}

}  // namespace platform_atk
