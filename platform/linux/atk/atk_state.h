// The ATK layer's state: everything it keeps between ATK's calls, in one object
// that the bridge owns. ATK's callbacks carry no data of ours and reach it
// through State(); only the GObject types are the process's, as GLib keeps them.
#pragma once

#include <atk/atk.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

struct DBusConnection;

namespace platform_atk {

struct TAtkState {
  // Becomes the state of the layer; there is one at a time.
  TAtkState();
  // Lets go of every object: one a reader still holds answers as defunct.
  ~TAtkState();
  TAtkState(const TAtkState&) = delete;
  TAtkState& operator=(const TAtkState&) = delete;

  // The application object above the windows' roots, named after the program.
  std::string AppName;
  AtkObject* Application = nullptr;
  // The windows' roots in the order they were first shown, and the one that
  // has the keyboard (ACTIVE), 0 for none.
  std::vector<uint32_t> Roots;
  uint32_t ActiveRoot = 0;
  // The readers' key snoopers by the ids handed out.
  std::map<guint, std::pair<AtkKeySnoopFunc, gpointer>> KeyListeners;
  guint NextKeyListener = 1;
  // The objects made for nodes and table cells, by node Id and column.
  std::unordered_map<uint64_t, AtkObject*> Objects;
  // What readers were last told: the focused node, each container's selected child.
  uint32_t FocusedId = 0;
  std::unordered_map<uint32_t, uint32_t> SelectedIds;
  // Where a reader's action is posted to run from the loop; tests replace it.
  std::function<void(std::function<void()>)> Poster;
  // The accessibility bus, whether a reader began to listen on it, the timer
  // that then tells it the focus, and the loop's poll set.
  DBusConnection* Bus = nullptr;
  bool ListenerAppeared = false;
  uint64_t AnnounceTimer = 0;
  std::vector<GPollFD> PollFds;
  // A window closed: the objects of its nodes are to be reported gone.
  bool Sweep = false;
};

// The layer's state; an error when there is none (no bridge is up).
TAtkState& State();
bool HasState();

}  // namespace platform_atk
