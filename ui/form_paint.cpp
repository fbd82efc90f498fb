// Painting: dirty areas are repainted into the form's image and presented in one
// step. An error in a control's Paint is held until the pass is over, so that no
// paint stops half-way, and then goes to the general error handler.
#include <utility>

#include "gfx/canvas.h"
#include "ui/form.h"
#include "ui/guarded.h"

namespace {

constexpr size_t kMaxDirtyAreas = 8;

}  // namespace

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

void TForm::ArrangeControls() {
  if (!std::exchange(arrangePending_, false)) {
    return;
  }
  auto arrange = [](auto& self, TControl* control) -> void {
    if (std::exchange(control->arrangeAsked_, false)) {
      control->Arrange();
    }
    for (int i = 0; i < control->ControlCount(); ++i) {
      self(self, control->Control(i));
    }
  };
  arrange(arrange, this);
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
    RunGuarded([&] { control->Paint(canvas); },
               [this](std::exception_ptr error) {
                 if (!paintError_) {
                   paintError_ = error;
                 }
               });
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
  ArrangeControls();
  dirty_.clear();
  image_.SetSize(Width(), Height());
  PaintArea(ClientRect());
}

void TForm::RepaintAll() {
  PaintAll();
  ReportPaintError();
}

void TForm::UpdateWindow() {
  ArrangeControls();
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
  ReportError(std::exchange(paintError_, nullptr));
}
