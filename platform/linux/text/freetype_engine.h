// Text engine on FreeType: hinted greyscale glyphs, cached per face, size
// and glyph; per-character fallback to faces found by the font catalog.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "font_catalog.h"
#include "gfx/text.h"

namespace platform_linux {

class TFreeTypeEngine : public gfx::TTextEngine {
 public:
  TFreeTypeEngine();
  ~TFreeTypeEngine() override;
  TFreeTypeEngine(const TFreeTypeEngine&) = delete;
  TFreeTypeEngine& operator=(const TFreeTypeEngine&) = delete;

  gfx::TFontMetrics Metrics(const gfx::TFont& font) override;
  void Layout(const gfx::TFont& font, std::string_view utf8, gfx::TGlyphRun& out) override;
  void ClearCache() override;

  // File of the face that draws `c` in `font` (for tests and diagnostics);
  // empty when no face has it.
  std::string FaceFileFor(const gfx::TFont& font, char32_t c);
  std::size_t CachedGlyphCount() const { return glyphs_.size(); }

 private:
  struct TFace;
  struct TStyle;
  struct TGlyph {
    int Advance = 0;
    gfx::TGlyphImage Image;
  };

  TStyle& StyleFor(const gfx::TFont& font);
  TFace* OpenFace(const TFaceFile& file);
  // Face and glyph index drawing `c`; the face is null for control codes.
  std::pair<TFace*, unsigned> Resolve(TStyle& style, char32_t c);
  const TGlyph& GlyphFor(TFace* face, unsigned index, int size);
  void SetSize(TFace* face, int size);

  void* library_ = nullptr;  // FT_Library
  TFontCatalog catalog_;
  std::map<std::pair<std::string, int>, std::unique_ptr<TFace>> faces_;
  std::map<std::tuple<std::string, bool, bool>, std::unique_ptr<TStyle>> styles_;
  std::unordered_map<std::uint64_t, std::unique_ptr<TGlyph>> glyphs_;
};

}  // namespace platform_linux
