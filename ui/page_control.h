#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gfx/region.h"
#include "ui/panel.h"
#include "ui/styled.h"

class TRzPageControl;

// One page of a page control; its tab shows Caption.
class TRzTabSheet : public TPanel {
 public:
  TRzTabSheet() { Color = gfx::clWindow; }
  std::string Caption;
  int ImageIndex = -1;
  TRzPageControl* PageControl() const;
};

// Pages behind a row of round-corner tabs on top; the selected page fills the
// card below the row.
class TRzPageControl : public TStyledWinControl {
 public:
  TRzPageControl();

  int FixedDimension = 20;
  gfx::TColor BackgroundColor = gfx::cl3DLight;
  // Captions: selected and hot tab, the others, and the two colours of a
  // disabled tab's embossed caption.
  gfx::TColor TextColorSelected = gfx::clBtnText;
  gfx::TColor TextColorUnselected = gfx::clBtnText;
  gfx::TColor TextColorDisabledHighlight = gfx::clBtnHighlight;
  gfx::TColor TextColorDisabledShadow = gfx::clBtnShadow;
  // Top and bottom of an unselected tab's gradient.
  gfx::TColor TabUnselectedColor = gfx::clWindow;
  gfx::TColor TabShadowColor = gfx::clBtnFace;
  // Bar on the selected tab; the main window's white keeps it invisible on
  // the white tab, so that is what a new control starts with.
  gfx::TColor HighlightBarColor = gfx::clHighlight;
  bool HotTrack = true;
  gfx::TColor HotTrackColor = gfx::MakeColor(0xF0, 0x9B, 0x14);
  bool UseGradients = true;
  bool ShowShadow = true;
  bool ShowCardFrame = true;
  bool ShowFocusRect = true;
  // Outlines and card frame: FlatColor adjusted by FlatColorAdjustment.
  gfx::TColor FlatColor = gfx::clBtnShadow;
  int FlatColorAdjustment = 0;
  int Margin = 0;

  // Adds a page (owned by the control) at the end.
  TRzTabSheet* AddPage(const std::string& name, const std::string& caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TRzTabSheet* Page(int i) const { return pages_[i]; }

  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  TRzTabSheet* ActivePage() const;
  void SetActivePage(TRzTabSheet* page);
  TNotifyEvent OnChange;
  // The tab under the mouse while hot tracking, -1 for none.
  int HotIndex() const { return hotIndex_; }

  // Height of the tab row, and the rectangle of each tab (own coordinates);
  // the selected tab is drawn 2 pixels larger left, right and upwards.
  int TabRowHeight() const { return FixedDimension + 3; }
  TRect TabRect(int index) const;
  TRect DrawnTabRect(int index) const;
  // Where a tab's caption is placed (its drawn rectangle inset 5 by 3).
  TRect CaptionRect(int index) const;
  // The page area inside the card frame and shadow.
  TRect PageRect() const;
  int TabAtPos(TPoint p) const;
  // Outline regions kept so far, one per tab rectangle.
  int CachedRegionCount() const { return static_cast<int>(regions_.size()); }

  // Throws gfx::ERegionError when a tab's clipping region cannot be made.
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  bool KeyDown(TKey key, TShiftState shift) override;
  void ChangeScale(int m, int d) override;
  void DoEnter() override;
  void DoExit() override;

 protected:
  void AlignControls(TRect area) override;

 private:
  int TabWidth(int index) const;
  const gfx::TRegion& TabRegion(const TRect& r);
  void SetHotIndex(int index);
  void PaintTab(TCanvas& canvas, int index);
  void PaintCard(TCanvas& canvas);
  std::vector<TRzTabSheet*> pages_;
  std::vector<std::pair<TRect, gfx::TRegion>> regions_;
  int tabIndex_ = -1;
  int hotIndex_ = -1;
};
