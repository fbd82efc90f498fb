#include "ui/accessibility.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A node with a fixed rectangle and states, and children it owns.
class TBox : public TAccessible {
 public:
  TBox(TBox* parent, TRect bounds, uint32_t states = 0)
      : parent_(parent), bounds_(bounds), states_(states) {}
  TBox* Add(TRect bounds, uint32_t states = 0) {
    kids_.push_back(std::make_unique<TBox>(this, bounds, states));
    return kids_.back().get();
  }
  void Drop() { kids_.clear(); }
  TAccRole Role() const override { return TAccRole::Grouping; }
  std::string Name() const override { return {}; }
  uint32_t States() const override { return states_; }
  TRect ScreenBounds() const override { return bounds_; }
  TAccessible* Parent() const override { return parent_; }
  int ChildCount() const override { return static_cast<int>(kids_.size()); }
  TAccessible* Child(int i) const override { return kids_[i].get(); }

 private:
  TBox* parent_;
  TRect bounds_;
  uint32_t states_;
  std::vector<std::unique_ptr<TBox>> kids_;
};

}  // namespace

TEST(AccessibleTree, HitTestFindsTheDeepestShownNodeOnTop) {
  TBox root(nullptr, {0, 0, 100, 100});
  TBox* shownPage = root.Add({0, 20, 100, 100});
  TBox* hiddenPage = root.Add({0, 20, 100, 100}, asInvisible);
  TBox* row = shownPage->Add({0, 20, 100, 30});
  shownPage->Add({0, 10, 100, 20}, asOffscreen);  // scrolled up under the header
  hiddenPage->Add({0, 20, 100, 100});

  EXPECT_EQ(root.HitTest({50, 25}), row);  // the hidden page, later, is passed over
  EXPECT_EQ(root.HitTest({50, 50}), shownPage);
  EXPECT_EQ(root.HitTest({50, 15}), &root);  // not the off-screen row
  EXPECT_EQ(root.HitTest({100, 50}), nullptr);
  EXPECT_EQ(root.HitTest({-1, 0}), nullptr);
}

TEST(AccessibleTree, FocusedNodeIsTheDeepestFocusedOne) {
  TBox root(nullptr, {0, 0, 10, 10});
  TBox* list = root.Add({}, asFocusable | asFocused);
  list->Add({}, asFocusable);
  EXPECT_EQ(root.FocusedNode(), list);
  TBox* row = list->Add({}, asFocusable | asFocused);
  EXPECT_EQ(root.FocusedNode(), row);
  EXPECT_EQ(list->Child(0)->FocusedNode(), nullptr);

  TBox quiet(nullptr, {});
  quiet.Add({});
  EXPECT_EQ(quiet.FocusedNode(), nullptr);
}

TEST(AccessibleTree, IdsAreUniqueAndGoneNodesAreNotFound) {
  TBox root(nullptr, {});
  TBox* a = root.Add({});
  TBox* b = root.Add({});
  const uint32_t idA = a->Id(), idB = b->Id();
  EXPECT_NE(idA, 0u);
  EXPECT_NE(idA, idB);
  EXPECT_EQ(FindAccessible(idA), a);
  EXPECT_EQ(FindAccessible(0), nullptr);
  root.Drop();
  EXPECT_EQ(FindAccessible(idA), nullptr);
  EXPECT_EQ(FindAccessible(idB), nullptr);
  // A new node never takes an old Id.
  TBox* c = root.Add({});
  EXPECT_GT(c->Id(), idB);
  EXPECT_EQ(FindAccessible(c->Id()), c);
}
