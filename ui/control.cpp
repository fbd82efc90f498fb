#include "ui/control.h"

#include <algorithm>

#include "gfx/scale.h"
#include "gfx/text.h"
#include "ui/application.h"
#include "ui/control_accessible.h"
#include "ui/form.h"

TControl::TControl() = default;

TControl::~TControl() {
  accessible_.reset();
  // Children go first, while their parent pointers are still valid.
  while (!children_.empty()) {
    auto child = std::move(children_.back());
    children_.pop_back();
    child->parent_ = nullptr;
    child.reset();
  }
  if (TForm* form = Form()) {
    form->ControlGone(this);
  }
  if (TApplication* app = Application()) {
    app->Hints().ControlDestroyed(this);
  }
}

TControl* TControl::InsertControl(std::unique_ptr<TControl> child) {
  TControl* raw = child.get();
  raw->parent_ = this;
  children_.push_back(std::move(child));
  ChildChanged(raw);
  raw->Invalidate();
  ChildrenChanged();
  return raw;
}

std::unique_ptr<TControl> TControl::RemoveControl(TControl* child) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [child](const auto& c) { return c.get() == child; });
  if (it == children_.end()) {
    return nullptr;
  }
  child->Invalidate();
  if (TForm* form = Form()) {
    form->ControlGone(child);
  }
  std::unique_ptr<TControl> owned = std::move(*it);
  children_.erase(it);
  owned->parent_ = nullptr;
  Realign();
  ChildrenChanged();
  return owned;
}

void TControl::ChildrenChanged() {
  // The nearest node above that a reader has seen tells: a lifted child belongs to it.
  for (TControl* c = this; c; c = c->parent_) {
    if (c->accessible_) {
      c->NotifyAccessible(TAccEvent::Reorder);
      return;
    }
  }
}

TControl* TControl::FindControl(const std::string& name) {
  if (Name == name) {
    return this;
  }
  for (auto& c : children_) {
    if (TControl* found = c->FindControl(name)) {
      return found;
    }
  }
  return nullptr;
}

TForm* TControl::Form() {
  return const_cast<TForm*>(static_cast<const TControl*>(this)->Form());
}

const TForm* TControl::Form() const {
  const TControl* c = this;
  while (c->parent_) {
    c = c->parent_;
  }
  return dynamic_cast<const TForm*>(c);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) {
    return;
  }
  bool resized = width != width_ || height != height_;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (resized) {
    Realign();
    Resize();
  }
  if (parent_) {
    parent_->ChildChanged(this);
  }
}

void TControl::ArrangeLater() {
  if (arrangeAsked_) {
    return;
  }
  if (TForm* form = Form()) {
    arrangeAsked_ = true;
    form->ArrangeAsked();
  } else {
    Arrange();
  }
}

void TControl::PlaceChild(TControl& child, const TRect& r) {
  child.left_ = r.Left;
  child.top_ = r.Top;
  child.width_ = std::max(r.Width(), 0);
  child.height_ = std::max(r.Height(), 0);
}

TPoint TControl::ClientToForm(TPoint p) const {
  for (const TControl* c = this; c->parent_; c = c->parent_) {
    p.X += c->left_;
    p.Y += c->top_;
  }
  return p;
}

TPoint TControl::FormToClient(TPoint p) const {
  TPoint origin = ClientToForm({0, 0});
  return {p.X - origin.X, p.Y - origin.Y};
}

TRect TControl::FormRect() const {
  TPoint o = ClientToForm({0, 0});
  return Bounds(o.X, o.Y, width_, height_);
}

void TControl::SetAlign(TAlign a) {
  if (a == align_) {
    return;
  }
  align_ = a;
  if (parent_) {
    parent_->ChildChanged(this);
  }
}

void TControl::SetVisible(bool v) {
  if (v == visible_) {
    return;
  }
  if (!v) {
    Invalidate();
    if (TForm* form = Form()) {
      form->ControlHidden(this);
    }
  }
  visible_ = v;
  if (v) {
    Invalidate();
  }
  VisibleChanged();
  if (parent_) {
    parent_->ChildChanged(this);
  }
  NotifyAccessible(TAccEvent::StateChange);
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) {
      return false;
    }
  }
  return true;
}

