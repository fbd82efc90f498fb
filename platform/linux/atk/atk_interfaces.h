// The ATK interfaces of the node objects, one file each; used by atk_node.cpp
// when it makes the object types.
#pragma once

#include <atk/atk.h>

#include <string>

#include "ui/accessibility.h"

namespace platform_atk {

void InitComponent(AtkComponentIface* iface);
void InitAction(AtkActionIface* iface);
void InitSelection(AtkSelectionIface* iface);
void InitTable(AtkTableIface* iface);
void InitTableCell(AtkTableCellIface* iface);
void InitText(AtkTextIface* iface);

// The memo's text as AtkText tells it: "\n" line breaks, valid UTF-8.
std::string ReaderText(const TAccessible& node);
// A byte offset into the node's Value() as a character offset into ReaderText.
int ReaderOffset(const TAccessible& node, int byteOffset);

}  // namespace platform_atk
