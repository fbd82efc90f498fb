#pragma once

#include <string>

#include "ui/styled.h"

// The bottom band: panes packed from the left and a size grip in the corner.
class TRzStatusBar : public TStyledWinControl {
 public:
  TRzStatusBar();
  bool ShowSizeGrip = true;
  static constexpr int kGripWidth = 13;
  // Whether the grip shows now: the owning window is sizeable and not maximised.
  bool SizeGripValid() const;
  TRect SizeGripRect() const;

  void Paint(TCanvas& canvas) override;
  TCursor CursorAt(int x, int y) const override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
};

// One text field of a status bar.
class TRzStatusPane : public TStyledControl {
 public:
  TRzStatusPane();
  const std::string& Caption() const { return caption_; }
  // Repaints only when the text changes.
  void SetCaption(const std::string& text);
  TAlignment Alignment = taLeftJustify;
  int CaptionOffset = 2;
  int BorderWidth = 1;
  gfx::TColor FlatColor = gfx::clBtnShadow;
  int FlatColorAdjustment = 30;
  // The area the caption is drawn and clipped in.
  TRect CaptionRect() const;
  // Whether the pane ends where the bar's size grip is shown; its last 12 pixels go to the grip.
  bool ReachesSizeGrip() const;
  static constexpr int kGripShare = 12;
  bool HitTest(int x, int y) const override;
  void Paint(TCanvas& canvas) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  // Stores the text without asking for a repaint, for use while painting.
  void StoreCaption(const std::string& text) { caption_ = text; }

 private:
  std::string caption_;
};
