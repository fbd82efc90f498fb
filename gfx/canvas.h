// TCanvas draws on a TBitmap with the pixel rules of the classic Windows
// drawing interface:
// - a rectangle's right and bottom edges are exclusive;
// - a line leaves out its end point; a polyline leaves out only its last;
// - a pen of width w > 1 thickens a line across its direction: a mostly
//   horizontal line at y covers rows y - w/2 .. y - w/2 + w - 1 (width 2:
//   y - 1 and y), a mostly vertical one the same columns around x;
// - Rectangle with a wide pen keeps the whole outline inside the rectangle;
// - the pen is drawn over the brush, the brush fills what the outline leaves.
// Every coordinate is offset by the origin and every pixel is clipped to the
// image and to the current clip region.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "gfx/region.h"
#include "gfx/text.h"

namespace gfx {

enum TPenStyle {
  psSolid,
  psDot,  // alternate pixels, the first one drawn (focus rectangles)
  psClear,
};

enum TPenMode {
  pmCopy,
  // The pixel becomes NOT (pen XOR pixel); drawing twice restores it.
  pmNotXor,
  pmXor,  // pen XOR pixel
  pmNot,  // NOT pixel
};

enum TBrushStyle { bsSolid, bsClear };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

class TCanvas {
 public:
  explicit TCanvas(TBitmap& target);

  TBitmap& Bitmap() { return *target_; }
  const TBitmap& Bitmap() const { return *target_; }

  TPen Pen;
  TBrush Brush;
  TFont Font;

  // Text engine used for Font; the default engine unless set.
  void SetTextEngine(TTextEngine* engine) { engine_ = engine; }
  TTextEngine& TextEngine() const;

  // Logical (0, 0) lands on device pixel Origin (for painting child controls
  // into their window's image). Clip rectangles are given in logical
  // coordinates too, and are converted when pushed.
  void SetOrigin(TPoint origin) { origin_ = origin; }
  TPoint Origin() const { return origin_; }

  // --- Clipping. Each push intersects with the current clip; Pop undoes the
  // last push. An empty intersection clips everything.
  void PushClipRect(const TRect& r);
  void PushClipRegion(const TRegion& logicalRegion);
  // Builds the region of `points` and pushes it; when the region cannot be
  // built nothing is pushed and false is returned (error text in `error`,
  // kErrorCreatingRegion).
  bool PushClipPolygon(std::span<const TPoint> points, std::string* error = nullptr);
  void PopClip();
  int ClipDepth() const { return static_cast<int>(clips_.size()); }
  // Bounding box of what can currently be drawn, in logical coordinates.
  TRect ClipBounds() const;

  // --- Areas.
  void FillRect(const TRect& r);  // Brush, no outline
  void FillRect(const TRect& r, TColor color);
  void FrameRect(const TRect& r);  // 1-pixel frame in the brush colour
  void FrameRect(const TRect& r, TColor color);
  // Outline with Pen (unless clear), inside with Brush (unless clear). With a
  // clear pen the fill stops one pixel short on the right and at the bottom,
  // as in the classic interface (the chart's bars rely on it).
  void Rectangle(const TRect& r);
  void Rectangle(int left, int top, int right, int bottom) {
    Rectangle({left, top, right, bottom});
  }
  // Fill with Brush (fmAlternate), then outline with Pen (closed, every vertex drawn).
  void Polygon(std::span<const TPoint> points, TFillMode mode = fmAlternate);
  // Alternate pixels inverted, as the system's focus rectangle; twice restores.
  void DrawFocusRect(const TRect& r);
  // Every pixel becomes its inverse.
  void InvertRect(const TRect& r);

  // --- Lines.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);  // from PenPos, end point left out; PenPos moves
  TPoint PenPos() const { return penPos_; }
  void Line(int x0, int y0, int x1, int y1) {
    MoveTo(x0, y0);
    LineTo(x1, y1);
  }
  void Polyline(std::span<const TPoint> points);