void TControl::SetEnabled(bool e) {
  if (e == enabled_) {
    return;
  }
  enabled_ = e;
  if (!e) {
    if (TForm* form = Form()) {
      form->ControlHidden(this);
    }
  }
  EnabledChanged();
  Invalidate();
  NotifyAccessible(TAccEvent::StateChange);
}

bool TControl::IsEnabled() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->enabled_) {
      return false;
    }
  }
  return true;
}

void TControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && realignPending_) {
    Realign();
  }
}

void TControl::Realign() {
  if (alignDisabled_ > 0 || aligning_) {
    realignPending_ = true;
    return;
  }
  realignPending_ = false;
  aligning_ = true;
  AlignControls(AlignArea());
  aligning_ = false;
  // A child that resized itself while being placed (an auto-sizing toolbar) asks again.
  if (realignPending_) {
    realignPending_ = false;
    aligning_ = true;
    AlignControls(AlignArea());
    aligning_ = false;
    realignPending_ = false;
  }
}

void TControl::AlignControls(TRect area) {
  auto place = [&](TAlign kind) {
    for (auto& owned : children_) {
      TControl* c = owned.get();
      if (c->align_ != kind || !c->visible_) {
        continue;
      }
      switch (kind) {
        case alTop:
          c->SetBounds(area.Left, area.Top, area.Width(), c->height_);
          area.Top += c->height_;
          break;
        case alBottom:
          c->SetBounds(area.Left, area.Bottom - c->height_, area.Width(), c->height_);
          area.Bottom -= c->height_;
          break;
        case alLeft:
          c->SetBounds(area.Left, area.Top, c->width_, std::max(area.Height(), 0));
          area.Left += c->width_;
          break;
        case alRight:
          c->SetBounds(area.Right - c->width_, area.Top, c->width_, std::max(area.Height(), 0));
          area.Right -= c->width_;
          break;
        case alClient:
          c->SetBounds(area.Left, area.Top, std::max(area.Width(), 0), std::max(area.Height(), 0));
          break;
        case alNone:
          break;
      }
    }
  };
  place(alTop);
  place(alBottom);
  place(alLeft);
  place(alRight);
  place(alClient);
}

void TControl::ChildChanged(TControl* child) {
  if (child->align_ != alNone || aligning_) {
    Realign();
  }
}

gfx::TTextEngine& TControl::TextEngine() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (c->textEngine_) {
      return *c->textEngine_;
    }
  }
  return gfx::DefaultTextEngine();
}

void TControl::SetTextEngine(gfx::TTextEngine* engine) {
  if (engine == textEngine_) {
    return;
  }
  textEngine_ = engine;
  Invalidate();
}

void TControl::Paint(TCanvas&) {}

void TControl::Invalidate() {
  InvalidateRect(ClientRect());
}

void TControl::InvalidateRect(const TRect& r) {
  if (!visible_) {
    return;
  }
  InvalidateArea(IntersectRect(r, {0, 0, width_, height_}));
}

void TControl::InvalidateArea(const TRect& r) {
  if (r.IsEmpty() || !visible_ || !parent_) {
    return;
  }
  parent_->InvalidateArea(
      IntersectRect(r.Offset(left_, top_), Bounds(0, 0, parent_->width_, parent_->height_)));
}

void TControl::SetTransparent(bool t) {
  if (t == transparent_) {
    return;
  }
  transparent_ = t;
  Invalidate();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) {
    OnMouseDown(button, shift, x, y);
  }
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) {
    OnMouseMove(shift, x, y);
  }
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) {
    OnMouseUp(button, shift, x, y);
  }
}

bool TControl::MouseWheel(TShiftState, int, TPoint) {
  return false;
}

void TControl::MouseEnter() {
  if (OnMouseEnter) {
    OnMouseEnter();
  }
}

void TControl::MouseLeave() {
  if (OnMouseLeave) {
    OnMouseLeave();
  }
}

