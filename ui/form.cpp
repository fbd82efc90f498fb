#include "ui/form.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "gfx/canvas.h"
#include "gfx/scale.h"
#include "ui/application.h"
#include "ui/control_accessible.h"
#include "ui/hints.h"

namespace {

constexpr size_t kMaxDirtyAreas = 8;
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

TForm::TForm() {
  SetBounds(0, 0, 320, 240);
  if (TApplication* app = Application()) {
    app->RegisterForm(this);
  }
}

TForm::~TForm() {
  AppHints().CancelHint();
  if (TApplication* app = Application()) {
    app->UnregisterForm(this);
  }
  // The controls are destroyed by the base class; nothing may point at them meanwhile.
  active_ = hover_ = capture_ = nullptr;
  window_.reset();
}

void TForm::Guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (...) {
    HandleAppException();
  }
}

void TForm::DoCreate() {
  Guarded([this] {
    if (OnCreate) {
      OnCreate();
    }
  });
}

void TForm::SetIcon(gfx::TBitmap icon) {
  icon_ = std::move(icon);
  if (window_ && !icon_.IsEmpty()) {
    window_->SetIcon(icon_);
  }
}

void TForm::CaptionChanged() {
  if (window_) {
    window_->SetTitle(Caption());
  }
}

void TForm::ShowWindow() {
  closed_ = false;
  if (TApplication* app = Application()) {
    if (!window_) {
      TWindowParams params;
      params.Kind = Kind;
      params.Title = Caption();
      params.ClientWidth = Width();
      params.ClientHeight = Height();
      params.Centred = Kind != wkPopup;
      if (Owner) {
        params.Owner = Owner->Window();
      }
      window_ = app->Platform().CreatePlatformWindow(params, this);
      if (!icon_.IsEmpty()) {
        window_->SetIcon(icon_);
      }
    }
  }
  if (!active_) {
    SetActiveControl(FirstTabControl());
  }
  PaintAll();
  if (window_) {
    window_->Present(image_, image_.BoundsRect());
    const bool appears = !window_->Visible();
    window_->Show();
    if (appears) {
      if (Kind == wkDialog) {
        AccessibilityChanged(TAccEvent::DialogStart, *Accessible());
      }
      if (active_) {
        if (TControlAccessible* node = active_->Accessible()) {
          AccessibilityChanged(TAccEvent::Focus, *node->FocusTarget());
        }
      }
    }
  }
  ReportPaintError();
}

void TForm::HideWindow() {
  if (window_) {
    if (window_->Visible() && Kind == wkDialog) {
      AccessibilityChanged(TAccEvent::DialogEnd, *Accessible());
    }
    window_->Hide();
  }
}

void TForm::ShowModal() {
  TApplication* app = Application();
  std::vector<TForm*> others;
  if (app) {
    for (TForm* f : app->Forms()) {
      if (f != this && f->Window()) {
        others.push_back(f);
        f->CancelMode();
        f->Window()->SetInputEnabled(false);
      }
    }
  }
  modal_ = true;
  if (!Owner && app && app->MainForm != this) {
    Owner = app->MainForm;
  }
  ShowWindow();
  if (window_) {
    window_->GrabFocus();
  }
  while (app && !closed_ && !app->Terminated()) {
    std::optional<uint64_t> timeout;
    if (auto due = AppTimers().NextDue()) {
      uint64_t now = AppTimers().Now();
      timeout = *due > now ? *due - now : 0;
    }
    app->HandleMessage(timeout);
  }
  modal_ = false;
  HideWindow();
  for (TForm* f : others) {
    if (app && std::find(app->Forms().begin(), app->Forms().end(), f) != app->Forms().end()) {
      f->Window()->SetInputEnabled(true);
    }
  }
}

void TForm::Close() {
  if (closed_) {
    return;
  }
  Guarded([this] {
    if (OnClose) {
      OnClose();
    }
  });
  closed_ = true;
  CancelMode();
  AppHints().CancelHint();
  HideWindow();
  TApplication* app = Application();
  if (app && app->MainForm == this) {
    app->Terminate();
  }
}

// ---- painting

