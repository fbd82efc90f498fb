// Text: the engine interface the platform implements (measuring and
// rasterising runs of glyphs), and the DrawTextIn flags. Layout (prefix "&",
// tabs, word wrap, alignment, rotation, underline) is portable and lives in
// the canvas on top of the engine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/font.h"

namespace gfx {

struct TFontMetrics {
  int Ascent = 0;   // rows above the baseline
  int Descent = 0;  // rows below it
  int Height = 0;   // Ascent + Descent: the line height, and every TextHeight
  int AveCharWidth = 0;
  // Underline: its first row counted from the first row below the baseline
  // (0 = that row), and its thickness in rows.
  int UnderlinePosition = 1;
  int UnderlineThickness = 1;
};

// One rasterised glyph: 8-bit coverage, 0 transparent .. 255 full ink.
struct TGlyphImage {
  int Left = 0;  // from the pen position to the first column
  int Top = 0;   // from the baseline up to the first row
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Coverage;  // Width * Height, row by row
};

struct TPlacedGlyph {
  int X = 0;                           // pen position relative to the run start
  const TGlyphImage* Image = nullptr;  // owned by the engine's cache
};

// A laid-out line of text: its advance width and glyphs.
struct TGlyphRun {
  int Width = 0;
  std::vector<TPlacedGlyph> Glyphs;
};

class TTextEngine {
 public:
  virtual ~TTextEngine() = default;

  virtual TFontMetrics Metrics(const TFont& font) = 0;
  // Advance width of one line of UTF-8 text (no tabs, no prefix handling); the
  // width of its layout unless an engine knows a quicker way. Widths add up:
  // a text is as wide as its characters measured one by one (no kerning), so
  // a layout may measure each character once.
  virtual int TextWidth(const TFont& font, std::string_view utf8);
  // Lays out one line. Glyph images stay valid until the engine is destroyed
  // or its cache is cleared; the same text always gives the same run.
  virtual void Layout(const TFont& font, std::string_view utf8, TGlyphRun& out) = 0;
  virtual void ClearCache() {}
};

// The engine canvases use when they are not given one. The platform installs
// it at start-up; until then a built-in fallback draws boxes of fixed size
// (deterministic, for code and tests that need no real fonts).
TTextEngine& DefaultTextEngine();
void SetDefaultTextEngine(TTextEngine* engine);  // nullptr restores the fallback
TTextEngine& BoxTextEngine();

// DrawTextIn flags, with the Windows values and meanings.
enum TDrawTextFlag : unsigned {
  dtLeft = 0x0000,
  dtTop = 0x0000,
  dtCenter = 0x0001,
  dtRight = 0x0002,
  dtVCenter = 0x0004,  // single line only
  dtBottom = 0x0008,   // single line only
  dtWordBreak = 0x0010,
  dtSingleLine = 0x0020,
  dtExpandTabs = 0x0040,
  dtNoClip = 0x0100,  // without it the text is clipped to the rectangle
  dtCalcRect = 0x0400,
  dtNoPrefix = 0x0800,
};

// Splits out the "&" accelerator: "&&" is a literal "&", "&x" marks x.
// Returns the visible text; `underline` gets the byte offset and length in
// it of the marked character (the first one marked), or -1 and 0.
std::string StripPrefix(std::string_view text, int* underline = nullptr,
                        int* underlineLength = nullptr);
// The accelerator character (lower-cased ASCII) or 0.
char AcceleratorOf(std::string_view caption);

}  // namespace gfx
