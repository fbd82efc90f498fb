#pragma once

#include <string>
#include <vector>

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

// Pages behind a row of tabs on top; the selected page fills the card below the row.
class TRzPageControl : public TStyledWinControl {
 public:
  TRzPageControl();

  int FixedDimension = 20;
  gfx::TColor BackgroundColor = gfx::cl3DLight;
  gfx::TColor TextColorSelected = gfx::clBtnText;
  gfx::TColor TextColorUnselected = gfx::clBtnText;
  gfx::TColor TabUnselectedColor = gfx::clWindow;
  gfx::TColor TabShadowColor = gfx::clBtnFace;
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

  // Height of the tab row, and the rectangle of each tab (own coordinates).
  int TabRowHeight() const { return FixedDimension + 3; }
  TRect TabRect(int index) const;
  // The page area inside the card frame and shadow.
  TRect PageRect() const;
  int TabAtPos(TPoint p) const;

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  bool KeyDown(TKey key, TShiftState shift) override;
  void ChangeScale(int m, int d) override;

 protected:
  void AlignControls(TRect area) override;

 private:
  int TabWidth(int index) const;
  std::vector<TRzTabSheet*> pages_;
  int tabIndex_ = -1;
};
