// What the windows and the simple widgets tell a reader of themselves. The list
// and the page control, which have parts, have files of their own.
#include <algorithm>
#include <memory>

#include "ui/button.h"
#include "ui/control_accessible.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/status_bar.h"
#include "ui/tool_button.h"
#include "ui/toolbar.h"
#include "ui/url_label.h"

namespace {

// What the window last announced: no place on the screen, told when it changes.
class TNotificationAccessible : public TPartAccessible {
 public:
  TNotificationAccessible(TControlAccessible& owner, TForm& form)
      : TPartAccessible(owner, 0), form_(form) {}
  TAccRole Role() const override { return TAccRole::Notification; }
  std::string Name() const override { return form_.Announcement(); }
  uint32_t States() const override { return Owner().States(); }
  TRect ScreenBounds() const override { return {}; }

 private:
  TForm& form_;
};

class TFormAccessible : public TControlAccessible {
 public:
  explicit TFormAccessible(TForm& form) : TControlAccessible(form), form_(form) {}
  TAccRole Role() const override {
    return form_.Kind == wkDialog ? TAccRole::Dialog : TAccRole::Window;
  }
  std::string Name() const override { return form_.Caption(); }
  std::string Description() const override { return form_.Description(); }
  int PartCount() const override { return form_.Announcement().empty() ? 0 : 1; }
  TAccessible* Part(int index) const override {
    auto& self = const_cast<TFormAccessible&>(*this);
    return notification_.At(index, PartCount(),
                            [&] { return std::make_unique<TNotificationAccessible>(self, form_); });
  }
  uint32_t States() const override {
    return form_.Window() && form_.Window()->Visible() ? 0u : uint32_t{asInvisible};
  }
  TAccessible* Parent() const override { return nullptr; }
  TAccessible* FocusedNode() override {
    TControl* active = form_.ActiveControl();
    TControlAccessible* node = active ? active->Accessible() : nullptr;
    return node ? node->FocusTarget() : nullptr;
  }

 private:
  TForm& form_;
  mutable TPartNodes notification_;
};

// A control that shows one text.
template <class T>
class TTextAccessible : public TControlAccessible {
 public:
  TTextAccessible(T& control, TAccRole role) : TControlAccessible(control), role_(role) {}
  TAccRole Role() const override { return role_; }
  std::string Name() const override { return AccessibleText(Shown().Caption()); }

 protected:
  T& Shown() const { return static_cast<T&>(Control()); }

 private:
  TAccRole role_;
};

// Pressed when shown down; the default action clicks it.
template <class T>
class TButtonAccessible : public TTextAccessible<T> {
 public:
  explicit TButtonAccessible(T& button) : TTextAccessible<T>(button, TAccRole::PushButton) {}
  std::string Shortcut() const override { return AccessibleShortcut(this->Shown().Caption()); }
  uint32_t States() const override {
    uint32_t states = TTextAccessible<T>::States();
    if (Pressed()) {
      states |= asPressed;
    }
    return states;
  }
  std::string DefaultAction() const override { return kAccPress; }
  bool DoDefaultAction() override {
    T& button = this->Shown();
    if (!button.Showing() || !button.IsEnabled()) {
      return false;
    }
    button.Click();
    return true;
  }

 private:
  bool Pressed() const;
};

template <>
bool TButtonAccessible<TRzButton>::Pressed() const {
  return Shown().Down();
}

template <>
bool TButtonAccessible<TRzToolButton>::Pressed() const {
  return Shown().Down() || Shown().Exclusive();
}

class TLinkAccessible : public TTextAccessible<TRzURLLabel> {
 public:
  explicit TLinkAccessible(TRzURLLabel& link) : TTextAccessible(link, TAccRole::Link) {}
  std::string Value() const override { return Shown().Target(); }
  uint32_t States() const override {
    uint32_t states = TTextAccessible::States() | asLinked;
    if (Shown().Visited()) {
      states |= asTraversed;
    }
    return states;
  }
  std::string DefaultAction() const override { return kAccOpen; }
  bool DoDefaultAction() override {
    if (!Shown().Showing() || !Shown().IsEnabled() || Shown().Target().empty()) {
      return false;
    }
    Shown().Click();
    return true;
  }
};

class TMemoAccessible : public TControlAccessible {
 public:
  explicit TMemoAccessible(TMemo& memo) : TControlAccessible(memo), memo_(memo) {}
  TAccRole Role() const override { return TAccRole::Text; }
  std::string Name() const override { return {}; }
  std::string Value() const override { return memo_.Text(); }
  uint32_t States() const override { return CommonStates() | asReadOnly | asMultiLine; }
  int TextCaret() const override { return memo_.TextOffset(memo_.Caret()); }
  std::pair<int, int> TextSelection() const override {
    const int anchor = memo_.TextOffset(memo_.Anchor()), caret = TextCaret();
    return {std::min(anchor, caret), std::max(anchor, caret)};
  }

 private:
  TMemo& memo_;
};

// A container that says only what it is.
class TBandAccessible : public TControlAccessible {
 public:
  TBandAccessible(TControl& control, TAccRole role) : TControlAccessible(control), role_(role) {}
  TAccRole Role() const override { return role_; }
  std::string Name() const override { return {}; }

 private:
  TAccRole role_;
};

}  // namespace

std::unique_ptr<TControlAccessible> TForm::CreateAccessible() {
  return std::make_unique<TFormAccessible>(*this);
}

std::unique_ptr<TControlAccessible> TLabel::CreateAccessible() {
  return std::make_unique<TTextAccessible<TLabel>>(*this, TAccRole::StaticText);
}

std::unique_ptr<TControlAccessible> TRzURLLabel::CreateAccessible() {
  return std::make_unique<TLinkAccessible>(*this);
}

std::unique_ptr<TControlAccessible> TRzButton::CreateAccessible() {
  return std::make_unique<TButtonAccessible<TRzButton>>(*this);
}

std::unique_ptr<TControlAccessible> TRzToolButton::CreateAccessible() {
  return std::make_unique<TButtonAccessible<TRzToolButton>>(*this);
}

std::unique_ptr<TControlAccessible> TRzToolbar::CreateAccessible() {
  return std::make_unique<TBandAccessible>(*this, TAccRole::ToolBar);
}

std::unique_ptr<TControlAccessible> TRzStatusBar::CreateAccessible() {
  return std::make_unique<TBandAccessible>(*this, TAccRole::StatusBar);
}

std::unique_ptr<TControlAccessible> TRzStatusPane::CreateAccessible() {
  return std::make_unique<TTextAccessible<TRzStatusPane>>(*this, TAccRole::StaticText);
}

std::unique_ptr<TControlAccessible> TMemo::CreateAccessible() {
  return std::make_unique<TMemoAccessible>(*this);
}

std::unique_ptr<TControlAccessible> TRzTabSheet::CreateAccessible() {
  return std::make_unique<TTextAccessible<TRzTabSheet>>(*this, TAccRole::PropertyPage);
}
