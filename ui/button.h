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

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  bool HotTrack = false;
  gfx::TColor FrameColor = gfx::cl3DDkShadow;
  gfx::TColor HotTrackColor = gfx::MakeColor(0xF0, 0x9B, 0x14);
  gfx::TColor HighlightColor = gfx::clHighlight;
  bool ShowFocusRect = true;

  void Paint(TCanvas& canvas) override;

 private:
  void PaintFrame(TCanvas& canvas, const TRect& r);
  void PaintFace(TCanvas& canvas, const TRect& face);
  void PaintRing(TCanvas& canvas, const TRect& face);

  std::string caption_;
};
