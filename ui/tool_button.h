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

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  int ImageIndex = -1;
  int HotIndex = -1, DownIndex = -1, DisabledIndex = -1;
  TButtonLayout Layout = blGlyphTop;
  bool ShowCaption = true;
  TVisualStyle VisualStyle = vsGradient;
  // While on, caption visibility and visual style come from the toolbar the button sits on.
  bool UseToolbarShowCaption = true;
  bool UseToolbarVisualStyle = true;
  // Buttons sharing a non-zero group latch down in turn; 0 never latches.
  int GroupIndex = 0;
  // Its own image list; when null, the toolbar's.
  const gfx::TImageList* Images = nullptr;

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

 private:
  const gfx::TImageList* EffectiveImages() const;
  TSize CaptionSize() const;
  void Place(TRect& glyph, TRect& caption) const;
  void PaintSelection(TCanvas& canvas) const;
  int PictureIndex() const;
  std::string caption_;
  bool exclusive_ = false;
};
