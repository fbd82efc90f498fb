#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "ui/control.h"
#include "ui/platform.h"

class TApplication;

// A top-level window and the root of its control tree. The form's own size is its
// client area; the frame belongs to the platform. All painting goes into one image of
// the client size, which is presented in one step; only invalidated areas are
// repainted. Input from the platform window is routed to the controls here.
class TForm : public TWinControl, public TWindowEvents {
 public:
  TForm();
  ~TForm() override;

  gfx::TColor Color() const { return color_; }
  void SetColor(gfx::TColor color) { Change(color_, color); }
  const gfx::TFont& Font() const { return font_; }
  void SetFont(const gfx::TFont& font) { Change(font_, font); }
  const gfx::TBitmap& Icon() const { return icon_; }
  void SetIcon(gfx::TBitmap icon);
  TWindowKind Kind = wkMain;
  // The window this one is centred over and stays above (modal windows).
  TForm* Owner = nullptr;
  // Whether the user can resize the window (the size grip asks).
  bool Sizeable() const { return Kind == wkMain; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnClose;
  // Files dropped on the window; set before it is first shown, it makes the
  // window take drops.
  std::function<void(const std::vector<std::string>& paths)> OnDropFiles;

  void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

  // Runs OnCreate; an error leaving it goes to the application's error handler.
  void DoCreate();
  // Creates the platform window on first use, paints everything and shows it.
  void ShowWindow();
  void HideWindow();
  // Shows the window modally: the other windows take no input until it closes.
  void ShowModal();
  // Closes the window (OnClose runs); the main form's closing ends the program.
  void Close();
  bool Closed() const { return closed_; }
  TPlatformWindow* Window() const { return window_.get(); }

  // ---- painting
  // No error leaves a paint half-way: a control whose Paint throws stays as far
  // as it got, the rest is painted and presented, and then the error goes to
  // the application's error handler (rethrown when there is no application).
  //
  // Repaints the dirty areas into the image and presents them.
  void UpdateWindow();
  bool HasDirtyAreas() const { return !dirty_.empty(); }
  const std::vector<TRect>& DirtyAreas() const { return dirty_; }
  // Paints the whole tree into the image regardless of dirty areas.
  void RepaintAll();
  const gfx::TBitmap& Image() const { return image_; }
  // How many times a control's Paint ran since the counter was last reset.
  int PaintCount() const { return paintCount_; }
  void ResetPaintCount() { paintCount_ = 0; }

  // ---- focus, capture, pointer
  TControl* ActiveControl() const { return active_; }
  void SetActiveControl(TControl* control);
  // Moves the focus to the next (or previous) control in tab order; false when none.
  bool SelectNext(bool forward);
  // The first control in tab order that can take the focus.
  TControl* FirstTabControl();
  TControl* MouseControl() const { return hover_; }
  TControl* CaptureControl() const { return capture_; }
  void SetCaptureControl(TControl* control, TControl* requester);
  // Ends any mouse capture (the error handler does this before showing a message).
  void CancelMode();
  // Alt+letter: the first showing, enabled control that claims the letter acts.
  bool DispatchAccelerator(char32_t letter);
  TCursor CurrentCursor() const { return cursor_; }
  // The menu up over the window: it takes every key, and a press outside it
  // only closes it. Set by the menu itself.
  TPopupMenu* ShownMenu() const { return shownMenu_; }
  void SetShownMenu(TPopupMenu* menu) { shownMenu_ = menu; }

  // ---- platform window events (also the entry points of headless tests)
  void WindowResized(int clientWidth, int clientHeight) override;
  void WindowMouseDown(TMouseButton button, TShiftState shift, TPoint p) override;
  void WindowMouseMove(TShiftState shift, TPoint p) override;
  void WindowMouseUp(TMouseButton button, TShiftState shift, TPoint p) override;
  void WindowMouseWheel(TShiftState shift, int wheelDelta, TPoint p) override;
  void WindowMouseLeave() override;
  void WindowKeyDown(TKey key, TShiftState shift) override;
  void WindowKeyUp(TKey key, TShiftState shift) override;
  void WindowChar(char32_t ch) override;
  void WindowCloseRequest() override;
  void WindowDeactivated() override;
  void WindowFilesDropped(const std::vector<std::string>& paths) override;

  // Called by controls leaving the tree or becoming hidden or disabled.
  void ControlGone(TControl* control);
  void ControlHidden(TControl* control);
  // Called by a control that asks to be arranged (TControl::ArrangeLater).
  void ArrangeAsked() { arrangePending_ = true; }

  void Paint(TCanvas& canvas) override;
  void ChangeScale(int m, int d) override;

  // ---- accessibility
  // The window's node: the root of its accessible tree.
  TAccessible* WindowAccessible() override;
  // Passes a change of the tree to the platform window's bridge. Reorders and
  // state changes are gathered (a refresh adds rows one by one, a tab switch
  // shows and hides pages, a paint places the chart's bars) and go out once per
  // node, with SendAccessibilityEvents, at the next turn of the loop.
  void AccessibilityChanged(TAccEvent event, TAccessible& node);
  void SendAccessibilityEvents();
  // What a reader hears of the window besides its title: a dialog's text.
  const std::string& Description() const { return description_; }
  void SetDescription(std::string text) { description_ = std::move(text); }
  // Tells a reader `text` at once, wherever the focus is (what a command did).
  void Announce(const std::string& text);
  const std::string& Announcement() const { return announcement_; }

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  void InvalidateArea(const TRect& r) override;
  void Resize() override;
  // The window's title bar shows the caption.
  void CaptionChanged() override;

 private:
  // Runs the Arrange that controls asked for: painting and the pointer's
  // routing start with it.
  void ArrangeControls();
  TForm* ModalOwner(TApplication& app) const;
  void PaintAll();
  void PaintArea(const TRect& area);
  void PaintControl(TControl* control, TPoint origin, const TRect& clip);
  void ReportPaintError();
  void UpdateHover(TPoint p);
  void UpdateCursor(TPoint p);
  TControl* EnabledTarget(TControl* c) const;
  // Pops up the menu of the control or of its nearest parent with one; at
  // `formPos`, or where the control says when a key asked.
  bool PopupMenuOf(TControl* c, const TPoint* formPos);

  gfx::TColor color_ = gfx::clBtnFace;
  gfx::TFont font_;
  gfx::TBitmap icon_;
  std::unique_ptr<TPlatformWindow> window_;
  gfx::TBitmap image_;
  std::vector<TRect> dirty_;
  TControl* active_ = nullptr;
  TControl* hover_ = nullptr;
  TControl* capture_ = nullptr;
  TPopupMenu* shownMenu_ = nullptr;
  bool swallowRelease_ = false;  // of the press that closed a menu
  bool autoCapture_ = false;
  TCursor cursor_ = crArrow;
  bool closed_ = false;
  bool modal_ = false;
  int paintCount_ = 0;
  bool arrangePending_ = false;    // a control asked to be arranged
  std::exception_ptr paintError_;  // the first error of the paint under way
  std::vector<std::pair<TAccEvent, uint32_t>> pendingEvents_;  // node Ids
  std::string description_;
  std::string announcement_;
};
