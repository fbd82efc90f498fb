#include "ui/tool_button.h"

#include <cctype>

#include "gfx/canvas.h"
#include "gfx/shading.h"
#include "gfx/text_layout.h"
#include "ui/toolbar.h"

namespace {
constexpr int kContentInset = 2;
constexpr int kGap = 4;
}  // namespace

TRzToolButton::TRzToolButton() {
  SetBounds(0, 0, 25, 25);
  SetTransparent(true);
  SetColor(gfx::clBtnFace);
}

TToolButtonState TRzToolButton::State() const {
  if (!IsEnabled()) {
    return tbsDisabled;
  }
  if (Down()) {
    return tbsDown;
  }
  return exclusive_ ? tbsExclusive : tbsUp;
}

void TRzToolButton::SetExclusive(bool on) {
  on = on && groupIndex_ != 0;
  if (on == exclusive_) {
    return;
  }
  exclusive_ = on;
  Invalidate();
  NotifyAccessible(TAccEvent::StateChange);
  if (!on || !Parent()) {
    return;
  }
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TRzToolButton*>(Parent()->Control(i));
    if (other && other != this && other->GroupIndex() == groupIndex_) {
      other->SetExclusive(false);
    }
  }
}

void TRzToolButton::Click() {
  if (groupIndex_ != 0) {
    SetExclusive(true);
  }
  TPushButton::Click();
}

bool TRzToolButton::CaptionShown() const {
  if (useToolbarShowCaption_) {
    if (auto* bar = dynamic_cast<const TRzToolbar*>(Parent())) {
      return bar->ShowButtonCaptions;
    }
  }
  return showCaption_;
}

TVisualStyle TRzToolButton::EffectiveVisualStyle() const {
  if (useToolbarVisualStyle_) {
    if (auto* bar = dynamic_cast<const TRzToolbar*>(Parent())) {
      return bar->VisualStyle;
    }
  }
  return visualStyle_;
}

const gfx::TImageList* TRzToolButton::EffectiveImages() const {
  if (images_) {
    return images_;
  }
  if (auto* bar = dynamic_cast<const TRzToolbar*>(Parent())) {
    return bar->Images;
  }
  return nullptr;
}

TSize TRzToolButton::CaptionSize() const {
  if (!CaptionShown() || Caption().empty()) {
    return {};
  }
  return gfx::MeasureText(TextEngine(), Font(), Caption(), gfx::dtWordBreak | gfx::dtExpandTabs,
                          Width() - 2 * kContentInset);
}

void TRzToolButton::Place(TRect& glyph, TRect& caption) const {
  TRect content = ClientRect().Deflate(kContentInset);
  const gfx::TImageList* images = EffectiveImages();
  TSize pic = images && imageIndex_ >= 0 ? TSize{images->Width(), images->Height()} : TSize{};
  TSize cap = CaptionSize();
  if (cap.Width == 0 && cap.Height == 0) {
    int l = content.Left + (content.Width() - pic.Width) / 2;
    int t = content.Top + (content.Height() - pic.Height) / 2;
    glyph = Bounds(l, t, pic.Width, pic.Height);
    caption = {};
    return;
  }
  bool vertical = layout_ == blGlyphTop || layout_ == blGlyphBottom;
  if (vertical) {
    int free = content.Height() - pic.Height - cap.Height - kGap;
    int gl = content.Left + (content.Width() - pic.Width) / 2;
    int cl = content.Left + (content.Width() - cap.Width) / 2;
    if (layout_ == blGlyphTop) {
      int gt = content.Top + free / 2;
      glyph = Bounds(gl, gt, pic.Width, pic.Height);
      caption = Bounds(cl, gt + pic.Height + kGap, cap.Width, cap.Height);
    } else {
      int ct = content.Top + free / 2;
      caption = Bounds(cl, ct, cap.Width, cap.Height);
      glyph = Bounds(gl, ct + cap.Height + kGap, pic.Width, pic.Height);
    }
  } else {
    int free = content.Width() - pic.Width - cap.Width - kGap;
    int gt = content.Top + (content.Height() - pic.Height) / 2;
    int ct = content.Top + (content.Height() - cap.Height) / 2;
    if (layout_ == blGlyphLeft) {
      int gl = content.Left + free / 2;
      glyph = Bounds(gl, gt, pic.Width, pic.Height);
      caption = Bounds(gl + pic.Width + kGap, ct, cap.Width, cap.Height);
    } else {
      int cl = content.Left + free / 2;
      caption = Bounds(cl, ct, cap.Width, cap.Height);
      glyph = Bounds(cl + cap.Width + kGap, gt, pic.Width, pic.Height);
    }
  }
}

