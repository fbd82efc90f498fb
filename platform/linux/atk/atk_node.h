// The GObjects a reader sees through ATK: one per node of a window's accessible
// tree (and one per cell of a table row). Each keeps its node's Id and finds the
// node again on every call, as the MSAA objects do: a reader may hold an object
// long after its node is gone (a refresh replaces the rows), and then finds it
// defunct. The objects live on the one UI thread, in the layer's state.
#pragma once

#include <atk/atk.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/accessibility.h"

namespace platform_atk {

// The object of a node, made on first use and kept while the node lives;
// borrowed (the layer holds the reference).
AtkObject* ObjectOf(TAccessible& node);
// The object of a cell: table column `column` of a table's row node.
AtkObject* CellOf(TAccessible& row, int column);
// The object already made for a node, or null.
AtkObject* FindObject(const TAccessible& node);

// The node an object stands for; null when it is gone (or the object is a cell
// or none of ours). A cell's row and column through CellNode.
TAccessible* NodeOf(AtkObject* object);
TAccessible* CellNode(AtkObject* object, int& column);
// The table a row belongs to, or null.
TAccTable* TableOfRow(const TAccessible& row);
// The node a reader is told has the focus when `node` has it: a row that has the
// keyboard but is not selected leaves it with its table, as a tree view of GTK
// selects the row it gives the focus (the first arrow key then tells the row).
TAccessible& ReaderFocus(TAccessible& node);
// Whether `node` is `ancestor` or lies below it.
bool IsWithin(const TAccessible& node, const TAccessible& ancestor);

// What an object that has gone still says: its former parent and place.
struct TGoneObject {
  AtkObject* Object;  // one reference, the caller's
  AtkObject* Parent;  // borrowed; null when the parent went too
  int Index;
};
// Takes out the objects whose nodes have gone, for the caller to report and release.
std::vector<TGoneObject> TakeGoneObjects();
// The objects made and not yet taken out.
std::vector<AtkObject*> Objects();
// Lets go of every object (the layer's state is going); one still held answers as defunct.
void ReleaseAllObjects();

// ATK states of an object as bits (see atk_mapping.h): DEFUNCT alone once gone.
uint64_t StatesOf(AtkObject* object);
// The states last told to a reader (made, read or announced), and setting them.
uint64_t ReportedStates(AtkObject* object);
void SetReportedStates(AtkObject* object, uint64_t states);
// The text a reader was last told, for the memo's text-changed events.
const std::string& ReportedText(AtkObject* object);
void SetReportedText(AtkObject* object, std::string text);

// Posts `action` to run from the message loop, after the reader's call has
// returned (an action may open a modal window): through the state's poster, or
// on the program's timer queue.
void PostAction(std::function<void()> action);

}  // namespace platform_atk
