// A hand-made accessible tree for the bridge's tests: nodes whose texts,
// states and bounds the test sets, and which count the actions run on them.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/accessibility.h"

namespace platform_win32 {

class TTestNode : public TAccessible {
 public:
  TTestNode(TAccRole role, std::string name, TRect bounds, uint32_t states = 0,
            TTestNode* parent = nullptr)
      : role_(role), name_(std::move(name)), bounds_(bounds), states_(states), parent_(parent) {}

  TTestNode& Add(TAccRole role, std::string name, TRect bounds, uint32_t states = 0) {
    children_.push_back(std::make_unique<TTestNode>(role, std::move(name), bounds, states, this));
    return *children_.back();
  }
  void RemoveChildren() { children_.clear(); }
  TTestNode& At(int index) { return *children_.at(static_cast<std::size_t>(index)); }

  void SetName(std::string name) { name_ = std::move(name); }
  void SetStates(uint32_t states) { states_ = states; }

  std::string ValueText;
  std::string DescriptionText;
  std::string ShortcutText;
  std::string ActionName;
  int ActionsRun = 0;
  int FocusRequests = 0;
  int SelectRequests = 0;

  TAccRole Role() const override { return role_; }
  std::string Name() const override { return name_; }
  std::string Value() const override { return ValueText; }
  std::string Description() const override { return DescriptionText; }
  std::string Shortcut() const override { return ShortcutText; }
  uint32_t States() const override { return states_; }
  TRect ScreenBounds() const override { return bounds_; }
  TAccessible* Parent() const override { return parent_; }
  int ChildCount() const override { return static_cast<int>(children_.size()); }
  TAccessible* Child(int index) const override {
    return index >= 0 && index < ChildCount() ? children_[static_cast<std::size_t>(index)].get()
                                              : nullptr;
  }
  std::string DefaultAction() const override { return ActionName; }
  bool DoDefaultAction() override {
    if (ActionName.empty()) {
      return false;
    }
    ++ActionsRun;
    return true;
  }
  bool TakeFocus() override {
    ++FocusRequests;
    if ((states_ & asFocusable) == 0) {
      return false;
    }
    states_ |= asFocused;
    return true;
  }
  bool TakeSelection() override {
    ++SelectRequests;
    if ((states_ & asSelectable) == 0) {
      return false;
    }
    states_ |= asSelected;
    return true;
  }

 private:
  TAccRole role_;
  std::string name_;
  TRect bounds_;
  uint32_t states_;
  TTestNode* parent_;
  std::vector<std::unique_ptr<TTestNode>> children_;
};

}  // namespace platform_win32
