// The window shell: the platform window's life, showing, the modal loop and closing.
#include <algorithm>

#include "gfx/scale.h"
#include "ui/application.h"
#include "ui/control_accessible.h"
#include "ui/form.h"
#include "ui/guarded.h"

TForm::TForm() {
  SetBounds(0, 0, 320, 240);
  if (TApplication* app = Application()) {
    app->RegisterForm(this);
  }
}

TForm::~TForm() {
  CancelAppHint();
  if (TApplication* app = Application()) {
    app->UnregisterForm(this);
  }
  // The controls are destroyed by the base class; nothing may point at them meanwhile.
  active_ = hover_ = capture_ = nullptr;
  shownMenu_ = nullptr;
  window_.reset();
}

void TForm::DoCreate() {
  RunGuarded([this] {
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
      params.Modal = modal_;
      if (Owner) {
        params.Owner = Owner->Window();
      }
      params.AcceptsFiles = OnDropFiles != nullptr;
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
  if (!Owner && app) {
    Owner = ModalOwner(*app);
  }
  modal_ = true;
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
  // The others take input again before this one goes, so that the system can
  // hand the keyboard back; the opener then asks for it.
  auto alive = [&](TForm* f) {
    return app && std::find(app->Forms().begin(), app->Forms().end(), f) != app->Forms().end();
  };
  for (TForm* f : others) {
    if (alive(f)) {
      f->Window()->SetInputEnabled(true);
    }
  }
  HideWindow();
  if (Owner && alive(Owner) && Owner->Window() && Owner->Window()->Visible()) {
    Owner->Window()->GrabFocus();
  }
}

TForm* TForm::ModalOwner(TApplication& app) const {
  // The innermost modal window still open, else the main one.
  const std::vector<TForm*>& forms = app.Forms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    if (*it != this && (*it)->modal_ && !(*it)->closed_) {
      return *it;
    }
  }
  return app.MainForm != this ? app.MainForm : nullptr;
}

void TForm::Close() {
  if (closed_) {
    return;
  }
  RunGuarded([this] {
    if (OnClose) {
      OnClose();
    }
  });
  closed_ = true;
  CancelMode();
  CancelAppHint();
  HideWindow();
  TApplication* app = Application();
  if (app && app->MainForm == this) {
    app->Terminate();
  }
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

void TForm::WindowResized(int clientWidth, int clientHeight) {
  RunGuarded([&] { SetBounds(Left(), Top(), clientWidth, clientHeight); });
}

void TForm::WindowCloseRequest() {
  Close();
}
