#pragma once

#include <string>

#include "gfx/color.h"
#include "ui/styled.h"

// A push button with a soft two-pixel frame and a gradient face that lights an
// orange ring while the mouse is over it (hot tracking) and a blue one while it
// has the keyboard focus. Clicks on a completed mouse press inside it, on Enter,
// and on the release of Space.
class TRzButton : public TStyledWinControl {
 public:
  TRzButton();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  bool HotTrack = false;
  gfx::TColor FrameColor = gfx::cl3DDkShadow;
  gfx::TColor HotTrackColor = gfx::MakeColor(0xF0, 0x9B, 0x14);
  gfx::TColor HighlightColor = gfx::clHighlight;
  bool ShowFocusRect = true;

  // The mouse is over the button (and no other control holds the mouse).
  bool Hot() const { return hot_; }
  // Drawn pressed: the mouse is held down on it, or Space is held.
  bool Down() const { return down_ || spaceDown_; }

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool KeyDown(TKey key, TShiftState shift) override;
  bool KeyUp(TKey key, TShiftState shift) override;
  void DoExit() override;

 protected:
  void EnabledChanged() override;

 private:
  void PaintFrame(TCanvas& canvas, const TRect& r);
  void PaintFace(TCanvas& canvas, const TRect& face);
  void PaintRing(TCanvas& canvas, const TRect& face);
  void SetDown(bool down);

  std::string caption_;
  bool hot_ = false;
  bool down_ = false;     // shown pressed by the mouse
  bool pressed_ = false;  // left button held since a press on the button
  bool spaceDown_ = false;
};
