#include "ui/control_accessible.h"

#include <cctype>

#include "gfx/text.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"

std::string AccessibleText(std::string_view caption) {
  return gfx::StripPrefix(caption);
}

std::string AccessibleShortcut(std::string_view caption) {
  const char letter = gfx::AcceleratorOf(caption);
  if (letter == 0) {
    return {};
  }
  return std::string("Alt+") + static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

TRect TControlAccessible::ToScreen(const TRect& own) const {
  const TPoint inForm = control_.ClientToForm({own.Left, own.Top});
  TPoint origin = inForm;
  const TForm* form = control_.Form();
  if (form && form->Window()) {
    origin = form->Window()->ClientToScreen(inForm);
  }
  return Bounds(origin.X, origin.Y, own.Width(), own.Height());
}

TRect TControlAccessible::ScreenBounds() const {
  return ToScreen(control_.ClientRect());
}

uint32_t TControlAccessible::ShownStates(const TRect& own) const {
  uint32_t states = 0;
  const TForm* form = control_.Form();
  const bool windowShown = form && form->Window() && form->Window()->Visible();
  if (!control_.Showing() || !windowShown) {
    states |= asInvisible;
  }
  // What the parents leave of the rectangle.
  const TPoint origin = control_.ClientToForm({0, 0});
  TRect left = own.Offset(origin.X, origin.Y);
  for (const TControl* c = &control_; c && !left.IsEmpty(); c = c->Parent()) {
    left = left.Intersect(c->FormRect());
  }
  if (left.IsEmpty()) {
    states |= asOffscreen;
  }
  if (!control_.IsEnabled()) {
    states |= asUnavailable;
  }
  return states;
}

uint32_t TControlAccessible::CommonStates() const {
  uint32_t states = ShownStates(control_.ClientRect());
  if (control_.TabStop && control_.CanFocus()) {
    states |= asFocusable;
  }
  if (control_.Focused()) {
    states |= asFocused;
  }
  return states;
}

TAccessible* TControlAccessible::Parent() const {
  for (TControl* c = control_.Parent(); c; c = c->Parent()) {
    if (TControlAccessible* node = c->Accessible()) {
      return node;
    }
  }
  return nullptr;
}

void TControlAccessible::CollectChildren(std::vector<TAccessible*>& out) const {
  // Depth first: a child without a node hands up its own children, in order.
  std::vector<TControl*> pending;
  for (int i = control_.ControlCount() - 1; i >= 0; --i) {
    pending.push_back(control_.Control(i));
  }
  while (!pending.empty()) {
    TControl* c = pending.back();
    pending.pop_back();
    if (TControlAccessible* node = c->Accessible()) {
      if (node->InTree()) {
        out.push_back(node);
      }
      continue;
    }
    for (int i = c->ControlCount() - 1; i >= 0; --i) {
      pending.push_back(c->Control(i));
    }
  }
}

int TControlAccessible::ChildCount() const {
  std::vector<TAccessible*> kids;
  CollectChildren(kids);
  return PartCount() + static_cast<int>(kids.size());
}

TAccessible* TControlAccessible::Child(int index) const {
  if (index < 0) {
    return nullptr;
  }
  const int parts = PartCount();
  if (index < parts) {
    return Part(index);
  }
  std::vector<TAccessible*> kids;
  CollectChildren(kids);
  const size_t i = static_cast<size_t>(index - parts);
  return i < kids.size() ? kids[i] : nullptr;
}

TAccessible* TControlAccessible::FocusedNode() {
  if (control_.Focused()) {
    return FocusTarget();
  }
  // A part has the focus only with its control: look in the child controls alone.
  std::vector<TAccessible*> kids;
  CollectChildren(kids);
  for (TAccessible* kid : kids) {
    if (TAccessible* focused = kid->FocusedNode()) {
      return focused;
    }
  }
  return nullptr;
}

bool TControlAccessible::TakeFocus() {
  if (!control_.TabStop || !control_.CanFocus()) {
    return false;
  }
  control_.SetFocus();
  return control_.Focused();
}

namespace {

// The label in the control's window that names it; null for none.
const TLabel* LabelOf(const TControl& target) {
  const TControl* root = &target;
  while (root->Parent()) {
    root = root->Parent();
  }
  std::vector<const TControl*> pending{root};
  while (!pending.empty()) {
    const TControl* c = pending.back();
    pending.pop_back();
    if (const auto* label = dynamic_cast<const TLabel*>(c);
        label && label->LabelledControl() == &target) {
      return label;
    }
    for (int i = 0; i < c->ControlCount(); ++i) {
      pending.push_back(c->Control(i));
    }
  }
  return nullptr;
}

}  // namespace

TAccessible* TControlAccessible::LabelledBy() const {
  const TLabel* label = LabelOf(control_);
  return label ? const_cast<TLabel*>(label)->Accessible() : nullptr;
}

TAccessible* TControlAccessible::LabelFor() const {
  const auto* label = dynamic_cast<const TLabel*>(&control_);
  TControl* named = label ? label->LabelledControl() : nullptr;
  return named ? named->Accessible() : nullptr;
}

std::string TControlAccessible::LabelText() const {
  const TAccessible* label = LabelledBy();
  return label ? label->Name() : std::string();
}
