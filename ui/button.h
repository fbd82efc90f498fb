#pragma once

#include <string>

#include "gfx/color.h"
#include "ui/push_button.h"
#include "ui/styled.h"

// A push button with a soft two-pixel frame and a gradient face that lights an
// orange ring while the mouse is over it (hot tracking) and a blue one while it
// has the keyboard focus.
class TRzButton : public TPushButton<TStyledWinControl> {
 public:
  TRzButton();

  // The orange ring while the mouse is over the button.
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool on) { Change(hotTrack_, on); }
  gfx::TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(gfx::TColor c) { Change(frameColor_, c); }
  gfx::TColor HotTrackColor() const { return hotTrackColor_; }
  void SetHotTrackColor(gfx::TColor c) { Change(hotTrackColor_, c); }
  // The focus ring's colour.
  gfx::TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(gfx::TColor c) { Change(highlightColor_, c); }
  bool ShowFocusRect() const { return showFocusRect_; }
  void SetShowFocusRect(bool on) { Change(showFocusRect_, on); }

  void Paint(TCanvas& canvas) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  void PaintFrame(TCanvas& canvas, const TRect& r);
  void PaintFace(TCanvas& canvas, const TRect& face);
  void PaintRing(TCanvas& canvas, const TRect& face);

  bool hotTrack_ = false;
  gfx::TColor frameColor_ = gfx::cl3DDkShadow;
  gfx::TColor hotTrackColor_ = gfx::MakeColor(0xF0, 0x9B, 0x14);
  gfx::TColor highlightColor_ = gfx::clHighlight;
  bool showFocusRect_ = true;
};
