// Text engine on GDI: every character is drawn by ExtTextOutW into a DIB
// section and read back as coverage, so that Windows' own font mapping applies
// (fonts requested with the ANSI character set, Chinese through the system's
// font substitution and linking). Glyphs are cached per font and character.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "gfx/text.h"

namespace platform_win32 {

class TGdiTextEngine : public gfx::TTextEngine {
 public:
  TGdiTextEngine();
  ~TGdiTextEngine() override;
  TGdiTextEngine(const TGdiTextEngine&) = delete;
  TGdiTextEngine& operator=(const TGdiTextEngine&) = delete;

  gfx::TFontMetrics Metrics(const gfx::TFont& font) override;
  void Layout(const gfx::TFont& font, std::string_view utf8, gfx::TGlyphRun& out) override;
  void ClearCache() override;

  std::size_t CachedGlyphCount() const;
  // The face GDI chose for the font (for tests and diagnostics), UTF-8.
  std::string FaceName(const gfx::TFont& font);

 private:
  struct TGlyph {
    int Advance = 0;
    gfx::TGlyphImage Image;
  };
  struct TFontEntry {
    void* Font = nullptr;  // HFONT
    gfx::TFontMetrics Metrics;
    std::unordered_map<char32_t, std::unique_ptr<TGlyph>> Glyphs;
  };
  using TKey = std::tuple<std::string, int, bool, bool, int>;

  TFontEntry& EntryFor(const gfx::TFont& font);
  const TGlyph& GlyphFor(TFontEntry& entry, char32_t c);
  bool EnsureSurface(int width, int height);

  void* dc_ = nullptr;  // memory DC the glyphs are drawn in
  void* surface_ = nullptr;
  void* oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int surfaceWidth_ = 0;
  int surfaceHeight_ = 0;
  std::map<TKey, std::unique_ptr<TFontEntry>> fonts_;
};

}  // namespace platform_win32