void TForm::Paint(TCanvas& canvas) {
  canvas.FillRect(ClientRect(), color_);
}

void TForm::InvalidateArea(const TRect& r) {
  TRect clipped = r.Intersect(ClientRect());
  if (clipped.IsEmpty()) {
    return;
  }
  // Merge with an overlapping area; past a handful of areas collapse to their union.
  for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
    if (!it->Intersect(clipped).IsEmpty()) {
      clipped = UnionRect(*it, clipped);
      dirty_.erase(it);
      InvalidateArea(clipped);
      return;
    }
  }
  dirty_.push_back(clipped);
  if (dirty_.size() > kMaxDirtyAreas) {
    TRect all;
    for (const TRect& d : dirty_) {
      all = UnionRect(all, d);
    }
    dirty_.assign(1, all);
  }
}

void TForm::PaintControl(TControl* control, TPoint origin, const TRect& clip) {
  TRect bounds = Bounds(origin.X, origin.Y, control->Width(), control->Height());
  TRect area = bounds.Intersect(clip);
  if (area.IsEmpty()) {
    return;
  }
  // Under an opaque child that covers the whole area there is nothing to see.
  bool covered = false;
  for (int i = 0; i < control->ControlCount() && !covered; ++i) {
    TControl* c = control->Control(i);
    TRect cb = Bounds(origin.X + c->Left(), origin.Y + c->Top(), c->Width(), c->Height());
    covered = c->Visible() && c->Opaque() && cb.Intersect(area) == area;
  }
  if (!covered) {
    TCanvas canvas(image_);
    canvas.SetOrigin(origin);
    canvas.PushClipRect(area.Offset(-origin.X, -origin.Y));
    canvas.SetTextEngine(&control->TextEngine());
    canvas.Font = font_;
    try {
      control->Paint(canvas);
    } catch (...) {
      if (!paintError_) {
        paintError_ = std::current_exception();
      }
    }
    ++paintCount_;
  }
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* c = control->Control(i);
    if (!c->Visible()) {
      continue;
    }
    PaintControl(c, {origin.X + c->Left(), origin.Y + c->Top()}, area);
  }
}

void TForm::PaintArea(const TRect& area) {
  if (image_.Width() != Width() || image_.Height() != Height()) {
    image_.SetSize(Width(), Height());
  }
  PaintControl(this, {0, 0}, area.Intersect(ClientRect()));
}

void TForm::PaintAll() {
  dirty_.clear();
  image_.SetSize(Width(), Height());
  PaintArea(ClientRect());
}

void TForm::RepaintAll() {
  PaintAll();
  ReportPaintError();
}

void TForm::UpdateWindow() {
  SendAccessibilityEvents();
  if (dirty_.empty()) {
    return;
  }
  if (image_.Width() != Width() || image_.Height() != Height()) {
    PaintAll();
    if (window_) {
      window_->Present(image_, image_.BoundsRect());
    }
  } else {
    std::vector<TRect> areas;
    areas.swap(dirty_);
    TRect all;
    for (const TRect& r : areas) {
      PaintArea(r);
      all = UnionRect(all, r);
    }
    if (window_) {
      window_->Present(image_, all);
    }
  }
  ReportPaintError();
}

void TForm::ReportPaintError() {
  if (!paintError_) {
    return;
  }
  // The paint is over: the error box's own message loop may paint again.
  std::exception_ptr error = std::exchange(paintError_, nullptr);
  if (TApplication* app = Application()) {
    app->HandleException(error);
    return;
  }
  std::rethrow_exception(error);
}

void TForm::Resize() {
  TWinControl::Resize();
  Invalidate();
}

void TForm::ChangeScale(int m, int d) {
  font_.Height = gfx::MulDiv(font_.Height, m, d);
  // The form's own position is the platform's; only its client size scales.
  int l = Left(), t = Top();
  TWinControl::ChangeScale(m, d);
  SetBounds(l, t, Width(), Height());
}

// ---- focus, capture and pointer

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
    Guarded([old] { old->DoExit(); });
  }
  if (control) {
    control->Invalidate();
    Guarded([control] { control->DoEnter(); });
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
  Guarded([&] { handled = AcceleratorWalk(this, letter); });
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
      Guarded([old] { old->MouseLeave(); });
    }
    if (over && hover_ == over) {
      Guarded([over] { over->MouseEnter(); });
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
    Guarded([old] { old->MouseLeave(); });
  }
}

