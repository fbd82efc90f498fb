#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/accessibility.h"

class TControl;

// The names of the default actions.
inline constexpr const char* kAccPress = "按下";
inline constexpr const char* kAccSelect = "选择";
inline constexpr const char* kAccOpen = "打开";
inline constexpr const char* kAccSwitch = "切换";

// A caption as a reader hears it: the "&" prefixes removed.
std::string AccessibleText(std::string_view caption);
// The Alt shortcut a caption marks ("Alt+R"), empty when it marks none.
std::string AccessibleShortcut(std::string_view caption);

// A control's node. What every control has in common is answered here: its
// place in the tree, its rectangle on the screen, visibility, availability and
// focus; each kind of control names itself. Its children are its parts (rows,
// tabs, bars), then the nodes of its child controls, where a child that has no
// node (a spacer, a bare panel) is replaced by its own children.
class TControlAccessible : public TAccessible {
 public:
  explicit TControlAccessible(TControl& control) : control_(control) {}

  TControl& Control() const { return control_; }

  uint32_t States() const override { return CommonStates(); }
  TRect ScreenBounds() const override;
  TAccessible* Parent() const override;
  int ChildCount() const override;
  TAccessible* Child(int index) const override;
  bool TakeFocus() override;
  TAccessible* FocusedNode() override;
  // A label's relation to the control it names, both ways.
  TAccessible* LabelledBy() const override;
  TAccessible* LabelFor() const override;

  // Parts are made when first asked for and owned by the node.
  virtual int PartCount() const { return 0; }
  virtual TAccessible* Part(int /*index*/) const { return nullptr; }
  // The content changed: the parts go (their Ids with them), new ones come when asked.
  virtual void DropParts() {}
  // What has the focus while the control has it: a part (the focused row,
  // the selected tab) or the node itself.
  virtual TAccessible* FocusTarget() { return this; }
  // Whether the node is among its parent's children now; a popup menu is
  // only while it is up, as the system's menus are windows of their own.
  virtual bool InTree() const { return true; }

  // A rectangle in the control's own coordinates, on the screen.
  TRect ToScreen(const TRect& own) const;
  // Invisible, off-screen (`own`, in own coordinates, clipped away by the
  // parents) and unavailable, as they apply to something the control shows.
  uint32_t ShownStates(const TRect& own) const;

 protected:
  // ShownStates of the whole control, and focusable and focused.
  uint32_t CommonStates() const;
  // The name of a control that shows no text of its own: its label's.
  std::string LabelText() const;

 private:
  void CollectChildren(std::vector<TAccessible*>& out) const;
  TControl& control_;
};

// A part of a control, owned by the control's node.
class TPartAccessible : public TAccessible {
 public:
  TPartAccessible(TControlAccessible& owner, int index) : owner_(owner), index_(index) {}
  TAccessible* Parent() const override { return &owner_; }
  // Parts come first among the owner's children.
  int IndexInParent() const override { return index_; }
  int Index() const { return index_; }

 protected:
  TControlAccessible& Owner() const { return owner_; }

 private:
  TControlAccessible& owner_;
  int index_;
};

// A control's part nodes, made when first asked for and kept by position until
// the control drops them, so a reader finds the same node again by its Id.
class TPartNodes {
 public:
  // The part at `index` of the `count` the control has now; `make` makes it.
  template <typename Make>
  TAccessible* At(int index, int count, Make&& make) {
    if (index < 0 || index >= count) {
      return nullptr;
    }
    nodes_.resize(static_cast<size_t>(count));
    auto& node = nodes_[static_cast<size_t>(index)];
    if (!node) {
      node = make();
    }
    return node.get();
  }
  // All but the first `keep` go, their Ids with them.
  void Drop(int keep = 0) {
    if (nodes_.size() > static_cast<size_t>(keep)) {
      nodes_.resize(static_cast<size_t>(keep));
    }
  }

 private:
  std::vector<std::unique_ptr<TPartAccessible>> nodes_;
};
