#include "ui/application.h"

#include <algorithm>
#include <stdexcept>

#include "gfx/shading.h"
#include "ui/error_handler.h"
#include "ui/form.h"
#include "ui/guarded.h"
#include "ui/hint_window.h"
#include "ui/hints.h"
#include "ui/timer.h"

namespace {
TApplication* gApplication = nullptr;
}

TApplication* Application() {
  return gApplication;
}

void CancelAppHint() {
  if (gApplication) {
    gApplication->Hints().CancelHint();
  }
}

TApplication::TApplication(TPlatform& platform) : platform_(platform) {
  gApplication = this;
  Title = TitleFromProgramPath(platform_.ProgramPath());
  dpi_ = platform_.ScreenDpi();
  if (dpi_ <= 0) {
    dpi_ = 96;
  }
  gfx::SetFullColor(gfx::IsFullColorDepth(platform_.ColorDepth()));
  AppTimers().SetClock([this] { return platform_.TickCount64(); });
  hintWindow_ = std::make_unique<THintWindow>();
  hints_.OnShow = [this](const std::string& text, TPoint pos) {
    hintWindow_->ActivateHint(text, pos);
  };
  hints_.OnHide = [this] { hintWindow_->HideWindow(); };
}

TApplication::~TApplication() {
  hints_.CancelHint();
  hints_.OnShow = nullptr;
  hints_.OnHide = nullptr;
  hintWindow_.reset();
  AppTimers().SetClock(nullptr);
  if (gApplication == this) {
    gApplication = nullptr;
  }
}

bool TApplication::FullColor() const {
  return gfx::IsFullColor();
}

int TApplication::Run() {
  while (!terminated_ && MainForm && !MainForm->Closed()) {
    std::optional<uint64_t> timeout;
    if (auto due = AppTimers().NextDue()) {
      uint64_t now = AppTimers().Now();
      timeout = *due > now ? *due - now : 0;
    }
    if (!HandleMessage(timeout)) {
      break;
    }
  }
  return platformEnded_ ? 1 : 0;
}

bool TApplication::HandleMessage(std::optional<uint64_t> timeoutMs) {
  UpdateWindows();
  bool alive = true;
  RunGuarded([&] { alive = platform_.ProcessEvents(timeoutMs); });
  AppTimers().RunDue();
  UpdateWindows();
  if (!alive) {
    terminated_ = platformEnded_ = true;
  }
  return !terminated_;
}

void TApplication::UpdateWindows() {
  // A paint may open or close windows: walk a copy.
  std::vector<TForm*> forms = forms_;
  for (TForm* f : forms) {
    if (std::find(forms_.begin(), forms_.end(), f) == forms_.end()) {
      continue;
    }
    if (f->HasDirtyAreas()) {
      f->UpdateWindow();
    } else {
      f->SendAccessibilityEvents();
    }
  }
}

void TApplication::HandleException(std::exception_ptr error) {
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown error";
  }
  ShowException(message);
}

void TApplication::ShowException(const std::string& message) {
  for (TForm* f : forms_) {
    f->CancelMode();
  }
  hints_.CancelHint();
  platform_.ShowMessageBox(ErrorMessageText(message), Title, mbiError);
}

void TApplication::RegisterForm(TForm* form) {
  if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) {
    forms_.push_back(form);
  }
}

void TApplication::UnregisterForm(TForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (form == MainForm) {
    MainForm = nullptr;
  }
}

void ReportError(std::exception_ptr error) {
  if (TApplication* app = Application()) {
    app->HandleException(error);
    return;
  }
  std::rethrow_exception(error);
}

void ReportErrorLater(std::exception_ptr error) {
  AppTimers().AddOnce(0, [error] { ReportError(error); });
}
