// Dorvex as ATK's toolkit: the application object at the top of the tree, the
// windows below it, and the key snoopers through which readers hear keys
// before the program handles them.
#pragma once

#include <atk/atk.h>

#include <cstdint>
#include <string>

namespace platform_atk {

// Makes the layer's application object (named `name`) and answers ATK's
// questions for the toolkit: root, toolkit name and version, key event listeners.
AtkObject* InstallApplication(const std::string& name);

// The windows' roots under the application, in the order they were opened.
// AddWindowRoot returns the new root's place; RemoveWindowRoot the place it had.
int AddWindowRoot(uint32_t rootId);
int RemoveWindowRoot(uint32_t rootId);
int WindowRootIndex(uint32_t rootId);

// A key as X reported it; true when a listener (a reader) consumed it.
struct TKeyEvent {
  bool Press = true;
  unsigned State = 0;    // X modifier bits
  unsigned Keysym = 0;   // GDK's key values are X's key symbols
  std::string Text;      // what the key types, UTF-8
  uint16_t Keycode = 0;  // the hardware key
  uint32_t Time = 0;     // X server time, ms
};
bool SnoopKey(const TKeyEvent& key);

}  // namespace platform_atk