// ---- platform window events

void TForm::WindowResized(int clientWidth, int clientHeight) {
  Guarded([&] { SetBounds(Left(), Top(), clientWidth, clientHeight); });
}

void TForm::WindowMouseDown(TMouseButton button, TShiftState shift, TPoint p) {
  AppHints().CancelHint();
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
  Guarded([&] { target->MouseDown(button, shift | ButtonBit(button), local.X, local.Y); });
}

void TForm::WindowMouseMove(TShiftState shift, TPoint p) {
  if (!capture_) {
    UpdateHover(p);
  }
  UpdateCursor(p);
  TControl* target = capture_ ? capture_ : hover_;
  if (target) {
    TPoint local = target->FormToClient(p);
    Guarded([&] { target->MouseMove(shift, local.X, local.Y); });
  }
  TPoint screen = window_ ? window_->ClientToScreen(p) : p;
  AppHints().MouseOver(capture_ ? nullptr : hover_, screen);
}

void TForm::WindowMouseUp(TMouseButton button, TShiftState shift, TPoint p) {
  TControl* target = capture_ ? capture_ : EnabledTarget(ControlAtPos(p));
  TShiftState remaining = (shift & ~ButtonBit(button));
  if (capture_ && autoCapture_ && (remaining & kButtons) == 0) {
    capture_ = nullptr;
    autoCapture_ = false;
  }
  if (target) {
    TPoint local = target->FormToClient(p);
    Guarded([&] { target->MouseUp(button, remaining, local.X, local.Y); });
  }
  if (!capture_) {
    UpdateHover(p);
    UpdateCursor(p);
  }
}

void TForm::WindowMouseWheel(TShiftState shift, int wheelDelta, TPoint p) {
  AppHints().CancelHint();
  TControl* c = capture_ ? capture_ : EnabledTarget(ControlAtPos(p));
  Guarded([&] {
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
    Guarded([old] { old->MouseLeave(); });
  }
  AppHints().MouseOver(nullptr, {});
}

void TForm::WindowKeyDown(TKey key, TShiftState shift) {
  AppHints().CancelHint();
  bool alt = (shift & ssAlt) != 0, ctrl = (shift & ssCtrl) != 0;
  if (alt && !ctrl && key == Key_F4) {
    WindowCloseRequest();
    return;
  }
  if (alt && !ctrl && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) {
    DispatchAccelerator(key);
    return;
  }
  bool handled = false;
  Guarded([&] {
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
  Guarded([&] {
    for (TControl* c = active_; c; c = c->Parent()) {
      if (c->KeyUp(key, shift)) {
        break;
      }
    }
  });
}

void TForm::WindowChar(char32_t ch) {
  Guarded([&] {
    for (TControl* c = active_; c; c = c->Parent()) {
      if (c->KeyChar(ch)) {
        break;
      }
    }
  });
}

void TForm::WindowCloseRequest() {
  Close();
}

void TForm::WindowDeactivated() {
  CancelMode();
  AppHints().CancelHint();
}

// ---- accessibility

TAccessible* TForm::WindowAccessible() {
  return Accessible();
}

void TForm::AccessibilityChanged(TAccEvent event, TAccessible& node) {
  if (!window_) {
    return;
  }
  if (event != TAccEvent::Reorder) {
    window_->AccessibilityEvent(event, node);
    return;
  }
  if (std::find(pendingReorders_.begin(), pendingReorders_.end(), node.Id()) ==
      pendingReorders_.end()) {
    pendingReorders_.push_back(node.Id());
  }
}

void TForm::SendAccessibilityEvents() {
  std::vector<uint32_t> ids;
  ids.swap(pendingReorders_);
  for (uint32_t id : ids) {
    // A node that went meanwhile is told of by its parent's reorder.
    if (TAccessible* node = FindAccessible(id); node && window_) {
      window_->AccessibilityEvent(TAccEvent::Reorder, *node);
    }
  }
}
