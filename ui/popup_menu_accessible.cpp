// The menu tells of its items (its parts), each named by its caption.
#include <memory>

#include "ui/control_accessible.h"
#include "ui/popup_menu.h"

namespace {

class TMenuItemAccessible : public TPartAccessible {
 public:
  TMenuItemAccessible(TControlAccessible& owner, TPopupMenu& menu, int item)
      : TPartAccessible(owner, item), menu_(menu) {}

  TAccRole Role() const override { return TAccRole::MenuItem; }
  std::string Name() const override { return AccessibleText(menu_.ItemCaption(Index())); }
  uint32_t States() const override {
    uint32_t states = Owner().ShownStates(menu_.ItemRect(Index())) | asFocusable;
    if (menu_.Focused() && menu_.HighlightIndex() == Index()) {
      states |= asFocused;
    }
    return states;
  }
  TRect ScreenBounds() const override { return Owner().ToScreen(menu_.ItemRect(Index())); }
  std::string DefaultAction() const override { return kAccPress; }
  bool DoDefaultAction() override {
    if (!menu_.IsUp()) {
      return false;
    }
    menu_.ClickItem(Index());
    return true;
  }
  bool TakeFocus() override {
    if (!menu_.IsUp()) {
      return false;
    }
    menu_.SetHighlightIndex(Index());
    return true;
  }

 private:
  TPopupMenu& menu_;
};

class TPopupMenuAccessible : public TControlAccessible {
 public:
  explicit TPopupMenuAccessible(TPopupMenu& menu) : TControlAccessible(menu), menu_(menu) {}

  TAccRole Role() const override { return TAccRole::PopupMenu; }
  std::string Name() const override { return {}; }
  bool InTree() const override { return menu_.IsUp(); }
  int PartCount() const override { return menu_.ItemCount(); }
  TAccessible* Part(int index) const override {
    auto& self = const_cast<TPopupMenuAccessible&>(*this);
    return parts_.At(index, PartCount(),
                     [&] { return std::make_unique<TMenuItemAccessible>(self, menu_, index); });
  }
  void DropParts() override { parts_.Drop(); }
  TAccessible* FocusTarget() override {
    const int item = menu_.HighlightIndex();
    return item >= 0 ? Part(item) : this;
  }

 private:
  TPopupMenu& menu_;
  mutable TPartNodes parts_;
};

}  // namespace

std::unique_ptr<TControlAccessible> TPopupMenu::CreateAccessible() {
  return std::make_unique<TPopupMenuAccessible>(*this);
}