void TControl::Click() {
  if (OnClick) {
    OnClick();
  }
}

TControl* TControl::ControlAtPos(TPoint p) {
  if (!visible_ || p.X < 0 || p.Y < 0 || p.X >= width_ || p.Y >= height_) {
    return nullptr;
  }
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    TControl* c = it->get();
    if (TControl* hit = c->ControlAtPos({p.X - c->left_, p.Y - c->top_})) {
      return hit;
    }
  }
  return HitTest(p.X, p.Y) ? this : nullptr;
}

bool TControl::HitTest(int, int) const {
  return true;
}

bool TControl::MouseInControl() const {
  const TForm* form = Form();
  return form && form->MouseControl() == this;
}

void TControl::SetMouseCapture(bool capture) {
  if (TForm* form = Form()) {
    form->SetCaptureControl(capture ? this : nullptr, this);
  }
}

bool TControl::MouseCapture() const {
  const TForm* form = Form();
  return form && form->CaptureControl() == this;
}

TCursor TControl::CursorAt(int, int) const {
  return Cursor;
}

void TControl::SetCaption(const std::string& text) {
  if (text == caption_) {
    return;
  }
  caption_ = text;
  NotifyAccessible(TAccEvent::NameChange);
  CaptionChanged();
}

void TControl::SetTabOrder(int order) {
  tabOrder_ = order;
}

bool TControl::CanFocus() const {
  return acceptsFocus_ && Showing() && IsEnabled();
}

bool TControl::Focused() const {
  const TForm* form = Form();
  return form && form->ActiveControl() == this;
}

void TControl::SetFocus() {
  if (TForm* form = Form()) {
    form->SetActiveControl(this);
  }
}

bool TControl::KeyDown(TKey, TShiftState) {
  return false;
}
bool TControl::KeyUp(TKey, TShiftState) {
  return false;
}
bool TControl::KeyChar(char32_t) {
  return false;
}
bool TControl::DialogChar(char32_t) {
  return false;
}

void TControl::DoEnter() {
  if (OnEnter) {
    OnEnter();
  }
}

void TControl::DoExit() {
  if (OnExit) {
    OnExit();
  }
}

void TControl::Resize() {
  if (OnResize) {
    OnResize();
  }
}

void TControl::ChangeScale(int m, int d) {
  if (m == d) {
    return;
  }
  DisableAlign();
  // Edges scale independently, so neighbours that touch keep touching.
  int right = gfx::MulDiv(left_ + width_, m, d);
  int bottom = gfx::MulDiv(top_ + height_, m, d);
  left_ = gfx::MulDiv(left_, m, d);
  top_ = gfx::MulDiv(top_, m, d);
  width_ = right - left_;
  height_ = bottom - top_;
  for (auto& c : children_) {
    c->ChangeScale(m, d);
  }
  EnableAlign();
  Realign();
  Resize();
}

// ---- accessibility

TControlAccessible* TControl::Accessible() {
  if (!accessible_) {
    accessible_ = CreateAccessible();
  }
  return accessible_.get();
}

std::unique_ptr<TControlAccessible> TControl::CreateAccessible() {
  return nullptr;
}

bool TControl::AccessibilityOn() const {
  const TForm* form = Form();
  return form && form->Window();
}

void TControl::NotifyAccessible(TAccEvent event) {
  const bool introduces = event == TAccEvent::Focus || event == TAccEvent::Selection;
  if (accessible_) {
    NotifyAccessible(event, accessible_.get());
  } else if (introduces && AccessibilityOn()) {
    NotifyAccessible(event, Accessible());
  }
}

// Once per row a refill adds while a reader looks on: the form is looked up once.
void TControl::NotifyAccessible(TAccEvent event, TAccessible* part) {
  if (part == nullptr) {
    return;
  }
  if (TForm* form = Form(); form && form->Window()) {
    form->AccessibilityChanged(event, *part);
  }
}

void TControl::AccessiblePartsReplaced() {
  if (accessible_) {
    accessible_->DropParts();
    NotifyAccessible(TAccEvent::Reorder);
  }
}
