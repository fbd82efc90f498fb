#pragma once

#include <vector>

#include "gfx/image_list.h"
#include "ui/styled.h"

enum TVisualStyle { vsClassic, vsWinXP, vsGradient };

// A band of controls laid out in rows from the left, in the order of ToolbarControls,
// wrapping to a further row when a control no longer fits.
class TRzToolbar : public TStyledWinControl {
 public:
  TRzToolbar();

  // The controls to lay out, in order; each must be a child of the toolbar. A control
  // taken off the toolbar leaves the list at the next layout.
  std::vector<TControl*> ToolbarControls;
  int Margin = 4;
  int TopMargin = 2;
  int RowHeight = 25;
  bool WrapControls = true;
  bool AutoResize = true;
  bool AutoSize = false;
  bool ShowButtonCaptions = true;
  TVisualStyle VisualStyle = vsGradient;
  // Groove border rows on the top and bottom edges.
  bool BorderTop = true;
  bool BorderBottom = true;
  const gfx::TImageList* Images = nullptr;

  // Places the controls; runs on every resize and when a control is shown or hidden.
  void LayoutControls();
  int RowCount() const { return rows_; }

  void Paint(TCanvas& canvas) override;
  void ChangeScale(int m, int d) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;
  void Resize() override;
  void ChildChanged(TControl* child) override;
  void AlignControls(TRect area) override;

 private:
  void ForgetRemovedControls();
  int rows_ = 1;
  bool layingOut_ = false;
};
