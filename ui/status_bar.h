#pragma once

#include <string>

#include "ui/styled.h"

// The bottom band: panes packed from the left and a size grip in the corner.
class TRzStatusBar : public TStyledWinControl {
 public:
  TRzStatusBar();
  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool on) { Change(showSizeGrip_, on); }
  static constexpr int kGripWidth = 13;
  // Whether the grip shows now: the owning window is sizeable and not maximised.
  bool SizeGripValid() const;
  TRect SizeGripRect() const;

  void Paint(TCanvas& canvas) override;
  TCursor CursorAt(int x, int y) const override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  bool showSizeGrip_ = true;
};

// One text field of a status bar.
class TRzStatusPane : public TStyledControl {
 public:
  TRzStatusPane();
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a) { Change(alignment_, a); }
  int CaptionOffset() const { return captionOffset_; }
  void SetCaptionOffset(int v) { Change(captionOffset_, v); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v) { Change(borderWidth_, v); }
  // The frame: FlatColor lightened by FlatColorAdjustment.
  gfx::TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(gfx::TColor c) { Change(flatColor_, c); }
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  void SetFlatColorAdjustment(int v) { Change(flatColorAdjustment_, v); }
  // The area the caption is drawn and clipped in.
  TRect CaptionRect() const;
  // Whether the pane ends where the bar's size grip is shown; its last 12 pixels go to the grip.
  bool ReachesSizeGrip() const;
  static constexpr int kGripShare = 12;
  bool HitTest(int x, int y) const override;
  void Paint(TCanvas& canvas) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  TAlignment alignment_ = taLeftJustify;
  int captionOffset_ = 2;
  int borderWidth_ = 1;
  gfx::TColor flatColor_ = gfx::clBtnShadow;
  int flatColorAdjustment_ = 30;
};
