#include "platform/win32/accessible_tree.h"

#include <cstdint>
#include <limits>
#include <tuple>

namespace platform_win32 {

namespace {

// Twice the centre, so that odd sizes stay exact.
int Centre2(int low, int high) {
  return low + high;
}

// How far apart two intervals are; 0 when they overlap.
int Gap(int lowA, int highA, int lowB, int highB) {
  if (highA <= lowB) {
    return lowB - highA;
  }
  if (highB <= lowA) {
    return lowA - highB;
  }
  return 0;
}

// Siblings in the same row (or column) first, then the nearest.
TAccessible* NearestSibling(TAccessible& start, TNavDirection direction) {
  TAccessible* parent = start.Parent();
  if (parent == nullptr) {
    return nullptr;
  }
  const TRect from = start.ScreenBounds();
  const bool across = direction == TNavDirection::Left || direction == TNavDirection::Right;
  const int sign = direction == TNavDirection::Left || direction == TNavDirection::Up ? -1 : 1;
  TAccessible* best = nullptr;
  std::tuple<int, int> bestKey{std::numeric_limits<int>::max(), 0};
  for (int i = 0; i < parent->ChildCount(); ++i) {
    TAccessible* sibling = parent->Child(i);
    if (sibling == nullptr || sibling == &start) {
      continue;
    }
    const TRect r = sibling->ScreenBounds();
    const int ahead = across ? Centre2(r.Left, r.Right) - Centre2(from.Left, from.Right)
                             : Centre2(r.Top, r.Bottom) - Centre2(from.Top, from.Bottom);
    if (ahead * sign <= 0) {
      continue;
    }
    const int aside = across ? Gap(r.Top, r.Bottom, from.Top, from.Bottom)
                             : Gap(r.Left, r.Right, from.Left, from.Right);
    const std::tuple<int, int> key{aside, ahead * sign};
    if (best == nullptr || key < bestKey) {
      best = sibling;
      bestKey = key;
    }
  }
  return best;
}

}  // namespace

long EventChildId(const TAccessible& node) {
  if (node.Parent() == nullptr) {
    return 0;
  }
  return -static_cast<long>(node.Id());
}

uint32_t NodeIdOfChildId(long childId) {
  if (childId >= 0) {
    return 0;
  }
  // Negated without a sign: the smallest long has no positive counterpart.
  const uint64_t negated = 0u - static_cast<uint64_t>(static_cast<int64_t>(childId));
  return negated <= UINT32_MAX ? static_cast<uint32_t>(negated) : 0;
}

bool IsWithin(const TAccessible& node, const TAccessible& ancestor) {
  for (const TAccessible* n = &node; n != nullptr; n = n->Parent()) {
    if (n == &ancestor) {
      return true;
    }
  }
  return false;
}

TAccessible* ResolveChildId(TAccessible& self, long childId) {
  if (childId == 0) {
    return &self;
  }
  if (childId > 0) {
    return childId <= self.ChildCount() ? self.Child(static_cast<int>(childId - 1)) : nullptr;
  }
  TAccessible* node = FindAccessible(NodeIdOfChildId(childId));
  return node != nullptr && IsWithin(*node, self) ? node : nullptr;
}

TAccAnswer AnswerFor(TAccessible& self, TAccessible* node) {
  TAccAnswer answer;
  answer.Node = node;
  if (node == nullptr || node == &self) {
    return answer;
  }
  if (node->Parent() == &self && node->ChildCount() == 0) {
    const int index = node->IndexInParent();
    if (index >= 0) {
      answer.ChildId = index + 1;
      return answer;
    }
  }
  answer.AsObject = true;
  return answer;
}

TAccessible* Navigate(TAccessible& start, TNavDirection direction) {
  switch (direction) {
    case TNavDirection::FirstChild:
      return start.ChildCount() > 0 ? start.Child(0) : nullptr;
    case TNavDirection::LastChild:
      return start.ChildCount() > 0 ? start.Child(start.ChildCount() - 1) : nullptr;
    case TNavDirection::Next:
    case TNavDirection::Previous: {
      TAccessible* parent = start.Parent();
      const int index = start.IndexInParent();
      if (parent == nullptr || index < 0) {
        return nullptr;
      }
      const int to = index + (direction == TNavDirection::Next ? 1 : -1);
      return to >= 0 && to < parent->ChildCount() ? parent->Child(to) : nullptr;
    }
    case TNavDirection::Up:
    case TNavDirection::Down:
    case TNavDirection::Left:
    case TNavDirection::Right:
      return NearestSibling(start, direction);
  }
  return nullptr;
}

}  // namespace platform_win32
