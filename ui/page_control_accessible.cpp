// The page control tells of a tab list: one tab per page (its parts), then the
// pages themselves, of which only the selected one is visible.
#include <memory>

#include "ui/control_accessible.h"
#include "ui/page_control.h"

namespace {

class TTabAccessible : public TPartAccessible {
 public:
  TTabAccessible(TControlAccessible& owner, TRzPageControl& pages, int index)
      : TPartAccessible(owner, index), pages_(pages) {}

  TAccRole Role() const override { return TAccRole::PageTab; }
  std::string Name() const override { return AccessibleText(Page().Caption()); }
  uint32_t States() const override {
    uint32_t states = Owner().ShownStates(pages_.TabRect(Index())) | asSelectable;
    if (!Page().Enabled()) {
      states |= asUnavailable;
    }
    if (pages_.TabStop && pages_.CanFocus()) {
      states |= asFocusable;
    }
    if (Selected()) {
      states |= asSelected;
      if (pages_.Focused()) {
        states |= asFocused;
      }
    }
    return states;
  }
  TRect ScreenBounds() const override { return Owner().ToScreen(pages_.TabRect(Index())); }
  std::string DefaultAction() const override { return kAccSwitch; }
  bool DoDefaultAction() override { return TakeSelection(); }
  bool TakeSelection() override {
    if (!pages_.Showing() || !pages_.IsEnabled() || !Page().Enabled()) {
      return false;
    }
    pages_.SetTabIndex(Index());
    return Selected();
  }
  // The focus stays on the selected tab, so this tab is selected too.
  bool TakeFocus() override {
    if (!pages_.TabStop || !pages_.CanFocus() || !TakeSelection()) {
      return false;
    }
    pages_.SetFocus();
    return pages_.Focused();
  }

 private:
  TRzTabSheet& Page() const { return *pages_.Page(Index()); }
  bool Selected() const { return pages_.TabIndex() == Index(); }
  TRzPageControl& pages_;
};

class TPageControlAccessible : public TControlAccessible {
 public:
  explicit TPageControlAccessible(TRzPageControl& pages)
      : TControlAccessible(pages), pages_(pages) {}

  TAccRole Role() const override { return TAccRole::PageTabList; }
  std::string Name() const override { return {}; }
  int PartCount() const override { return pages_.PageCount(); }
  TAccessible* Part(int index) const override {
    auto& self = const_cast<TPageControlAccessible&>(*this);
    return tabs_.At(index, pages_.PageCount(),
                    [&] { return std::make_unique<TTabAccessible>(self, pages_, index); });
  }
  void DropParts() override { tabs_.Drop(); }
  TAccessible* FocusTarget() override {
    TAccessible* tab = Part(pages_.TabIndex());
    return tab ? tab : this;
  }

 private:
  TRzPageControl& pages_;
  mutable TPartNodes tabs_;
};

}  // namespace

std::unique_ptr<TControlAccessible> TRzPageControl::CreateAccessible() {
  return std::make_unique<TPageControlAccessible>(*this);
}