  // --- Pixels (colours are resolved through the system colour table).
  TColor Pixels(int x, int y) const;  // clNone outside the image
  void SetPixel(int x, int y, TColor color);
  // Pixel becomes Blend(color, pixel, weight): weight/255 of `color`.
  void BlendPixel(int x, int y, TColor color, int weight);
  void BlendRect(const TRect& r, TColor color, int weight);

  // --- Images. (x, y) is where the image's top-left pixel goes.
  void Draw(int x, int y, const TBitmap& src);  // opaque copy
  void Draw(int x, int y, const TBitmap& src, const TRect& srcRect);
  // Source-over blend with the image's alpha channel.
  void DrawAlpha(int x, int y, const TBitmap& src);
  // `mask` is a 1-bit image in the monochrome convention: black (0) pixels
  // draw the image, white (non-zero) ones leave the canvas alone.
  void DrawMasked(int x, int y, const TBitmap& src, const TBitmap& mask);
  // Disabled look: the image in shades of grey (each pixel its luma), blended
  // by its alpha when it has one.
  void DrawGreyed(int x, int y, const TBitmap& src);

  // --- Text, always with a transparent background in Font.Color.
  // The width MeasureText gives (one line, no prefix).
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);  // the font's line height
  TSize TextExtent(std::string_view text);
  TFontMetrics FontMetrics();
  // No prefix or tab processing. (x, y) is the top-left of the text cell;
  // with Font.Orientation 900 the text reads bottom to top and occupies
  // x .. x + TextHeight - 1 by y - TextWidth .. y - 1.
  void DrawTextAt(int x, int y, std::string_view text);
  // DrawTextAt clipped to `clip`.
  void TextRect(const TRect& clip, int x, int y, std::string_view text);
  // As Windows' DrawText: lines split at "\n" (and by word wrap with
  // dtWordBreak), "&" prefix unless dtNoPrefix, tabs with dtExpandTabs (stops
  // every 8 average character widths), alignment, clipping to `rect` unless
  // dtNoClip. With dtCalcRect nothing is drawn: rect.Right and rect.Bottom are
  // set to enclose the text (Right grows to the widest line). Returns the
  // height of the text.
  int DrawTextIn(std::string_view text, TRect& rect, unsigned flags);

 private:
  // Calls f(x0, x1) for every visible run of device row y within [x0, x1).
  template <typename F>
  void VisitRow(int y, int x0, int x1, F&& f) const {
    if (y < 0 || y >= target_->Height()) {
      return;
    }
    x0 = x0 < 0 ? 0 : x0;
    x1 = x1 > target_->Width() ? target_->Width() : x1;
    if (x0 >= x1) {
      return;
    }
    if (clips_.empty()) {
      f(x0, x1);
      return;
    }
    for (const TRegion::TSpan& s : clips_.back().Row(y)) {
      const int a = s.X0 > x0 ? s.X0 : x0;
      const int b = s.X1 < x1 ? s.X1 : x1;
      if (a < b) {
        f(a, b);
      }
    }
  }
  bool Visible(int dx, int dy) const;
  TRect ClampToImage(const TRect& deviceRect) const;
  // Device-coordinate primitives.
  void FillDevice(const TRect& r, std::uint32_t px);
  void PenPixel(int dx, int dy, std::uint32_t pen);
  void PenSpan(int dy, int x0, int x1, std::uint32_t pen);
  void DrawSegment(TPoint a, TPoint b);
  std::uint32_t PenPixelValue() const;
  void PushDeviceRegion(TRegion region);
  void DrawRun(int x, int y, const TGlyphRun& run, const TFontMetrics& m, int underlineX,
               int underlineWidth);

  TBitmap* target_;
  TTextEngine* engine_ = nullptr;
  TPoint origin_;
  TPoint penPos_;
  std::vector<TRegion> clips_;  // device coordinates, each the intersection so far
};

}  // namespace gfx
