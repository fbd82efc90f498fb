// How Microsoft Active Accessibility addresses the nodes of a window's
// accessible tree, kept free of Windows headers so that the rules are tested
// on every build.
//
// An IAccessible object stands for one node and names nodes by child id:
//   0 (CHILDID_SELF)  the object's own node;
//   1 .. n            its children by position, as the platform's own list and
//                     tab controls number their items;
//   -k                the node whose Id is k, anywhere below the object. Events
//                     name their node so (the window's root is 0), and a reader
//                     finds it again through the root's get_accChild, however
//                     deep it lies; the Id is never reused, so a stale -k names
//                     nothing rather than another node.
// Answers name a direct child without children of its own by its position, any
// other node by an object of its own.
#pragma once

#include <cstdint>

#include "ui/accessibility.h"

namespace platform_win32 {

// The child id of an event about `node`: 0 for the window's root, else -Id.
long EventChildId(const TAccessible& node);
// The node Id a negative child id names; 0 for other child ids.
uint32_t NodeIdOfChildId(long childId);

// True when `node` is `ancestor` or lies below it.
bool IsWithin(const TAccessible& node, const TAccessible& ancestor);

// The node a child id names relative to `self`; null when it names none.
TAccessible* ResolveChildId(TAccessible& self, long childId);

// A node as an answer relative to `self`: a child id, or an object of its own.
struct TAccAnswer {
  TAccessible* Node = nullptr;  // null: no node (VT_EMPTY)
  bool AsObject = false;
  long ChildId = 0;  // when not AsObject
};
TAccAnswer AnswerFor(TAccessible& self, TAccessible* node);

// accNavigate's directions (NAVDIR_UP .. NAVDIR_LASTCHILD, 1 .. 8).
enum class TNavDirection { Up = 1, Down, Left, Right, Next, Previous, FirstChild, LastChild };

// From `start` (self or one of the nodes below it): the first or last child of
// `start`, its next or previous sibling, or the nearest sibling on that side of
// it on the screen. Null when there is none.
TAccessible* Navigate(TAccessible& start, TNavDirection direction);

}  // namespace platform_win32
