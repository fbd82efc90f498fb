#include "platform/win32/modal_pump.h"

#include <windows.h>

#include "ui/application.h"
#include "ui/guarded.h"
#include "ui/timer.h"

namespace platform_win32 {

namespace {

constexpr UINT kPumpIntervalMs = 50;
int gDepth = 0;
UINT_PTR gTimer = 0;
bool gRunning = false;

void CALLBACK Pump(HWND, UINT, UINT_PTR, DWORD) {
  if (gRunning) {
    return;
  }
  gRunning = true;
  RunGuarded([] {
    AppTimers().RunDue();
    if (TApplication* app = Application()) {
      app->UpdateWindows();
    }
  });
  gRunning = false;
}

}  // namespace

TModalPump::TModalPump() {
  if (gDepth++ == 0) {
    gTimer = SetTimer(nullptr, 0, kPumpIntervalMs, Pump);
  }
}

TModalPump::~TModalPump() {
  if (--gDepth == 0 && gTimer != 0) {
    KillTimer(nullptr, gTimer);
    gTimer = 0;
  }
}

}  // namespace platform_win32
