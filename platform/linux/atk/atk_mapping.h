// The toolkit's roles, states and actions in ATK's terms, as GTK's own widgets
// report theirs to AT-SPI readers.
#pragma once

#include <atk/atk.h>

#include <cstdint>
#include <string>

#include "ui/accessibility.h"

namespace platform_atk {

// `table`: the node shows a table; `row`: it is a row of one.
AtkRole AtkRoleOf(TAccRole role, bool table, bool row);
// ATK states as bits (1 << AtkStateType) of a node with these states and role.
uint64_t AtkStatesOf(uint32_t states, TAccRole role);
// The name by which AT-SPI knows an action ("click", "switch", "jump", "select").
const char* ActionNameOf(const std::string& defaultAction);
// "Alt+R" as a key binding: "<Alt>r".
std::string KeyBindingOf(const std::string& shortcut);

inline uint64_t StateBit(AtkStateType state) {
  return uint64_t{1} << static_cast<unsigned>(state);
}

}  // namespace platform_atk
