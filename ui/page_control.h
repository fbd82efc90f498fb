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
  TRzTabSheet() { SetColor(gfx::clWindow); }
  // The tab's picture; the page control shows none without an image list.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }
  TRzPageControl* PageControl() const;
  // The reader's node of this page's tab; null while no window shows it.
  TAccessible* TabAccessible() const;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  // The tab is sized from the caption: the whole row is laid out again.
  void CaptionChanged() override;

 private:
  int imageIndex_ = -1;
};

// Pages behind a row of round-corner tabs on top; the selected page fills the
// card below the row.
class TRzPageControl : public TStyledWinControl {
 public:
  TRzPageControl();

  // Height of the tabs; the tab row takes 3 more above them.
  int FixedDimension() const { return fixedDimension_; }
  void SetFixedDimension(int v);
  gfx::TColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(gfx::TColor c) { Change(backgroundColor_, c); }
  // Captions: selected and hot tab, the others, and the two colours of a
  // disabled tab's embossed caption.
  gfx::TColor TextColorSelected() const { return textColorSelected_; }
  void SetTextColorSelected(gfx::TColor c) { Change(textColorSelected_, c); }
  gfx::TColor TextColorUnselected() const { return textColorUnselected_; }
  void SetTextColorUnselected(gfx::TColor c) { Change(textColorUnselected_, c); }
  gfx::TColor TextColorDisabledHighlight() const { return textColorDisabledHighlight_; }
  void SetTextColorDisabledHighlight(gfx::TColor c) { Change(textColorDisabledHighlight_, c); }
  gfx::TColor TextColorDisabledShadow() const { return textColorDisabledShadow_; }
  void SetTextColorDisabledShadow(gfx::TColor c) { Change(textColorDisabledShadow_, c); }
  // Top and bottom of an unselected tab's gradient.
  gfx::TColor TabUnselectedColor() const { return tabUnselectedColor_; }
  void SetTabUnselectedColor(gfx::TColor c) { Change(tabUnselectedColor_, c); }
  gfx::TColor TabShadowColor() const { return tabShadowColor_; }
  void SetTabShadowColor(gfx::TColor c) { Change(tabShadowColor_, c); }
  // Bar on the selected tab (the main window's is white, so it does not show
  // on the white tab).
  gfx::TColor HighlightBarColor() const { return highlightBarColor_; }
  void SetHighlightBarColor(gfx::TColor c) { Change(highlightBarColor_, c); }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool on) { Change(hotTrack_, on); }
  gfx::TColor HotTrackColor() const { return hotTrackColor_; }
  void SetHotTrackColor(gfx::TColor c) { Change(hotTrackColor_, c); }
  bool UseGradients() const { return useGradients_; }
  void SetUseGradients(bool on) { Change(useGradients_, on); }
  bool ShowShadow() const { return showShadow_; }
  void SetShowShadow(bool on) { Change(showShadow_, on); }
  bool ShowCardFrame() const { return showCardFrame_; }
  void SetShowCardFrame(bool on) { Change(showCardFrame_, on); }
  bool ShowFocusRect() const { return showFocusRect_; }
  void SetShowFocusRect(bool on) { Change(showFocusRect_, on); }
  // Outlines and card frame: FlatColor adjusted by FlatColorAdjustment.
  gfx::TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(gfx::TColor c) { Change(flatColor_, c); }
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  void SetFlatColorAdjustment(int v) { Change(flatColorAdjustment_, v); }
  int Margin() const { return margin_; }
  void SetMargin(int v) { Change(margin_, v); }

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
  int TabRowHeight() const { return fixedDimension_ + 3; }
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
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  void AlignControls(TRect area) override;

 private:
  int TabWidth(int index) const;
  const gfx::TRegion& TabRegion(const TRect& r);
  void SetHotIndex(int index);
  void PaintTab(TCanvas& canvas, int index);
  void PaintCard(TCanvas& canvas);
  int fixedDimension_ = 20;
  gfx::TColor backgroundColor_ = gfx::cl3DLight;
  gfx::TColor textColorSelected_ = gfx::clBtnText;
  gfx::TColor textColorUnselected_ = gfx::clBtnText;
  gfx::TColor textColorDisabledHighlight_ = gfx::clBtnHighlight;
  gfx::TColor textColorDisabledShadow_ = gfx::clBtnShadow;
  gfx::TColor tabUnselectedColor_ = gfx::clWindow;
  gfx::TColor tabShadowColor_ = gfx::clBtnFace;
  gfx::TColor highlightBarColor_ = gfx::clHighlight;
  bool hotTrack_ = true;
  gfx::TColor hotTrackColor_ = gfx::MakeColor(0xF0, 0x9B, 0x14);
  bool useGradients_ = true;
  bool showShadow_ = true;
  bool showCardFrame_ = true;
  bool showFocusRect_ = true;
  gfx::TColor flatColor_ = gfx::clBtnShadow;
  int flatColorAdjustment_ = 0;
  int margin_ = 0;
  std::vector<TRzTabSheet*> pages_;
  std::vector<std::pair<TRect, gfx::TRegion>> regions_;
  int tabIndex_ = -1;
  int hotIndex_ = -1;
};
