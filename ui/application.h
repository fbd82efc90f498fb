#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/hints.h"
#include "ui/platform.h"

class TForm;
class THintWindow;

// The application object: the platform in use, the message loop, the list of open
// windows, the title and the general error handler. One per process; `Application()`
// reaches it.
class TApplication {
 public:
  explicit TApplication(TPlatform& platform);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  TPlatform& Platform() { return platform_; }
  // Taken from the program file's name (the program sets no title of its own).
  std::string Title;
  // Screen resolution and colour depth, read once at start-up.
  int ScreenDpi() const { return dpi_; }
  bool FullColor() const;

  TForm* MainForm = nullptr;
  // Runs the message loop until the main form closes or Terminate is called: 0;
  // or until the platform ends it (the display went away): 1, the exit status.
  int Run();
  // One turn of the loop: wait at most timeoutMs for events, dispatch them, run the
  // due timers, repaint what became dirty. Returns false once terminated.
  bool HandleMessage(std::optional<uint64_t> timeoutMs);
  // Dispatches what is pending without waiting.
  void ProcessMessages() { HandleMessage(0); }
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  // Repaints and presents every window with dirty areas.
  void UpdateWindows();

  // The general error handler: ends any mouse capture, then shows the message in a
  // message box with an error icon and one OK button, titled with Title.
  void HandleException(std::exception_ptr error);
  void ShowException(const std::string& message);

  // The hint settings of every control: how long the pointer rests before a hint
  // shows, and how long it stays (milliseconds).
  int HintPause() const { return hints_.Pause(); }
  void SetHintPause(int ms) { hints_.SetPause(ms); }
  int HintHidePause() const { return hints_.HidePause(); }
  void SetHintHidePause(int ms) { hints_.SetHidePause(ms); }
  THintManager& Hints() { return hints_; }

  void RegisterForm(TForm* form);
  void UnregisterForm(TForm* form);
  const std::vector<TForm*>& Forms() const { return forms_; }

 private:
  TPlatform& platform_;
  std::vector<TForm*> forms_;
  THintManager hints_;
  std::unique_ptr<THintWindow> hintWindow_;
  int dpi_ = 96;
  bool terminated_ = false;
  bool platformEnded_ = false;
};

// The application of this process, or null before it is created.
TApplication* Application();
// Hides the application's hint, if there is one, so that its pause starts again.
void CancelAppHint();
