// Input routing: focus, tab order, capture, hover, cursor, keys and accelerators.
// Every control handler runs under the general error handler.
#include <algorithm>
#include <vector>

#include "ui/application.h"
#include "ui/control_accessible.h"
#include "ui/form.h"
#include "ui/guarded.h"
#include "ui/hints.h"
#include "ui/popup_menu.h"

namespace {

constexpr TShiftState kButtons = ssLeft | ssRight | ssMiddle;

TShiftState ButtonBit(TMouseButton b) {
  return b == mbLeft ? ssLeft : b == mbRight ? ssRight : ssMiddle;
}

// Controls of the subtree in tab order: siblings by TabOrder, then by z-order.
void CollectTabOrder(TControl* c, std::vector<TControl*>& out) {
  std::vector<TControl*> kids;
  for (int i = 0; i < c->ControlCount(); ++i) {
    kids.push_back(c->Control(i));
  }
  std::stable_sort(kids.begin(), kids.end(),
                   [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (TControl* k : kids) {
    out.push_back(k);
    CollectTabOrder(k, out);
  }
}

bool IsAncestor(const TControl* ancestor, const TControl* c) {
  for (; c; c = c->Parent()) {
    if (c == ancestor) {
      return true;
    }
  }
  return false;
}

bool AcceleratorWalk(TControl* c, char32_t letter) {
  if (!c->Visible() || !c->Enabled()) {
    return false;
  }
  if (c->DialogChar(letter)) {
    return true;
  }
  for (int i = 0; i < c->ControlCount(); ++i) {
    if (AcceleratorWalk(c->Control(i), letter)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void TForm::SetActiveControl(TControl* control) {
  if (control == active_) {
    return;
  }
  if (control && (!control->CanFocus() || control->Form() != this)) {
    return;
  }
  TControl* old = active_;
  active_ = control;
  if (old) {
    old->Invalidate();
    RunGuarded([old] { old->DoExit(); });
  }
  if (control) {
    control->Invalidate();
    RunGuarded([control] { control->DoEnter(); });
  }
  // Told once the window is up (ShowWindow), not while it is being prepared.
  if (control && active_ == control && window_ && window_->Visible()) {
    if (TControlAccessible* node = control->Accessible()) {
      AccessibilityChanged(TAccEvent::Focus, *node->FocusTarget());
    }
  }
}

TControl* TForm::FirstTabControl() {
  std::vector<TControl*> order;
  CollectTabOrder(this, order);
  for (TControl* c : order) {
    if (c->TabStop && c->CanFocus()) {
      return c;
    }
  }
  return nullptr;
}

bool TForm::SelectNext(bool forward) {
  std::vector<TControl*> order;
  CollectTabOrder(this, order);
  std::vector<TControl*> stops;
  for (TControl* c : order) {
    if (c->TabStop && c->CanFocus()) {
      stops.push_back(c);
    }
  }
  if (stops.empty()) {
    return false;
  }
  auto it = std::find(stops.begin(), stops.end(), active_);
  size_t n = stops.size();
  size_t next;
  if (it == stops.end()) {
    next = forward ? 0 : n - 1;
  } else {
    size_t i = static_cast<size_t>(it - stops.begin());
    next = forward ? (i + 1) % n : (i + n - 1) % n;
  }
  SetActiveControl(stops[next]);
  return true;
}

void TForm::SetCaptureControl(TControl* control, TControl* requester) {
  if (!control && capture_ != requester) {
    return;
  }
  capture_ = control;
  autoCapture_ = false;
}

void TForm::CancelMode() {
  capture_ = nullptr;
  autoCapture_ = false;
}

bool TForm::DispatchAccelerator(char32_t letter) {
  if (letter >= 'a' && letter <= 'z') {
    letter = letter - 'a' + 'A';
  }
  bool handled = false;
  RunGuarded([&] { handled = AcceleratorWalk(this, letter); });
  return handled;
}

TControl* TForm::EnabledTarget(TControl* c) const {
  // Disabled controls let the mouse through to their parent, as on Windows.
  while (c && !c->IsEnabled()) {
    c = c->Parent();
  }
  return c;
}

void TForm::UpdateHover(TPoint p) {
  TControl* over = ClientRect().Contains(p) ? EnabledTarget(ControlAtPos(p)) : nullptr;
  if (over != hover_) {
    TControl* old = hover_;
    hover_ = over;
    if (old) {
      RunGuarded([old] { old->MouseLeave(); });
    }
    if (over && hover_ == over) {
      RunGuarded([over] { over->MouseEnter(); });
    }
  }
}

void TForm::UpdateCursor(TPoint p) {
  TControl* target = capture_ ? capture_ : EnabledTarget(ControlAtPos(p));
  TCursor cursor = crDefault;
  for (TControl* c = target; c && cursor == crDefault; c = c->Parent()) {
    TPoint local = c->FormToClient(p);
    cursor = c->CursorAt(local.X, local.Y);
  }
  if (cursor == crDefault) {
    cursor = crArrow;
  }
  if (cursor != cursor_) {
    cursor_ = cursor;
    if (window_) {
      window_->SetCursor(cursor);
    }
  }
}

void TForm::ControlGone(TControl* control) {
  if (IsAncestor(control, shownMenu_)) {
    shownMenu_ = nullptr;
  }
  if (IsAncestor(control, active_)) {
    active_ = nullptr;
  }
  if (IsAncestor(control, hover_)) {
    hover_ = nullptr;
  }
  if (IsAncestor(control, capture_)) {
    capture_ = nullptr;
  }
}

void TForm::ControlHidden(TControl* control) {
  if (IsAncestor(control, active_)) {
    SetActiveControl(nullptr);
  }
  if (IsAncestor(control, capture_)) {
    CancelMode();
  }
  if (IsAncestor(control, hover_)) {
    TControl* old = hover_;
    hover_ = nullptr;
    RunGuarded([old] { old->MouseLeave(); });
  }
}

// ---- the platform window's input

bool TForm::PopupMenuOf(TControl* c, const TPoint* formPos) {
  for (; c; c = c->Parent()) {
    if (TPopupMenu* menu = c->PopupMenu) {
      menu->Popup(formPos ? *formPos : c->ClientToForm(c->PopupPoint()));
      return true;
    }
  }
  return false;
}

void TForm::WindowMouseDown(TMouseButton button, TShiftState shift, TPoint p) {
  ArrangeControls();
  CancelAppHint();
  if (shownMenu_ && !shownMenu_->FormRect().Contains(p)) {
    shownMenu_->CloseUp();
    swallowRelease_ = true;
    return;
  }
  TControl* target = capture_ ? capture_ : EnabledTarget(ControlAtPos(p));
  if (!target) {
    return;
  }
  if (!capture_) {
    // Holding a button keeps the mouse with the pressed control until release.
    capture_ = target;
    autoCapture_ = true;
  }
  if (target->CanFocus() && target->FocusOnClick() && target != this) {
    SetActiveControl(target);
  }
  TPoint local = target->FormToClient(p);
  RunGuarded([&] { target->MouseDown(button, shift | ButtonBit(button), local.X, local.Y); });
}

void TForm::WindowMouseMove(TShiftState shift, TPoint p) {
  ArrangeControls();
  if (!capture_) {
    UpdateHover(p);
  }
  UpdateCursor(p);
  TControl* target = capture_ ? capture_ : hover_;
  if (target) {
    TPoint local = target->FormToClient(p);
    RunGuarded([&] { target->MouseMove(shift, local.X, local.Y); });
  }
  TPoint screen = window_ ? window_->ClientToScreen(p) : p;
  if (TApplication* app = Application()) {
    app->Hints().MouseOver(capture_ ? nullptr : hover_, screen);
  }
}

void TForm::WindowMouseUp(TMouseButton button, TShiftState shift, TPoint p) {
  ArrangeControls();
  if (swallowRelease_) {
    swallowRelease_ = false;
    return;
  }
  TControl* target = capture_ ? capture_ : EnabledTarget(ControlAtPos(p));
  TShiftState remaining = (shift & ~ButtonBit(button));
  if (capture_ && autoCapture_ && (remaining & kButtons) == 0) {
    capture_ = nullptr;
    autoCapture_ = false;
  }
  if (target) {
    TPoint local = target->FormToClient(p);
    RunGuarded([&] { target->MouseUp(button, remaining, local.X, local.Y); });
  }
  if (!capture_) {
    UpdateHover(p);
    UpdateCursor(p);
  }
  // A right click's menu comes on release, as the system's context menus do.
  if (button == mbRight && !shownMenu_ && target && target->FormRect().Contains(p)) {
    RunGuarded([&] { PopupMenuOf(target, &p); });
  }
}

void TForm::WindowMouseWheel(TShiftState shift, int wheelDelta, TPoint p) {
  ArrangeControls();
  CancelAppHint();
  if (shownMenu_) {
    shownMenu_->CloseUp();
  }
  TControl* c = capture_ ? capture_ : EnabledTarget(ControlAtPos(p));
  RunGuarded([&] {
    for (; c; c = c->Parent()) {
      if (c->MouseWheel(shift, wheelDelta, c->FormToClient(p))) {
        break;
      }
    }
  });
}

void TForm::WindowMouseLeave() {
  if (capture_) {
    return;
  }
  if (hover_) {
    TControl* old = hover_;
    hover_ = nullptr;
    RunGuarded([old] { old->MouseLeave(); });
  }
  if (TApplication* app = Application()) {
    app->Hints().MouseOver(nullptr, {});
  }
}

void TForm::WindowKeyDown(TKey key, TShiftState shift) {
  CancelAppHint();
  if (shownMenu_) {
    RunGuarded([&] { shownMenu_->KeyDown(key, shift); });
    return;
  }
  bool alt = (shift & ssAlt) != 0, ctrl = (shift & ssCtrl) != 0;
  if (key == Key_Apps || (key == Key_F10 && (shift & (ssShift | ssCtrl | ssAlt)) == ssShift)) {
    bool shown = false;
    RunGuarded([&] { shown = PopupMenuOf(active_, nullptr); });
    if (shown) {
      return;
    }
  }
  if (alt && !ctrl && key == Key_F4) {
    WindowCloseRequest();
    return;
  }
  if (alt && !ctrl && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) {
    DispatchAccelerator(key);
    return;
  }
  bool handled = false;
  RunGuarded([&] {
    for (TControl* c = active_; c && !handled; c = c->Parent()) {
      handled = c->KeyDown(key, shift);
    }
  });
  if (handled) {
    return;
  }
  if (key == Key_Tab && !ctrl && !alt) {
    SelectNext((shift & ssShift) == 0);
  }
}

void TForm::WindowKeyUp(TKey key, TShiftState shift) {
  RunGuarded([&] {
    for (TControl* c = active_; c; c = c->Parent()) {
      if (c->KeyUp(key, shift)) {
        break;
      }
    }
  });
}

void TForm::WindowChar(char32_t ch) {
  RunGuarded([&] {
    for (TControl* c = active_; c; c = c->Parent()) {
      if (c->KeyChar(ch)) {
        break;
      }
    }
  });
}

void TForm::WindowDeactivated() {
  CancelMode();
  CancelAppHint();
  if (shownMenu_) {
    shownMenu_->CloseUp();
  }
}

void TForm::WindowFilesDropped(const std::vector<std::string>& paths) {
  if (OnDropFiles && !paths.empty()) {
    RunGuarded([&] { OnDropFiles(paths); });
  }
}
