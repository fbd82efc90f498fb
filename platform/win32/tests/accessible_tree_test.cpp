// How the accessible objects name the nodes of a tree by child id.
#include "platform/win32/accessible_tree.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/win32/tests/test_accessible.h"

namespace platform_win32 {
namespace {

// A window: a toolbar of three buttons in a row, a list of three rows in a
// column, and a status bar with one pane.
class AccessibleTree : public ::testing::Test {
 protected:
  AccessibleTree()
      : root_(TAccRole::Window, "Dorvex", Bounds(100, 100, 600, 400)),
        toolbar_(root_.Add(TAccRole::ToolBar, "", Bounds(100, 100, 600, 60))),
        list_(root_.Add(TAccRole::List, "", Bounds(100, 160, 600, 300), asFocusable)),
        status_(root_.Add(TAccRole::StatusBar, "", Bounds(100, 460, 600, 40))) {
    const char* const buttons[] = {"b0", "b1", "b2"};
    const char* const rows[] = {"r0", "r1", "r2"};
    for (int i = 0; i < 3; ++i) {
      toolbar_.Add(TAccRole::PushButton, buttons[i], Bounds(104 + 80 * i, 104, 75, 52));
      list_.Add(TAccRole::ListItem, rows[i], Bounds(102, 180 + 17 * i, 590, 17));
    }
    status_.Add(TAccRole::StaticText, "记录数:3", Bounds(100, 462, 200, 36));
  }

  TTestNode root_;
  TTestNode& toolbar_;
  TTestNode& list_;
  TTestNode& status_;
};

TEST_F(AccessibleTree, EventsNameTheRootAsItselfAndEveryOtherNodeByItsNegatedId) {
  EXPECT_EQ(EventChildId(root_), 0);
  EXPECT_EQ(EventChildId(list_), -static_cast<long>(list_.Id()));
  EXPECT_EQ(EventChildId(list_.At(2)), -static_cast<long>(list_.At(2).Id()));
  EXPECT_EQ(NodeIdOfChildId(EventChildId(list_.At(2))), list_.At(2).Id());
  // Positions and self name no node by Id; the smallest child ids do not overflow.
  EXPECT_EQ(NodeIdOfChildId(0), 0u);
  EXPECT_EQ(NodeIdOfChildId(3), 0u);
  EXPECT_EQ(NodeIdOfChildId(-2147483647L - 1), 0x80000000u);
  EXPECT_EQ(NodeIdOfChildId(LONG_MIN), LONG_MIN == -2147483647L - 1 ? 0x80000000u : 0u);
}

TEST_F(AccessibleTree, ChildIdsAreSelfPositionsFromOneAndNegatedIdsBelow) {
  EXPECT_EQ(ResolveChildId(list_, 0), &list_);
  EXPECT_EQ(ResolveChildId(list_, 1), &list_.At(0));
  EXPECT_EQ(ResolveChildId(list_, 3), &list_.At(2));
  EXPECT_EQ(ResolveChildId(list_, 4), nullptr);
  EXPECT_EQ(ResolveChildId(list_, LONG_MAX), nullptr);
  // Any depth from the root; never outside the object's own subtree.
  EXPECT_EQ(ResolveChildId(root_, EventChildId(list_.At(1))), &list_.At(1));
  EXPECT_EQ(ResolveChildId(toolbar_, EventChildId(list_.At(1))), nullptr);
  EXPECT_EQ(ResolveChildId(list_, EventChildId(root_.At(1))), &list_);
  EXPECT_EQ(ResolveChildId(root_, LONG_MIN), nullptr);
}

TEST_F(AccessibleTree, ARemovedNodesIdNamesNothingAnyMore) {
  const long old = EventChildId(list_.At(0));
  list_.RemoveChildren();
  list_.Add(TAccRole::ListItem, "new", Bounds(102, 180, 590, 17));
  EXPECT_EQ(ResolveChildId(root_, old), nullptr);
  EXPECT_EQ(ResolveChildId(list_, 1)->Name(), "new");
  EXPECT_EQ(ResolveChildId(list_, 2), nullptr);
}

TEST_F(AccessibleTree, NavigationByPlaceOnTheScreenStaysAmongSiblings) {
  EXPECT_EQ(Navigate(toolbar_.At(0), TNavDirection::Right), &toolbar_.At(1));
  EXPECT_EQ(Navigate(toolbar_.At(2), TNavDirection::Left), &toolbar_.At(1));
  EXPECT_EQ(Navigate(toolbar_.At(2), TNavDirection::Right), nullptr);
  EXPECT_EQ(Navigate(toolbar_.At(1), TNavDirection::Up), nullptr);
  EXPECT_EQ(Navigate(list_.At(0), TNavDirection::Down), &list_.At(1));
  EXPECT_EQ(Navigate(list_.At(2), TNavDirection::Up), &list_.At(1));
  EXPECT_EQ(Navigate(list_.At(0), TNavDirection::Up), nullptr);
  EXPECT_EQ(Navigate(toolbar_, TNavDirection::Down), &list_);
  EXPECT_EQ(Navigate(status_, TNavDirection::Up), &list_);
}

TEST_F(AccessibleTree, NavigationPrefersTheSameRowOverANearerNodeBesideIt) {
  TTestNode panel(TAccRole::Grouping, "", Bounds(0, 0, 300, 300));
  TTestNode& from = panel.Add(TAccRole::PushButton, "from", Bounds(0, 0, 20, 20));
  panel.Add(TAccRole::PushButton, "diagonal", Bounds(25, 25, 20, 20));
  TTestNode& inRow = panel.Add(TAccRole::PushButton, "row", Bounds(200, 10, 20, 20));
  EXPECT_EQ(Navigate(from, TNavDirection::Right), &inRow);
}

}  // namespace
}  // namespace platform_win32
