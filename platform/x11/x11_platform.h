#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace platform_atk {
class TAtkBridge;
}

namespace x11 {

class TX11Clipboard;
class TX11Window;
struct TX11Display;

// The toolkit's platform on an X server, through Xlib.
class TX11Platform : public TPlatform {
 public:
  // Connects to the display named by DISPLAY; null when there is none.
  static std::unique_ptr<TX11Platform> Open();
  ~TX11Platform() override;

  std::unique_ptr<TPlatformWindow> CreatePlatformWindow(const TWindowParams& params,
                                                        TWindowEvents* events) override;
  bool ProcessEvents(std::optional<uint64_t> timeoutMs) override;
  uint64_t TickCount64() override;
  double LocalNow() override;
  int64_t UtcSeconds() override;
  int ScreenDpi() override;
  int ColorDepth() override;
  TRect DesktopRect() override;
  void SetClipboardText(const std::string& utf8) override;
  std::string ClipboardText() override;
  bool OpenAddress(const std::string& address) override;
  void ShowMessageBox(const std::string& text, const std::string& title,
                      TMessageBoxIcon icon) override;
  std::string ProgramPath() override;

  TX11Display& Display() { return *display_; }
  void AddWindow(TX11Window* w) { windows_.push_back(w); }
  void RemoveWindow(TX11Window* w);
  // The screen readers' bridge; null when none can be reached.
  platform_atk::TAtkBridge* Atk() { return atk_.get(); }

 private:
  explicit TX11Platform(std::unique_ptr<TX11Display> display);
  void Dispatch(void* event);
  std::unique_ptr<TX11Display> display_;
  std::vector<TX11Window*> windows_;
  std::unique_ptr<TX11Clipboard> clipboard_;
  std::unique_ptr<platform_atk::TAtkBridge> atk_;
};

}  // namespace x11