TRect TRzToolButton::GlyphRect() const {
  TRect g, c;
  Place(g, c);
  return g;
}

TRect TRzToolButton::CaptionRect() const {
  TRect g, c;
  Place(g, c);
  return c;
}

void TRzToolButton::PaintSelection(TCanvas& canvas) const {
  const bool down = Down(), hot = Hot();
  if (!hot && !down && !exclusive_) {
    return;
  }
  gfx::TColor tint = gfx::Blend(gfx::clHighlight, gfx::clWindow, 77);
  // A palette display cannot show the soft gradient, so light falls back to the tint.
  gfx::TColor light = gfx::IsFullColor() ? gfx::Lighten(tint, 20) : tint;
  TRect r = ClientRect();
  canvas.FrameRect(r, gfx::clHighlight);
  TRect inner = r.Deflate(1);
  if (down || (exclusive_ && hot)) {
    gfx::FillGradient(canvas, inner, tint, light);
  } else if (exclusive_) {
    gfx::FillGradient(canvas, inner, gfx::Darken(tint, 40), light);
  } else {
    gfx::FillGradient(canvas, inner, light, tint);
  }
}

int TRzToolButton::PictureIndex() const {
  bool enabled = IsEnabled();
  if ((Down() || exclusive_) && downIndex_ >= 0) {
    return downIndex_;
  }
  if (Hot() && enabled && hotIndex_ >= 0) {
    return hotIndex_;
  }
  if (!enabled && disabledIndex_ >= 0) {
    return disabledIndex_;
  }
  return imageIndex_;
}

void TRzToolButton::Paint(TCanvas& canvas) {
  bool enabled = IsEnabled();
  PaintSelection(canvas);
  TRect glyph, caption;
  Place(glyph, caption);
  // Only the older styles nudge the content to look pushed in.
  if ((Down() || exclusive_) && EffectiveVisualStyle() != vsGradient) {
    glyph = glyph.Offset(1, 1);
    caption = caption.Offset(1, 1);
  }
  if (const gfx::TImageList* images = EffectiveImages()) {
    int index = PictureIndex();
    // Only the normal picture is greyed; a disabled picture of its own is drawn as it is.
    bool greyed = !enabled && !(disabledIndex_ >= 0 && index == disabledIndex_);
    if (index >= 0) {
      images->Draw(canvas, glyph.Left, glyph.Top, index, !greyed);
    }
  }
  if (CaptionShown() && !Caption().empty()) {
    canvas.Font = Font();
    if (!enabled) {
      canvas.Font.Color = gfx::clBtnShadow;
    }
    TRect cr = caption;
    canvas.DrawTextIn(Caption(), cr, gfx::dtWordBreak | gfx::dtCenter | gfx::dtExpandTabs);
  }
}

bool TRzToolButton::DialogChar(char32_t letter) {
  char accel = gfx::AcceleratorOf(Caption());
  if (accel == 0 || letter > 0x7F) {
    return false;
  }
  if (std::tolower(static_cast<int>(letter)) != accel) {
    return false;
  }
  if (!IsEnabled() || !Showing()) {
    return false;
  }
  Click();
  return true;
}
