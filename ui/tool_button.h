#pragma once

#include <string>

#include "gfx/image_list.h"
#include "ui/push_button.h"
#include "ui/styled.h"
#include "ui/toolbar.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TToolButtonState { tbsUp, tbsDisabled, tbsDown, tbsExclusive };

// A flat toolbar button with a picture and a caption; clicks on a completed press
// inside it and on its Alt+letter accelerator.
class TRzToolButton : public TPushButton<TStyledControl> {
 public:
  TRzToolButton();

  // Pictures of the image list: normal, hot, down and disabled (-1 none).
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { Change(imageIndex_, v); }
  int HotIndex() const { return hotIndex_; }
  void SetHotIndex(int v) { Change(hotIndex_, v); }
  int DownIndex() const { return downIndex_; }
  void SetDownIndex(int v) { Change(downIndex_, v); }
  int DisabledIndex() const { return disabledIndex_; }
  void SetDisabledIndex(int v) { Change(disabledIndex_, v); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout) { Change(layout_, layout); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool on) { Change(showCaption_, on); }
  TVisualStyle VisualStyle() const { return visualStyle_; }
  void SetVisualStyle(TVisualStyle style) { Change(visualStyle_, style); }
  // While on, caption visibility and visual style come from the toolbar the button sits on.
  bool UseToolbarShowCaption() const { return useToolbarShowCaption_; }
  void SetUseToolbarShowCaption(bool on) { Change(useToolbarShowCaption_, on); }
  bool UseToolbarVisualStyle() const { return useToolbarVisualStyle_; }
  void SetUseToolbarVisualStyle(bool on) { Change(useToolbarVisualStyle_, on); }
  // Buttons sharing a non-zero group latch down in turn; 0 never latches.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { Change(groupIndex_, v); }
  // Its own image list; when null, the toolbar's.
  const gfx::TImageList* Images() const { return images_; }
  void SetImages(const gfx::TImageList* images) { Change(images_, images); }

  // Latched down (grouped buttons only); latching one releases the rest of its group.
  bool Exclusive() const { return exclusive_; }
  void SetExclusive(bool on);
  TToolButtonState State() const;
  bool CaptionShown() const;
  TVisualStyle EffectiveVisualStyle() const;

  // Content rectangles for the current size, picture and caption (own coordinates).
  TRect GlyphRect() const;
  TRect CaptionRect() const;

  void Paint(TCanvas& canvas) override;
  // A grouped button latches down, then the click notification runs.
  void Click() override;
  bool DialogChar(char32_t letter) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  const gfx::TImageList* EffectiveImages() const;
  TSize CaptionSize() const;
  void Place(TRect& glyph, TRect& caption) const;
  void PaintSelection(TCanvas& canvas) const;
  int PictureIndex() const;
  int imageIndex_ = -1;
  int hotIndex_ = -1;
  int downIndex_ = -1;
  int disabledIndex_ = -1;
  TButtonLayout layout_ = blGlyphTop;
  bool showCaption_ = true;
  TVisualStyle visualStyle_ = vsGradient;
  bool useToolbarShowCaption_ = true;
  bool useToolbarVisualStyle_ = true;
  int groupIndex_ = 0;
  const gfx::TImageList* images_ = nullptr;
  bool exclusive_ = false;
};
